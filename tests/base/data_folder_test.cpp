// Where the program keeps its files: beside a writable program, else a copy of the installed
// template in the user's data folder, made once and never overwritten.
#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <filesystem>
#include <iterator>
#include <string>

#include "data_folder.h"
#include "program_folder.h"

using namespace kelvo;
namespace fs = std::filesystem;

namespace {

std::ptrdiff_t EntriesIn(const std::string& folder) {
  return std::distance(fs::directory_iterator(folder), fs::directory_iterator{});
}

// An installation prefix (prefix/bin holds the program) and a home below one temporary folder.
class DataFolderTest : public ::testing::Test {
 protected:
  std::string Path(const std::string& relative) const { return root_.path().toStdString() + "/" + relative; }
  std::string Program() const { return Path("prefix/bin"); }
  std::string DataHome() const { return Path("home/.local/share"); }
  std::string UserFiles() const { return DataHome() + "/kelvo/KelvoFiles"; }

  void Write(const std::string& relative, const std::string& content) {
    fs::create_directories(fs::path(Path(relative)).parent_path());
    test::WriteFileBytes(Path(relative), content);
  }
  void MakeInstalledTemplate() {
    Write("prefix/share/kelvo/KelvoFiles/_sys/Default/imgBackPanel.bmp", "installed");
    fs::create_directories(Path("prefix/share/kelvo/KelvoFiles/_sys/PID"));
  }

  DataFolderChoice Choose(bool besideWritable, bool programWritable) {
    return ChooseDataFolder(Program(), DataHome(), [=, this](const std::string& path) {
      return path == Program() + "/KelvoFiles" ? besideWritable : path == Program() ? programWritable : true;
    });
  }

  QTemporaryDir root_;
};

TEST_F(DataFolderTest, ChoiceFollowsWhatTheProgramFolderAllows) {
  enum Where { Beside, User, Nowhere };
  struct Row {
    const char* place;
    bool besideFolder, besideWritable, installedTemplate, programWritable;
    Where where;
    const char* copiedFrom;  // the template the user's copy came from
  };
  const Row rows[] = {
      {"build folder", true, true, false, true, Beside, nullptr},
      {"build folder beside an installation", true, true, true, true, Beside, nullptr},
      {"read-only installation", false, false, true, false, User, "installed"},
      {"installation run by root, who may write anywhere", false, false, true, true, User, "installed"},
      {"read-only unpacked archive", true, false, false, false, User, "beside"},
      {"bare program in a writable folder", false, false, false, true, Beside, nullptr},
      {"bare program in a read-only folder", false, false, false, false, Nowhere, nullptr},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.place);
    fs::remove_all(Path("prefix"));
    fs::remove_all(Path("home"));
    fs::create_directories(Program());
    if (row.besideFolder) Write("prefix/bin/KelvoFiles/_sys/Default/imgBackPanel.bmp", "beside");
    if (row.installedTemplate) MakeInstalledTemplate();

    const DataFolderChoice choice = Choose(row.besideWritable, row.programWritable);
    switch (row.where) {
      case Beside:
        EXPECT_EQ(choice.folder, Program());
        EXPECT_FALSE(test::Exists(Path("home")));
        break;
      case User:
        EXPECT_EQ(choice.folder, DataHome() + "/kelvo");
        EXPECT_EQ(test::ReadFileBytes(UserFiles() + "/_sys/Default/imgBackPanel.bmp"), row.copiedFrom);
        break;
      case Nowhere:
        EXPECT_EQ(choice.folder, "");
        EXPECT_NE(choice.error.find(Program() + "/KelvoFiles"), std::string::npos) << choice.error;
        break;
    }
  }
}

TEST_F(DataFolderTest, UsersCopyIsMadeOnceAndNeverOverwritten) {
  MakeInstalledTemplate();
  Write("prefix/share/kelvo/KelvoFiles/_sys/KelvoHelp.html", "help");
  ASSERT_EQ(Choose(false, false).folder, DataHome() + "/kelvo");
  EXPECT_TRUE(fs::is_directory(UserFiles() + "/_sys/PID"));  // empty folders come along

  // The user changes a skin and deletes the help; a new version changes the template.
  test::WriteFileBytes(UserFiles() + "/_sys/Default/imgBackPanel.bmp", "mine");
  fs::remove(UserFiles() + "/_sys/KelvoHelp.html");
  Write("prefix/share/kelvo/KelvoFiles/_sys/Default/imgBackPanel.bmp", "new version");
  Write("prefix/share/kelvo/KelvoFiles/Skin/T7/New/imgBackPanel.bmp", "new skin");

  ASSERT_EQ(Choose(false, false).folder, DataHome() + "/kelvo");
  EXPECT_EQ(test::ReadFileBytes(UserFiles() + "/_sys/Default/imgBackPanel.bmp"), "mine");
  EXPECT_FALSE(test::Exists(UserFiles() + "/_sys/KelvoHelp.html"));
  EXPECT_FALSE(test::Exists(UserFiles() + "/Skin"));
}

