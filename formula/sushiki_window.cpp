#include "sushiki_window.h"

#include <algorithm>

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QStringList>
#include <QTextBlock>
#include <QUrl>

#include "calc_files.h"
#include "data_folder.h"
#include "formula_box.h"
#include "formula_check.h"
#include "help_document.h"
#include "open_document.h"
#include "profile_string.h"
#include "script_host_launch.h"
#include "script_text.h"
#include "side_window_host.h"
#include "spoken_message.h"
#include "sushiki_buttons.h"
#include "text_utils.h"

namespace {

constexpr int kPollMilliseconds = 100;
constexpr std::uint32_t kAnswerLimitMilliseconds = 5000;

// A screen reader says the answer and the message as they are shown, whichever window has the focus.
void SayAnswer(QWidget* window, const QLineEdit* answer, const QPlainTextEdit* message) {
  QStringList parts{answer->text(), message->toPlainText()};
  parts.removeAll(QString());
  kelvo::Announce(window, parts.join(QStringLiteral("、")));
}

QFont PixelFont(int pixels) {
  QFont font;
  font.setPixelSize(pixels);
  return font;
}

// The window's own icon: "f(x)" on a pale square.
QIcon FormulaIcon() {
  QPixmap pixmap(32, 32);
  pixmap.fill(QColor(198, 215, 189));
  QPainter painter(&pixmap);
  painter.setPen(Qt::black);
  QFont font;
  font.setPixelSize(13);
  font.setBold(true);
  painter.setFont(font);
  painter.drawText(pixmap.rect(), Qt::AlignCenter, QStringLiteral("f(x)"));
  return QIcon(pixmap);
}

QString QuoteFree(const std::string& text) { return QString::fromStdString(text); }

const QString kTooLong = QStringLiteral("数式は %1 文字までです。それを超える入力は受け付けません。").arg(FormulaBox::kMaxCharacters);

}  // namespace

TfrmSushiki::TfrmSushiki(kelvo::SideWindowHost* host, kelvo::FormulaFiles files, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint),
      host_(host),
      files_(std::move(files)),
      scriptHost_(QString::fromStdString(kelvo::ScriptHostPath(QCoreApplication::applicationDirPath().toStdString()))) {
  setObjectName(QStringLiteral("frmSushiki"));
  setWindowTitle(QStringLiteral("数式計算 Windows Script Host"));
  setWindowIcon(FormulaIcon());
  setFixedSize(468, 358);
  CreateControls();
  timer_.setTimerType(Qt::PreciseTimer);
  timer_.setInterval(kPollMilliseconds);
  connect(&timer_, &QTimer::timeout, this, &TfrmSushiki::PollAnswer);
  installEventFilter(this);
}

void TfrmSushiki::InitAnswerFile(const kelvo::FormulaFiles& files) {
  // A new file renamed over the old one: never written through a link, a FIFO or a hard link.
  (void)kelvo::wsh::WriteCalcFile(files.AnswerPath(), "[CalcAns]\r\nAnswer=0\r\nAnsMsg=\r\n\r\n");
}

QPushButton* TfrmSushiki::AddButton(const char* name, const QString& caption, QRect geometry) {
  auto* button = new QPushButton(caption, this);
  button->setObjectName(QLatin1String(name));
  button->setAccessibleName(caption);
  button->setGeometry(geometry);
  // Not a tab stop, but a click takes the focus, so that the formula box saves its caret.
  button->setFocusPolicy(Qt::ClickFocus);
  button->setAutoDefault(false);
  button->installEventFilter(this);
  return button;
}

