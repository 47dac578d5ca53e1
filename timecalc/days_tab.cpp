#include "days_tab.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "date_text.h"
#include "japanese_era.h"
#include "tab_widgets.h"
#include "typed_text.h"

namespace {

using timecalc::Button;
using timecalc::Date;
using timecalc::ResultLabel;

// The most days a shift may ask for: more than the whole range of dates.
constexpr int kMostShiftDigits = 7;

QString DateLine(const Date& date) {
  return QString::fromStdString(timecalc::IsoTextWithWeekday(date) + "  " + timecalc::EraText(date));
}

// "30日後", "30日前".
QString ShiftName(long days) {
  return QString::number(days < 0 ? -days : days) + (days < 0 ? QStringLiteral("日前") : QStringLiteral("日後"));
}

QLineEdit* DateField(const char* name, const QString& spokenName, const Date& date, QWidget* parent) {
  auto* field = new QLineEdit(QString::fromStdString(timecalc::IsoText(date)), parent);
  field->setObjectName(QLatin1String(name));
  field->setAccessibleName(spokenName);
  field->setToolTip(QStringLiteral("2026-04-01、2026/4/1、R8.4.1、令和8年4月1日"));
  return field;
}

}  // namespace

DaysTab::DaysTab(const Date& today, std::function<void(const QString&)> refuse, QWidget* parent)
    : QWidget(parent), refuse_(std::move(refuse)) {
  from_ = DateField("FromDate", QStringLiteral("開始日"), today, this);
  to_ = DateField("ToDate", QStringLiteral("終了日"), today, this);
  auto* fromLabel = new QLabel(QStringLiteral("開始日 (&F):"), this);
  fromLabel->setBuddy(from_);
  auto* toLabel = new QLabel(QStringLiteral("終了日 (&O):"), this);
  toLabel->setBuddy(to_);
  fromText_ = ResultLabel("FromDateText", QStringLiteral("開始日の曜日と和暦"), this);
  toText_ = ResultLabel("ToDateText", QStringLiteral("終了日の曜日と和暦"), this);
  auto* count = Button(QStringLiteral("計算 (&K)"), "CountDays", this);
  oneEnd_ = ResultLabel("OneEndDays", QStringLiteral("片落とし"), this);
  bothEnds_ = ResultLabel("BothEndsDays", QStringLiteral("両端入れ"), this);
  reversed_ = ResultLabel("ReversedDates", QString(), this);
  shiftEntry_ = new QLineEdit(QStringLiteral("0"), this);
  shiftEntry_->setObjectName(QStringLiteral("ShiftDays"));
  shiftEntry_->setAccessibleName(QStringLiteral("開始日から数える日数"));
  shiftEntry_->setMaxLength(kMostShiftDigits);
  shiftEntry_->setMinimumWidth(shiftEntry_->fontMetrics().horizontalAdvance(QStringLiteral("00000000")) + 12);
  auto* shiftLabel = new QLabel(QStringLiteral("開始日から (&N)"), this);
  shiftLabel->setBuddy(shiftEntry_);
  auto* after = Button(QStringLiteral("日後 (&A)"), "DaysAfter", this);
  auto* before = Button(QStringLiteral("日前 (&B)"), "DaysBefore", this);
  shifted_ = ResultLabel("ShiftedDate", QStringLiteral("日後または日前の日付"), this);
  record_ = Button(QStringLiteral("テープに記録 (&T)"), "DaysRecord", this);

  auto* grid = new QGridLayout;
  grid->addWidget(fromLabel, 0, 0);
  grid->addWidget(from_, 0, 1);
  grid->addWidget(fromText_, 0, 2);
  grid->addWidget(toLabel, 1, 0);
  grid->addWidget(to_, 1, 1);
  grid->addWidget(toText_, 1, 2);
  grid->addWidget(count, 2, 1);
  grid->addWidget(new QLabel(QStringLiteral("片落とし"), this), 3, 0);
  grid->addWidget(oneEnd_, 3, 1);
  grid->addWidget(new QLabel(QStringLiteral("両端入れ"), this), 4, 0);
  grid->addWidget(bothEnds_, 4, 1);
  grid->addWidget(reversed_, 3, 2, 2, 1);
  grid->setColumnStretch(2, 1);
  auto* shift = new QHBoxLayout;
  shift->addWidget(shiftLabel);
  shift->addWidget(shiftEntry_);
  shift->addWidget(after);
  shift->addWidget(before);
  shift->addStretch(1);
  auto* bottom = new QHBoxLayout;
  bottom->addStretch(1);
  bottom->addWidget(record_);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(grid);
  layout->addSpacing(8);
  layout->addLayout(shift);
  layout->addWidget(shifted_);
  layout->addStretch(1);
  layout->addLayout(bottom);

  for (QLineEdit* field : {from_, to_}) connect(field, &QLineEdit::returnPressed, this, &DaysTab::Count);
  connect(count, &QPushButton::clicked, this, &DaysTab::Count);
  connect(shiftEntry_, &QLineEdit::returnPressed, this, [this] { Shift(false); });
  connect(after, &QPushButton::clicked, this, [this] { Shift(false); });
  connect(before, &QPushButton::clicked, this, [this] { Shift(true); });
  setTabOrder(from_, to_);
  setTabOrder(to_, count);
  Count();
}

