#pragma once

#include <QByteArray>
#include <QLocalServer>
#include <QObject>
#include <QString>

// How instances of the program find each other. The primary instance holds a local socket name;
// a second start cannot take it and becomes a child. Each child listens under a name of its own
// made from its caption, so the primary can ask it to close. The names belong to the user and to
// the program folder (whose settings and instance files the instances share), and live in the
// abstract socket namespace: they vanish with the process, so a crash never blocks the next
// start, and binding one is atomic, so two starts at the same instant give exactly one primary.
class InstanceChannel : public QObject {
  Q_OBJECT
 public:
  static constexpr const char* kShowMessage = "show";    // a hidden primary shows itself again
  static constexpr const char* kCloseMessage = "close";  // a child closes

  explicit InstanceChannel(QObject* parent = nullptr);

  // Tries to take the primary name. False when another process holds it.
  bool ClaimPrimary();
  // Gives the primary name up, so that a program started from now on becomes primary itself.
  void ReleasePrimary();
  // A child listens under the name of its caption's tail ("PID" + pid).
  bool ListenAsChild(const QString& instanceBaseName);

  // Delivers a message; false when nobody listens under that name.
  static bool SendToPrimary(const QByteArray& message);
  static bool SendToChild(const QString& instanceBaseName, const QByteArray& message);
  static bool ChildIsRunning(const QString& instanceBaseName);

  static QString PrimaryName();
  static QString ChildName(const QString& instanceBaseName);

 signals:
  void showRequested();
  void closeRequested();

 private:
  bool Listen(const QString& name);
  void OnNewConnection();

  QLocalServer server_;
};