void TfrmSushiki::CreateControls() {
  int x[4] = {0, 8, 8, 8};
  for (const kelvo::InsertButton& spec : kelvo::InsertButtons()) {
    const int width = spec.row == 3 ? 23 : 35;
    const int top = 6 + (spec.row - 1) * 26;
    QPushButton* button = AddButton(spec.name, spec.caption, QRect(x[spec.row], top, width - 1, 24));
    x[spec.row] += width;
    button->setProperty("tag", spec.tag);
    if (!spec.tip.isEmpty()) button->setToolTip(spec.tip);
    const int tag = spec.tag;
    connect(button, &QPushButton::clicked, this, [this, tag] {
      SaveCaretIfEditing();
      InsertText(kelvo::TextOfTag(tag));
    });
  }

  auto* box = new FormulaBox(this);
  connect(box, &FormulaBox::InputRefused, this, [this] { txtMsg->setPlainText(kTooLong); });
  txtCalc = box;
  txtCalc->setObjectName(QStringLiteral("txtCalc"));
  txtCalc->setAccessibleName(QStringLiteral("数式"));
  txtCalc->setGeometry(8, 86, 357, 177);
  txtCalc->setFont(PixelFont(15));
  txtCalc->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  txtCalc->setTabChangesFocus(true);
  txtCalc->installEventFilter(this);

  QPushButton* calc = AddButton("btCalc", QStringLiteral("計算 [End]"), QRect(8, 268, 120, 24));
  connect(calc, &QPushButton::clicked, this, [this] { Calculate(); });
  QPushButton* cls = AddButton("btCls", QStringLiteral("ｸﾘｱ(&C)"), QRect(132, 268, 80, 24));
  connect(cls, &QPushButton::clicked, this, &TfrmSushiki::Clear);

  txtAns = new QLineEdit(this);
  txtAns->setObjectName(QStringLiteral("txtAns"));
  txtAns->setAccessibleName(QStringLiteral("答え"));
  txtAns->setGeometry(8, 296, 357, 24);
  txtAns->setFont(PixelFont(15));
  txtAns->installEventFilter(this);
  QPushButton* close = AddButton("btClose", QStringLiteral("Close(&X)"), QRect(372, 296, 88, 24));
  connect(close, &QPushButton::clicked, this, &QWidget::close);

  txtMsg = new QPlainTextEdit(this);
  txtMsg->setObjectName(QStringLiteral("txtMsg"));
  txtMsg->setAccessibleName(QStringLiteral("メッセージ"));
  txtMsg->setGeometry(8, 324, 452, 30);
  txtMsg->setFont(PixelFont(12));
  txtMsg->setReadOnly(true);
  txtMsg->setFocusPolicy(Qt::ClickFocus);
  txtMsg->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  txtMsg->setStyleSheet(QStringLiteral("QPlainTextEdit { background: #c0c0c0; color: black; }"));  // dark on silver under any theme
  txtMsg->document()->setDocumentMargin(1);
  txtMsg->installEventFilter(this);

  QPushButton* help = AddButton("btHelp", QStringLiteral("関数ヘルプ"), QRect(372, 6, 88, 24));
  connect(help, &QPushButton::clicked, this, &TfrmSushiki::OpenHelp);

  lstKansu = new QListWidget(this);
  lstKansu->setObjectName(QStringLiteral("lstKansu"));
  lstKansu->setAccessibleName(QStringLiteral("関数"));
  lstKansu->setGeometry(372, 34, 88, 226);
  lstKansu->setFocusPolicy(Qt::ClickFocus);
  lstKansu->addItems(kelvo::FunctionList());
  lstKansu->installEventFilter(this);
  connect(lstKansu, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
    QString entry = item->text();
    if (entry.endsWith(u')')) entry.chop(1);
    SaveCaretIfEditing();
    if (!entry.isEmpty()) InsertText(entry);
  });

  QPushButton* ent = AddButton("btSendEnt", QStringLiteral("Ent"), QRect(372, 268, 28, 24));
  connect(ent, &QPushButton::clicked, this, [this] {
    SaveCaretIfEditing();
    InsertText(QStringLiteral("\n"));
  });
  QPushButton* del = AddButton("btSendDel", QStringLiteral("Del"), QRect(402, 268, 28, 24));
  connect(del, &QPushButton::clicked, this, &TfrmSushiki::SendDelete);
  QPushButton* bs = AddButton("btSendBs", QStringLiteral("Bs"), QRect(432, 268, 28, 24));
  connect(bs, &QPushButton::clicked, this, &TfrmSushiki::SendBackspace);
}

