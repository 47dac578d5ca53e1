// The messages instances send each other, within one process: names are claimed once, and a
// message reaches whoever listens under a name.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QSignalSpy>

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <cstring>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "instance_channel.h"
#include "local_socket.h"
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

// Lets the channel's events run for a while.
void RunEvents(int milliseconds) {
  QElapsedTimer timer;
  timer.start();
  while (timer.elapsed() < milliseconds) QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
}

struct LinesCase {
  const char* name;
  std::vector<std::string> writes;  // sent one after the other on one connection, which then closes
  int shows;
  int closes;
};

TEST(InstanceChannel, OnlyWholeShortLinesOfOursAreActedOn) {
  kelvo::test::ProgramFolder folder;
  const std::vector<LinesCase> cases = {
      {"a message split over two writes", {"clo", "se\n"}, 0, 1},
      {"two messages in one write", {"show\nclose\n"}, 1, 1},
      {"a line ending in CR LF", {"show\r\n"}, 1, 0},
      {"an unknown word", {"open\n"}, 0, 0},
      {"a message without its line end", {"show"}, 0, 0},
      {"a long line ends the connection", {std::string(100, 'x') + "\nshow\n"}, 0, 0},
      {"a long run without a line end", {std::string(65, 's'), "\nclose\n"}, 0, 0},
  };
  for (const LinesCase& c : cases) {
    SCOPED_TRACE(c.name);
    InstanceChannel primary;
    ASSERT_TRUE(primary.ClaimPrimary());
    QSignalSpy shown(&primary, &InstanceChannel::showRequested);
    QSignalSpy closed(&primary, &InstanceChannel::closeRequested);
    {
      const local_socket::Fd socket = local_socket::Connect(InstanceChannel::PrimaryName().toLocal8Bit(), 300);
      ASSERT_TRUE(socket.Valid());
      for (const std::string& write : c.writes) {
        local_socket::WriteAll(socket.Get(), QByteArray::fromStdString(write), 300);
        RunEvents(30);
      }
    }
    RunEvents(150);
    EXPECT_EQ(shown.count(), c.shows);
    EXPECT_EQ(closed.count(), c.closes);
  }
}

struct ComeBackCase {
  const char* name;
  std::function<bool()> answer;  // the primary's; none: no answer given
  bool done;
};

TEST(InstanceChannel, ASecondStartHearsWhetherThePrimaryCameBack) {
  kelvo::test::ProgramFolder folder;
  const std::vector<ComeBackCase> cases = {
      {"came back", [] { return true; }, true},
      {"stayed", [] { return false; }, false},
      {"no answer from the window", nullptr, false},
  };
  for (const ComeBackCase& c : cases) {
    SCOPED_TRACE(c.name);
    InstanceChannel primary;
    ASSERT_TRUE(primary.ClaimPrimary());
    primary.answerComeBack = c.answer;
    // The second start waits for the answer; the primary answers from its event loop.
    bool done = !c.done;
    std::atomic<bool> asked = false;
    std::thread second([&] {
      done = InstanceChannel::AskPrimaryToComeBack();
      asked = true;
    });
    while (!asked) RunEvents(10);
    second.join();
    EXPECT_EQ(done, c.done);
  }
  // Nobody listening: the answer is no, at once.
  QElapsedTimer timer;
  timer.start();
  EXPECT_FALSE(InstanceChannel::AskPrimaryToComeBack());
  EXPECT_LT(timer.elapsed(), 1000);
}

TEST(InstanceChannel, ASocketLeftByAKilledChildIsTakenOver) {
  kelvo::test::ProgramFolder folder;
  const QByteArray path = InstanceChannel::ChildName(QStringLiteral("PID4242")).toLocal8Bit();
  {
    local_socket::Fd stale = local_socket::Listen(path);  // its owner ends without removing the file
    ASSERT_TRUE(stale.Valid());
  }
  ASSERT_TRUE(QFileInfo::exists(QString::fromLocal8Bit(path)));
  EXPECT_FALSE(InstanceChannel::ChildIsRunning(QStringLiteral("PID4242")));
  InstanceChannel child;
  ASSERT_TRUE(child.ListenAsChild(QStringLiteral("PID4242")));
  QSignalSpy closed(&child, &InstanceChannel::closeRequested);
  EXPECT_TRUE(InstanceChannel::SendToChild(QStringLiteral("PID4242"), InstanceChannel::kCloseMessage));
  EXPECT_TRUE(closed.wait(2000));
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
