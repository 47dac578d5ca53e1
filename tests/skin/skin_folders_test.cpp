// Applying skin folders, the four kinds of change and the start-up restore, on temporary folders.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "pixels.h"
#include "renderer.h"
#include "skin_folders.h"
#include "state.h"

namespace kelvo {
namespace {

constexpr uint32_t kBuiltIn = 0x010000, kStandard = 0x100000, kSetA = 0x200000, kOther = 0x300000;

QString Name(SkinPart part) {
  const auto& info = PartInfo(part);
  return QString::fromLatin1(info.name.data(), info.name.size());
}

const std::vector<SkinPart> kAll = {SkinPart::ButtonUp,  SkinPart::ButtonDown,   SkinPart::DigitalNumber,
                                    SkinPart::BackPanel, SkinPart::DigitalPanel, SkinPart::DigitalMark};

// Each part of a test skin is a small sheet of one colour: base + the part's order.
uint32_t ColourOf(uint32_t base, SkinPart part) { return base + static_cast<uint32_t>(part) + 1; }

class SkinFoldersTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folders = SkinFolders::BesideProgram(program.path());
    QDir().mkpath(folders.CurrentSkin());
    WriteSkin(folders.Standard(), kStandard, kAll);
    for (SkinPart part : kAll) renderer.SetSheet(part, SolidImage(8, 8, ColourOf(kBuiltIn, part)));
  }

  SkinTarget Target(bool startingUp = false, bool primary = true) {
    return SkinTarget{renderer, state, SkinContext{folders, startingUp, primary}};
  }

  static void WriteSkin(const QString& folder, uint32_t base, const std::vector<SkinPart>& parts) {
    QDir().mkpath(folder);
    for (SkinPart part : parts) SolidImage(8, 8, ColourOf(base, part)).save(folder + Name(part) + ".bmp", "BMP");
  }
  QString Library(const char* name) const { return folders.Library() + name + "/"; }

  // Which skin each sheet came from, as the base of its colour.
  uint32_t From(SkinPart part) const { return Rgb(renderer.Sheet(part).pixel(0, 0)) - static_cast<uint32_t>(part) - 1; }
  std::vector<uint32_t> Origins() const {
    std::vector<uint32_t> out;
    for (SkinPart part : kAll) out.push_back(From(part));
    return out;
  }
  QStringList CurrentFiles() const { return QDir(folders.CurrentSkin()).entryList(QDir::Files, QDir::Name); }
  uint32_t CurrentCopyColour(SkinPart part) const {
    return Rgb(QImage(folders.CurrentSkin() + Name(part) + ".bmp").pixel(0, 0));
  }

  QTemporaryDir program;
  SkinFolders folders;
  Renderer renderer;
  EngineState state;
};

TEST_F(SkinFoldersTest, ChoosingTheStandardSkinTwiceLoadsNothingTheSecondTime) {
  int type = kSkinCustom;
  SkinTarget target = Target();
  EXPECT_TRUE(ApplyStandardSkin(target, type).isEmpty());
  EXPECT_EQ(type, kSkinStandard);
  EXPECT_EQ(Origins(), std::vector<uint32_t>(6, kStandard));
  renderer.SetSheet(SkinPart::BackPanel, SolidImage(8, 8, ColourOf(kOther, SkinPart::BackPanel)));
  EXPECT_TRUE(ApplyStandardSkin(target, type).isEmpty());
  EXPECT_EQ(From(SkinPart::BackPanel), kOther);
  EXPECT_EQ(type, kSkinStandard);
}

TEST_F(SkinFoldersTest, ChoosingTheStandardSkinEmptiesTheCurrentSkinFolder) {
  WriteSkin(Library("SET_A"), kSetA, kAll);
  int type = kSkinStandard;
  SkinTarget target = Target();
  ApplySetSkin(target, Library("SET_A"), type);
  EXPECT_EQ(CurrentFiles().size(), 6);
  ApplyStandardSkin(target, type);
  EXPECT_TRUE(CurrentFiles().isEmpty());
}

