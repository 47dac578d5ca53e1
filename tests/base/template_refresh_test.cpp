// A user's copy of the installed template after a newer package: what it gains, what it keeps.
#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <filesystem>

#include "program_folder.h"
#include "template_refresh.h"

using namespace kelvo;
namespace fs = std::filesystem;

namespace {

// What the copy was given by the 2.10.01 template: the default skin and one sample skin.
constexpr const char* kGivenBy21001 =
    "2.10.01\n_sys\n_sys/Default\n_sys/Default/imgBackPanel.bmp\nSkin\nSkin/T7\nSkin/T7/SET_Old\n"
    "Skin/T7/SET_Old/imgBackPanel.bmp\n";

class TemplateRefreshTest : public ::testing::Test {
 protected:
  std::string Template(const std::string& relative = "") const { return Under("share/KelvoFiles", relative); }
  std::string Copy(const std::string& relative = "") const { return Under("home/KelvoFiles", relative); }
  std::string Under(const std::string& folder, const std::string& relative) const {
    return root_.path().toStdString() + "/" + folder + (relative.empty() ? "" : "/" + relative);
  }
  static void Write(const std::string& path, const std::string& content) {
    fs::create_directories(fs::path(path).parent_path());
    test::WriteFileBytes(path, content);
  }
  // The template of a newer package beside a copy whose user changed the default skin, deleted the
  // sample skin SET_Old and added a skin of their own.
  void MakeFolders(const char* templateStamp, const std::string* copyStamp) {
    fs::remove_all(Template());
    fs::remove_all(Copy());
    Write(Template("_sys/Default/imgBackPanel.bmp"), "template");
    Write(Template("Skin/T7/SET_Old/imgBackPanel.bmp"), "old sample");
    Write(Template("Skin/T7/SET_Old/Preview.gif"), "new in an old sample");
    Write(Template("Skin/T7/SET_New/imgBackPanel.bmp"), "new sample");
    if (templateStamp) Write(Template(kTemplateStampFile), templateStamp);
    Write(Copy("_sys/Default/imgBackPanel.bmp"), "mine");
    Write(Copy("Skin/T7/Mine/imgBackPanel.bmp"), "own");
    if (copyStamp) Write(Copy(kTemplateStampFile), *copyStamp);
  }
  std::string Read(const std::string& path) const { return test::Exists(path) ? test::ReadFileBytes(path) : "(none)"; }
  std::string StampVersion() const {
    const std::string stamp = Read(Copy(kTemplateStampFile));
    std::string version = stamp.substr(0, stamp.find('\n'));
    if (!version.empty() && version.back() == '\r') version.pop_back();
    return version;
  }

