// Start-up reads, per-change writes, the exit write and child instances.
#include <gtest/gtest.h>

#include "ini_file.h"
#include "program_folder.h"
#include "settings.h"
#include "shell_paths.h"

using namespace kelvo;

namespace {

class SettingsTest : public ::testing::Test {
 protected:
  // Both start-up passes of a primary instance.
  void LoadBothPasses() {
    pass1 = LoadSettingsPass1(checks, true);
    LoadSettingsPass2(checks, true, 0);
  }
  bool Checked(MenuCheck item) const { return checks.IsChecked(item); }

  test::ProgramFolder folder;
  MemorySettingsChecks checks;
  SettingsPass1 pass1;
};

TEST_F(SettingsTest, WithoutASettingsFileEverythingTakesItsDefault) {
  LoadBothPasses();
  const SettingValues& values = Settings();
  EXPECT_EQ(values.roundSelector, 1);
  EXPECT_EQ(values.decimalSelector, 5);
  EXPECT_EQ(values.percentType, 1);
  EXPECT_DOUBLE_EQ(values.taxRate, 0.10);
  EXPECT_DOUBLE_EQ(values.reducedTaxRate, 0.08);
  EXPECT_DOUBLE_EQ(ActiveTaxRate(), 0.10);
  EXPECT_EQ(values.taxDecimals, 0);
  EXPECT_EQ(values.taxRounding, 1);
  EXPECT_TRUE(values.alwaysOnTop);
  EXPECT_TRUE(values.autoUpdate);
  EXPECT_TRUE(values.grandTotal);
  EXPECT_TRUE(values.answerCheck);
  EXPECT_EQ(values.skinKind, 0);
  EXPECT_TRUE(pass1.keyButtonOn);
  EXPECT_FALSE(pass1.restorePosition);
  const std::pair<MenuCheck, bool> marks[] = {
      {MenuCheck::KeyPanelOn, false}, {MenuCheck::KeyButtonOn, true}, {MenuCheck::StartUpEndOn, false},
      {MenuCheck::TaskBarIn, false},  {MenuCheck::PerSharp, true},    {MenuCheck::PerCasio, false},
      {MenuCheck::GrandTotal, true},  {MenuCheck::AnswerCK, true},    {MenuCheck::FrontSideOn, true},
      {MenuCheck::AutoUpdate, true},  {MenuCheck::ReducedTaxRate, false},
  };
  for (const auto& [item, checked] : marks) EXPECT_EQ(Checked(item), checked) << static_cast<int>(item);
  EXPECT_FALSE(test::Exists(folder.MainSettings()));  // reading never creates the file
}

TEST_F(SettingsTest, OddValuesInTheFileAreReadAsTheyShouldBe) {
  test::WriteFileBytes(folder.MainSettings(),
                       "[Value]\r\nRoundSelecter=7\r\nDecimalSelecter=6\r\nPerType=7\r\nGrandTotal=abc\r\n"
                       "AnswerCK=0x0\r\n[View]\r\nKeyPanelOn  =  1\r\nKeyButtonOn=0\r\nFrontSideOn=0\r\n"
                       "TaskBarIn=1\r\n[Tax]\r\nZeiritu=eight\r\nDc=3\r\nRs=9\r\n[Skin]\r\nCustumSkinType=2\r\n"
                       "[StartUp]\r\nAutoUpdate=0\r\n");
  LoadBothPasses();
  const SettingValues& values = Settings();
  EXPECT_EQ(values.roundSelector, 7);  // kept as read; it works as F
  EXPECT_EQ(EffectiveRoundSelector(values.roundSelector), 1);
  EXPECT_EQ(EffectiveDecimalSelector(values.decimalSelector), -9);
  EXPECT_EQ(values.percentType, 7);
  EXPECT_FALSE(Checked(MenuCheck::PerSharp));
  EXPECT_TRUE(Checked(MenuCheck::PerCasio));
  EXPECT_TRUE(Checked(MenuCheck::GrandTotal));  // "abc" is the default
  EXPECT_FALSE(Checked(MenuCheck::AnswerCK));   // "0x0" is zero
  EXPECT_FALSE(values.answerCheck);             // what the engine reads agrees with the item
  EXPECT_TRUE(values.grandTotal);
  EXPECT_TRUE(Checked(MenuCheck::KeyPanelOn));
  EXPECT_FALSE(Checked(MenuCheck::KeyButtonOn));
  EXPECT_FALSE(pass1.keyButtonOn);
  EXPECT_FALSE(Checked(MenuCheck::FrontSideOn));
  EXPECT_FALSE(values.alwaysOnTop);
  EXPECT_FALSE(Checked(MenuCheck::TaskBarIn));  // residency always starts off
  EXPECT_DOUBLE_EQ(values.taxRate, 0.10);  // "eight" is the default
  EXPECT_EQ(values.taxDecimals, 3);
  EXPECT_EQ(values.taxRounding, 9);
  EXPECT_EQ(values.skinKind, 2);
  EXPECT_FALSE(values.autoUpdate);
  EXPECT_FALSE(Checked(MenuCheck::AutoUpdate));

  // The out-of-range selector stays in the file until the user chooses one.
  ASSERT_TRUE(ToggleMenuSetting(checks, MenuCheck::GrandTotal));
  EXPECT_EQ(IniFile(folder.MainSettings()).Read("Value", "RoundSelecter"), "7");
}

TEST_F(SettingsTest, SelectorsWorkAsFOutsideTheirRange) {
  const std::pair<int, int> round[] = {{1, 1}, {2, 2}, {3, 3}, {4, 4}, {0, 1}, {5, 1}, {7, 1}, {-1, 1}};
  for (const auto& [value, effective] : round) EXPECT_EQ(EffectiveRoundSelector(value), effective) << value;
  const std::pair<int, int> places[] = {{0, 0}, {3, 3}, {5, 5}, {-9, -9}, {6, -9}, {-1, -9}, {-8, -9}};
  for (const auto& [value, effective] : places) EXPECT_EQ(EffectiveDecimalSelector(value), effective) << value;
}

TEST_F(SettingsTest, PositionIsRestoredOnlyInThePrimaryInstanceWithMemoryOn) {
  test::WriteFileBytes(folder.MainSettings(), "[StartUp]\nStartUpEndOn=1\nStartUpLeft=300\nStartUpTop=-20\n");
  pass1 = LoadSettingsPass1(checks, true);
  EXPECT_TRUE(pass1.restorePosition);
  EXPECT_EQ(pass1.left, 300);
  EXPECT_EQ(pass1.top, -20);
  EXPECT_TRUE(Checked(MenuCheck::StartUpEndOn));

  MemorySettingsChecks childChecks;
  EXPECT_FALSE(LoadSettingsPass1(childChecks, false).restorePosition);
  EXPECT_FALSE(childChecks.IsChecked(MenuCheck::StartUpEndOn));
}

TEST_F(SettingsTest, ExitWriteKeepsTheLastPositionAndSkinInOrder) {
  Settings().skinKind = 3;
  ASSERT_TRUE(WriteExitSettings(120, 45));
  EXPECT_EQ(test::ReadFileBytes(folder.MainSettings()),
            "[StartUp]\r\nStartUpTop=45\r\nStartUpLeft=120\r\n\r\n[Skin]\r\nCustumSkinType=3\r\n\r\n");
}

TEST_F(SettingsTest, ExitWriteWithoutAPositionKeepsTheOneWrittenBefore) {
  test::WriteFileBytes(folder.MainSettings(), "[StartUp]\r\nStartUpLeft=300\r\nStartUpTop=-20\r\n");
  Settings().skinKind = 2;
  ASSERT_TRUE(WriteExitSettings(std::nullopt));
  EXPECT_EQ(test::ReadFileBytes(folder.MainSettings()),
            "[StartUp]\r\nStartUpLeft=300\r\nStartUpTop=-20\r\n\r\n[Skin]\r\nCustumSkinType=2\r\n\r\n");
}

TEST_F(SettingsTest, EveryChangeGoesToTheFileAtOnce) {
  LoadBothPasses();
  ASSERT_TRUE(ToggleMenuSetting(checks, MenuCheck::GrandTotal));
  ASSERT_TRUE(ToggleMenuSetting(checks, MenuCheck::FrontSideOn));
  ASSERT_TRUE(ToggleMenuSetting(checks, MenuCheck::AutoUpdate));
  ASSERT_TRUE(ToggleMenuSetting(checks, MenuCheck::TaskBarIn));
  ASSERT_TRUE(ToggleMenuSetting(checks, MenuCheck::KeyPanelOn));
  ASSERT_TRUE(ToggleMenuSetting(checks, MenuCheck::StartUpEndOn));
  checks.SetChecked(MenuCheck::TaskBarIn, false);  // residency ended from the tray menu
  ASSERT_TRUE(SaveMenuSetting(checks, MenuCheck::TaskBarIn));
  ASSERT_TRUE(SaveRoundSelector(3));
  ASSERT_TRUE(SaveDecimalSelector(-9));
  ASSERT_TRUE(ChoosePercentType(checks, 2));
  ASSERT_TRUE(SaveTaxSettings({8 * 0.01, 2, 0, 6.5 * 0.01}));
  ASSERT_TRUE(ToggleMenuSetting(checks, MenuCheck::ReducedTaxRate));
  ASSERT_TRUE(SaveSkinChooserOptions({false, true}));

  EXPECT_FALSE(Settings().alwaysOnTop);
  EXPECT_FALSE(Settings().autoUpdate);
  EXPECT_FALSE(Settings().grandTotal);
  EXPECT_TRUE(Settings().reducedTaxRateOn);
  EXPECT_TRUE(Checked(MenuCheck::PerCasio));
  EXPECT_FALSE(Checked(MenuCheck::PerSharp));
  EXPECT_EQ(test::ReadFileBytes(folder.MainSettings()),
            "[Value]\r\nGrandTotal=0\r\nRoundSelecter=3\r\nDecimalSelecter=-9\r\nPerType=2\r\n\r\n"
            "[View]\r\nFrontSideOn=0\r\nTaskBarIn=0\r\nKeyPanelOn=1\r\n\r\n"
            "[StartUp]\r\nAutoUpdate=0\r\nStartUpEndOn=1\r\n\r\n"
            "[Tax]\r\nZeiritu=0.08\r\nDc=2\r\nRs=0\r\nKeigenZeiritu=0.065\r\nKeigenOn=1\r\n\r\n"
            "[Skin]\r\nAutoPreview=0\r\nLocalSave=1\r\n\r\n");
  const SkinChooserOptions options = LoadSkinChooserOptions();
  EXPECT_FALSE(options.autoPreview);
  EXPECT_TRUE(options.localSave);
}

TEST_F(SettingsTest, TaxRatesAreReadAsStoredAndHostileOnesFallBackToTheDefaults) {
  struct Row {
    std::string tax;  // the Tax section's lines
    double standard, reduced;
    bool reducedOn;
  };
  const Row rows[] = {
      {"", 0.10, 0.08, false},
      {"Zeiritu=0.05\r\n", 0.05, 0.08, false},  // a rate kept from an older program stays
      {"Zeiritu=0.05\r\nKeigenZeiritu=0.065\r\nKeigenOn=1\r\n", 0.05, 0.065, true},
      {"KeigenOn=1\r\n", 0.10, 0.08, true},
      {"Zeiritu=-0.5\r\nKeigenZeiritu=0\r\n", 0.10, 0.0, false},  // 0 to 100 %, as the dialog allows
      {"Zeiritu=1\r\nKeigenZeiritu=1.000001\r\n", 1.0, 0.08, false},
      {"Zeiritu=nan\r\nKeigenZeiritu=inf\r\nKeigenOn=yes\r\n", 0.10, 0.08, false},
      {"Zeiritu=1e999\r\nKeigenZeiritu=8%\r\nKeigenOn=0x1\r\n", 0.10, 0.08, true},
      {"Zeiritu=\r\nKeigenZeiritu=0x08\r\n", 0.10, 0.08, false},
      {"Zeiritu=" + std::string(100000, '9') + "\r\n", 0.10, 0.08, false},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.tax.substr(0, 60));
    test::WriteFileBytes(folder.MainSettings(), "[Tax]\r\n" + row.tax);
    LoadBothPasses();
    EXPECT_DOUBLE_EQ(Settings().taxRate, row.standard);
    EXPECT_DOUBLE_EQ(Settings().reducedTaxRate, row.reduced);
    EXPECT_EQ(Checked(MenuCheck::ReducedTaxRate), row.reducedOn);
    EXPECT_DOUBLE_EQ(ActiveTaxRate(), row.reducedOn ? row.reduced : row.standard);
  }
}