TEST_F(DataFolderTest, CopyTakesFoldersAndFilesButNoLinksAndMakesFilesWritable) {
  MakeInstalledTemplate();
  Write("outside/secret.ini", "outside");
  const std::string tree = Path("prefix/share/kelvo/KelvoFiles");
  fs::create_symlink(Path("outside/secret.ini"), tree + "/_sys/linked.ini");
  fs::create_directory_symlink(Path("outside"), tree + "/Skin");
  fs::permissions(tree + "/_sys/Default/imgBackPanel.bmp", fs::perms::owner_read | fs::perms::group_read);

  ASSERT_EQ(CopyFolderTemplate(tree, Path("copy")), "");
  EXPECT_EQ(test::ReadFileBytes(Path("copy/_sys/Default/imgBackPanel.bmp")), "installed");
  EXPECT_NE(fs::status(Path("copy/_sys/Default/imgBackPanel.bmp")).permissions() & fs::perms::owner_write,
            fs::perms::none);
  EXPECT_FALSE(test::Exists(Path("copy/_sys/linked.ini")));
  EXPECT_FALSE(test::Exists(Path("copy/Skin")));
  // Nothing is left aside; a copy another start put in place meanwhile is kept, not mixed into.
  EXPECT_EQ(EntriesIn(root_.path().toStdString()), 3);
  CopyFolderTemplate(Path("outside"), Path("copy"));
  EXPECT_FALSE(test::Exists(Path("copy/secret.ini")));
  EXPECT_EQ(EntriesIn(root_.path().toStdString()), 3);
}

TEST_F(DataFolderTest, FolderThatCannotBeMadeIsReportedNotUsed) {
  MakeInstalledTemplate();
  Write("home/.local/share", "a file where the folder should be");
  DataFolderChoice choice = Choose(false, false);
  EXPECT_EQ(choice.folder, "");
  EXPECT_NE(choice.error.find("データフォルダを作成できません。"), std::string::npos);

  fs::remove(Path("home/.local/share"));
  Write("home/.local/share/kelvo/KelvoFiles", "a file again");
  choice = Choose(false, false);
  EXPECT_EQ(choice.folder, "");
  EXPECT_NE(choice.error.find(UserFiles()), std::string::npos) << choice.error;

  choice = ChooseDataFolder(Program(), "", [](const std::string&) { return false; });
  EXPECT_EQ(choice.folder, "");
  EXPECT_NE(choice.error, "");
}

TEST(UserDataHome, AbsoluteXdgDataHomeElseHomeLocalShare) {
  struct Row {
    const char* xdg;
    const char* home;
    std::string expected;
  };
  const Row rows[] = {
      {"/data/me", "/home/me", "/data/me"},
      {nullptr, "/home/me", "/home/me/.local/share"},
      {"", "/home/me", "/home/me/.local/share"},
      {"relative/dir", "/home/me", "/home/me/.local/share"},
      {nullptr, nullptr, ""},
      {nullptr, "relative", ""},
  };
  for (const Row& row : rows)
    EXPECT_EQ(UserDataHome(row.xdg, row.home), row.expected) << (row.xdg ? row.xdg : "(unset)");
}

TEST_F(DataFolderTest, ScriptHostBesideTheProgramElseInTheInstallationsHelperFolder) {
  fs::create_directories(Program());
  EXPECT_EQ(ScriptHostPath(Program()), Program() + "/kelvo-wsh");
  Write("prefix/libexec/kelvo/kelvo-wsh", "");
  EXPECT_EQ(ScriptHostPath(Program()), Path("prefix/libexec/kelvo/kelvo-wsh"));
  Write("prefix/bin/kelvo-wsh", "");
  EXPECT_EQ(ScriptHostPath(Program()), Program() + "/kelvo-wsh");
}

}  // namespace
