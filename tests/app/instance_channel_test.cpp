// The messages instances send each other, within one process: names are claimed once, and a
// message reaches whoever listens under a name.
#include <gtest/gtest.h>

#include <QFileInfo>
#include <QSignalSpy>

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstring>

#include "instance_channel.h"

#include <functional>
#include "program_folder.h"

namespace {

TEST(InstanceChannel, PrimaryNameIsClaimedOnceAndFreedOnRelease) {
  kelvo::test::ProgramFolder folder;
  InstanceChannel first, second;
  ASSERT_TRUE(first.ClaimPrimary());
  EXPECT_FALSE(second.ClaimPrimary());
  first.ReleasePrimary();
  EXPECT_TRUE(second.ClaimPrimary());
}

TEST(InstanceChannel, NamesBelongToTheProgramFolder) {
  kelvo::test::ProgramFolder one;
  InstanceChannel a;
  ASSERT_TRUE(a.ClaimPrimary());
  kelvo::test::ProgramFolder other;  // another installation of the program
  InstanceChannel b;
  EXPECT_TRUE(b.ClaimPrimary());
}

TEST(InstanceChannel, ShowReachesThePrimaryAndCloseReachesAChild) {
  kelvo::test::ProgramFolder folder;
  InstanceChannel primary, child;
  ASSERT_TRUE(primary.ClaimPrimary());
  ASSERT_TRUE(child.ListenAsChild(QStringLiteral("PID4242")));
  QSignalSpy shown(&primary, &InstanceChannel::showRequested);
  QSignalSpy closed(&child, &InstanceChannel::closeRequested);

  EXPECT_TRUE(InstanceChannel::SendToPrimary(InstanceChannel::kShowMessage));
  EXPECT_TRUE(shown.wait(2000));
  EXPECT_TRUE(InstanceChannel::ChildIsRunning(QStringLiteral("PID4242")));
  EXPECT_TRUE(InstanceChannel::SendToChild(QStringLiteral("PID4242"), InstanceChannel::kCloseMessage));
  EXPECT_TRUE(closed.wait(2000));
  EXPECT_FALSE(InstanceChannel::SendToChild(QStringLiteral("PID4343"), InstanceChannel::kCloseMessage));
  EXPECT_FALSE(InstanceChannel::ChildIsRunning(QStringLiteral("PID4343")));
}

// Runs `act` in a process of another user id (nobody); its exit status is the result.
int AsAnotherUser(const std::function<int()>& act) {
  const pid_t pid = fork();
  if (pid == 0) _exit(setgid(65534) == 0 && setuid(65534) == 0 ? act() : 99);
  int status = 0;
  waitpid(pid, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : 98;
}

// Connects to a local socket path and sends a line: 0 when both worked.
int ConnectAndSend(const QByteArray& path, const char* line) {
  const int fd = socket(AF_UNIX, SOCK_STREAM, 0);
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  std::strncpy(address.sun_path, path.constData(), sizeof address.sun_path - 1);
  if (connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) return 1;
  return write(fd, line, std::strlen(line)) == static_cast<ssize_t>(std::strlen(line)) ? 0 : 2;
}

TEST(InstanceChannel, AnotherUserCanNeitherReachNorCloseAnInstance) {
  if (geteuid() != 0) GTEST_SKIP() << "needs the rights to run a process as another user";
  kelvo::test::ProgramFolder folder;
  InstanceChannel child;
  ASSERT_TRUE(child.ListenAsChild(QStringLiteral("PID4242")));
  QSignalSpy closed(&child, &InstanceChannel::closeRequested);
  const QByteArray path = InstanceChannel::ChildName(QStringLiteral("PID4242")).toLocal8Bit();

  // The folder of the names keeps everybody else out.
  EXPECT_EQ(AsAnotherUser([&] { return ConnectAndSend(path, "close\n"); }), 1);
  // Should its door be opened, the message itself is still refused for coming from another user.
  const QByteArray privateFolder = QFileInfo(QString::fromLocal8Bit(path)).absolutePath().toLocal8Bit();
  chmod(privateFolder.constData(), 0755);
  chmod(path.constData(), 0777);
  EXPECT_EQ(AsAnotherUser([&] { return ConnectAndSend(path, "close\n"); }), 0);
  chmod(privateFolder.constData(), 0700);
  EXPECT_FALSE(closed.wait(500));
  EXPECT_TRUE(InstanceChannel::SendToChild(QStringLiteral("PID4242"), InstanceChannel::kCloseMessage));
  EXPECT_TRUE(closed.wait(2000));
}

}  // namespace
