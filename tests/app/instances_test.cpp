// Real processes of the built program in a throw-away installation: primary and child instances,
// the end of the primary, crashes and simultaneous starts, signals, and what the first start and
// the first exit write.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QCryptographicHash>
#include <algorithm>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <csignal>
#include <cstring>
#include <fstream>
#include <set>
#include <sstream>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>
#include <filesystem>
#include <functional>
#include <memory>
#include <vector>

#include "ini_file.h"
#include "instance_channel.h"
#include "shell_paths.h"

namespace fs = std::filesystem;

namespace {

bool WaitFor(const std::function<bool()>& condition, int timeoutMs = 10000) {
  QElapsedTimer timer;
  timer.start();
  while (!condition()) {
    if (timer.elapsed() > timeoutMs) return false;
    QThread::msleep(20);
  }
  return true;
}

// A copy of the program with its KelvoFiles template, as a fresh installation.
class Installation {
 public:
  Installation() {
    root_ = QDir(dir_.path()).canonicalPath().toStdString();
    fs::copy(KELVO_PROGRAM, root_ + "/kelvo");
    fs::copy(KELVO_TEMPLATE, root_ + "/KelvoFiles", fs::copy_options::recursive);
    // The instance names belong to the program folder; this process looks them up for it.
    kelvo::SetProgramFolder(root_);
  }
  ~Installation() {
    for (auto& process : processes_) {
      if (process->state() != QProcess::NotRunning) {
        process->kill();
        process->waitForFinished(3000);
      }
    }
  }

  QProcess& Start() {
    auto process = std::make_unique<QProcess>();
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    process->setProcessEnvironment(env);
    process->setProgram(QString::fromStdString(root_ + "/kelvo"));
    process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process->start();
    EXPECT_TRUE(process->waitForStarted(5000));
    processes_.push_back(std::move(process));
    return *processes_.back();
  }

  std::string Path(const std::string& relative) const { return root_ + "/" + relative; }
  bool Exists(const std::string& relative) const { return fs::exists(Path(relative)); }
  std::string InstanceFile(const QProcess& process) const {
    return "KelvoFiles/_sys/PID/PID" + std::to_string(process.processId()) + ".ini";
  }
  std::string Setting(const char* section, const char* key) const {
    return kelvo::IniFile(Path("KelvoFiles/_sys/Kelvo.ini")).ReadString(section, key, "");
  }
  void Touch(const std::string& relative) const { kelvo::IniFile(Path(relative)).Flush(); }

  // The primary has claimed its name and finished its first activation (the key assignment).
  bool WaitForPrimary() const {
    return WaitFor([this] {
      return PrimaryRunning() && !Setting("KeySet", "Per").empty();
    });
  }
  // The name answers only while a primary holds it; the primary ignores what it does not know.
  bool PrimaryRunning() const { return InstanceChannel::SendToPrimary("ping"); }
  bool WaitForChild(const QProcess& child) const {
    const QString base = QStringLiteral("PID") + QString::number(child.processId());
    return WaitFor([&] { return Exists(InstanceFile(child)) && InstanceChannel::ChildIsRunning(base); });
  }