TEST_F(SettingsTest, TheRateSwitchSurvivesARestartAndNeverRewritesAStoredRate) {
  test::WriteFileBytes(folder.MainSettings(), "[Tax]\r\nZeiritu=0.05\r\n");
  LoadBothPasses();
  ASSERT_TRUE(ToggleMenuSetting(checks, MenuCheck::ReducedTaxRate));
  EXPECT_DOUBLE_EQ(ActiveTaxRate(), 0.08);
  EXPECT_EQ(test::ReadFileBytes(folder.MainSettings()), "[Tax]\r\nZeiritu=0.05\r\nKeigenOn=1\r\n\r\n");

  MemorySettingsChecks restarted;
  Settings() = SettingValues{};
  LoadSettingsPass2(restarted, true, 0);
  EXPECT_TRUE(restarted.IsChecked(MenuCheck::ReducedTaxRate));
  EXPECT_DOUBLE_EQ(ActiveTaxRate(), 0.08);
  ASSERT_TRUE(ToggleMenuSetting(restarted, MenuCheck::ReducedTaxRate));
  EXPECT_DOUBLE_EQ(ActiveTaxRate(), 0.05);
}

TEST_F(SettingsTest, TwoWritersNeverLoseEachOthersChanges) {
  // Another window of the same instance writes its key between two of ours.
  ASSERT_TRUE(SaveRoundSelector(2));
  IniFile other(folder.MainSettings());
  other.WriteInteger("KeySet", "Per", 81);
  ASSERT_TRUE(other.Flush());
  ASSERT_TRUE(SaveDecimalSelector(3));
  const IniFile file(folder.MainSettings());
  EXPECT_EQ(file.Read("KeySet", "Per"), "81");
  EXPECT_EQ(file.Read("Value", "RoundSelecter"), "2");
  EXPECT_EQ(file.Read("Value", "DecimalSelecter"), "3");
}

