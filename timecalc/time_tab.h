#pragma once

#include <QWidget>
#include <functional>
#include <string>
#include <vector>

#include "time_days_host.h"
#include "time_sum.h"

class QLabel;
class QPushButton;
class QLineEdit;
class QTreeWidget;

// The 時間 tab: times typed as h:mm or h:mm:ss are added and subtracted in a running list; the
// total is shown as decimal hours and times an hourly wage, rounded by the calculator's
// selectors, and can go into the calculator or onto the paper tape.
class TimeTab : public QWidget {
  Q_OBJECT

 public:
  // `refuse` says why something typed or asked for cannot be done.
  TimeTab(TimeDaysHost& host, std::function<void(const QString&)> refuse, QWidget* parent = nullptr);

  // Adds (or subtracts) the typed time; an empty field does nothing, a refused one says why.
  void EnterTyped(bool subtract);
  void Clear();
  void ShowDecimalHours();
  void WorkOutWage();
  // Enters the wage, or else the decimal hours, into the calculator.
  void EnterIntoCalculator();
  // What "テープに記録" writes: the entries, the total and the figures shown; none without entries.
  std::vector<std::string> TapeLines() const;
  // Its button; the window records.
  QPushButton* RecordButton() const { return record_; }

  // The total, and the decimal hours, wage figure and wage when shown, one "name<TAB>value" a line.
  QString CopyText() const;
  void FocusEntry();
  QLineEdit* Entry() const { return entry_; }

 private:
  void ShowSum();

  TimeDaysHost& host_;
  std::function<void(const QString&)> refuse_;
  timecalc::TimeSum sum_;
  std::string decimalHours_;  // as shown, empty until asked for
  std::string hourlyWage_;    // the figure the wage was worked out with
  std::string wage_;
  QLineEdit* entry_ = nullptr;
  QTreeWidget* list_ = nullptr;
  QLabel* total_ = nullptr;
  QLabel* decimal_ = nullptr;
  QLineEdit* wageEntry_ = nullptr;
  QLabel* wageResult_ = nullptr;
  QPushButton* record_ = nullptr;
};