 private:
  QTemporaryDir dir_;
  std::string root_;
  std::vector<std::unique_ptr<QProcess>> processes_;
};

bool Ends(QProcess& process, int timeoutMs = 10000) {
  return process.waitForFinished(timeoutMs) && process.exitStatus() == QProcess::NormalExit &&
         process.exitCode() == 0;
}

TEST(Instances, FirstStartWritesTheKeySetAndFirstExitThePositionAndSkin) {
  Installation kelvo;
  ASSERT_FALSE(kelvo.Exists("KelvoFiles/_sys/Kelvo.ini"));
  QProcess& primary = kelvo.Start();
  ASSERT_TRUE(kelvo.WaitForPrimary());
  // All 37 keys, the double zero's "no key" included.
  const std::string text = kelvo::IniFile(kelvo.Path("KelvoFiles/_sys/Kelvo.ini")).Text();
  const size_t section = text.find("[KeySet]\r\n");
  ASSERT_NE(section, std::string::npos);
  const size_t end = text.find("\r\n\r\n", section);
  const std::string keys = text.substr(section, end - section);
  EXPECT_EQ(std::count(keys.begin(), keys.end(), '='), 37);
  EXPECT_EQ(kelvo.Setting("KeySet", "00"), "0");
  EXPECT_EQ(kelvo.Setting("KeySet", "Per"), "80");
  EXPECT_TRUE(kelvo.Setting("StartUp", "StartUpTop").empty());

  primary.terminate();  // SIGTERM ends it like the Quit command
  ASSERT_TRUE(Ends(primary));
  EXPECT_FALSE(kelvo.Setting("StartUp", "StartUpTop").empty());
  EXPECT_FALSE(kelvo.Setting("StartUp", "StartUpLeft").empty());
  EXPECT_EQ(kelvo.Setting("Skin", "CustumSkinType"), "0");
}

TEST(Instances, EverySignalEndsTheProgramWithItsExitWrite) {
  Installation kelvo;
  for (const int signal : {SIGTERM, SIGINT, SIGHUP}) {
    SCOPED_TRACE(signal);
    fs::remove(kelvo.Path("KelvoFiles/_sys/Kelvo.ini"));  // so that the wait sees this start's key set
    QProcess& primary = kelvo.Start();
    ASSERT_TRUE(kelvo.WaitForPrimary());
    kelvo::IniFile file(kelvo.Path("KelvoFiles/_sys/Kelvo.ini"));
    file.WriteString("Skin", "CustumSkinType", "stale");
    ASSERT_TRUE(file.Flush().ok);
    ::kill(static_cast<pid_t>(primary.processId()), signal);
    ASSERT_TRUE(Ends(primary));
    EXPECT_EQ(kelvo.Setting("Skin", "CustumSkinType"), "0");
  }
}

TEST(Instances, SecondStartIsAChildAndQuittingThePrimaryEndsItAndCleansUp) {
  Installation kelvo;
  QProcess& primary = kelvo.Start();
  ASSERT_TRUE(kelvo.WaitForPrimary());
  const std::string mainSettings = kelvo::IniFile(kelvo.Path("KelvoFiles/_sys/Kelvo.ini")).Text();

  QProcess& child = kelvo.Start();
  ASSERT_TRUE(kelvo.WaitForChild(child));
  EXPECT_EQ(kelvo::IniFile(kelvo.Path("KelvoFiles/_sys/Kelvo.ini")).Text(), mainSettings) << "a child writes its own file";

  // Left-overs the primary's end removes: a stale instance file, scratch files, the installer.
  kelvo.Touch("KelvoFiles/_sys/PID/PID999999.ini");
  kelvo.Touch("KelvoFiles/_sys/Calc/CalcAns.ini");
  kelvo.Touch("KelvoFiles/_sys/prvpic/SET_x.gif");
  kelvo.Touch("Update.exe");

  primary.terminate();
  ASSERT_TRUE(Ends(primary));
  ASSERT_TRUE(Ends(child)) << "the child was asked to close";
  EXPECT_FALSE(kelvo.Exists(kelvo.InstanceFile(child)));
  EXPECT_FALSE(kelvo.Exists("KelvoFiles/_sys/PID/PID999999.ini"));
  EXPECT_FALSE(kelvo.Exists("KelvoFiles/_sys/Calc/CalcAns.ini"));
  EXPECT_FALSE(kelvo.Exists("KelvoFiles/_sys/prvpic/SET_x.gif"));
  EXPECT_FALSE(kelvo.Exists("Update.exe"));
}

TEST(Instances, TheEndNeverDeletesThroughLinkedScratchOrInstanceFolders) {
  Installation kelvo;
  QTemporaryDir outside;
  const std::string elsewhere = outside.path().toStdString();
  for (const char* name : {"CalcAns.ini", "PID999999.ini", "SET_x.gif"}) kelvo::IniFile(elsewhere + "/" + name).Flush();
  for (const char* folder : {"KelvoFiles/_sys/Calc", "KelvoFiles/_sys/PID", "KelvoFiles/_sys/prvpic"}) {
    fs::remove_all(kelvo.Path(folder));
    fs::create_directory_symlink(elsewhere, kelvo.Path(folder));
  }
  QProcess& primary = kelvo.Start();
  ASSERT_TRUE(kelvo.WaitForPrimary());
  primary.terminate();
  ASSERT_TRUE(Ends(primary));
  for (const char* name : {"CalcAns.ini", "PID999999.ini", "SET_x.gif"})
    EXPECT_TRUE(fs::exists(elsewhere + "/" + name)) << name;
}

// The names of every socket a process listens on ("@" starts an abstract one).
std::vector<std::string> ListeningSocketsOf(qint64 pid) {
  std::set<std::string> inodes;
  for (const auto& fd : fs::directory_iterator("/proc/" + std::to_string(pid) + "/fd")) {
    std::error_code error;
    const std::string target = fs::read_symlink(fd.path(), error).string();
    if (target.starts_with("socket:[")) inodes.insert(target.substr(8, target.size() - 9));
  }
  std::vector<std::string> names;
  std::ifstream table("/proc/net/unix");
  std::string line;
  std::getline(table, line);  // Num RefCount Protocol Flags Type St Inode Path
  while (std::getline(table, line)) {
    std::istringstream fields(line);
    std::string num, refs, protocol, flags, type, state, inode, path;
    fields >> num >> refs >> protocol >> flags >> type >> state >> inode >> path;
    if (inodes.count(inode) && flags == "00010000" && !path.empty()) names.push_back(path);
  }
  return names;
}

// Connects to a socket name as another user (nobody) and sends "close".
void SendCloseAsAnotherUser(const std::string& name) {
  const pid_t pid = fork();
  if (pid == 0) {
    if (setgid(65534) != 0 || setuid(65534) != 0) _exit(1);
    const int fd = socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, name.data(), std::min(name.size(), sizeof address.sun_path - 1));
    socklen_t size = sizeof address;
    if (name.starts_with('@')) {
      address.sun_path[0] = '\0';
      size = static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + name.size());
    }
    if (connect(fd, reinterpret_cast<sockaddr*>(&address), size) == 0 && write(fd, "close\n", 6) == 6) _exit(0);
    _exit(2);
  }
  waitpid(pid, nullptr, 0);
}

