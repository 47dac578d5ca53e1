#pragma once

#include <QObject>

class QSocketNotifier;

// Turns SIGTERM, SIGINT and SIGHUP into an ordinary quit request on the event loop, so that the
// exit write and the clean-up run as they do for the Quit command.
class QuitSignals : public QObject {
  Q_OBJECT
 public:
  explicit QuitSignals(QObject* parent = nullptr);
  ~QuitSignals() override;

 signals:
  void quitRequested();

 private:
  QSocketNotifier* notifier_ = nullptr;
};
