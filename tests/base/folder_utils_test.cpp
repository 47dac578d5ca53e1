// Folder listings and deletions; links are never followed out of the given folder.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "folder_utils.h"
#include "program_folder.h"

using namespace kelvo;
namespace fs = std::filesystem;

namespace {

// The names of a listing, sorted (the file system gives them in any order).
std::vector<std::string> Names(const std::string& listing) {
  std::vector<std::string> names;
  std::size_t start = 0;
  for (std::size_t colon; (colon = listing.find(':', start)) != std::string::npos; start = colon + 1)
    names.push_back(listing.substr(start, colon - start));
  EXPECT_EQ(start, listing.size()) << "every name ends in ':' in " << listing;
  std::sort(names.begin(), names.end());
  return names;
}

using NameList = std::vector<std::string>;

class FolderUtilsTest : public ::testing::Test {
 protected:
  std::string Make(const std::string& relative, const char* content = "x") {
    const std::string path = folder.Path(relative);
    fs::create_directories(fs::path(path).parent_path());
    test::WriteFileBytes(path, content);
    return path;
  }
  std::string MakeFolder(const std::string& relative) {
    fs::create_directories(folder.Path(relative));
    return folder.Path(relative);
  }
  test::ProgramFolder folder;
};

TEST_F(FolderUtilsTest, FileListLeavesOutFoldersAndKeepsLinks) {
  const std::string pid = folder.Path(kInstanceFolder);
  Make("KelvoFiles/_sys/PID/PID100.ini");
  Make("KelvoFiles/_sys/PID/PID200.ini");
  Make("KelvoFiles/_sys/PID/Other.ini");
  MakeFolder("KelvoFiles/_sys/PID/PIDX");
  fs::create_directory_symlink(folder.Path(kCalcFolder), pid + "/PIDLINK");  // a link counts as a file
  EXPECT_EQ(Names(FolderFileList(pid, "PID*.*")), (NameList{"PID100.ini", "PID200.ini", "PIDLINK"}));
  EXPECT_EQ(Names(FolderFileList(pid + "/", "PID*.*")), (NameList{"PID100.ini", "PID200.ini", "PIDLINK"}));
  EXPECT_EQ(Names(FolderFileList(pid, "*.ini")), (NameList{"Other.ini", "PID100.ini", "PID200.ini"}));
  EXPECT_EQ(Names(FolderSubfolderList(pid, "*.*")), (NameList{"PIDX"}));
  EXPECT_EQ(FolderFileList(folder.Path("nowhere"), "*.*"), "");
  EXPECT_EQ(FolderSubfolderList(folder.Path("nowhere"), "*.*"), "");
  EXPECT_EQ(FolderFileList(folder.Path(kCalcFolder), "*.*"), "");
}

TEST_F(FolderUtilsTest, NamesWithAColonAreLeftOutOfListings) {
  Make("KelvoFiles/Skin/T7/a:b.bmp");
  MakeFolder("KelvoFiles/Skin/T7/Set:1");
  Make("KelvoFiles/Skin/T7/plain.bmp");
  MakeFolder("KelvoFiles/Skin/T7/Set_2");
  EXPECT_EQ(FolderFileList(folder.Path("KelvoFiles/Skin/T7"), "*.*"), "plain.bmp:");
  EXPECT_EQ(FolderSubfolderList(folder.Path("KelvoFiles/Skin/T7"), "*.*"), "Set_2:");
}

TEST_F(FolderUtilsTest, MasksMatchLikeFileNamePatterns) {
  struct Case {
    const char* name;
    const char* mask;
    bool matches;
  };
  const Case cases[] = {
      {"PID100.ini", "PID*.*", true}, {"pid100.INI", "PID*.*", true},  {"PIDX", "PID*.*", true},
      {"XPID1.ini", "PID*.*", false}, {"noext", "*.*", true},          {".hidden", "*.*", true},
      {"a.b.c", "*.c", true},         {"a.b.c", "*.b", false},         {"abc", "a?c", true},
      {"ac", "a?c", false},           {"Preview.gif", "*.gif", true},  {"x.gifx", "*.gif", false},
      {"aaaa", "*a*a*a*a*a", false},  {"T7_SkinFilesList.csv", "T7_*.csv", true},
  };
  for (const Case& c : cases) EXPECT_EQ(MatchesFileMask(c.name, c.mask), c.matches) << c.name << " " << c.mask;
}

TEST_F(FolderUtilsTest, DeleteFilesInLeavesSubfoldersAndLinkTargets) {
  const std::string calc = folder.Path(kCalcFolder);
  const std::string outside = Make("outside/keep.txt");
  Make("KelvoFiles/_sys/Calc/CalcRun.vbs");
  Make("KelvoFiles/_sys/Calc/CalcAns.ini");
  Make("KelvoFiles/_sys/Calc/sub/inner.txt");
  fs::create_symlink(outside, calc + "/file-link");
  fs::create_directory_symlink(folder.Path("outside"), calc + "/folder-link");
  DeleteFilesIn(calc);
  EXPECT_EQ(Names(FolderFileList(calc, "*.*")), NameList{});
  EXPECT_EQ(Names(FolderSubfolderList(calc, "*.*")), NameList{"sub"});
  EXPECT_TRUE(test::Exists(calc + "/sub/inner.txt"));
  EXPECT_EQ(test::ReadFileBytes(outside), "x");
  DeleteFilesIn(folder.Path("nowhere"));  // nothing to do, nothing reported

  // A folder that is itself a link: nothing is deleted through it, with or without a final "/".
  const std::string linked = folder.Path("KelvoFiles/_sys/prvpic");
  fs::create_directory_symlink(folder.Path("outside"), linked);
  DeleteFilesIn(linked);
  DeleteFilesIn(linked + "/");
  EXPECT_EQ(test::ReadFileBytes(outside), "x");
  EXPECT_FALSE(IsFolderNotLink(linked + "/"));
  EXPECT_TRUE(IsFolderNotLink(calc + "/"));
}

TEST_F(FolderUtilsTest, DeleteFolderTreeRemovesLinksButNeverWhatTheyPointTo) {
  const std::string tree = MakeFolder("KelvoFiles/Skin/T7/Set_1");
  Make("KelvoFiles/Skin/T7/Set_1/imgBackPanel.bmp");
  Make("KelvoFiles/Skin/T7/Set_1/deep/er/file.bmp");
  const std::string outside = Make("outside/keep.txt");
  fs::create_directory_symlink(folder.Path("outside"), tree + "/deep/link-to-outside");
  fs::create_symlink(outside, tree + "/file-link");

  EXPECT_TRUE(DeleteFolderTree(tree));
  EXPECT_FALSE(test::Exists(tree));
  EXPECT_EQ(test::ReadFileBytes(outside), "x");
  EXPECT_TRUE(test::Exists(folder.Path("KelvoFiles/Skin/T7")));
}

TEST_F(FolderUtilsTest, DeleteFolderTreeOfALinkRemovesTheLinkAlone) {
  const std::string outside = Make("outside/keep.txt");
  const std::string link = folder.Path("KelvoFiles/Skin/T7/Linked");
  fs::create_directories(fs::path(link).parent_path());
  fs::create_directory_symlink(folder.Path("outside"), link);
  EXPECT_TRUE(DeleteFolderTree(link));
  EXPECT_FALSE(test::Exists(link));
  EXPECT_EQ(test::ReadFileBytes(outside), "x");
}

TEST_F(FolderUtilsTest, DeleteFolderTreeFailsForWhatIsNotAFolder) {
  EXPECT_FALSE(DeleteFolderTree(folder.Path("nowhere")));
  const std::string file = Make("KelvoFiles/_sys/plain.txt");
  EXPECT_FALSE(DeleteFolderTree(file));
  EXPECT_TRUE(test::Exists(file));
}

}  // namespace
