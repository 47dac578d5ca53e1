#include "time_tab.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "format.h"
#include "tab_widgets.h"
#include "time_days_tape.h"

namespace {

using timecalc::Button;
using timecalc::ResultLabel;

QString Shown(const std::string& figure) {
  if (figure == "E") return QStringLiteral("E (桁あふれ)");
  return QString::fromStdString(kelvo::GroupDigits(figure));
}

}  // namespace

TimeTab::TimeTab(TimeDaysHost& host, std::function<void(const QString&)> refuse, QWidget* parent)
    : QWidget(parent), host_(host), refuse_(std::move(refuse)) {
  entry_ = new QLineEdit(this);
  entry_->setObjectName(QStringLiteral("TimeEntry"));
  entry_->setPlaceholderText(QStringLiteral("7:45 または 7:45:30"));
  auto* entryLabel = new QLabel(QStringLiteral("時間 (&I):"), this);
  entryLabel->setBuddy(entry_);
  auto* add = Button(QStringLiteral("＋ (&P)"), "TimeAdd", this);
  auto* subtract = Button(QStringLiteral("－ (&M)"), "TimeSubtract", this);
  auto* clear = Button(QStringLiteral("クリア (&C)"), "TimeClear", this);

  list_ = new QTreeWidget(this);
  list_->setObjectName(QStringLiteral("TimeList"));
  list_->setAccessibleName(QStringLiteral("入力した時間と累計"));
  list_->setHeaderLabels({QStringLiteral("入力"), QStringLiteral("累計")});
  list_->setRootIsDecorated(false);
  list_->setUniformRowHeights(true);
  list_->header()->setSectionResizeMode(QHeaderView::Stretch);
  list_->headerItem()->setTextAlignment(1, Qt::AlignRight);

  total_ = ResultLabel("TimeTotal", QStringLiteral("合計"), this);
  auto* decimalButton = Button(QStringLiteral("10進 (&D)"), "DecimalHoursButton", this);
  decimal_ = ResultLabel("DecimalHours", QStringLiteral("10進の時間"), this);
  wageEntry_ = new QLineEdit(this);
  wageEntry_->setObjectName(QStringLiteral("HourlyWage"));
  wageEntry_->setAccessibleName(QStringLiteral("時給"));
  auto* wageLabel = new QLabel(QStringLiteral("時給 (&W):"), this);
  wageLabel->setBuddy(wageEntry_);
  auto* wageButton = Button(QStringLiteral("× 時給"), "WageButton", this);
  wageResult_ = ResultLabel("Wage", QStringLiteral("賃金"), this);
  for (QLabel* figure : {total_, decimal_, wageResult_}) {
    figure->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    figure->setMinimumWidth(150);
  }
  auto* toCalculator = Button(QStringLiteral("電卓へ (&E)"), "TimeToCalculator", this);
  auto* record = Button(QStringLiteral("テープに記録 (&T)"), "TimeRecord", this);
  record_ = record;

  auto* top = new QHBoxLayout;
  top->addWidget(entryLabel);
  top->addWidget(entry_, 1);
  top->addWidget(add);
  top->addWidget(subtract);
  top->addWidget(clear);
  auto* results = new QGridLayout;
  results->addWidget(new QLabel(QStringLiteral("合計"), this), 0, 0);
  results->addWidget(total_, 0, 3);
  results->addWidget(decimalButton, 1, 0, 1, 3);
  results->addWidget(decimal_, 1, 3);
  results->addWidget(wageLabel, 2, 0);
  results->addWidget(wageEntry_, 2, 1);
  results->addWidget(wageButton, 2, 2);
  results->addWidget(wageResult_, 2, 3);
  results->setColumnStretch(3, 1);
  auto* bottom = new QHBoxLayout;
  bottom->addStretch(1);
  bottom->addWidget(toCalculator);
  bottom->addWidget(record);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addWidget(list_, 1);
  layout->addLayout(results);
  layout->addLayout(bottom);

  connect(entry_, &QLineEdit::returnPressed, this, [this] { EnterTyped(false); });
  connect(add, &QPushButton::clicked, this, [this] { EnterTyped(false); });
  connect(subtract, &QPushButton::clicked, this, [this] { EnterTyped(true); });
  connect(clear, &QPushButton::clicked, this, &TimeTab::Clear);
  connect(decimalButton, &QPushButton::clicked, this, [this] {
    ShowDecimalHours();
    timecalc::SayResults(this, {decimal_});
  });
  connect(wageButton, &QPushButton::clicked, this, &TimeTab::WorkOutWage);
  connect(wageEntry_, &QLineEdit::returnPressed, this, &TimeTab::WorkOutWage);
  connect(toCalculator, &QPushButton::clicked, this, &TimeTab::EnterIntoCalculator);
  ShowSum();
}

