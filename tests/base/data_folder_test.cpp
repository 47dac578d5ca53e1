// Where the program keeps its files: beside a writable program, else a copy of the installed
// template in the user's data folder, made once and never overwritten.
#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <filesystem>

#include "data_folder.h"
#include "program_folder.h"

using namespace kelvo;
namespace fs = std::filesystem;

namespace {

// An installation prefix (prefix/bin holds the program) and a home, in one temporary folder.
class DataFolderTest : public ::testing::Test {
 protected:
  std::string Path(const std::string& relative) const { return root_.path().toStdString() + "/" + relative; }
  std::string Program() const { return Path("prefix/bin"); }
  std::string UserFolder() const { return Path("home/kelvo"); }
  void Write(const std::string& relative, const std::string& content) {
    fs::create_directories(fs::path(Path(relative)).parent_path());
    test::WriteFileBytes(Path(relative), content);
  }
  std::string Read(const std::string& relative) const { return test::ReadFileBytes(Path(relative)); }
  // Writability is given: root may write where the mode bits say no.
  DataFolderChoice Choose(bool besideWritable = false, bool programWritable = false) {
    return ChooseDataFolder(Program(), Path("home"), [=, this](const std::string& path) {
      return path == Program() ? programWritable : besideWritable;
    });
  }
  QTemporaryDir root_;
};

TEST_F(DataFolderTest, ChoiceFollowsWhatTheProgramFolderAllows) {
  struct Row {
    const char* place;
    bool beside, besideWritable, installed, programWritable;
    const char* copiedFrom;  // the user's copy came from this template; null: the program folder
  };
  const Row rows[] = {
      {"build folder", true, true, false, true, nullptr},
      {"build folder beside an installation", true, true, true, true, nullptr},
      {"read-only installation", false, false, true, false, "installed"},
      {"installation run by root", false, false, true, true, "installed"},
      {"read-only unpacked archive", true, false, false, false, "beside"},
      {"bare program in a writable folder", false, false, false, true, nullptr},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.place);
    fs::remove_all(Path("prefix"));
    fs::remove_all(Path("home"));
    fs::create_directories(Program());
    if (row.beside) Write("prefix/bin/KelvoFiles/_sys/Default/imgBackPanel.bmp", "beside");
    if (row.installed) Write("prefix/share/kelvo/KelvoFiles/_sys/Default/imgBackPanel.bmp", "installed");
    const DataFolderChoice choice = Choose(row.besideWritable, row.programWritable);
    EXPECT_EQ(choice.folder, row.copiedFrom ? UserFolder() : Program());
    if (row.copiedFrom) {
      EXPECT_EQ(Read("home/kelvo/KelvoFiles/_sys/Default/imgBackPanel.bmp"), row.copiedFrom);
    }
    EXPECT_EQ(test::Exists(Path("home")), row.copiedFrom != nullptr);
  }
  fs::remove_all(Path("prefix/bin/KelvoFiles"));
  const DataFolderChoice none = Choose();
  EXPECT_EQ(none.folder, "");
  EXPECT_NE(none.error.find(Program() + "/KelvoFiles"), std::string::npos) << none.error;
}

TEST_F(DataFolderTest, UsersCopyIsMadeOnceWithoutLinksAndNeverOverwritten) {
  const std::string tree = Path("prefix/share/kelvo/KelvoFiles");
  Write("prefix/share/kelvo/KelvoFiles/_sys/Default/imgBackPanel.bmp", "installed");
  Write("prefix/share/kelvo/KelvoFiles/_sys/KelvoHelp.html", "help");
  fs::create_directories(tree + "/_sys/PID");
  Write("outside/secret.ini", "outside");
  fs::create_symlink(Path("outside/secret.ini"), tree + "/_sys/linked.ini");
  fs::create_directory_symlink(Path("outside"), tree + "/Skin");
  fs::permissions(tree + "/_sys/KelvoHelp.html", fs::perms::owner_read);

  ASSERT_EQ(Choose().folder, UserFolder());
  const std::string copy = UserFolder() + "/KelvoFiles";
  EXPECT_TRUE(fs::is_directory(copy + "/_sys/PID"));
  EXPECT_FALSE(test::Exists(copy + "/_sys/linked.ini"));
  EXPECT_FALSE(test::Exists(copy + "/Skin"));
  EXPECT_NE(fs::status(copy + "/_sys/KelvoHelp.html").permissions() & fs::perms::owner_write, fs::perms::none);
  EXPECT_EQ(std::distance(fs::directory_iterator(UserFolder()), fs::directory_iterator{}), 1) << "nothing left aside";

  // The user changes a skin and deletes the help; a new version changes the template.
  test::WriteFileBytes(copy + "/_sys/Default/imgBackPanel.bmp", "mine");
  fs::remove(copy + "/_sys/KelvoHelp.html");
  Write("prefix/share/kelvo/KelvoFiles/_sys/Default/imgBackPanel.bmp", "new version");
  ASSERT_EQ(Choose().folder, UserFolder());
  EXPECT_EQ(test::ReadFileBytes(copy + "/_sys/Default/imgBackPanel.bmp"), "mine");
  EXPECT_FALSE(test::Exists(copy + "/_sys/KelvoHelp.html"));
}

TEST_F(DataFolderTest, FolderThatCannotBeMadeIsReportedNotUsed) {
  Write("prefix/share/kelvo/KelvoFiles/_sys/Default/imgBackPanel.bmp", "installed");
  Write("home/kelvo/KelvoFiles", "a file where the folder should be");
  const DataFolderChoice choice = Choose();
  EXPECT_EQ(choice.folder, "");
  EXPECT_NE(choice.error.find("データフォルダを作成できません。\n" + UserFolder() + "/KelvoFiles"), std::string::npos);
  EXPECT_EQ(ChooseDataFolder(Program(), "", [](const std::string&) { return false; }).folder, "");
}

TEST_F(DataFolderTest, UserDataHomeAndScriptHostFollowTheUsualPlaces) {
  EXPECT_EQ(UserDataHome("/data/me", "/home/me"), "/data/me");
  EXPECT_EQ(UserDataHome("relative", "/home/me"), "/home/me/.local/share");
  EXPECT_EQ(UserDataHome(nullptr, nullptr), "");
  Write("prefix/libexec/kelvo/kelvo-wsh", "");
  EXPECT_EQ(ScriptHostPath(Program()), Path("prefix/libexec/kelvo/kelvo-wsh"));
  Write("prefix/bin/kelvo-wsh", "");
  EXPECT_EQ(ScriptHostPath(Program()), Program() + "/kelvo-wsh");
}

}  // namespace
