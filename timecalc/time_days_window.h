#pragma once

#include <QWidget>
#include <functional>
#include <string>
#include <vector>

#include "side_window_host.h"
#include "time_days_host.h"

class QLabel;
class QTabWidget;
class DaysTab;
class TimeTab;

// The side window "時間・日数計算": the 時間 tab adds hours worked and turns them into decimal
// hours and a wage; the 日数 tab counts the days between dates in the Western calendar and the
// eras. Ctrl+Tab switches the tabs, Ctrl+C copies the results of the tab shown, and each tab
// records its results on the paper tape.
class TfrmTimeDays : public QWidget {
  Q_OBJECT

 public:
  static constexpr char kId = 'A';

  TfrmTimeDays(kelvo::SideWindowHost& host, TimeDaysHost& calculator, QWidget* parent = nullptr);

  TimeTab* Times() const { return times_; }
  DaysTab* Days() const { return days_; }
  QTabWidget* Tabs() const { return tabs_; }

  // The results of the tab shown, as Ctrl+C copies them.
  QString CopyText() const;
  void Copy();

  // How the window shows a refusal; tests replace it.
  std::function<void(QWidget*, const QString&)> showError;

 protected:
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Refuse(const QString& message);
  void FocusTab(int index);
  void RecordLines(const std::vector<std::string>& lines);

  kelvo::SideWindowHost& host_;
  TimeDaysHost& calculator_;
  QTabWidget* tabs_ = nullptr;
  TimeTab* times_ = nullptr;
  DaysTab* days_ = nullptr;
  QLabel* status_ = nullptr;
};
