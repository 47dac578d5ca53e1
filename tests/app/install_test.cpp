// cmake --install into a throw-away prefix: the files desktops read, and the installed program
// started from the prefix made read-only with an empty home.
#include <gtest/gtest.h>

#include <QDir>
#include <QElapsedTimer>
#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>

#include <filesystem>
#include <fstream>
#include <map>

#include "ini_file.h"
#include "instance_channel.h"
#include "program_folder.h"
#include "shell_paths.h"

namespace fs = std::filesystem;

namespace {

const std::string kId = KELVO_APP_ID;

bool WaitFor(const std::function<bool()>& condition) {
  QElapsedTimer timer;
  timer.start();
  while (!condition()) {
    if (timer.elapsed() > 10000) return false;
    QThread::msleep(20);
  }
  return true;
}

// Runs a program to its end: its exit code (-1 when it did not end) and everything it printed.
std::pair<int, std::string> RunToEnd(const QString& program, const QStringList& arguments) {
  QProcess process;
  process.setProcessChannelMode(QProcess::MergedChannels);
  process.start(program, arguments);
  if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit) return {-1, {}};
  return {process.exitCode(), process.readAll().toStdString()};
}

// Every path below a folder with its size.
std::map<std::string, std::uintmax_t> Snapshot(const std::string& folder) {
  std::map<std::string, std::uintmax_t> entries;
  for (const fs::directory_entry& entry : fs::recursive_directory_iterator(folder))
    entries[entry.path().string()] = entry.is_regular_file() ? entry.file_size() : 0;
  return entries;
}

void SetWritable(const std::string& folder, bool writable) {
  const auto how = writable ? fs::perm_options::add : fs::perm_options::remove;
  fs::permissions(folder, fs::perms::owner_write, how);
  for (const fs::directory_entry& entry : fs::recursive_directory_iterator(folder)) fs::permissions(entry.path(), fs::perms::owner_write, how);
}

class InstallTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const auto [code, output] = RunToEnd(QStringLiteral(KELVO_CMAKE), {QStringLiteral("--install"), QStringLiteral(KELVO_BUILD_DIR),
                                                                       QStringLiteral("--prefix"), QString::fromStdString(prefix_)});
    ASSERT_EQ(code, 0) << output;
  }
  void TearDown() override { SetWritable(prefix_, true); }  // so that it can be deleted
  std::string Installed(const std::string& relative) const { return prefix_ + "/" + relative; }

  QTemporaryDir dir_;
  std::string root_ = QDir(dir_.path()).canonicalPath().toStdString();
  std::string prefix_ = root_ + "/prefix";
};

TEST_F(InstallTest, InstallsProgramTemplateMenuEntryIconsAndDescriptionThatValidate) {
  for (const std::string& file : {std::string("bin/kelvo"), std::string("libexec/kelvo/kelvo-wsh"),
                                  std::string("libexec/kelvo/kelvo-tape-print.so"),
                                  std::string("libexec/kelvo/kelvo-speech.so"),
                                  std::string("libexec/kelvo/kelvo-net.so"),
                                  std::string("share/kelvo/KelvoFiles/_sys/Default/imgBackPanel.bmp"),
                                  std::string("share/kelvo/KelvoFiles/_sys/Template.stamp"),
                                  std::string("share/doc/kelvo/KelvoHelp.html"), std::string("share/man/man1/kelvo.1.gz"),
                                  "share/applications/" + kId + ".desktop", "share/metainfo/" + kId + ".metainfo.xml"})
    EXPECT_TRUE(fs::exists(Installed(file))) << file;
  // No empty folders, no placeholders: each user's copy makes the folders it needs.
  for (const fs::directory_entry& entry : fs::recursive_directory_iterator(prefix_)) {
    EXPECT_NE(entry.path().filename(), ".gitkeep") << entry.path();
    if (entry.is_directory()) {
      EXPECT_FALSE(fs::is_empty(entry.path())) << entry.path();
    }
  }
  for (const int size : {16, 24, 32, 48, 64, 128, 256}) {
    const QImage icon(QString::fromStdString(Installed("share/icons/hicolor/" + std::to_string(size) + "x" +
                                                       std::to_string(size) + "/apps/" + kId + ".png")));
    EXPECT_EQ(icon.size(), QSize(size, size));
    EXPECT_EQ(qAlpha(icon.pixel(size / 2, size / 2)), 255) << size << ": drawn, not empty";
  }
  const std::string entry = kelvo::test::ReadFileBytes(Installed("share/applications/" + kId + ".desktop"));
  EXPECT_NE(entry.find("\nExec=" + Installed("bin/kelvo") + "\n"), std::string::npos) << entry;

  const QString validate = QStandardPaths::findExecutable(QStringLiteral("desktop-file-validate"));
  const QString appstream = QStandardPaths::findExecutable(QStringLiteral("appstreamcli"));
  if (validate.isEmpty() || appstream.isEmpty()) GTEST_SKIP() << "desktop-file-validate or appstreamcli is missing";
  EXPECT_EQ(RunToEnd(validate, {QString::fromStdString(Installed("share/applications/" + kId + ".desktop"))}),
            std::make_pair(0, std::string()));
  const auto [code, output] = RunToEnd(appstream, {QStringLiteral("validate"), QStringLiteral("--no-net"),
                                                   QString::fromStdString(Installed("share/metainfo/" + kId + ".metainfo.xml"))});
  EXPECT_EQ(code, 0) << output;
}

TEST_F(InstallTest, ProgramInAReadOnlyPrefixKeepsEverythingInTheUsersDataFolder) {
  SetWritable(prefix_, false);
  const auto installed = Snapshot(prefix_);
  fs::create_directory(root_ + "/home");
  const std::string data = root_ + "/home/.local/share/kelvo";
  kelvo::SetProgramFolder(data);  // for the instance names the program uses there
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert(QStringLiteral("HOME"), QString::fromStdString(root_ + "/home"));
  env.remove(QStringLiteral("XDG_DATA_HOME"));
  env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
  const std::string settings = data + "/KelvoFiles/_sys/Kelvo.ini";
  const std::string skin = data + "/KelvoFiles/_sys/Default/imgBackPanel.bmp";

  for (const bool first : {true, false}) {
    QProcess kelvo;
    kelvo.setProcessEnvironment(env);
    kelvo.start(QString::fromStdString(Installed("bin/kelvo")), {});
    ASSERT_TRUE(WaitFor([] { return InstanceChannel::SendToPrimary("ping"); })) << "no primary instance";
    ASSERT_TRUE(WaitFor([&] { return !kelvo::IniFile(settings).ReadString("KeySet", "Per", "").empty(); }));
    kelvo.terminate();  // SIGTERM ends it like the Quit command
    ASSERT_TRUE(kelvo.waitForFinished(10000));
    EXPECT_EQ(kelvo.exitCode(), 0);
    EXPECT_FALSE(kelvo::IniFile(settings).ReadString("StartUp", "StartUpTop", "").empty()) << "the exit write";
    EXPECT_TRUE(fs::is_directory(data + "/KelvoFiles/_sys/PID"));
    if (first) std::ofstream(skin, std::ios::trunc).flush();  // the user's copy is theirs
  }
  EXPECT_EQ(fs::file_size(skin), 0u);
  EXPECT_EQ(Snapshot(prefix_), installed) << "nothing was written into the installation";
}

}  // namespace
