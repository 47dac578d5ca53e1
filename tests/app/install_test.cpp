// The installation: cmake --install into a throw-away prefix, the files desktops read, and the
// installed program started from a read-only prefix with an empty home.
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
#include <functional>
#include <map>
#include <string>

#include "ini_file.h"
#include "instance_channel.h"
#include "shell_paths.h"

namespace fs = std::filesystem;

namespace {

constexpr const char* kAppId = KELVO_APP_ID;
constexpr int kIconSizes[] = {16, 24, 32, 48, 64, 128, 256};

bool WaitFor(const std::function<bool()>& condition, int timeoutMs = 10000) {
  QElapsedTimer timer;
  timer.start();
  while (!condition()) {
    if (timer.elapsed() > timeoutMs) return false;
    QThread::msleep(20);
  }
  return true;
}

std::string ReadText(const std::string& path) {
  QFile file(QString::fromStdString(path));
  return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : std::string();
}

// Runs a program to its end: its exit code (-1 when it did not end) and everything it printed.
std::pair<int, std::string> RunToEnd(const QString& program, const QStringList& arguments) {
  QProcess process;
  process.setProcessChannelMode(QProcess::MergedChannels);
  process.start(program, arguments);
  if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit) return {-1, {}};
  return {process.exitCode(), process.readAll().toStdString()};
}

// Every path below a folder with its size: what a read-only prefix must still hold afterwards.
std::map<std::string, std::uintmax_t> Snapshot(const std::string& folder) {
  std::map<std::string, std::uintmax_t> entries;
  for (const fs::directory_entry& entry : fs::recursive_directory_iterator(folder))
    entries[entry.path().string()] = entry.is_regular_file() ? entry.file_size() : 0;
  return entries;
}

void SetWritable(const std::string& folder, bool writable) {
  const auto bits = fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;
  const auto how = writable ? fs::perm_options::add : fs::perm_options::remove;
  fs::permissions(folder, writable ? fs::perms::owner_write : bits, how);
  for (const fs::directory_entry& entry : fs::recursive_directory_iterator(folder))
    if (!entry.is_symlink()) fs::permissions(entry.path(), writable ? fs::perms::owner_write : bits, how);
}

class InstallTest : public ::testing::Test {
 protected:
  void SetUp() override {
    root_ = QDir(dir_.path()).canonicalPath().toStdString();
    const auto [code, output] = RunToEnd(QStringLiteral(KELVO_CMAKE), {QStringLiteral("--install"), QStringLiteral(KELVO_BUILD_DIR),
                                                                   QStringLiteral("--prefix"), QString::fromStdString(Prefix())});
    ASSERT_EQ(code, 0) << output;
  }
  void TearDown() override {
    if (fs::exists(Prefix())) SetWritable(Prefix(), true);  // so that the folder can go
  }
  std::string Prefix() const { return root_ + "/prefix"; }
  std::string Installed(const std::string& relative) const { return Prefix() + "/" + relative; }
  std::string DesktopEntry() const { return Installed("share/applications/" + std::string(kAppId) + ".desktop"); }

  QTemporaryDir dir_;
  std::string root_;
};

TEST_F(InstallTest, InstallsProgramTemplateMenuEntryIconsAndDescription) {
  const std::string id = kAppId;
  const std::string files[] = {"bin/kelvo", "share/kelvo/KelvoFiles/_sys/Default/imgBackPanel.bmp",
                               "share/kelvo/KelvoFiles/_sys/KelvoHelp.html", "share/applications/" + id + ".desktop",
                               "share/metainfo/" + id + ".metainfo.xml"};
  for (const std::string& file : files)
    EXPECT_TRUE(fs::is_regular_file(Installed(file))) << file;
  EXPECT_EQ(fs::status(Installed("bin/kelvo")).permissions() & fs::perms::owner_exec, fs::perms::owner_exec);
#ifdef KELVO_SCRIPT_HOST
  EXPECT_TRUE(fs::is_regular_file(Installed("libexec/kelvo/kelvo-wsh")));
#endif
  // The template's empty folders come along; the files that only keep them in the sources do not.
  for (const char* folder : {"_sys/PID", "_sys/Calc", "_sys/UserCustumSkin", "_sys/prvpic"})
    EXPECT_TRUE(fs::is_directory(Installed("share/kelvo/KelvoFiles/") + folder)) << folder;
  for (const fs::directory_entry& entry : fs::recursive_directory_iterator(Prefix()))
    EXPECT_NE(entry.path().filename(), ".gitkeep") << entry.path();

  for (const int size : kIconSizes) {
    const std::string icon = "share/icons/hicolor/" + std::to_string(size) + "x" + std::to_string(size) + "/apps/" + id + ".png";
    const QImage image(QString::fromStdString(Installed(icon)));
    EXPECT_EQ(image.size(), QSize(size, size)) << icon;
    EXPECT_TRUE(image.hasAlphaChannel()) << icon;
    EXPECT_EQ(qAlpha(image.pixel(size / 2, size / 2)), 255) << icon << ": drawn, not empty";
  }
  const std::string description = ReadText(Installed("share/metainfo/" + id + ".metainfo.xml"));
  EXPECT_NE(description.find("<release version=\"2.10.01\""), std::string::npos);
  EXPECT_NE(description.find("<caption>"), std::string::npos);
}

