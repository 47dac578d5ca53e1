#include "time_days_window.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDate>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "days_tab.h"
#include "spoken_message.h"
#include "time_tab.h"

TfrmTimeDays::TfrmTimeDays(kelvo::SideWindowHost& host, TimeDaysHost& calculator, QWidget* parent)
    : QWidget(parent, kelvo::kSideWindowFlags & ~Qt::MSWindowsFixedSizeDialogHint), host_(host), calculator_(calculator) {
  setWindowTitle(QStringLiteral("時間・日数計算"));
  setObjectName(QStringLiteral("frmTimeDays"));
  showError = [](QWidget* parent, const QString& text) { QMessageBox::warning(parent, QStringLiteral("Kelvo"), text); };
  status_ = new QLabel(this);
  status_->setObjectName(QStringLiteral("TimeDaysStatus"));
  auto refuse = [this](const QString& message) { Refuse(message); };
  times_ = new TimeTab(calculator_, refuse, this);
  const QDate today = QDate::currentDate();
  days_ = new DaysTab({today.year(), today.month(), today.day()}, refuse, this);
  tabs_ = new QTabWidget(this);
  tabs_->setObjectName(QStringLiteral("TimeDaysTabs"));
  tabs_->addTab(times_, QStringLiteral("時間 (&1)"));
  tabs_->addTab(days_, QStringLiteral("日数 (&2)"));
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(6, 6, 6, 6);
  layout->addWidget(tabs_, 1);
  layout->addWidget(status_);
  resize(520, 420);

  auto* copy = new QAction(QStringLiteral("コピー (&C)"), this);
  copy->setShortcut(QKeySequence::Copy);
  copy->setShortcutContext(Qt::WidgetWithChildrenShortcut);
  connect(copy, &QAction::triggered, this, &TfrmTimeDays::Copy);
  addAction(copy);
  // A field takes Ctrl+C for itself; with nothing selected in it, the results are copied.
  for (QLineEdit* field : findChildren<QLineEdit*>()) field->installEventFilter(this);

  connect(tabs_, &QTabWidget::currentChanged, this, &TfrmTimeDays::FocusTab);
  connect(times_->RecordButton(), &QPushButton::clicked, this, [this] { RecordLines(times_->TapeLines()); });
  connect(days_->RecordButton(), &QPushButton::clicked, this, [this] { RecordLines(days_->TapeLines()); });
  times_->FocusEntry();  // the field has the keyboard once the window is active
}

QString TfrmTimeDays::CopyText() const {
  return tabs_->currentWidget() == times_ ? times_->CopyText() : days_->CopyText();
}

void TfrmTimeDays::Copy() {
  const QString text = CopyText();
  if (!text.isEmpty()) QApplication::clipboard()->setText(text);
}

void TfrmTimeDays::RecordLines(const std::vector<std::string>& lines) {
  if (lines.empty()) {
    Refuse(QStringLiteral("記録する結果がありません。"));
    return;
  }
  switch (calculator_.RecordCalculation(lines)) {
    case kelvo::TapeRecordResult::Recorded: status_->setText(QStringLiteral("テープに記録しました。")); break;
    case kelvo::TapeRecordResult::RecordingOff:
      Refuse(QStringLiteral("テープへの記録は止められています（Kelvo.ini の [Tape] で Recording=0）。"));
      break;
    case kelvo::TapeRecordResult::NotWritten: status_->setText(QStringLiteral("テープに記録できませんでした。")); break;
  }
  kelvo::Announce(this, status_->text());  // nothing when refused: the message box says it
}

void TfrmTimeDays::Refuse(const QString& message) {
  status_->clear();
  showError(this, message);
}

void TfrmTimeDays::FocusTab(int index) {
  status_->clear();
  if (tabs_->widget(index) == times_)
    times_->FocusEntry();
  else
    days_->FocusFirst();
}

bool TfrmTimeDays::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy)) {
    if (auto* field = qobject_cast<QLineEdit*>(watched); field != nullptr && !field->hasSelectedText()) {
      Copy();
      return true;
    }
  }
  return QWidget::eventFilter(watched, event);
}

void TfrmTimeDays::closeEvent(QCloseEvent* event) {
  host_.SideWindowClosed(kId);
  QWidget::closeEvent(event);
}

#include "moc_time_days_window.cpp"
