#pragma once

#include <QString>
#include <functional>

class QLineEdit;
class QPushButton;

namespace kelvo {

// The part of a window that downloads from the server: its stop button ("接続を切断", which stops
// the running transfer), its progress line and its closing flag. A transfer keeps the windows
// responsive while it runs, so the window may be closed meanwhile: from then on the transfer
// stops and nothing touches the controls any more. The window owns the two controls.
class DownloadPane {
 public:
  DownloadPane(QPushButton* stop, QLineEdit* progressLine);

  // Set from the moment the window closes: a running operation stops touching it.
  bool Closing() const { return closing_; }
  // The window is shown (again): its controls are in use.
  void Open() { closing_ = false; }
  // The window closes (or goes): a running transfer stops.
  void Close();

  // What the stop button does: the running transfer stops.
  void Stop();

  // Runs one blocking transfer with the stop button enabled, and gives its result.
  int Transfer(const std::function<int()>& run);

  // Shows the progress line empty, or hides it.
  void ShowProgressLine(bool show);
  // A transfer's progress text; only a change repaints.
  void ShowProgress(const QString& text);

 private:
  QPushButton* stop_;
  QLineEdit* progressLine_;
  bool closing_ = false;
};

}  // namespace kelvo
