// The two programs as processes: kelvo-wsh refuses anything but a formula script of this program
// and writes nothing else, and kelvo-formula prints one JSON line a formula, in input order.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <filesystem>
#include <functional>
#include <map>
#include <vector>

#include "program_folder.h"
#include "script_text.h"
#include "sushiki_window.h"

namespace {

class ScriptHostProcess : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(QDir(dir_.path()).mkpath(QStringLiteral("KelvoFiles/_sys/Calc"))); }

  std::string Calc(const std::string& name) const { return dir_.path().toStdString() + "/KelvoFiles/_sys/Calc/" + name; }

  // Runs the host on the script as the window does: by its bare name, in the Calc folder.
  int Run(const std::string& script) {
    kelvo::test::WriteFileBytes(Calc("CalcRun.vbs"), script);
    return RunIn(Calc(""), "CalcRun.vbs");
  }
  // Runs the host in `folder` on the script named; -1 when it does not end within 10 s.
  static int RunIn(const std::string& folder, const char* script) {
    QProcess host;
    host.setWorkingDirectory(QString::fromStdString(folder));
    host.start(QStringLiteral(KELVO_WSH), {QString::fromLatin1(script)});
    if (!host.waitForFinished(10000)) {
      host.kill();
      host.waitForFinished();
      return -1;
    }
    return host.exitStatus() == QProcess::NormalExit ? host.exitCode() : -1;
  }
  // Every entry below a folder (links not followed) with its kind and content.
  static std::map<std::string, std::string> Listing(const std::string& root) {
    namespace fs = std::filesystem;
    std::map<std::string, std::string> entries;
    for (const auto& entry : fs::recursive_directory_iterator(root)) {
      const fs::file_status status = entry.symlink_status();
      std::string what = std::to_string(static_cast<int>(status.type()));
      if (status.type() == fs::file_type::regular) what += ":" + kelvo::test::ReadFileBytes(entry.path().string());
      if (status.type() == fs::file_type::symlink) what += ":" + fs::read_symlink(entry.path()).string();
      entries[entry.path().string()] = what;
    }
    return entries;
  }

  QTemporaryDir dir_;
};

TEST_F(ScriptHostProcess, WritesTheAnswerFileTheScriptNames) {
  EXPECT_EQ(Run(kelvo::wsh::BuildScript(Calc("PID7CalcAns.ini"), "6*7", 99)), 0);
  EXPECT_EQ(kelvo::test::ReadFileBytes(Calc("PID7CalcAns.ini")), "[CalcAns]\r\nAnswer=42\r\nAnsMsg=成功:  \r\nID=99\r\n");
}

TEST_F(ScriptHostProcess, RefusesOtherScriptsAndOtherTargetsWithoutWritingAnything) {
  const std::string good = kelvo::wsh::BuildScript(Calc("CalcAns.ini"), "1", 1);
  const std::string elsewhere = dir_.path().toStdString() + "/victim.ini";
  for (const std::string& script : {good.substr(2), std::string("MsgBox 1"), kelvo::wsh::BuildScript(elsewhere, "1", 1),
                                    kelvo::wsh::BuildScript(Calc("Kelvo.ini"), "1", 1)}) {
    EXPECT_NE(Run(script), 0);
  }
  EXPECT_FALSE(kelvo::test::Exists(Calc("CalcAns.ini")));
  EXPECT_FALSE(kelvo::test::Exists(elsewhere));
  // A link planted as the answer file is not followed.
  std::filesystem::create_symlink(elsewhere, Calc("CalcAns.ini"));
  EXPECT_NE(Run(good), 0);
  EXPECT_FALSE(kelvo::test::Exists(elsewhere));
}

// One hostile case: the folder made for it, the script the host is given and where it runs.
struct HostileCase {
  const char* name;
  std::function<void(const std::string& root)> prepare;  // what the case plants
  std::string scriptFolder;  // relative to the root: where the script lies and the host runs
  std::string answerPath;    // relative to the root, put after it; may hold NUL and control characters
  bool answered;             // rc 0 and an answer in the Calc folder; else a non-zero rc
};

