#include "check_tape.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTextEdit>

namespace {

QTextEdit* MakeTapeView(QWidget* parent, const char* name, const QString& caption, int top) {
  auto* label = new QLabel(caption, parent);
  label->setGeometry(4, top, 80, 16);
  auto* view = new QTextEdit(parent);
  view->setObjectName(QString::fromLatin1(name));
  view->setAccessibleName(caption);
  view->setGeometry(2, top + 18, 313, 165);
  view->setReadOnly(true);
  view->setLineWrapMode(QTextEdit::NoWrap);
  view->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  view->document()->setDefaultTextOption(QTextOption(Qt::AlignRight));
  QFont font = view->font();
  font.setPixelSize(16);
  view->setFont(font);
  label->setBuddy(view);
  return view;
}

// One tape in its view: the lines and an empty line after them. Line ends and blanks around the
// text are dropped, never the ideographic space that ends a mark.
void SetTape(QTextEdit* view, QString tape) {
  const auto blank = [](QChar c) { return c.unicode() <= u' ' || c.unicode() == 0x7f; };
  while (!tape.isEmpty() && blank(tape.back())) tape.chop(1);
  while (!tape.isEmpty() && blank(tape.front())) tape.remove(0, 1);
  tape.replace(QLatin1String("\r\n"), QLatin1String("\n"));
  view->setPlainText(tape + QLatin1Char('\n'));
}

// Once the view has its size: the end of the tape in sight, down to the view's bottom edge.
void ScrollToEnd(QTextEdit* view) {
  view->moveCursor(QTextCursor::End);
  view->ensureCursorVisible();
  view->verticalScrollBar()->setValue(view->verticalScrollBar()->maximum());
}

}  // namespace

TfrmKenzan::TfrmKenzan(kelvo::SideWindowHost& host, QWidget* parent)
    : QWidget(parent, kelvo::kSideWindowFlags),
      host_(host) {
  kelvo::SetUpSideWindowFrame(*this, "frmKenzan", QStringLiteral("検算"), {318, 419}, kelvo::Activation::LeavesKeyboard);
  zcalc_ = MakeTapeView(this, "Zcalc", QStringLiteral("前回"), 2);
  kcalc_ = MakeTapeView(this, "Kcalc", QStringLiteral("今回"), 190);
  auto* close = new QPushButton(QStringLiteral("Close (&X)"), this);
  close->setObjectName(QStringLiteral("cmdClose"));
  close->setGeometry(2, 380, 313, 34);
  connect(close, &QPushButton::clicked, this, &QWidget::close);
}

void TfrmKenzan::ShowTapes(const QString& previous, const QString& current) {
  SetTape(zcalc_, previous);
  SetTape(kcalc_, current);
  show();
  ScrollToEnd(zcalc_);
  ScrollToEnd(kcalc_);
}

void TfrmKenzan::closeEvent(QCloseEvent* event) {
  host_.SideWindowClosed(kId);
  QWidget::closeEvent(event);
}

#include "moc_check_tape.cpp"