TEST_F(SkinFoldersTest, ASetIsRecordedExactlyAndShowsStandardPartsItLacks) {
  WriteSkin(Library("SET_Only_Back"), kSetA, {SkinPart::BackPanel});
  WriteSkin(folders.CurrentSkin(), kOther, kAll);  // a custom skin was in use
  int type = kSkinCustom;
  SkinTarget target = Target();
  EXPECT_TRUE(ApplySetSkin(target, Library("SET_Only_Back"), type).isEmpty());
  EXPECT_EQ(type, kSkinSet);
  EXPECT_EQ(Origins(), (std::vector<uint32_t>{kStandard, kStandard, kStandard, kSetA, kStandard, kStandard}));
  EXPECT_EQ(CurrentFiles(), QStringList{"imgBackPanel.bmp"});
  EXPECT_EQ(CurrentCopyColour(SkinPart::BackPanel), ColourOf(kSetA, SkinPart::BackPanel));
}

TEST_F(SkinFoldersTest, AButtonSkinWhileASetIsInUseReturnsTheOtherPartsToStandard) {
  WriteSkin(Library("SET_A"), kSetA, kAll);
  WriteSkin(Library("BTN_B"), kOther, {SkinPart::ButtonUp, SkinPart::ButtonDown});
  int type = kSkinStandard;
  SkinTarget target = Target();
  ApplySetSkin(target, Library("SET_A"), type);
  EXPECT_TRUE(ApplyPartSkin(target, Library("BTN_B"), 3, type).isEmpty());
  EXPECT_EQ(type, kSkinCustom);
  EXPECT_EQ(Origins(), (std::vector<uint32_t>{kOther, kOther, kStandard, kStandard, kStandard, kStandard}));
  EXPECT_EQ(CurrentFiles(), (QStringList{"imgButtonDown.bmp", "imgButtonUp.bmp"}));
}

TEST_F(SkinFoldersTest, APartOverACustomSkinReplacesOnlyThatPart) {
  WriteSkin(Library("PNL_P"), kSetA, {SkinPart::BackPanel});
  WriteSkin(Library("DGN_D"), kOther, {SkinPart::DigitalNumber});
  WriteSkin(Library("HOZ_User_Mine"), kSetA, {SkinPart::DigitalMark});
  int type = kSkinStandard;
  SkinTarget target = Target();
  ApplySkinOfCategory(target, Library("PNL_P"), 1, type);
  ApplySkinOfCategory(target, Library("DGN_D"), 4, type);
  EXPECT_EQ(type, kSkinCustom);
  ApplySkinOfCategory(target, Library("HOZ_User_Mine"), 6, type);
  EXPECT_EQ(type, kSkinUserSaved);
  EXPECT_EQ(Origins(), (std::vector<uint32_t>{kBuiltIn, kBuiltIn, kOther, kSetA, kBuiltIn, kSetA}));
  EXPECT_EQ(CurrentFiles(), (QStringList{"imgBackPanel.bmp", "imgDigitalMark.bmp", "imgDigitalNumber.bmp"}));
}

TEST_F(SkinFoldersTest, ApplyingABackPanelDeletesEveryCopyOfItWhateverItsExtension) {
  WriteSkin(Library("PNL_P"), kSetA, {SkinPart::BackPanel});
  WriteSkin(folders.CurrentSkin(), kOther, {SkinPart::ButtonUp});
  for (const char* name : {"imgBackPanel.gif", "imgBackPanel.old.bmp", "imgbackpanel.BMP", "imgBackPanelX.bmp"}) {
    QFile file(folders.CurrentSkin() + name);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  }
  int type = kSkinStandard;
  SkinTarget target = Target();
  ApplyPartSkin(target, Library("PNL_P"), 1, type);
  EXPECT_EQ(CurrentFiles(), (QStringList{"imgBackPanel.bmp", "imgBackPanelX.bmp", "imgButtonUp.bmp"}));
}

TEST_F(SkinFoldersTest, PartFilesAreFoundWhateverTheLetterCaseOfTheirNames) {
  WriteSkin(Library("SET_Upper"), kSetA, kAll);
  QDir set(Library("SET_Upper"));
  for (SkinPart part : kAll) set.rename(Name(part) + ".bmp", Name(part).toUpper() + ".BMP");
  int type = kSkinStandard;
  SkinTarget target = Target();
  EXPECT_TRUE(ApplySetSkin(target, Library("SET_Upper"), type).isEmpty());
  EXPECT_EQ(Origins(), std::vector<uint32_t>(6, kSetA));
  // The copies in the current-skin folder carry the usual names, and the restart finds them.
  EXPECT_EQ(CurrentFiles().size(), 6);
  EXPECT_EQ(CurrentCopyColour(SkinPart::DigitalMark), ColourOf(kSetA, SkinPart::DigitalMark));
  EXPECT_EQ(FindFileIgnoringCase(Library("SET_Upper"), "preview.GIF"), QString());
}