bool TfrmSushiki::SetFormula(const QString& text) {
  if (text.size() > FormulaBox::kMaxCharacters) {
    txtMsg->setPlainText(kTooLong);
    return false;
  }
  txtCalc->setPlainText(text);
  return true;
}

QString TfrmSushiki::FormulaText() const {
  QString text = txtCalc->toPlainText();
  text.replace(u'\n', QStringLiteral("\r\n"));
  return text;
}

void TfrmSushiki::SaveCaretIfEditing() {
  // A click that did not move the focus leaves the formula box editing: its caret is the point.
  if (txtCalc->hasFocus()) savedCaret_ = txtCalc->textCursor().position();
}

void TfrmSushiki::RestoreCaret() {
  QTextCursor cursor = txtCalc->textCursor();
  cursor.setPosition(std::clamp(savedCaret_, 0, static_cast<int>(txtCalc->document()->characterCount() - 1)));
  txtCalc->setTextCursor(cursor);
  txtCalc->setFocus();
}

void TfrmSushiki::InsertText(const QString& text) {
  if (!static_cast<FormulaBox*>(txtCalc)->Fits(text.size())) {
    txtMsg->setPlainText(kTooLong);
    return;
  }
  const QString formula = txtCalc->toPlainText();
  const int at = std::clamp(savedCaret_, 0, static_cast<int>(formula.size()));
  QString result;
  if (savedCaret_ == 0) result = text + formula;
  else if (formula.isEmpty()) result = text;
  else result = formula.left(at) + text + formula.mid(at);
  txtCalc->setPlainText(result);
  QTextCursor cursor = txtCalc->textCursor();
  cursor.setPosition(std::min(at + static_cast<int>(text.size()), static_cast<int>(result.size())));
  txtCalc->setTextCursor(cursor);
  txtCalc->setFocus();
}

void TfrmSushiki::SendBackspace() {
  // A line break and a double-byte character go as a whole, as the box holds them.
  QTextCursor cursor = txtCalc->textCursor();
  cursor.clearSelection();
  if (cursor.position() > 0) {
    cursor.movePosition(QTextCursor::PreviousCharacter, QTextCursor::KeepAnchor);
    cursor.removeSelectedText();
    txtCalc->setTextCursor(cursor);
  }
  txtCalc->setFocus();
}

void TfrmSushiki::SendDelete() {
  QTextCursor cursor = txtCalc->textCursor();
  cursor.clearSelection();
  const int position = cursor.position();
  if (!cursor.atEnd()) {
    cursor.movePosition(QTextCursor::NextCharacter, QTextCursor::KeepAnchor);
    cursor.removeSelectedText();
    cursor.setPosition(position);
    txtCalc->setTextCursor(cursor);
  }
  txtCalc->setFocus();
}

void TfrmSushiki::Clear() {
  txtMsg->clear();
  txtAns->clear();
  txtCalc->clear();
  txtCalc->setFocus();
}

void TfrmSushiki::OpenHelp() {
  // The help document when it is installed, else the reference shipped beside it.
  const QString folder = QuoteFree(files_.programFolder) + QStringLiteral("/KelvoFiles/_sys/");
  kelvo::OpenDocument(this, QUrl::fromLocalFile(kelvo::HelpDocumentPath(folder, QStringLiteral("SusikiCalc"))));
  txtCalc->setFocus();
}

void TfrmSushiki::ShowFormulaError(const QString& message) {
  txtMsg->setPlainText(message);
  txtAns->setText(QStringLiteral("error"));
  SayAnswer(this, txtAns, txtMsg);
  RestoreCaret();
}

TfrmSushiki::Calculation TfrmSushiki::Calculate() {
  if (txtCalc->document()->characterCount() - 1 > FormulaBox::kMaxCharacters) {
    ShowFormulaError(kTooLong);
    return Calculation::Refused;
  }
  const kelvo::Normalized normalized = kelvo::NormalizeFormula(FormulaText());
  if (normalized.empty) {
    RestoreCaret();
    return Calculation::Nothing;
  }
  if (!normalized.error.isEmpty()) {
    ShowFormulaError(normalized.error);
    return Calculation::Refused;
  }
  if (auto refusal = kelvo::CheckFormulaTokens(normalized.expression)) {
    ShowFormulaError(*refusal);
    return Calculation::Refused;
  }
  StartEvaluation(kelvo::BracesToSpaces(normalized.expression));
  return Calculation::Started;
}