  QTemporaryDir root_;
};

TEST_F(TemplateRefreshTest, NewerTemplateAddsOnlyWhatTheCopyWasNeverGiven) {
  struct Row {
    const char* name;
    const char* templateStamp;  // null: none
    std::string copyStamp;      // "-": none
    const char* newSample;      // what the copy then holds of each
    const char* oldSample;
    const char* stampAfter;
  };
  const std::string oversized = std::string("2.10.01\n") + std::string(2 << 20, 'x');
  const Row rows[] = {
      {"newer template: the new sample comes, the deleted one stays away", "2.10.02\n", kGivenBy21001, "new sample",
       "(none)", "2.10.02"},
      {"same template: nothing to do", "2.10.01\n", kGivenBy21001, "(none)", "(none)", "2.10.01"},
      {"copy made before stamps: what it lacks comes back once", "2.10.02\n", "-", "new sample", "old sample", "2.10.02"},
      {"copy stamp written with CR LF", "2.10.01\r\n", "2.10.01\r\n_sys\r\nSkin/T7/SET_Old\r\n", "(none)", "(none)",
       "2.10.01"},
      {"oversized copy stamp counts as none", "2.10.02\n", oversized, "new sample", "old sample", "2.10.02"},
      {"template without a stamp is left alone", nullptr, kGivenBy21001, "(none)", "(none)", "2.10.01"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    MakeFolders(row.templateStamp, row.copyStamp == "-" ? nullptr : &row.copyStamp);
    EXPECT_EQ(RefreshFromTemplate(Template(), Copy()), "");
    EXPECT_EQ(Read(Copy("Skin/T7/SET_New/imgBackPanel.bmp")), row.newSample);
    EXPECT_EQ(Read(Copy("Skin/T7/SET_Old/imgBackPanel.bmp")), row.oldSample);
    EXPECT_EQ(Read(Copy("_sys/Default/imgBackPanel.bmp")), "mine") << "never overwritten";
    EXPECT_EQ(Read(Copy("Skin/T7/Mine/imgBackPanel.bmp")), "own") << "never deleted";
    EXPECT_EQ(StampVersion(), row.stampAfter);
    EXPECT_FALSE(test::Exists(Copy("Skin/T7/SET_New/imgBackPanel.bmp.kelvo-part")));
  }
}

TEST_F(TemplateRefreshTest, RefreshedCopyRemembersWhatItGotAndHasTheEmptyFolders) {
  MakeFolders("2.10.02\n", nullptr);
  ASSERT_EQ(RefreshFromTemplate(Template(), Copy()), "");
  for (const char* folder : {"_sys/PID", "_sys/Calc", "_sys/UserCustumSkin", "_sys/prvpic"})
    EXPECT_TRUE(fs::is_directory(Copy(folder))) << folder;

  // The user now deletes the new sample; the next package keeps it out and brings its own addition.
  fs::remove_all(Copy("Skin/T7/SET_New"));
  Write(Template("Skin/T7/SET_Newer/imgBackPanel.bmp"), "newer sample");
  Write(Template(kTemplateStampFile), "2.10.03\n");
  ASSERT_EQ(RefreshFromTemplate(Template(), Copy()), "");
  EXPECT_FALSE(test::Exists(Copy("Skin/T7/SET_New")));
  EXPECT_EQ(Read(Copy("Skin/T7/SET_Newer/imgBackPanel.bmp")), "newer sample");
  EXPECT_EQ(StampVersion(), "2.10.03");
}

TEST_F(TemplateRefreshTest, AStampThatIsAFolderBringsNothingBack) {
  MakeFolders("2.10.02\n", nullptr);
  fs::create_directories(Copy(kTemplateStampFile));  // no stamp can ever be written there
  for (int start = 0; start < 2; ++start) {
    EXPECT_NE(RefreshFromTemplate(Template(), Copy()), "");
    EXPECT_EQ(Read(Copy("Skin/T7/SET_New/imgBackPanel.bmp")), "(none)");
    EXPECT_EQ(Read(Copy("Skin/T7/SET_Old/imgBackPanel.bmp")), "(none)");
    EXPECT_TRUE(fs::is_directory(Copy("_sys/PID")));
  }
}

TEST_F(TemplateRefreshTest, RefreshCutShortFinishesAtTheNextStart) {
  // The last start ended after one file and while writing another: the stamp is still the old one.
  std::string given = kGivenBy21001;
  MakeFolders("2.10.02\n", &given);
  Write(Copy("Skin/T7/SET_New/imgBackPanel.bmp.kelvo-part"), "new sam");
  Write(Template("Skin/T7/SET_New/Preview.gif"), "preview");
  Write(Copy("Skin/T7/SET_New/Preview.gif"), "preview");
  ASSERT_EQ(RefreshFromTemplate(Template(), Copy()), "");
  EXPECT_EQ(Read(Copy("Skin/T7/SET_New/imgBackPanel.bmp")), "new sample");
  EXPECT_FALSE(test::Exists(Copy("Skin/T7/SET_New/imgBackPanel.bmp.kelvo-part")));
  EXPECT_EQ(StampVersion(), "2.10.02");
}

TEST_F(TemplateRefreshTest, LinksInTheTemplateAndNamesInTheStampReachNothingOutside) {
  Write(Under("outside", "secret.ini"), "outside");
  std::string hostile = "2.10.01\n../outside\n../outside/secret.ini\n/etc/passwd\n";
  MakeFolders("2.10.02\n", &hostile);
  fs::create_directory_symlink(Under("outside", ""), Template("Skin/T7/SET_Link"));
  fs::create_symlink(Under("outside", "secret.ini"), Template("_sys/linked.ini"));
  ASSERT_EQ(RefreshFromTemplate(Template(), Copy()), "");
  EXPECT_FALSE(test::Exists(Copy("Skin/T7/SET_Link")));
  EXPECT_FALSE(test::Exists(Copy("_sys/linked.ini")));
  EXPECT_EQ(Read(Under("outside", "secret.ini")), "outside");
  EXPECT_EQ(Read(Copy("Skin/T7/SET_New/imgBackPanel.bmp")), "new sample");
}

}  // namespace