TEST_F(SkinFoldersTest, ACurrentSkinFolderThatIsALinkIsNeverWrittenThrough) {
  QTemporaryDir elsewhere;
  WriteSkin(elsewhere.path() + "/", kOther, kAll);
  QDir(folders.CurrentSkin()).removeRecursively();
  QString current = folders.CurrentSkin();
  current.chop(1);
  ASSERT_TRUE(QFile::link(elsewhere.path(), current));
  WriteSkin(Library("SET_A"), kSetA, kAll);
  int type = kSkinStandard;
  SkinTarget target = Target();
  EXPECT_TRUE(ApplySetSkin(target, Library("SET_A"), type).isEmpty());
  EXPECT_EQ(Origins(), std::vector<uint32_t>(6, kSetA));
  ApplyStandardSkin(target, type);
  for (SkinPart part : kAll)
    EXPECT_EQ(Rgb(QImage(elsewhere.path() + "/" + Name(part) + ".bmp").pixel(0, 0)), ColourOf(kOther, part));
}

TEST_F(SkinFoldersTest, RestartingAfterASetRestoresItWithoutDeletingOrCopying) {
  WriteSkin(Library("SET_A"), kSetA, kAll);
  int type = kSkinStandard;
  SkinTarget target = Target();
  ApplySetSkin(target, Library("SET_A"), type);
  QFile::remove(Library("SET_A") + "imgButtonUp.bmp");  // the library may change meanwhile
  QFile extra(folders.CurrentSkin() + "imgDigitalMark.gif");
  ASSERT_TRUE(extra.open(QIODevice::WriteOnly));
  extra.close();
  const QStringList before = CurrentFiles();

  Renderer restarted;
  for (SkinPart part : kAll) restarted.SetSheet(part, SolidImage(8, 8, ColourOf(kBuiltIn, part)));
  int keysDrawn = 0, composites = 0;
  QObject::connect(&restarted, &Renderer::keyImageChanged, [&](int) { ++keysDrawn; });
  QObject::connect(&restarted, &Renderer::panelChanged, [&] { ++composites; });
  SkinTarget startUp{restarted, state, SkinContext{folders, true, true}};
  EXPECT_TRUE(RestoreSkinAtStartUp(startUp, type).isEmpty());
  EXPECT_EQ(CurrentFiles(), before);
  for (SkinPart part : kAll) EXPECT_EQ(Rgb(restarted.Sheet(part).pixel(0, 0)), ColourOf(kSetA, part));
  EXPECT_EQ(keysDrawn, 32);
  EXPECT_EQ(composites, 1);
}

TEST_F(SkinFoldersTest, AStandardStartUpBuildsTheCompositeAndDrawsTheKeysFromTheBuiltInSheets) {
  WriteSkin(folders.CurrentSkin(), kOther, kAll);  // left over, but the type says standard
  int keysDrawn = 0, composites = 0, markStrips = 0;
  QObject::connect(&renderer, &Renderer::keyImageChanged, [&](int) { ++keysDrawn; });
  QObject::connect(&renderer, &Renderer::panelChanged, [&] { ++composites; });
  QObject::connect(&renderer, &Renderer::markStripChanged, [&] { ++markStrips; });
  SkinTarget startUp = Target(true);
  RestoreSkinAtStartUp(startUp, kSkinStandard);
  EXPECT_EQ(Origins(), std::vector<uint32_t>(6, kBuiltIn));
  EXPECT_EQ(keysDrawn, 32);
  EXPECT_EQ(composites, 1);
  EXPECT_EQ(markStrips, 1);
}

TEST_F(SkinFoldersTest, AChildInstanceAppliesSkinsButNeverTouchesTheCurrentSkinFolder) {
  WriteSkin(Library("SET_A"), kSetA, kAll);
  WriteSkin(folders.CurrentSkin(), kOther, {SkinPart::BackPanel});
  int type = kSkinCustom;
  SkinTarget child = Target(false, false);
  EXPECT_TRUE(ApplySetSkin(child, Library("SET_A"), type).isEmpty());
  EXPECT_EQ(Origins(), std::vector<uint32_t>(6, kSetA));
  EXPECT_EQ(CurrentFiles(), QStringList{"imgBackPanel.bmp"});
  EXPECT_EQ(CurrentCopyColour(SkinPart::BackPanel), ColourOf(kOther, SkinPart::BackPanel));
}