TEST_F(SettingsTest, AFailedWriteReportsAndKeepsTheChangeInMemory) {
  SetProgramFolder(folder.Path("missing"));
  const FlushResult result = ToggleMenuSetting(checks, MenuCheck::GrandTotal);
  EXPECT_FALSE(result);
  EXPECT_FALSE(result.message.empty());
  EXPECT_TRUE(Checked(MenuCheck::GrandTotal));
  EXPECT_FALSE(test::Exists(folder.Path("missing")));
}

TEST_F(SettingsTest, AChildWorksOnItsOwnCopyAndLeavesKelvoIniAlone) {
  const std::string main = "[Value]\r\nRoundSelecter=3\r\n\r\n";
  test::WriteFileBytes(folder.MainSettings(), main);
  pass1 = LoadSettingsPass1(checks, false);
  LoadSettingsPass2(checks, false, 4242);

  EXPECT_EQ(CurrentSettingsFile(), "KelvoFiles/_sys/PID/PID4242.ini");
  EXPECT_EQ(FormulaScriptFile(), "KelvoFiles/_sys/Calc/PID4242CalcRun.vbs");
  EXPECT_EQ(AnswerFile(), "KelvoFiles/_sys/Calc/PID4242CalcAns.ini");
  EXPECT_EQ(CurrentSettingsPath(), folder.Path("KelvoFiles/_sys/PID/PID4242.ini"));
  EXPECT_EQ(Settings().roundSelector, 3);

  ASSERT_TRUE(SaveRoundSelector(4));
  EXPECT_EQ(IniFile(CurrentSettingsPath()).Read("Value", "RoundSelecter"), "4");
  EXPECT_EQ(test::ReadFileBytes(folder.MainSettings()), main);

  DeleteChildInstanceFile();
  EXPECT_FALSE(test::Exists(folder.Path("KelvoFiles/_sys/PID/PID4242.ini")));
  EXPECT_EQ(test::ReadFileBytes(folder.MainSettings()), main);

  UsePrimaryInstanceFiles();
  EXPECT_EQ(CurrentSettingsFile(), "KelvoFiles/_sys/Kelvo.ini");
  EXPECT_EQ(FormulaScriptFile(), "KelvoFiles/_sys/Calc/CalcRun.vbs");
  EXPECT_EQ(AnswerFile(), "KelvoFiles/_sys/Calc/CalcAns.ini");
  DeleteChildInstanceFile();  // never the main file
  EXPECT_TRUE(test::Exists(folder.MainSettings()));
}

