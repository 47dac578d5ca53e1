#pragma once

#include <QDialog>

#include <functional>
#include <memory>

#include "update_list.h"

class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace kelvo {
class DownloadPane;
class SideWindowHost;
}

// The update window frmUpdate, "バージョンアップの確認": fetches the update list, compares its
// version with the program's, fetches the installer as Update.exe beside the executable and asks
// whether to run it. Modal; the caller starts the installer and ends the program when the user
// said yes (InstallerAccepted).
class TfrmUpdate : public QDialog {
  Q_OBJECT

 public:
  // foundAtStart: the check at start found a newer version; the window shows it from the list it
  // left in the program folder, with "ダウンロード" enabled.
  TfrmUpdate(kelvo::SideWindowHost& host, QString currentVersion, bool foundAtStart, QWidget* parent = nullptr);
  ~TfrmUpdate() override;

  // Places the window cascaded from the main window and shows it until it closes.
  int ShowModal();
  // The installer was fetched and the user chose to run it.
  bool InstallerAccepted() const { return installerAccepted_; }

  // How the window asks its yes-or-no question and reports a failure, both in a box captioned
  // "Kelvo"; tests replace them.
  std::function<bool(QWidget*, const QString&)> askYesNo;
  std::function<void(QWidget*, const QString&)> showMessage;

  // Closing (close box, "Close (&X)", F12, Esc) stops a running transfer and deletes the list.
  void reject() override;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void CreateControls();
  void CheckForUpdate();     // btConnect
  void DownloadInstaller();  // btDownload
  bool Download(const QString& url, const QString& localPath, qint64 maxBytes);
  void ShowFoundList(const kelvo::UpdateList& list);
  void ShowProgressControls(bool show);
  void ShowProgress(const QString& text, double barFraction);
  void SetMessage(const QString& text);

  kelvo::SideWindowHost& host_;
  const QString currentVersion_;
  const bool foundAtStart_;
  bool shown_ = false;
  bool installerAccepted_ = false;
  kelvo::UpdateList list_;
  QString listUrl_;

  QPlainTextEdit* txtMsg_ = nullptr;
  QLineEdit* txtIngBarMax_ = nullptr;
  QLineEdit* txtIngBarAct_ = nullptr;
  QLineEdit* txtProgressStatus_ = nullptr;
  QPushButton* btDownload_ = nullptr;
  QPushButton* btConnect_ = nullptr;
  QPushButton* btConnectStop_ = nullptr;
  QPushButton* btClose_ = nullptr;
  std::unique_ptr<kelvo::DownloadPane> pane_;  // btConnectStop, txtProgressStatus and the closing flag
};
