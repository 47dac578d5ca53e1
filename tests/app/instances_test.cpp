// Real processes of the built program in a throw-away installation: primary and child instances,
// the end of the primary, crashes and simultaneous starts, signals, and what the first start and
// the first exit write.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <algorithm>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <csignal>
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