TEST_F(SettingsTest, AChildReplacesAStaleInstanceFileAndNeverFollowsALinkThere) {
  test::WriteFileBytes(folder.MainSettings(), "[Value]\r\nPerType=2\r\n\r\n");
  const std::string outside = folder.Path("outside.ini");
  test::WriteFileBytes(outside, "keep me");
  std::filesystem::create_symlink(outside, folder.Path("KelvoFiles/_sys/PID/PID7.ini"));
  EXPECT_TRUE(CreateChildInstanceFile(7));
  EXPECT_EQ(test::ReadFileBytes(outside), "keep me");
  EXPECT_EQ(test::ReadFileBytes(folder.Path("KelvoFiles/_sys/PID/PID7.ini")), "[Value]\r\nPerType=2\r\n\r\n");
}

TEST_F(SettingsTest, AChildWithoutItsFolderReadsDefaultsAndReportsWrites) {
  test::WriteFileBytes(folder.MainSettings(), "[Value]\r\nRoundSelecter=3\r\n\r\n");
  std::filesystem::remove(folder.Path(kInstanceFolder));
  LoadSettingsPass2(checks, false, 99);
  EXPECT_EQ(Settings().roundSelector, 3);  // read from Kelvo.ini before the switch
  EXPECT_TRUE(LoadSkinChooserOptions().autoPreview);
  EXPECT_FALSE(SaveRoundSelector(2));
  EXPECT_FALSE(test::Exists(folder.Path(kInstanceFolder)));
}

}  // namespace
