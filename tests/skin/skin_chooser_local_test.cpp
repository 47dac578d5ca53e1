// The chooser's local tab on temporary libraries: listing and order, applying each kind of skin,
// delete, user skins, old-skin cleanup, keys, previews and the window's life.
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

namespace kelvo::test {
namespace {

class LocalTabTest : public ChooserTest {
 protected:
  void Library(std::initializer_list<const char*> names, uint32_t base = 0x400000) {
    for (const char* name : names) WriteSkin(folders.Library() + name, base, {SkinPart::BackPanel});
  }
  QString Caption() const { return chooser->windowTitle().mid(QStringLiteral("スキンの変更　現在：").size()); }
};

TEST_F(LocalTabTest, ListsTheRealFoldersOfEachCategoryInBothOrders) {
  Library({"SET_b_Two", "SET_A_One", "SET_c", "PNL_Navy", "HOZ_ユーザー_mine", "DownLoadSkin"});
  QFile(folders.Library() + "SET_file").open(QIODevice::WriteOnly);
  ASSERT_TRUE(QFile::link(folders.Library() + "SET_A_One", folders.Library() + "SET_link"));
  Open();
  struct Row {
    int category;
    const char* order;
    QStringList texts;
  };
  for (const Row& row : std::vector<Row>{{0, "optName", {"A:One", "b:Two", "c"}},
                                         {0, "optDate", {"c", "b:Two", "A:One"}},
                                         {1, "optName", {"Navy"}},
                                         {3, "optName", {}},
                                         {6, "optDate", {"ユーザー:mine"}}}) {
    SelectTab("tabMain", row.category);
    Find<QRadioButton>(row.order)->click();
    EXPECT_EQ(ListTexts(), row.texts) << row.category;
    EXPECT_EQ(SkinName(), row.texts.value(0)) << row.category;
  }
}

TEST_F(LocalTabTest, EachKindAppliesByItsRuleAndShowsInTheCaption) {
  constexpr uint32_t kSet = 0x200000, kKeys = 0x300000, kSaved = 0x500000, kB = kBuiltInBase, kS = kStandardBase;
  WriteSkin(folders.Library() + "SET_Night", kSet, AllParts());
  WriteSkin(folders.Library() + "BTN_Soft", kKeys, {SkinPart::ButtonUp, SkinPart::ButtonDown});
  WriteSkin(folders.Library() + "HOZ_ユーザー_mine", kSaved, {SkinPart::DigitalMark});
  struct Row {
    int startKind;
    int category;  // -1: the standard skin button
    int kind;
    std::vector<uint32_t> origins;  // up, down, digits, back, panel, marks
    const char* caption;
  };
  for (const Row& row : std::vector<Row>{
           {kSkinStandard, 0, kSkinSet, {kSet, kSet, kSet, kSet, kSet, kSet}, "[セット]"},
           {kSkinStandard, 3, kSkinCustom, {kKeys, kKeys, kB, kB, kB, kB}, "[カスタム]"},
           {kSkinSet, 3, kSkinCustom, {kKeys, kKeys, kS, kS, kS, kS}, "[カスタム]"},  // over a set: the rest turns standard
           {kSkinCustom, 6, kSkinUserSaved, {kB, kB, kB, kB, kB, kSaved}, "[ユーザー保存]"},
           {kSkinCustom, -1, kSkinStandard, {kS, kS, kS, kS, kS, kS}, "[標準]"},
           {kSkinStandard, -1, kSkinStandard, {kB, kB, kB, kB, kB, kB}, "[標準]"}}) {  // already standard: nothing loads
    UseBuiltInSheets();
    Settings().skinKind = row.startKind;
    Open();
    if (row.category < 0) {
      Find<QPushButton>("btDef")->click();
    } else {
      SelectTab("tabMain", row.category);
      Key(Qt::Key_Return);
    }
    EXPECT_EQ(Origins(), row.origins) << row.category;
    EXPECT_EQ(Settings().skinKind, row.kind);
    EXPECT_EQ(Caption(), row.caption);
    EXPECT_EQ(Find<QPushButton>("btHozon")->isEnabled(), row.kind == kSkinCustom);
    EXPECT_EQ(Find<QCheckBox>("DefCK")->isChecked(), row.kind == kSkinStandard);
    delete chooser;
  }
}

TEST_F(LocalTabTest, DeletingTheSkinInUseAsksAndKeepsItOnScreen) {
  for (const char* name : {"SET_A", "SET_B", "SET_C"}) WriteSkin(folders.Library() + name, 0x300000, AllParts());
  Open();
  Key(Qt::Key_Down);
  Key(Qt::Key_Return);  // B in use
  answers = {false, true};
  Key(Qt::Key_Delete);
  EXPECT_TRUE(QFileInfo::exists(folders.Library() + "SET_B"));
  Key(Qt::Key_Delete);
  EXPECT_EQ(asked.back(), QStringLiteral("スキン「B」を削除しますか？"));
  EXPECT_EQ(ListTexts(), QStringList({"A", "C"}));
  EXPECT_EQ(SkinName(), "C");  // the entry that took its place, with its preview
  EXPECT_EQ(Origins(), std::vector<uint32_t>(6, 0x300000));
  EXPECT_EQ(QDir(folders.CurrentSkin()).entryList(QDir::Files).size(), 6);
  answers = {true};
  Key(Qt::Key_Delete);  // the last entry: the new last one is selected
  EXPECT_EQ(SkinName(), "A");
}

struct TitleCase {
  const char* name;
  std::vector<std::optional<QString>> typed;
  std::vector<bool> answers;
  std::vector<QString> told;
  std::vector<QString> titleShown;  // what the title dialog starts with, each time
  QString saved;                    // the folder saved, if any
};

void PrintTo(const TitleCase& c, std::ostream* out) { *out << c.name; }

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
  const QStringList saved = QDir(folders.Library()).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
  EXPECT_EQ(saved, c.saved.isEmpty() ? QStringList() : QStringList{c.saved});
  EXPECT_EQ(Settings().skinKind, c.saved.isEmpty() ? kSkinCustom : kSkinUserSaved);
  if (c.saved.isEmpty()) return;
  EXPECT_EQ(QDir(folders.Library() + c.saved).entryList(QDir::Files), QStringList({"imgButtonDown.bmp", "imgButtonUp.bmp"}));
  EXPECT_EQ(Message(), QStringLiteral("保存しました。「ユーザー %1」").arg(c.saved.mid(9)));
}

const QString kUnderscore = QStringLiteral("タイトルに \"_\" は使用出来ません。");
const QString kForbidden = QStringLiteral("タイトルに \\ / : , ; * ? \" < > | は使用出来ません。");

INSTANTIATE_TEST_SUITE_P(
    Titles, UserSkinTitleTest,
    ::testing::Values(
        TitleCase{"SpacesRemoved", {QStringLiteral("\u3000my  skin ")}, {true}, {}, {""}, QStringLiteral("HOZ_ユーザー_myskin")},
        TitleCase{"RefusedTitlesComeBackAsTyped", {QStringLiteral("my_skin"), QStringLiteral("a:b"), QStringLiteral("ok")},
                  {true}, {kUnderscore, kForbidden}, {"", "my_skin", "a:b"}, QStringLiteral("HOZ_ユーザー_ok")},
        TitleCase{"OnlySpacesEndSilently", {QStringLiteral("   ")}, {}, {}, {""}, {}},
        TitleCase{"NoAsksAgainWithTheCleanedTitle", {QStringLiteral(" a b "), std::nullopt}, {false}, {}, {"", "ab"}, {}}));

TEST_F(LocalTabTest, SavingUnderAnExistingTitleAsksBeforeOverwriting) {
  const QString target = folders.Library() + "HOZ_ユーザー_x";
  WriteSkin(target, 0x600000, {SkinPart::BackPanel});
  WriteSkin(folders.CurrentSkin(), 0x300000, {SkinPart::DigitalMark});
  Settings().skinKind = kSkinCustom;
  Open();
  SelectTab("tabMain", kCategoryUserSaved);
  for (bool overwrite : {false, true}) {
    titles = {QStringLiteral("x")};
    answers = {true, overwrite};
    Find<QPushButton>("btHozon")->click();
    EXPECT_EQ(asked.back(), QStringLiteral("同名のタイトルで保存したスキンが存在します。\n上書きして保存しますか？"));
    EXPECT_EQ(QDir(target).entryList(QDir::Files), QStringList{overwrite ? "imgDigitalMark.bmp" : "imgBackPanel.bmp"});
  }
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
  answers = {false, true};
  for (int i = 0; i < 2; ++i) chooser->findChild<QAction*>("Mb_GB")->trigger();
  EXPECT_TRUE(asked.front().endsWith(QStringLiteral("旧スキンファイルを削除しますか？")));
  EXPECT_EQ(QDir(skin).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System), QStringList{"T7"});
  EXPECT_TRUE(QFileInfo::exists(folders.Library() + "SET_Keep/imgBackPanel.bmp"));
  EXPECT_TRUE(QFileInfo::exists(outside.path() + "/victim/imgBackPanel.bmp"));
  EXPECT_EQ(told, std::vector<QString>{QStringLiteral("旧スキンファイルを削除しました。")});  // once, after Yes
}

