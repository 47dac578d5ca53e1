#pragma once

#include <QPointer>
#include <QString>
#include <QTimer>
#include <QWidget>
#include <cstdint>

#include "formula_answer.h"

class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;

namespace kelvo {
class SideWindowHost;
}

// The formula window frmSushiki: the user composes an expression with the keyboard or the
// insert buttons, it is checked and translated, written as the formula script, evaluated by the
// script host, and the answer read back from the answer file is shown.
class TfrmSushiki : public QWidget {
  Q_OBJECT

 public:
  // The window identifier in the auxiliary window list.
  static constexpr char kWindowId = '4';

  // host may be null (tools): the window then places nothing and reports nothing.
  TfrmSushiki(kelvo::SideWindowHost* host, kelvo::FormulaFiles files, QWidget* parent = nullptr);

  // Makes the answer file "[CalcAns]" with Answer = 0 and an empty AnsMsg, no ID, as the window's
  // opening does: a new file renamed over the old one, never written through a link.
  static void InitAnswerFile(const kelvo::FormulaFiles& files);

  // The script host program: kelvo-wsh beside the executable (or in an installation's helper
  // folder) unless set.
  void SetScriptHost(const QString& path) { scriptHost_ = path; }

  // What a calculation did.
  enum class Calculation { Nothing, Refused, Started };
  // btCalcClick: checks and translates the formula, then starts its evaluation.
  Calculation Calculate();
  bool Evaluating() const { return timer_.isActive(); }

  QPlainTextEdit* txtCalc = nullptr;
  QLineEdit* txtAns = nullptr;
  QPlainTextEdit* txtMsg = nullptr;
  QListWidget* lstKansu = nullptr;

  // Puts a formula into the box, as a paste would: one over the box's limit is refused whole and
  // the message area says so.
  bool SetFormula(const QString& text);

  // The formula as the box holds it, with CR LF line breaks.
  QString FormulaText() const;

 signals:
  // An evaluation ended: its answer was shown, or the five seconds ran out.
  void EvaluationFinished(bool answered);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void CreateControls();
  QPushButton* AddButton(const char* name, const QString& caption, QRect geometry);
  void InsertText(const QString& text);   // at the saved caret position
  void SendBackspace();                    // btSendBsClick
  void SendDelete();                       // btSendDelClick
  void Clear();                            // btClsClick
  void OpenHelp();                         // btHelpClick
  void ShowFormulaError(const QString& message);
  void StartEvaluation(const QString& expression);
  void PollAnswer();                       // Timer1
  void ReportHostNotStarted();
  void RestoreCaret();
  void SaveCaretIfEditing();

  kelvo::SideWindowHost* host_;
  kelvo::FormulaFiles files_;
  QString scriptHost_;
  int savedCaret_ = 0;
  std::uint32_t runStamp_ = 0;
  bool hasStamp_ = false;
  QTimer timer_;  // Timer1
};
