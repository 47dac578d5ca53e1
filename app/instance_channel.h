#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

#include <functional>
#include <memory>

#include "local_socket.h"

class QSocketNotifier;

// How instances of the program find each other. The primary instance holds a lock file and
// listens on a local socket beside it; a second start cannot take the lock and becomes a child.
// Each child listens under a name of its own made from its caption, so the primary can ask it to
// close. The names belong to the user and to the program folder (whose settings and instance
// files the instances share) and live in a folder only the user may enter (the runtime folder);
// every connection is also checked to come from the same user, so another user on the machine
// can neither demote nor close an instance. The system lets the lock go when its holder ends in
// any way, so a crash never blocks the next start, and taking it is atomic, so two starts at the
// same instant give exactly one primary.
class InstanceChannel : public QObject {
  Q_OBJECT
 public:
  static constexpr const char* kShowMessage = "show";    // a hidden primary shows itself again
  static constexpr const char* kCloseMessage = "close";  // a child closes
  // A second start asks the primary to come back into view; the primary answers whether that
  // second start is thereby done (see AskPrimaryToComeBack).
  static constexpr const char* kComeBackMessage = "comeback";

  // The primary's answer to kComeBackMessage: true when it has come back from a residency the
  // second start was meant to end (no tray: a minimised window), so no child is wanted.
  std::function<bool()> answerComeBack;

  explicit InstanceChannel(QObject* parent = nullptr);
  ~InstanceChannel() override;

  // Tries to become the primary instance. False when another process of this user is it.
  bool ClaimPrimary();
  // Gives the primary name up, so that a program started from now on becomes primary itself.
  void ReleasePrimary();
  // A child listens under the name of its caption's tail ("PID" + pid).
  bool ListenAsChild(const QString& instanceBaseName);

  // Delivers a message; false when nobody listens under that name.
  static bool SendToPrimary(const QByteArray& message);
  static bool SendToChild(const QString& instanceBaseName, const QByteArray& message);
  static bool ChildIsRunning(const QString& instanceBaseName);
  // Asks the primary to come back into view; true when it says the start is done with that.
  // False when no primary answers in time, as for any other reply.
  static bool AskPrimaryToComeBack();

  static QString PrimaryName();
  static QString ChildName(const QString& instanceBaseName);

 signals:
  void showRequested();
  void closeRequested();

 private:
  class Connection;

  bool Listen(const QString& name);
  void StopListening();
  void OnNewConnection();
  // Acts on each whole line that came in; false when the connection is to end.
  bool OnMessages(Connection& connection);

  local_socket::Fd listener_;
  QByteArray listenPath_;  // the socket file of listener_, removed when it closes
  std::unique_ptr<QSocketNotifier> listenerNotifier_;
  int lockFd_ = -1;  // held while this is the primary instance
};