TEST_F(LocalTabTest, KeysWalkTheCategoriesAndShiftFlipsTheOuterTab) {
  Library({"HOZ_c"});
  Open();
  struct Step {
    int key;
    Qt::KeyboardModifiers modifiers;
    int category;
  };
  for (const Step& step : std::vector<Step>{{Qt::Key_Left, {}, 0},
                                            {Qt::Key_Right, {}, 1},
                                            {Qt::Key_Tab, Qt::ControlModifier, 2},
                                            {Qt::Key_PageUp, Qt::ControlModifier, 1},
                                            {Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier, 0},
                                            {Qt::Key_PageUp, Qt::ControlModifier, 6},
                                            {Qt::Key_Right, {}, 6}}) {
    Key(step.key, step.modifiers);
    EXPECT_EQ(Find<QTabWidget>("tabMain")->currentIndex(), step.category) << step.key;
  }
  EXPECT_EQ(ListTexts(), QStringList{"c"});
  QTabWidget* outer = Find<QTabWidget>("tabForm");
  Key(Qt::Key_Shift, Qt::ShiftModifier);  // Shift alone flips nothing
  EXPECT_EQ(outer->currentIndex(), 0);
  Key(Qt::Key_A, Qt::ShiftModifier);
  EXPECT_EQ(outer->currentIndex(), 1);
  Key(Qt::Key_A, Qt::ShiftModifier);
  EXPECT_EQ(outer->currentIndex(), 0);
  EXPECT_EQ(host->requested, std::vector<QString>{"http://127.0.0.1:1/T7_SkinFilesList.csv"});
}

