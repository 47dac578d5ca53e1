#pragma once

#include <QPlainTextEdit>

// The formula box txtCalc: a plain text box that never holds more than kMaxCharacters. A paste,
// a drop or a typed text that would pass the limit is refused whole (a formula cut short would
// give a wrong answer), and the window is told so that it can say why. Laying out one huge line
// takes the text engine minutes; a formula of this size still lays out quickly.
class FormulaBox : public QPlainTextEdit {
  Q_OBJECT

 public:
  static constexpr qsizetype kMaxCharacters = 64 * 1024;

  explicit FormulaBox(QWidget* parent = nullptr);

  // Whether the box can take `added` characters in place of its selection.
  bool Fits(qsizetype added) const;

 signals:
  void InputRefused();

 protected:
  void insertFromMimeData(const QMimeData* source) override;
  void keyPressEvent(QKeyEvent* event) override;
  void inputMethodEvent(QInputMethodEvent* event) override;
};