TEST_F(ScriptHostProcess, HostileAnswerPathsNeverWriteOutsideTheDataFolder) {
  namespace fs = std::filesystem;
  const std::string kCalc = "KelvoFiles/_sys/Calc";
  const std::string kAnswer = kCalc + "/CalcAns.ini";
  const std::string kVictim = "secret\n";  // 7 bytes that must stay as they are
  auto folder = [](std::string path) { return [=](const std::string& root) { fs::create_directories(root + "/" + path); }; };
  auto nothing = [](const std::string&) {};
  const std::vector<HostileCase> cases = {
      {"the program's own path", nothing, kCalc, kAnswer, true},
      {"a child's answer file", nothing, kCalc, kCalc + "/PID42CalcAns.ini", true},
      {"NUL after the victim's name", nothing, kCalc, std::string("victim\0/", 8) + kAnswer, false},
      {"NUL after the settings file's name", [](const std::string& root) {
         kelvo::test::WriteFileBytes(root + "/KelvoFiles/_sys/Kelvo.ini", "[Net]\r\n");
       }, kCalc, std::string("KelvoFiles/_sys/Kelvo.ini\0/", 27) + kAnswer, false},
      {"a line feed", folder("a\nb/" + kCalc), "a\nb/" + kCalc, "a\nb/" + kAnswer, false},
      {"a tab", folder("a\tb/" + kCalc), "a\tb/" + kCalc, "a\tb/" + kAnswer, false},
      {"an escape", folder("a\x1b" "b/" + kCalc), "a\x1b" "b/" + kCalc, "a\x1b" "b/" + kAnswer, false},
      {"a DEL", folder("a\x7f" "b/" + kCalc), "a\x7f" "b/" + kCalc, "a\x7f" "b/" + kAnswer, false},
      {"a \"..\" back into the same folder", nothing, kCalc, kCalc + "/../Calc/CalcAns.ini", false},
      {"a \"..\" into another data folder", folder("other/" + kCalc), kCalc, "x/../other/" + kAnswer, false},
      {"a \".\" part", nothing, kCalc, "KelvoFiles/./_sys/Calc/CalcAns.ini", false},
      {"an empty part", nothing, kCalc, "KelvoFiles//_sys/Calc/CalcAns.ini", false},
      {"another data folder", folder("other/" + kCalc), kCalc, "other/" + kAnswer, false},
      {"a script outside the Calc folder", folder("scripts"), "scripts", kAnswer, false},
      {"a script in another data folder", folder("other/" + kCalc), "other/" + kCalc, kAnswer, false},
      {"the Calc folder a link", [](const std::string& root) {
         fs::create_directories(root + "/outside");
         fs::remove(root + "/KelvoFiles/_sys/Calc");
         fs::create_symlink(root + "/outside", root + "/KelvoFiles/_sys/Calc");
       }, kCalc, kAnswer, false},
      {"the _sys folder a link", [](const std::string& root) {
         fs::create_directories(root + "/outside/Calc");
         fs::remove_all(root + "/KelvoFiles/_sys");
         fs::create_symlink(root + "/outside", root + "/KelvoFiles/_sys");
       }, kCalc, kAnswer, false},
      {"the answer file a link", [&](const std::string& root) { fs::create_symlink(root + "/victim", root + "/" + kAnswer); },
       kCalc, kAnswer, false},
      {"the answer file a hard link", [&](const std::string& root) { fs::create_hard_link(root + "/victim", root + "/" + kAnswer); },
       kCalc, kAnswer, true},
      {"the answer file a FIFO", [&](const std::string& root) { mkfifo((root + "/" + kAnswer).c_str(), 0600); }, kCalc, kAnswer, false},
      {"the answer file a folder", folder(kAnswer), kCalc, kAnswer, false},
  };
  for (const HostileCase& c : cases) {
    SCOPED_TRACE(c.name);
    QTemporaryDir dir;
    const std::string root = dir.path().toStdString();
    fs::create_directories(root + "/" + kCalc);
    kelvo::test::WriteFileBytes(root + "/victim", kVictim);
    c.prepare(root);
    const std::string scripts = root + "/" + c.scriptFolder;
    fs::create_directories(scripts);
    kelvo::test::WriteFileBytes(scripts + "/CalcRun.vbs", kelvo::wsh::BuildScript(root + "/" + c.answerPath, "6*7", 5));
    auto before = Listing(root);
    QElapsedTimer clock;
    clock.start();
    const int rc = RunIn(scripts, "CalcRun.vbs");
    EXPECT_LT(clock.elapsed(), 1000);
    EXPECT_EQ(rc == 0, c.answered) << rc;
    EXPECT_EQ(kelvo::test::ReadFileBytes(root + "/victim"), kVictim);
    // Nothing new anywhere but the answer itself in the program's Calc folder.
    auto after = Listing(root);
    if (c.answered) {
      const std::string answerFile = root + "/" + c.answerPath;
      EXPECT_EQ(kelvo::test::ReadFileBytes(answerFile), "[CalcAns]\r\nAnswer=42\r\nAnsMsg=成功:  \r\nID=5\r\n");
      EXPECT_EQ(fs::symlink_status(answerFile).type(), fs::file_type::regular);
      before.erase(answerFile);
      after.erase(answerFile);
    }
    EXPECT_EQ(after, before);
  }
}