TEST_F(InstallTest, MenuEntryNamesTheInstalledProgramAndValidates) {
  const std::string entry = ReadText(DesktopEntry());
  EXPECT_NE(entry.find("\nExec=" + Installed("bin/kelvo") + "\n"), std::string::npos) << entry;
  EXPECT_NE(entry.find("\nIcon=" + std::string(kAppId) + "\n"), std::string::npos) << entry;

  const QString validator = QStandardPaths::findExecutable(QStringLiteral("desktop-file-validate"));
  if (!validator.isEmpty()) {
    const auto [code, output] = RunToEnd(validator, {QString::fromStdString(DesktopEntry())});
    EXPECT_EQ(code, 0) << output;
    EXPECT_EQ(output, "") << "every hint is worth mending";
  }
  const QString appstream = QStandardPaths::findExecutable(QStringLiteral("appstreamcli"));
  if (!appstream.isEmpty()) {
    const auto [code, output] = RunToEnd(appstream, {QStringLiteral("validate"), QStringLiteral("--no-net"),
                                                QString::fromStdString(Installed("share/metainfo/" + std::string(kAppId) + ".metainfo.xml"))});
    EXPECT_EQ(code, 0) << output;
  }
  if (validator.isEmpty() || appstream.isEmpty()) GTEST_SKIP() << "desktop-file-validate or appstreamcli is missing";
}

TEST_F(InstallTest, ProgramInAReadOnlyPrefixKeepsEverythingInTheUsersDataFolder) {
  SetWritable(Prefix(), false);
  const auto before = Snapshot(Prefix());
  const std::string home = root_ + "/home";
  fs::create_directory(home);
  const std::string data = home + "/.local/share/kelvo";
  kelvo::SetProgramFolder(data);  // the instance names the program uses in that folder

  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert(QStringLiteral("HOME"), QString::fromStdString(home));
  env.remove(QStringLiteral("XDG_DATA_HOME"));
  env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
  auto start = [&](QProcess& process) {
    process.setProcessEnvironment(env);
    process.setProcessChannelMode(QProcess::ForwardedChannels);
    process.start(QString::fromStdString(Installed("bin/kelvo")), {});
    ASSERT_TRUE(process.waitForStarted(5000));
    ASSERT_TRUE(WaitFor([] { return InstanceChannel::SendToPrimary("ping"); })) << "no primary instance";
  };
  auto stop = [](QProcess& process) {
    process.terminate();  // SIGTERM ends it like the Quit command
    EXPECT_TRUE(process.waitForFinished(10000));
    EXPECT_EQ(process.exitCode(), 0);
  };

  const std::string settings = data + "/KelvoFiles/_sys/Kelvo.ini";
  {
    QProcess first;
    start(first);
    EXPECT_TRUE(WaitFor([&] { return !kelvo::IniFile(settings).ReadString("KeySet", "Per", "").empty(); }));
    stop(first);
  }
  EXPECT_FALSE(kelvo::IniFile(settings).ReadString("StartUp", "StartUpTop", "").empty()) << "the exit write";
  EXPECT_TRUE(fs::is_directory(data + "/KelvoFiles/_sys/PID"));

  // The user's copy is theirs: a later start leaves it as it is.
  const std::string help = data + "/KelvoFiles/_sys/KelvoHelp.html";
  std::ofstream(help, std::ios::trunc).flush();
  {
    QProcess second;
    start(second);
    stop(second);
  }
  EXPECT_EQ(fs::file_size(help), 0u);
  EXPECT_EQ(Snapshot(Prefix()), before) << "nothing was written into the installation";
}

}  // namespace