TEST_F(LocalTabTest, AChildInstanceHasOnlyTheLocalTab) {
  Open(false);
  Key(Qt::Key_A, Qt::ShiftModifier);
  EXPECT_EQ(Find<QTabWidget>("tabForm")->count(), 1);
  EXPECT_TRUE(host->requested.empty());
}

TEST_F(LocalTabTest, PreviewsFallBackToTheNoImagePicture) {
  const QString night = folders.Library() + "SET_1Night/Preview.gif", paper = folders.Library() + "SET_2Paper/Preview.gif";
  Library({"SET_1Night", "SET_2Paper", "SET_3Broken", "SET_4None"});
  QFile::copy(DataFile("Skin/T7/SET_Kelvo_Night/Preview.gif"), night);
  QFile::copy(DataFile("Skin/T7/SET_Kelvo_Paper/Preview.gif"), paper);
  WriteFileBytes((folders.Library() + "SET_3Broken/Preview.gif").toStdString(), ReadFileBytes(night.toStdString()).substr(0, 40));
  Open();
  const QString noImage = folders.Standard() + "NoImage.gif";
  for (const auto& [row, shown, animated] : std::vector<std::tuple<int, QString, bool>>{
           {0, night, true}, {1, paper, false}, {2, noImage, false}, {3, noImage, false}}) {
    List()->setCurrentRow(row);
    EXPECT_EQ(Preview()->ShownPath(), shown) << row;
    EXPECT_EQ(Preview()->Movie()->frameCount() > 1, animated) << row;
  }
  // Without the standard picture either, the last picture stays.
  QFile::remove(noImage);
  List()->setCurrentRow(0);
  List()->setCurrentRow(2);
  EXPECT_EQ(Preview()->ShownPath(), night);
}

TEST_F(LocalTabTest, AnimationsLoopForGoodAndRestWhileTheWindowIsHidden) {
  // The sample animation, without its loop count and at 20 ms a frame, would play once.
  QByteArray gif = QByteArray::fromStdString(ReadFileBytes(DataFile("Skin/T7/SET_Kelvo_Night/Preview.gif").toStdString()));
  gif.remove(gif.indexOf("NETSCAPE2.0") - 3, 19);
  for (qsizetype at = gif.indexOf("\x21\xF9\x04"); at >= 0; at = gif.indexOf("\x21\xF9\x04", at + 1)) gif[at + 4] = 2, gif[at + 5] = 0;
  Library({"SET_Once"});
  WriteFileBytes((folders.Library() + "SET_Once/Preview.gif").toStdString(), gif.toStdString());
  Open();
  QMovie* movie = Preview()->Movie();
  QSignalSpy frames(movie, &QMovie::frameChanged);
  const int last = movie->frameCount() - 1;
  ASSERT_GT(last, 0);
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
  EXPECT_FALSE(chooser->findChild<QAction*>("Mb_AutoPreview")->isChecked());
  QAction* localSave = chooser->findChild<QAction*>("Mb_LocalSave");
  EXPECT_TRUE(localSave->isChecked());
  localSave->trigger();
  WriteFileBytes(folders.Catalogue().toStdString(), "x");
  chooser->findChild<QAction*>("Mb_TOpen")->trigger();
  EXPECT_EQ(opened, std::vector<QUrl>{QUrl::fromLocalFile(folders.Library())});
  chooser->close();
  EXPECT_EQ(host->closed, std::vector<char>{'7'});
  delete chooser;
  IniFile after(CurrentSettingsPath());
  EXPECT_EQ(after.ReadString("Skin", "AutoPreview", ""), "0");
  EXPECT_EQ(after.ReadString("Skin", "LocalSave", ""), "0");
  EXPECT_FALSE(QFileInfo::exists(folders.Catalogue()));
}

}  // namespace
}  // namespace kelvo::test
