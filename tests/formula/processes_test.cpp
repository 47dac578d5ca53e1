// The two programs as processes: kelvo-wsh refuses anything but a formula script of this program
// and writes nothing else, and kelvo-formula prints one JSON line a formula, in input order.
#include <gtest/gtest.h>

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <filesystem>

#include "program_folder.h"
#include "script_text.h"

namespace {

class ScriptHostProcess : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(QDir(dir_.path()).mkpath(QStringLiteral("KelvoFiles/_sys/Calc"))); }

  std::string Calc(const std::string& name) const { return dir_.path().toStdString() + "/KelvoFiles/_sys/Calc/" + name; }

  // Runs the host on the script as the window does: by its bare name, in the Calc folder.
  int Run(const std::string& script) {
    kelvo::test::WriteFileBytes(Calc("CalcRun.vbs"), script);
    QProcess host;
    host.setWorkingDirectory(QString::fromStdString(Calc("")));
    host.start(QStringLiteral(KELVO_WSH), {QStringLiteral("CalcRun.vbs")});
    host.waitForFinished(10000);
    return host.exitCode();
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
