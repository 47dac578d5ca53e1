// The chooser's local tab on temporary libraries: listing and order, applying each kind of skin,
// the standard skin, delete, user skins, old-skin cleanup, keys, previews and the window's life.
#include <QAction>
#include <QCheckBox>
#include <QFileInfo>
#include <QMovie>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>

#include "chooser_fixture.h"
#include "ini_file.h"
#include "skin_library.h"

namespace kelvo::test {
namespace {

class LocalTabTest : public ChooserTest {
 protected:
  void Library(std::initializer_list<const char*> names) {
    for (const char* name : names) WriteSkin(folders.Library() + name, 0x400000, {SkinPart::BackPanel});
  }
};

TEST_F(LocalTabTest, ListsTheFoldersOfEachCategoryInBothOrders) {
  Library({"SET_b_Two", "SET_A_One", "SET_c", "PNL_Navy", "HOZ_ユーザー_mine", "DownLoadSkin", "BTN"});
  QFile file(folders.Library() + "SET_file");
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  ASSERT_TRUE(QFile::link(folders.Library() + "SET_A_One", folders.Library() + "SET_link"));
  Open();
  struct Row {
    int category;
    bool descending;
    QStringList texts;
  };
  for (const Row& row : std::vector<Row>{{0, false, {"A:One", "b:Two", "c"}},
                                         {0, true, {"c", "b:Two", "A:One"}},
                                         {1, false, {"Navy"}},
                                         {3, false, {}},
                                         {6, true, {"ユーザー:mine"}}}) {
    SelectTab("tabMain", row.category);
    Find<QRadioButton>(row.descending ? "optDate" : "optName")->click();
    EXPECT_EQ(ListTexts(), row.texts) << row.category;
    EXPECT_EQ(SkinName(), row.texts.value(0)) << row.category;
  }
}

TEST_F(LocalTabTest, EachCategoryAppliesByItsRule) {
  constexpr uint32_t kSet = 0x200000, kButtons = 0x300000, kSaved = 0x500000, kB = kBuiltInBase, kS = kStandardBase;
  WriteSkin(folders.Library() + "SET_Night", kSet, AllParts());
  WriteSkin(folders.Library() + "BTN_Soft", kButtons, {SkinPart::ButtonUp, SkinPart::ButtonDown});
  WriteSkin(folders.Library() + "HOZ_ユーザー_mine", kSaved, {SkinPart::DigitalMark});
  struct Row {
    int startKind;
    int category;
    int kind;
    std::vector<uint32_t> origins;  // up, down, digits, back, panel, marks
  };
  const std::vector<Row> rows = {
      {kSkinStandard, 0, kSkinSet, {kSet, kSet, kSet, kSet, kSet, kSet}},
      {kSkinStandard, 3, kSkinCustom, {kButtons, kButtons, kB, kB, kB, kB}},
      {kSkinSet, 3, kSkinCustom, {kButtons, kButtons, kS, kS, kS, kS}},  // a part over a set: the rest turns standard
      {kSkinCustom, 6, kSkinUserSaved, {kB, kB, kB, kB, kB, kSaved}},
  };
  for (const Row& row : rows) {
    for (SkinPart part : AllParts()) renderer.SetSheet(part, SolidImage(8, 8, PartColour(kBuiltInBase, part)));
    Settings().skinKind = row.startKind;
    Open();
    SelectTab("tabMain", row.category);
    Key(Qt::Key_Return);
    EXPECT_EQ(Origins(), row.origins) << row.category;
    EXPECT_EQ(Settings().skinKind, row.kind);
    EXPECT_TRUE(chooser->windowTitle().startsWith(QStringLiteral("スキンの変更　現在：")));
    EXPECT_EQ(Find<QPushButton>("btHozon")->isEnabled(), row.kind == kSkinCustom);
    delete chooser;
  }
}

TEST_F(LocalTabTest, TheStandardSkinLoadsOnlyWhenAnotherIsInUse) {
  Settings().skinKind = kSkinCustom;
  Open();
  EXPECT_EQ(chooser->windowTitle(), QStringLiteral("スキンの変更　現在：[カスタム]"));
  Find<QPushButton>("btDef")->click();
  EXPECT_EQ(Origins(), std::vector<uint32_t>(6, kStandardBase));
  EXPECT_EQ(chooser->windowTitle(), QStringLiteral("スキンの変更　現在：[標準]"));
  EXPECT_TRUE(Find<QCheckBox>("DefCK")->isChecked());
  EXPECT_FALSE(Find<QPushButton>("btHozon")->isEnabled());
  renderer.SetSheet(SkinPart::BackPanel, SolidImage(8, 8, PartColour(0x700000, SkinPart::BackPanel)));
  Find<QPushButton>("btDef")->click();
  EXPECT_EQ(From(SkinPart::BackPanel), 0x700000u);
}

TEST_F(LocalTabTest, DeletingTheSkinInUseAsksAndKeepsItOnScreen) {
  WriteSkin(folders.Library() + "SET_A", 0x200000, AllParts());
  WriteSkin(folders.Library() + "SET_B", 0x300000, AllParts());
  WriteSkin(folders.Library() + "SET_C", 0x600000, AllParts());
  Open();
  Key(Qt::Key_Down);
  Key(Qt::Key_Return);  // SET_B in use
  answers = {false};
  Key(Qt::Key_Delete);
  EXPECT_TRUE(QFileInfo::exists(folders.Library() + "SET_B"));
  answers = {true};
  Key(Qt::Key_Delete);
  EXPECT_EQ(asked.back(), QStringLiteral("スキン「B」を削除しますか？"));
  EXPECT_FALSE(QFileInfo::exists(folders.Library() + "SET_B"));
  EXPECT_EQ(ListTexts(), QStringList({"A", "C"}));
  EXPECT_EQ(SkinName(), "C");  // the entry that took its place, with its preview
  EXPECT_EQ(Origins(), std::vector<uint32_t>(6, 0x300000));
  EXPECT_EQ(QDir(folders.CurrentSkin()).entryList(QDir::Files).size(), 6);
  answers = {true};
  Key(Qt::Key_Delete);  // the last entry: the new last one is selected
  EXPECT_EQ(List()->currentRow(), 0);
  EXPECT_EQ(SkinName(), "A");
}

struct TitleCase {
  const char* name;
  std::vector<std::optional<QString>> typed;
  std::vector<bool> answers;
  std::vector<QString> told;
  std::vector<QString> titleShown;  // what the title dialog starts with, each time
  QString savedFolder;              // empty: nothing saved
};

class UserSkinTitleTest : public LocalTabTest, public ::testing::WithParamInterface<TitleCase> {};

TEST_P(UserSkinTitleTest, TitlesAreCheckedCleanedAndConfirmed) {
  const TitleCase& c = GetParam();
  WriteSkin(folders.CurrentSkin(), 0x300000, {SkinPart::ButtonUp, SkinPart::ButtonDown});
  Settings().skinKind = kSkinCustom;
  Open();
  titles.assign(c.typed.begin(), c.typed.end());
  answers.assign(c.answers.begin(), c.answers.end());
  Find<QPushButton>("btHozon")->click();
  EXPECT_EQ(told, c.told);
  EXPECT_EQ(titleShown, c.titleShown);
  EXPECT_TRUE(answers.empty());
  const QStringList saved = QDir(folders.Library()).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
  if (c.savedFolder.isEmpty()) {
    EXPECT_TRUE(saved.isEmpty());
    EXPECT_EQ(Settings().skinKind, kSkinCustom);
    return;
  }
  EXPECT_EQ(saved, QStringList{c.savedFolder});
  EXPECT_EQ(QDir(folders.Library() + c.savedFolder).entryList(QDir::Files),
            QStringList({"imgButtonDown.bmp", "imgButtonUp.bmp"}));
  EXPECT_EQ(Settings().skinKind, kSkinUserSaved);
  EXPECT_EQ(chooser->windowTitle(), QStringLiteral("スキンの変更　現在：[ユーザー保存]"));
  EXPECT_TRUE(Message().startsWith(QStringLiteral("保存しました。「ユーザー ")));
}

const QString kUnderscore = QStringLiteral("タイトルに \"_\" は使用出来ません。");
const QString kForbidden = QStringLiteral("タイトルに \\ / : , ; * ? \" < > | は使用出来ません。");

INSTANTIATE_TEST_SUITE_P(
    Titles, UserSkinTitleTest,
    ::testing::Values(
        TitleCase{"SpacesRemoved", {QStringLiteral("\u3000my  skin ")}, {true}, {}, {""}, QStringLiteral("HOZ_ユーザー_myskin")},
        TitleCase{"UnderscoreAndColonAskAgainWithTheTypedText",
                  {QStringLiteral("my_skin"), QStringLiteral("a:b"), QStringLiteral("ok")},
                  {true},
                  {kUnderscore, kForbidden},
                  {"", "my_skin", "a:b"},
                  QStringLiteral("HOZ_ユーザー_ok")},
        TitleCase{"OnlySpacesEndSilently", {QStringLiteral("   ")}, {}, {}, {""}, {}},
        TitleCase{"CancelEnds", {std::nullopt}, {}, {}, {""}, {}},
        TitleCase{"NoAsksAgainWithTheCleanedTitle",
                  {QStringLiteral(" a b "), std::nullopt},
                  {false},
                  {},
                  {"", "ab"},
                  {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(LocalTabTest, SavingUnderAnExistingTitleAsksBeforeOverwriting) {
  const QString target = folders.Library() + "HOZ_ユーザー_x";
  WriteSkin(target, 0x600000, {SkinPart::BackPanel});
  WriteSkin(folders.CurrentSkin(), 0x300000, {SkinPart::DigitalMark});
  Settings().skinKind = kSkinCustom;
  Open();
  SelectTab("tabMain", kCategoryUserSaved);
  titles = {QStringLiteral("x")};
  answers = {true, false};
  Find<QPushButton>("btHozon")->click();
  EXPECT_EQ(asked.back(), QStringLiteral("同名のタイトルで保存したスキンが存在します。\n上書きして保存しますか？"));
  EXPECT_EQ(QDir(target).entryList(QDir::Files), QStringList{"imgBackPanel.bmp"});
  titles = {QStringLiteral("x")};
  answers = {true, true};
  Find<QPushButton>("btHozon")->click();
  EXPECT_EQ(QDir(target).entryList(QDir::Files), QStringList{"imgDigitalMark.bmp"});
  EXPECT_EQ(ListTexts(), QStringList{"ユーザー:x"});
}

TEST_F(LocalTabTest, OldSkinCleanupRemovesAllButTheLibraryAndNeverFollowsLinks) {
  const QString skin = folders.kelvoFiles + "Skin/";
  Library({"SET_Keep"});
  WriteSkin(skin + "OldSkin", 0x100, {SkinPart::BackPanel});
  QFile(skin + "old.bmp").open(QIODevice::WriteOnly);
  QTemporaryDir outside;
  WriteSkin(outside.path() + "/victim", 0x100, {SkinPart::BackPanel});
  ASSERT_TRUE(QFile::link(outside.path() + "/victim", skin + "link"));
  Open();
  QAction* cleanup = chooser->findChild<QAction*>("Mb_GB");
  answers = {false};
  cleanup->trigger();
  EXPECT_EQ(QDir(skin).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System).size(), 4);
  answers = {true};
  cleanup->trigger();
  EXPECT_EQ(QDir(skin).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System), QStringList{"T7"});
  EXPECT_TRUE(QFileInfo::exists(folders.Library() + "SET_Keep/imgBackPanel.bmp"));
  EXPECT_TRUE(QFileInfo::exists(outside.path() + "/victim/imgBackPanel.bmp"));
  EXPECT_EQ(told, std::vector<QString>{QStringLiteral("旧スキンファイルを削除しました。")});
  EXPECT_TRUE(asked.front().endsWith(QStringLiteral("旧スキンファイルを削除しますか？")));
}

TEST_F(LocalTabTest, ArrowKeysWalkTheCategoriesAndShiftFlipsTheOuterTab) {
  Library({"SET_a", "PNL_b", "HOZ_c"});
  Open();
  QTabWidget* categories = Find<QTabWidget>("tabMain");
  QTabWidget* outer = Find<QTabWidget>("tabForm");
  struct Step {
    int key;
    Qt::KeyboardModifiers modifiers;
    int category;
  };
  for (const Step& step : std::vector<Step>{{Qt::Key_Left, {}, 0},
                                            {Qt::Key_Right, {}, 1},
                                            {Qt::Key_Tab, Qt::ControlModifier, 2},
                                            {Qt::Key_PageUp, Qt::ControlModifier, 1},
                                            {Qt::Key_PageUp, Qt::ControlModifier, 0},
                                            {Qt::Key_PageUp, Qt::ControlModifier, 6},
                                            {Qt::Key_Right, {}, 6}}) {
    Key(step.key, step.modifiers);
    EXPECT_EQ(categories->currentIndex(), step.category);
  }
  EXPECT_EQ(ListTexts(), QStringList{"c"});
  EXPECT_EQ(outer->count(), 2);
  Key(Qt::Key_Shift, Qt::ShiftModifier);  // Shift alone flips nothing
  EXPECT_EQ(outer->currentIndex(), 0);
  Key(Qt::Key_A, Qt::ShiftModifier);
  EXPECT_EQ(outer->currentIndex(), 1);
  EXPECT_EQ(host->requested, std::vector<QString>{"http://127.0.0.1:1/T7_SkinFilesList.csv"});
  Key(Qt::Key_A, Qt::ShiftModifier);
  EXPECT_EQ(outer->currentIndex(), 0);
}

TEST_F(LocalTabTest, AChildInstanceHasOnlyTheLocalTab) {
  Open(false);
  Key(Qt::Key_A, Qt::ShiftModifier);
  EXPECT_EQ(Find<QTabWidget>("tabForm")->count(), 1);
  EXPECT_TRUE(host->requested.empty());
}

TEST_F(LocalTabTest, PreviewsFallBackToTheNoImagePicture) {
  const QString night = folders.Library() + "SET_1Night/Preview.gif";
  Library({"SET_1Night", "SET_2Paper", "SET_3Broken", "SET_4None"});
  QFile::copy(DataFile("Skin/T7/SET_Kelvo_Night/Preview.gif"), night);
  QFile::copy(DataFile("Skin/T7/SET_Kelvo_Paper/Preview.gif"), folders.Library() + "SET_2Paper/Preview.gif");
  WriteFileBytes((folders.Library() + "SET_3Broken/Preview.gif").toStdString(), ReadFileBytes(night.toStdString()).substr(0, 40));
  Open();
  const QString noImage = folders.Standard() + "NoImage.gif";
  struct Row {
    const char* skin;
    QString shown;
    bool animated;
  };
  for (const Row& row : std::vector<Row>{{"1Night", night, true},
                                         {"2Paper", folders.Library() + "SET_2Paper/Preview.gif", false},
                                         {"3Broken", noImage, false},
                                         {"4None", noImage, false}}) {
    List()->setCurrentItem(List()->findItems(row.skin, Qt::MatchExactly).value(0));
    EXPECT_EQ(Preview()->ShownPath(), row.shown) << row.skin;
    ASSERT_NE(Preview()->Movie(), nullptr);
    EXPECT_EQ(Preview()->Movie()->frameCount() > 1, row.animated) << row.skin;
  }
  // Without the standard picture either, the last picture stays.
  QFile::remove(noImage);
  List()->setCurrentRow(0);
  List()->setCurrentRow(2);
  EXPECT_EQ(Preview()->ShownPath(), night);
}

TEST_F(LocalTabTest, AnimationsLoopForGoodAndRestWhileTheWindowIsHidden) {
  // The sample animation without its loop count would play once; the chooser loops it.
  QByteArray gif = QByteArray::fromStdString(ReadFileBytes(DataFile("Skin/T7/SET_Kelvo_Night/Preview.gif").toStdString()));
  const qsizetype loop = gif.indexOf("NETSCAPE2.0");
  ASSERT_GT(loop, 3);
  gif.remove(loop - 3, 19);
  for (qsizetype at = gif.indexOf("\x21\xF9\x04"); at >= 0; at = gif.indexOf("\x21\xF9\x04", at + 1)) {
    gif[at + 4] = 2;  // 20 ms a frame, to keep the test short
    gif[at + 5] = 0;
  }
  Library({"SET_Once"});
  WriteFileBytes((folders.Library() + "SET_Once/Preview.gif").toStdString(), gif.toStdString());
  Open();
  QMovie* movie = Preview()->Movie();
  ASSERT_NE(movie, nullptr);
  ASSERT_GT(movie->frameCount(), 1);
  QSignalSpy frames(movie, &QMovie::frameChanged);
  const int last = movie->frameCount() - 1;
  EXPECT_TRUE(QTest::qWaitFor([&] {
    for (int i = 1; i < frames.size(); ++i)
      if (frames[i - 1][0].toInt() == last && frames[i][0].toInt() == 0) return true;
    return false;
  }, 5000));
  // Hidden in the task tray and shown again from there, the window keeps its picture.
  chooser->hide();
  EXPECT_NE(movie->state(), QMovie::Running);
  host->trayRestoring = true;
  chooser->show();
  EXPECT_EQ(Preview()->Movie(), movie);
  EXPECT_EQ(movie->state(), QMovie::Running);
}

TEST_F(LocalTabTest, ClosingLeavesTheListAndEndingWritesTheOptionsAndDropsTheCatalogue) {
  IniFile before(CurrentSettingsPath());
  before.WriteString("Skin", "AutoPreview", "0");
  ASSERT_TRUE(before.Flush().ok);
  Open();
  QAction* autoPreview = chooser->findChild<QAction*>("Mb_AutoPreview");
  QAction* localSave = chooser->findChild<QAction*>("Mb_LocalSave");
  EXPECT_FALSE(autoPreview->isChecked());
  EXPECT_TRUE(localSave->isChecked());
  localSave->trigger();
  WriteFileBytes(folders.Catalogue().toStdString(), "x");
  chooser->findChild<QAction*>("Mb_TOpen")->trigger();
  EXPECT_EQ(opened, std::vector<QUrl>{QUrl::fromLocalFile(folders.Library())});
  chooser->close();
  EXPECT_EQ(host->closed, std::vector<char>{'7'});
  EXPECT_TRUE(chooser->Closing());
  delete chooser;
  IniFile after(CurrentSettingsPath());
  EXPECT_EQ(after.ReadString("Skin", "AutoPreview", ""), "0");
  EXPECT_EQ(after.ReadString("Skin", "LocalSave", ""), "0");
  EXPECT_FALSE(QFileInfo::exists(folders.Catalogue()));
}

}  // namespace
}  // namespace kelvo::test