TEST_F(ScriptHostProcess, AScriptThatIsNotARegularFileIsRefusedAtOnce) {
  namespace fs = std::filesystem;
  const std::string good = kelvo::wsh::BuildScript(Calc("CalcAns.ini"), "1", 1);
  kelvo::test::WriteFileBytes(dir_.path().toStdString() + "/elsewhere.vbs", good);
  ASSERT_EQ(mkfifo(Calc("Fifo.vbs").c_str(), 0600), 0);
  fs::create_symlink(dir_.path().toStdString() + "/elsewhere.vbs", Calc("Link.vbs"));
  fs::create_directory(Calc("Folder.vbs"));
  for (const char* name : {"Fifo.vbs", "Link.vbs", "Folder.vbs", "Missing.vbs"}) {
    SCOPED_TRACE(name);
    QElapsedTimer clock;
    clock.start();
    EXPECT_EQ(RunIn(Calc(""), name), 2);
    EXPECT_LT(clock.elapsed(), 1000);
  }
  EXPECT_FALSE(kelvo::test::Exists(Calc("CalcAns.ini")));
}

TEST_F(ScriptHostProcess, TheWindowsOwnWritesNeverFollowALink) {
  namespace fs = std::filesystem;
  const std::string victim = dir_.path().toStdString() + "/victim";
  const kelvo::FormulaFiles files{dir_.path().toStdString(), "KelvoFiles/_sys/Calc/CalcRun.vbs",
                                  "KelvoFiles/_sys/Calc/CalcAns.ini"};
  // A link as the answer file: left as it is, and nothing written through it.
  kelvo::test::WriteFileBytes(victim, "secret\n");
  fs::create_symlink(victim, Calc("CalcAns.ini"));
  TfrmSushiki::InitAnswerFile(files);
  EXPECT_EQ(kelvo::test::ReadFileBytes(victim), "secret\n");
  EXPECT_TRUE(fs::is_symlink(Calc("CalcAns.ini")));
  // A hard link: replaced by a file of its own.
  fs::remove(Calc("CalcAns.ini"));
  fs::create_hard_link(victim, Calc("CalcAns.ini"));
  TfrmSushiki::InitAnswerFile(files);
  EXPECT_EQ(kelvo::test::ReadFileBytes(victim), "secret\n");
  EXPECT_EQ(kelvo::test::ReadFileBytes(Calc("CalcAns.ini")), "[CalcAns]\r\nAnswer=0\r\nAnsMsg=\r\n\r\n");
  EXPECT_EQ(fs::hard_link_count(victim), 1u);
  // A linked Calc folder: nothing written into its target.
  fs::remove_all(Calc(""));
  fs::create_directories(dir_.path().toStdString() + "/outside");
  fs::create_symlink(dir_.path().toStdString() + "/outside", dir_.path().toStdString() + "/KelvoFiles/_sys/Calc");
  TfrmSushiki::InitAnswerFile(files);
  EXPECT_TRUE(fs::is_empty(dir_.path().toStdString() + "/outside"));
}

TEST(FormulaTool, PrintsOneJsonLineAFormulaInOrder) {
  QProcess tool;
  tool.start(QStringLiteral(KELVO_FORMULA), {});
  ASSERT_TRUE(tool.waitForStarted());
  tool.write("1/0\n\n40+2\n1\\n+\\n1\nabc\n\"q\"\n");
  tool.write(QByteArray(200 * 1024, '1') + "\n");  // longer than the formula box takes
  tool.closeWriteChannel();
  ASSERT_TRUE(tool.waitForFinished(30000));
  EXPECT_EQ(tool.readAllStandardOutput().toStdString(),
            "{\"ans\": \"error\", \"msg\": \"失敗:  0 で除算しました。\"}\n"
            "{\"ans\": null, \"msg\": null}\n"
            "{\"ans\": \"42\", \"msg\": \"成功:\"}\n"
            "{\"ans\": \"2\", \"msg\": \"成功:\"}\n"
            "{\"ans\": \"error\", \"msg\": \"E05[構文エラー]：abc\"}\n"
            "{\"ans\": \"error\", \"msg\": \"E01[構文エラー]：[文字列は扱えません]： \\\"q\\\"\"}\n"
            "{\"ans\": \"\", \"msg\": \"数式は 65536 文字までです。それを超える入力は受け付けません。\"}\n");
}

}  // namespace
