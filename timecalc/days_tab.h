#pragma once

#include <QWidget>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "time_days_tape.h"

class QLabel;
class QLineEdit;
class QPushButton;

// The 日数 tab: the days between two dates counted at one end (片落とし) and at both ends
// (両端入れ), each date's weekday and era (和暦), and the date some days after or before the
// first one.
class DaysTab : public QWidget {
  Q_OBJECT

 public:
  // `today` fills both date fields; `refuse` says why a typed date or count is refused.
  DaysTab(const timecalc::Date& today, std::function<void(const QString&)> refuse, QWidget* parent = nullptr);

  // Reads both dates and counts; a refused date clears the results and says why.
  void Count();
  // The date the typed number of days after (or before) the first date.
  void Shift(bool before);

  // The dates with their weekdays and eras, both counts and the shifted date when shown, one
  // "name<TAB>value" a line.
  QString CopyText() const;
  // What "テープに記録" writes; none while a date is refused.
  std::vector<std::string> TapeLines() const;
  QPushButton* RecordButton() const { return record_; }
  void FocusFirst();

 private:
  std::optional<timecalc::Date> Read(QLineEdit* field);
  void ShowResults();

  std::function<void(const QString&)> refuse_;
  std::optional<timecalc::DayCountRecord> counted_;
  std::optional<long> shiftDays_;  // the days after (negative: before) once asked for
  QLineEdit* from_ = nullptr;
  QLineEdit* to_ = nullptr;
  QLabel* fromText_ = nullptr;
  QLabel* toText_ = nullptr;
  QLabel* oneEnd_ = nullptr;
  QLabel* bothEnds_ = nullptr;
  QLabel* reversed_ = nullptr;
  QLineEdit* shiftEntry_ = nullptr;
  QLabel* shifted_ = nullptr;
  QPushButton* record_ = nullptr;
};