void TimeTab::EnterTyped(bool subtract) {
  const QString typed = entry_->text().trimmed();
  // The buttons put the keyboard back in the field, ready for the next time.
  entry_->setFocus();
  if (typed.isEmpty()) return;
  const timecalc::TimeReading reading = timecalc::ReadTime(typed.toStdString());
  if (!reading.seconds) {
    entry_->selectAll();
    refuse_(QString::fromStdString(reading.message));
    return;
  }
  if (subtract)
    sum_.Subtract(*reading.seconds);
  else
    sum_.Add(*reading.seconds);
  entry_->clear();
  const timecalc::TimeSum::Entry& added = sum_.Entries().back();
  auto* row = new QTreeWidgetItem(list_, {(subtract ? QStringLiteral("－ ") : QStringLiteral("＋ ")) +
                                              QString::fromStdString(timecalc::TimeText(added.seconds)),
                                          QString::fromStdString(timecalc::TimeText(added.total))});
  row->setTextAlignment(1, Qt::AlignRight | Qt::AlignVCenter);
  list_->scrollToItem(row);
  ShowSum();
}

void TimeTab::Clear() {
  sum_.Clear();
  list_->clear();
  ShowSum();
  entry_->setFocus();
}

void TimeTab::ShowSum() {
  // A new total makes the figures worked out from the old one stale.
  decimalHours_.clear();
  hourlyWage_.clear();
  wage_.clear();
  total_->setText(QString::fromStdString(timecalc::TimeText(sum_.Total())));
  decimal_->clear();
  wageResult_->clear();
  timecalc::SayResults(this, {total_});
}

void TimeTab::ShowDecimalHours() {
  decimalHours_ = timecalc::DecimalHours(sum_.Total(), host_.CurrentRounding());
  decimal_->setText(Shown(decimalHours_));
  hourlyWage_.clear();
  wage_.clear();
  wageResult_->clear();
}

void TimeTab::WorkOutWage() {
  const std::optional<std::string> figure = timecalc::ReadFigure(wageEntry_->text().toStdString());
  if (!figure) {
    wageEntry_->setFocus();
    wageEntry_->selectAll();
    refuse_(QStringLiteral("時給は 1,200 や 1200.5 のように数字で入力してください。"));
    return;
  }
  ShowDecimalHours();
  hourlyWage_ = *figure;
  wage_ = timecalc::Wage(decimalHours_, hourlyWage_, host_.CurrentRounding());
  wageResult_->setText(Shown(wage_));
  timecalc::SayResults(this, {decimal_, wageResult_});
}

void TimeTab::EnterIntoCalculator() {
  if (decimalHours_.empty()) ShowDecimalHours();
  const std::string& figure = wage_.empty() ? decimalHours_ : wage_;
  if (figure == "E") {
    refuse_(QStringLiteral("桁があふれているため、電卓に入れられません。"));
    return;
  }
  host_.EnterFigure(QString::fromStdString(figure));
}

std::vector<std::string> TimeTab::TapeLines() const {
  if (sum_.Entries().empty()) return {};
  return timecalc::TimeSumLines({&sum_, decimalHours_, hourlyWage_, wage_});
}

QString TimeTab::CopyText() const {
  QString text = QStringLiteral("合計\t") + QString::fromStdString(timecalc::TimeText(sum_.Total())) + QLatin1Char('\n');
  if (!decimalHours_.empty()) text += QStringLiteral("10進\t") + QString::fromStdString(decimalHours_) + QLatin1Char('\n');
  if (!wage_.empty()) {
    text += QStringLiteral("時給\t") + QString::fromStdString(hourlyWage_) + QLatin1Char('\n');
    text += QStringLiteral("賃金\t") + QString::fromStdString(wage_) + QLatin1Char('\n');
  }
  return text;
}

void TimeTab::FocusEntry() { entry_->setFocus(); }

#include "moc_time_tab.cpp"
