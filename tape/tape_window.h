#pragma once

#include <QWidget>
#include <functional>
#include <string>
#include <vector>

#include "side_window_host.h"
#include "tape_export.h"
#include "tape_index.h"
#include "tape_window_host.h"

class QAction;
class QCheckBox;
class QComboBox;
class QFileSystemWatcher;
class QLabel;
class QLineEdit;
class QListView;
class TapeModel;

// The tape window "テープ": the whole paper tape, newest at the bottom, following new
// calculations while it is open. Lines are selected and copied (Ctrl+C), a figure is entered
// into the calculator by double-click or Enter, Ctrl+F finds a figure or a date, Ctrl+S saves
// the tape as CSV, text or PDF, Ctrl+P prints it (the whole tape, the selected calculations or
// one day, as the range box says), Ctrl+R reads the selected lines aloud (Esc stops), and the
// tape can be cleared. A tape file shortened or replaced by another program is read again, and
// the status line says so. Long saves and prints show their progress and can be cancelled; the
// calculator goes on meanwhile.
class TfrmTape : public QWidget {
  Q_OBJECT

 public:
  static constexpr char kId = '8';

  // What Ctrl+S and Ctrl+P take (the items of the range box, in order).
  enum class Range { Whole, Selected, Day };

  TfrmTape(kelvo::SideWindowHost& host, TapeWindowHost& tape, QWidget* parent = nullptr);

  // Reads the tape file and shows its end.
  void Reload();
  // A calculation was recorded while the window is open (the block written); `trimmed`: the
  // writer replaced the file by its newest part meanwhile (what is shown stays as it is).
  void AddBlock(const std::string& block, bool trimmed = false);
  // Looks whether the tape file was shortened or replaced since it was read, and if so reads it
  // again and says so. Runs when the file changes and when the window is activated.
  void CheckTapeFile();

  // Commands, also for tests.
  void CopySelection();
  // Selects the next row, upwards from the current one and round, that holds `text` (a figure
  // with or without digit-group commas, a date as 2026/12/07 or 2026-12-07, or a time).
  bool FindUpwards(const QString& text);
  void SetRange(Range range);
  // The rows the range box chooses.
  tape::RowSpans ChosenRows() const;
  // Writes the chosen rows to `path` as CSV, text or PDF by its extension (.csv, .txt, .pdf;
  // anything else as CSV). False when it cannot be written or was cancelled.
  bool SaveAs(const QString& path);
  void Save();   // asks for the name
  void Print();  // through the print preview, or for a long tape the print dialog
  void ClearTape();  // after a confirmation
  // Reads the selected lines aloud, figure and mark, one after the other (date rows say nothing;
  // the first 1,000 lines at most).
  void ReadSelection();
  // Nothing can be read aloud: the read-aloud item is disabled, its tool tip saying what is missing.
  void ShowReadAloudMissing(const QString& missing);

  // How the window asks its questions and reports failures; tests replace them.
  std::function<QString(QWidget*)> askSavePath;
  std::function<bool(QWidget*)> askToClear;
  std::function<void(QWidget*, const QString&)> showError;

  QListView* List() const { return list_; }
  TapeModel* Model() const { return model_; }
  QString StatusText() const;

 protected:
  void closeEvent(QCloseEvent* event) override;
  void hideEvent(QHideEvent* event) override;
  bool event(QEvent* event) override;

 private:
  // While an export runs the tape shown does not change: what arrives waits until it ends.
  class ExportGuard;
  void EndExport();
  void SetControlsEnabled(bool enabled);
  // Runs a long export with a progress window that can cancel it; window events go on running.
  bool WithProgress(const QString& label, const std::function<bool(const tape::ExportProgress&)>& work);
  void ShowStatus(const QString& text);
  void WatchTapeFile();
  void EnterFigureOf(const QModelIndex& index);

  kelvo::SideWindowHost& host_;
  TapeWindowHost& tape_;
  TapeModel* model_ = nullptr;
  QListView* list_ = nullptr;
  QLineEdit* find_ = nullptr;
  QCheckBox* plainCopy_ = nullptr;
  QComboBox* range_ = nullptr;
  QLabel* status_ = nullptr;
  QFileSystemWatcher* watcher_ = nullptr;
  std::string path_;
  tape::FileState known_;  // the file as last read or written by this program

  int exporting_ = 0;
  bool exportCancelled_ = false;
  bool closeWanted_ = false;  // asked to close during an export
  bool stopWanted_ = false;   // closed or hidden (the program ends, or goes to the tray): the export stops
  bool checkWanted_ = false;
  std::vector<std::pair<std::string, bool>> waitingBlocks_;
  QAction* readAloud_ = nullptr;
  QString readAloudMissing_;  // what the read-aloud lacks; empty while it can speak
};