std::optional<Date> DaysTab::Read(QLineEdit* field) {
  const timecalc::DateReading reading = timecalc::ReadDate(field->text().toStdString());
  if (reading.date) return reading.date;
  field->setFocus();
  field->selectAll();
  refuse_(QString::fromStdString(reading.message));
  return std::nullopt;
}

void DaysTab::Count() {
  counted_.reset();
  std::optional<Date> from = Read(from_);
  std::optional<Date> to = from ? Read(to_) : std::nullopt;
  if (from && to) {
    counted_ = timecalc::DayCountRecord{*from, *to, std::nullopt};
    if (shiftDays_) {
      if (const std::optional<Date> date = timecalc::AddDays(*from, *shiftDays_))
        counted_->shift = timecalc::DayCountRecord::Shift{*shiftDays_, *date};
    }
  }
  ShowResults();
}

void DaysTab::Shift(bool before) {
  const std::string typed = timecalc::Compact(shiftEntry_->text().toStdString());
  std::size_t at = 0;
  const int days = timecalc::TakeNumber(typed, at, 1, kMostShiftDigits);
  if (days < 0 || at != typed.size()) {
    shiftEntry_->setFocus();
    shiftEntry_->selectAll();
    refuse_(QStringLiteral("日数は 30 のように数字で入力してください。"));
    return;
  }
  const std::optional<Date> from = Read(from_);
  if (!from) return;
  const long signedDays = before ? -long{days} : long{days};
  if (!timecalc::AddDays(*from, signedDays)) {
    shiftEntry_->setFocus();
    shiftEntry_->selectAll();
    refuse_(QString::fromStdString(timecalc::KanjiText(timecalc::kFirstDate) + "から" +
                                   timecalc::KanjiText(timecalc::kLastDate) + "までの日付になりません。"));
    return;
  }
  shiftDays_ = signedDays;
  Count();
}

void DaysTab::ShowResults() {
  for (QLabel* label : {fromText_, toText_, oneEnd_, bothEnds_, reversed_, shifted_}) label->clear();
  if (!counted_) return;
  const timecalc::DayCount count = timecalc::CountDays(counted_->from, counted_->to);
  fromText_->setText(DateLine(counted_->from));
  toText_->setText(DateLine(counted_->to));
  oneEnd_->setText(QStringLiteral("%1日").arg(count.oneEnd));
  bothEnds_->setText(QStringLiteral("%1日").arg(count.bothEnds));
  if (count.reversed) reversed_->setText(QStringLiteral("終了日が開始日より前です。"));
  if (counted_->shift) {
    shifted_->setText(ShiftName(counted_->shift->days) + QStringLiteral(": ") + DateLine(counted_->shift->date));
  }
  timecalc::SayResults(this, {oneEnd_, bothEnds_, reversed_, shifted_});
}

QString DaysTab::CopyText() const {
  if (!counted_) return {};
  const timecalc::DayCount count = timecalc::CountDays(counted_->from, counted_->to);
  auto dateLine = [](const QString& name, const Date& date) {
    return name + QLatin1Char('\t') + QString::fromStdString(timecalc::IsoTextWithWeekday(date)) + QLatin1Char('\t') +
           QString::fromStdString(timecalc::EraText(date)) + QLatin1Char('\n');
  };
  QString text = dateLine(QStringLiteral("開始日"), counted_->from) + dateLine(QStringLiteral("終了日"), counted_->to);
  text += QStringLiteral("片落とし\t%1\n両端入れ\t%2\n").arg(count.oneEnd).arg(count.bothEnds);
  if (counted_->shift) text += dateLine(ShiftName(counted_->shift->days), counted_->shift->date);
  return text;
}

std::vector<std::string> DaysTab::TapeLines() const {
  return counted_ ? timecalc::DayCountLines(*counted_) : std::vector<std::string>{};
}

void DaysTab::FocusFirst() {
  from_->setFocus();
  from_->selectAll();
}

#include "moc_days_tab.cpp"
