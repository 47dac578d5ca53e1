#include "formula_box.h"

#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QTextCursor>

FormulaBox::FormulaBox(QWidget* parent) : QPlainTextEdit(parent) {}

bool FormulaBox::Fits(qsizetype added) const {
  const QTextCursor cursor = textCursor();
  const qsizetype selected = cursor.selectionEnd() - cursor.selectionStart();
  const qsizetype held = document()->characterCount() - 1;  // without the final paragraph mark
  return held - selected + added <= kMaxCharacters;
}

void FormulaBox::insertFromMimeData(const QMimeData* source) {
  if (source != nullptr && source->hasText() && !Fits(source->text().size())) {
    emit InputRefused();
    return;
  }
  QPlainTextEdit::insertFromMimeData(source);
}

void FormulaBox::keyPressEvent(QKeyEvent* event) {
  // A key that types text; Enter makes a line break of one character.
  const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
  const qsizetype typed = enter ? 1 : event->text().size();
  const bool printable = enter || (!event->text().isEmpty() && event->text().at(0).isPrint());
  if (printable && !(event->modifiers() & Qt::ControlModifier) && !Fits(typed)) {
    emit InputRefused();
    return;
  }
  QPlainTextEdit::keyPressEvent(event);
}

void FormulaBox::inputMethodEvent(QInputMethodEvent* event) {
  if (!event->commitString().isEmpty() && !Fits(event->commitString().size())) {
    emit InputRefused();
    event->accept();
    return;
  }
  QPlainTextEdit::inputMethodEvent(event);
}

#include "moc_formula_box.cpp"