void TfrmSushiki::StartEvaluation(const QString& expression) {
  // A new stamp, never the one before: two evaluations in the same millisecond stay apart.
  std::uint32_t stamp = kelvo::MillisecondClock();
  if (hasStamp_ && stamp == runStamp_) ++stamp;
  runStamp_ = stamp;
  hasStamp_ = true;
  // The poll ticks count from the stamp, not from the end of the writing and the process start.
  timer_.start();

  const std::string script = kelvo::wsh::BuildScript(files_.AnswerPath(), expression.toStdString(), runStamp_);
  // Written through a file beside it that replaces it, so a host never reads half a script; the
  // answer file goes back to its first state, without the stamp.
  (void)kelvo::wsh::WriteCalcFile(files_.ScriptPath(), script);
  InitAnswerFile(files_);
  txtMsg->clear();
  txtAns->clear();

  const QString scriptPath = QuoteFree(files_.ScriptPath());
  const QString calcFolder = QFileInfo(scriptPath).absolutePath();
  // The answer is read as soon as the host exits; the poll stays for a host that leaves it late.
  const std::uint32_t stampOfRun = runStamp_;
  kelvo::LaunchScriptHost(
      this, scriptHost_, QFileInfo(scriptPath).fileName(), calcFolder,
      [this, stampOfRun] {
        if (stampOfRun == runStamp_ && timer_.isActive()) PollAnswer();
      },
      [this, stampOfRun] {
        if (stampOfRun == runStamp_ && timer_.isActive()) ReportHostNotStarted();
      });
  RestoreCaret();
}

void TfrmSushiki::PollAnswer() {
  if (!isVisible()) return;
  const std::string path = files_.AnswerPath();
  if (kelvo::ReadProfileString("CalcAns", "ID", path) == std::to_string(runStamp_)) {
    const QString answer = QString::fromStdString(kelvo::ReadProfileString("CalcAns", "Answer", path));
    txtAns->setText(kelvo::IsNumberText(answer.toStdString()) ? kelvo::FormatAnswer(answer) : answer);
    txtMsg->setPlainText(QString::fromStdString(kelvo::ReadProfileString("CalcAns", "AnsMsg", path)));
    SayAnswer(this, txtAns, txtMsg);
    timer_.stop();
    emit EvaluationFinished(true);
    return;
  }
  if (static_cast<std::uint32_t>(kelvo::MillisecondClock() - runStamp_) > kAnswerLimitMilliseconds) {
    timer_.stop();
    emit EvaluationFinished(false);
  }
}

void TfrmSushiki::ReportHostNotStarted() {
  timer_.stop();
  txtAns->setText(QStringLiteral("error"));
  txtMsg->setPlainText(kelvo::ScriptHostNotStartedText(scriptHost_));
  SayAnswer(this, txtAns, txtMsg);
  emit EvaluationFinished(false);
}

bool TfrmSushiki::eventFilter(QObject* watched, QEvent* event) {
  if (watched == txtCalc && event->type() == QEvent::FocusOut) savedCaret_ = txtCalc->textCursor().position();
  if (event->type() != QEvent::KeyPress) return false;
  // The window sees every key first.
  switch (static_cast<QKeyEvent*>(event)->key()) {
    case Qt::Key_F12: close(); return true;
    case Qt::Key_End:
      savedCaret_ = txtCalc->textCursor().position();
      Calculate();
      return true;
    case Qt::Key_F10: return true;
    default: return false;
  }
}

void TfrmSushiki::showEvent(QShowEvent* event) {
  timer_.stop();
  QWidget::showEvent(event);
}

void TfrmSushiki::closeEvent(QCloseEvent* event) {
  timer_.stop();
  QFile::remove(QuoteFree(files_.ScriptPath()));
  if (host_ != nullptr) host_->SideWindowClosed(kWindowId);
  QWidget::closeEvent(event);
}

#include "moc_sushiki_window.cpp"
