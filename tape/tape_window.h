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
class TapeDelegate;
class TapeModel;

// The tape window "テープ": the whole paper tape, newest at the bottom, following new
// calculations while it is open. Lines are selected and copied (Ctrl+C), a figure is entered
// into the calculator by double-click or Enter, Ctrl+F finds a figure, a date or a note, F2
// corrects a typed figure of a calculation in place (Enter recomputes the calculation and appends
// the result as its correction, Esc cancels), Ctrl+M edits a calculation's one-line note,
// Ctrl+S saves the tape as CSV, text or PDF, Ctrl+P prints it (the whole tape, the selected
// calculations or one day, as the range box says), Ctrl+R reads the selected lines aloud (Esc
// stops), and the tape can be cleared. A tape file shortened or replaced by another program is
// read again, and the status line says so. Long saves and prints show their progress and can be
// cancelled; the calculator goes on meanwhile.
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
  // Opens the editor on the current line's figure, or says in the status line why it cannot be
  // corrected.
  void StartCorrection();
  // Recomputes the calculation of line row `row` with its figure changed to `figure`.
  void CorrectFigure(int row, const QString& figure);
  // Opens the editor on the note of the current line's calculation.
  void StartNote();
  // Sets (or, empty, removes) the note of the calculation of line row `row`.
  void SetNote(int row, const QString& note);
  // Why the current row cannot be corrected, or have a note; empty when it can.
  QString WhyNoCorrection() const;
  QString WhyNoNote() const;
  // The window's commands, in the order of its context menu.
  QList<QAction*> Commands() const;
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
  // A command of the window: an item of its context menu and its keys. `whyNot` says why it
  // cannot be used on the current row (empty when it can): the menu then shows the item
  // disabled, and the keys put the reason in the status line instead of running it.
  QAction* AddCommand(const QString& caption, const QKeySequence& keys, std::function<void()> run,
                      std::function<QString()> whyNot = {});
  // Keys of the window that are no item of its menu.
  void AddKey(const QKeySequence& keys, std::function<void()> run);
  void ShowContextMenu(const QPoint& at);
  // The lines of the calculation that holds line row `row`, and where it starts.
  std::vector<std::string> CalculationLines(std::size_t row) const;
  // The file grew by this program's own append (trimmed: and was replaced by its newest part).
  void KnowOwnAppend(bool trimmed);

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
  TapeDelegate* delegate_ = nullptr;
  QListView* list_ = nullptr;
  std::vector<std::pair<QAction*, std::function<QString()>>> commands_;
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