TEST(Instances, AnotherUserCanNeitherCloseNorDemoteThePrimary) {
  if (geteuid() != 0) GTEST_SKIP() << "needs the rights to run a process as another user";
  Installation kelvo;
  QProcess& primary = kelvo.Start();
  ASSERT_TRUE(kelvo.WaitForPrimary());
  const std::vector<std::string> sockets = ListeningSocketsOf(primary.processId());
  EXPECT_FALSE(sockets.empty());
  for (const std::string& name : sockets) SendCloseAsAnotherUser(name);
  QThread::msleep(500);
  EXPECT_EQ(primary.state(), QProcess::Running);
  EXPECT_TRUE(kelvo.PrimaryRunning());
  primary.terminate();
  ASSERT_TRUE(Ends(primary));

  // Another user who made the folder of the names first (where it is open to anyone) holds
  // nothing that turns this user's start into a child.
  QTemporaryDir runtime;
  chmod(runtime.path().toLocal8Bit().constData(), 0777);
  const QByteArray saved = qgetenv("XDG_RUNTIME_DIR");
  qputenv("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit());
  const std::string root = kelvo.Path("");
  const QByteArray digest =
      QCryptographicHash::hash(QByteArray::fromStdString(root.substr(0, root.size() - 1)), QCryptographicHash::Sha1)
          .toHex()
          .left(16);
  const std::string lock = runtime.path().toStdString() + "/kelvo/" + digest.toStdString() + ".Morvane_KELVO.lock";
  const pid_t squatter = fork();
  if (squatter == 0) {
    if (setgid(65534) != 0 || setuid(65534) != 0) _exit(1);
    mkdir((runtime.path().toStdString() + "/kelvo").c_str(), 0777);
    const int fd = open(lock.c_str(), O_RDWR | O_CREAT, 0666);
    if (fd < 0 || flock(fd, LOCK_EX) != 0) _exit(2);
    pause();
    _exit(0);
  }
  ASSERT_TRUE(WaitFor([&] { return fs::exists(lock); }));
  QProcess& next = kelvo.Start();
  QThread::msleep(1500);
  EXPECT_EQ(next.state(), QProcess::Running);
  EXPECT_FALSE(kelvo.Exists(kelvo.InstanceFile(next))) << "the start became a child";
  kill(squatter, SIGKILL);
  waitpid(squatter, nullptr, 0);
  next.terminate();
  EXPECT_TRUE(Ends(next));
  if (saved.isNull()) qunsetenv("XDG_RUNTIME_DIR"); else qputenv("XDG_RUNTIME_DIR", saved);
}

TEST(Instances, AChildEndingOnItsOwnDeletesOnlyItsInstanceFile) {
  Installation kelvo;
  QProcess& primary = kelvo.Start();
  ASSERT_TRUE(kelvo.WaitForPrimary());
  QProcess& child = kelvo.Start();
  ASSERT_TRUE(kelvo.WaitForChild(child));
  child.terminate();
  ASSERT_TRUE(Ends(child));
  EXPECT_FALSE(kelvo.Exists(kelvo.InstanceFile(child)));
  EXPECT_TRUE(kelvo.Exists("KelvoFiles/_sys/Kelvo.ini"));
  EXPECT_TRUE(kelvo.PrimaryRunning());
  primary.terminate();
  EXPECT_TRUE(Ends(primary));
}

TEST(Instances, AKilledPrimaryDoesNotStopTheNextStartFromBeingPrimary) {
  Installation kelvo;
  QProcess& first = kelvo.Start();
  ASSERT_TRUE(kelvo.WaitForPrimary());
  first.kill();  // SIGKILL: no clean-up at all
  first.waitForFinished(5000);

  QProcess& second = kelvo.Start();
  ASSERT_TRUE(kelvo.WaitForPrimary());
  QThread::msleep(500);
  EXPECT_FALSE(kelvo.Exists(kelvo.InstanceFile(second))) << "the second start became a child";
  second.terminate();
  EXPECT_TRUE(Ends(second));
}

TEST(Instances, ProgramsStartedAtTheSameInstantGiveExactlyOnePrimary) {
  Installation kelvo;
  std::vector<QProcess*> started;
  for (int i = 0; i < 3; ++i) started.push_back(&kelvo.Start());
  ASSERT_TRUE(kelvo.WaitForPrimary());
  int children = 0;
  for (QProcess* process : started) {
    if (WaitFor([&] { return kelvo.Exists(kelvo.InstanceFile(*process)); }, 3000)) ++children;
  }
  EXPECT_EQ(children, 2);
  for (QProcess* process : started) process->terminate();
  for (QProcess* process : started) EXPECT_TRUE(Ends(*process));
  EXPECT_TRUE(QDir(QString::fromStdString(kelvo.Path("KelvoFiles/_sys/PID"))).entryList(QDir::Files).isEmpty());
}

}  // namespace