TEST_F(SkinFoldersTest, AnUnreadablePartStopsTheOperationAfterTheDeleteOfItsCopy) {
  WriteSkin(Library("SET_Bad"), kSetA, kAll);
  QFile bad(Library("SET_Bad") + "imgDigitalNumber.bmp");
  ASSERT_TRUE(bad.open(QIODevice::WriteOnly | QIODevice::Truncate));
  bad.write("not a bitmap");
  bad.close();
  WriteSkin(folders.CurrentSkin(), kOther, {SkinPart::DigitalNumber, SkinPart::DigitalMark});
  int keysDrawn = 0;
  QObject::connect(&renderer, &Renderer::keyImageChanged, [&](int) { ++keysDrawn; });
  int type = kSkinCustom;
  SkinTarget target = Target();
  const QString error = ApplySetSkin(target, Library("SET_Bad"), type);
  EXPECT_TRUE(error.contains(QStringLiteral("imgDigitalNumber.bmp")));
  EXPECT_EQ(type, kSkinCustom);  // unchanged
  EXPECT_EQ(Origins(), (std::vector<uint32_t>{kSetA, kSetA, kStandard, kStandard, kStandard, kStandard}));
  EXPECT_EQ(CurrentFiles(), (QStringList{"imgButtonDown.bmp", "imgButtonUp.bmp"}));
  EXPECT_EQ(keysDrawn, 2 * 32);  // the keys show the button sheets that did arrive
}

TEST_F(SkinFoldersTest, ApplyingTheCurrentSkinFolderItselfNeverDeletesIt) {
  WriteSkin(folders.CurrentSkin(), kOther, kAll);
  int type = kSkinCustom;
  SkinTarget target = Target();
  EXPECT_TRUE(ApplyPartSkin(target, folders.CurrentSkin(), 1, type).isEmpty());
  EXPECT_EQ(CurrentFiles().size(), 6);
  EXPECT_EQ(Origins(), std::vector<uint32_t>(6, kOther));
}

TEST_F(SkinFoldersTest, AMissingStandardFolderMakesTheStandardPassDoNothing) {
  QDir(folders.Standard()).removeRecursively();
  WriteSkin(Library("SET_A"), kSetA, {SkinPart::ButtonUp});
  int type = kSkinSet;
  SkinTarget target = Target();
  EXPECT_TRUE(ApplyStandardSkin(target, type).isEmpty());
  EXPECT_EQ(type, kSkinStandard);
  EXPECT_TRUE(ApplySetSkin(target, Library("SET_A"), type).isEmpty());
  EXPECT_EQ(Origins(), (std::vector<uint32_t>{kSetA, kBuiltIn, kBuiltIn, kBuiltIn, kBuiltIn, kBuiltIn}));
}

struct RedrawCase {
  SkinPart part;
  int keys, composites, numbers, markStrips;
};

TEST_F(SkinFoldersTest, EachGroupRedrawsOnlyWhatItShows) {
  const std::vector<RedrawCase> cases = {
      {SkinPart::ButtonDown, 32, 0, 0, 0}, {SkinPart::BackPanel, 0, 1, 0, 0},   {SkinPart::DigitalPanel, 0, 1, 0, 0},
      {SkinPart::DigitalNumber, 0, 0, 1, 0}, {SkinPart::DigitalMark, 0, 0, 0, 0},
  };
  for (const RedrawCase& c : cases) {
    const QString folder = folders.Library() + "PART_" + Name(c.part) + "/";
    WriteSkin(folder, kOther, {c.part});
    int keys = 0, composites = 0, numbers = 0, markStrips = 0;
    Renderer r;
    QObject::connect(&r, &Renderer::keyImageChanged, [&](int) { ++keys; });
    QObject::connect(&r, &Renderer::panelChanged, [&] { ++composites; });
    QObject::connect(&r, &Renderer::numberStripChanged, [&] { ++numbers; });
    QObject::connect(&r, &Renderer::markStripChanged, [&] { ++markStrips; });
    SkinTarget target{r, state, SkinContext{folders, false, true}};
    ApplySkinFolder(target, folder, true);
    EXPECT_EQ(keys, c.keys) << Name(c.part).toStdString();
    EXPECT_EQ(composites, c.composites) << Name(c.part).toStdString();
    EXPECT_EQ(numbers, c.numbers) << Name(c.part).toStdString();
    EXPECT_EQ(markStrips, c.markStrips) << Name(c.part).toStdString();  // nothing to light in a fresh state
  }
}

}  // namespace
}  // namespace kelvo
