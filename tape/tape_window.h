#pragma once

#include <QWidget>

#include "side_window_host.h"
#include "tape_window_host.h"

class QAction;
class QCheckBox;
class QLineEdit;
class QListView;
class TapeModel;

// The tape window "テープ": the whole paper tape, newest at the bottom, following new
// calculations while it is open. Lines are selected and copied (Ctrl+C), a figure is entered
// into the calculator by double-click or Enter, Ctrl+F finds a figure or a date, Ctrl+S saves
// the tape as CSV, text or PDF, Ctrl+P prints it, Ctrl+R reads the selected lines aloud (Esc
// stops), and the tape can be cleared.
class TfrmTape : public QWidget {
  Q_OBJECT

 public:
  static constexpr char kId = '8';

  TfrmTape(kelvo::SideWindowHost& host, TapeWindowHost& tape, QWidget* parent = nullptr);

  // Reads the tape file and shows its end.
  void Reload();
  // A calculation was recorded while the window is open (the block written).
  void AddBlock(const std::string& block);

  // Commands, also for tests.
  void CopySelection();
  // Selects the next row, upwards from the current one and round, that holds `text` (a figure
  // with or without digit-group commas, a date as 2026/12/07 or 2026-12-07, or a time).
  bool FindUpwards(const QString& text);
  // Writes the tape to `path` as CSV, text or PDF by its extension (.csv, .txt, .pdf; anything
  // else as CSV). False when it cannot be written.
  bool SaveAs(const QString& path);
  void Save();   // asks for the name
  void Print();  // through the print preview
  void ClearTape();  // after a confirmation
  // Reads the selected lines aloud, figure and mark, one after the other (date rows say nothing).
  void ReadSelection();
  // Nothing can be read aloud: the read-aloud item is disabled, its tool tip saying what is missing.
  void ShowReadAloudMissing(const QString& missing);

  // How the window asks its questions and reports failures; tests replace them.
  std::function<QString(QWidget*)> askSavePath;
  std::function<bool(QWidget*)> askToClear;
  std::function<void(QWidget*, const QString&)> showError;

  QListView* List() const { return list_; }
  TapeModel* Model() const { return model_; }

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void EnterFigureOf(const QModelIndex& index);

  kelvo::SideWindowHost& host_;
  TapeWindowHost& tape_;
  TapeModel* model_ = nullptr;
  QListView* list_ = nullptr;
  QLineEdit* find_ = nullptr;
  QCheckBox* plainCopy_ = nullptr;
  QAction* readAloud_ = nullptr;
};
