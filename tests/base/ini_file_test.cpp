// The settings file format: reading, writing, value encodings and the all-or-nothing flush.
#include <gtest/gtest.h>

#include <sys/resource.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>

#include "ini_file.h"
#include "number_text.h"
#include "profile_string.h"
#include "program_folder.h"

using namespace kelvo;

namespace {

class IniFileTest : public ::testing::Test {
 protected:
  // An INI file at the main settings path holding `text`.
  IniFile FileWith(std::string_view text) {
    test::WriteFileBytes(path, text);
    return IniFile(path);
  }
  test::ProgramFolder folder;
  std::string path = folder.MainSettings();
};

TEST_F(IniFileTest, FlushWritesTheDocumentedLayout) {
  struct Case {
    const char* name;
    std::string_view in;
    std::string_view out;
  };
  const Case cases[] = {
      {"empty file", "", ""},
      {"lines before the first section are dropped", "orphan=1\r\n[A]\r\nk=v\r\n", "[A]\r\nk=v\r\n\r\n"},
      {"names and values are trimmed", "  [ Sec ]  \r\n\t key  =  a = b  \r\n", "[Sec]\r\nkey=a = b\r\n\r\n"},
      {"comments and empty lines are dropped", "[A]\r\n; note\r\n\r\n   \r\nx=1\r\n", "[A]\r\nx=1\r\n\r\n"},
      {"a line without = is kept", "[A]\r\n  plain words \r\nx=1\r\n", "[A]\r\nplain words\r\nx=1\r\n\r\n"},
      {"CR-only line ends", "[A]\rk=1\r[B]\rj=2", "[A]\r\nk=1\r\n\r\n[B]\r\nj=2\r\n\r\n"},
      {"LF-only line ends", "[A]\nk=1\n", "[A]\r\nk=1\r\n\r\n"},
      {"UTF-8 byte-order mark", "\xEF\xBB\xBF[A]\r\nk=1\r\n", "[A]\r\nk=1\r\n\r\n"},
      {"empty section", "[A]\n[B]\nk=1\n", "[A]\r\n\r\n[B]\r\nk=1\r\n\r\n"},
      {"duplicates are all kept", "[A]\nk=1\nk=2\n[a]\nk=3\n", "[A]\r\nk=1\r\nk=2\r\n\r\n[a]\r\nk=3\r\n\r\n"},
      {"empty key and empty value", "[A]\n=x\ny=\n", "[A]\r\n=x\r\ny=\r\n\r\n"},
      {"half a section name is a plain line", "[A]\n[B\n", "[A]\r\n[B\r\n\r\n"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(FileWith(c.in).Text(), c.out) << c.name;
    // Reading what was written gives the same file again.
    ASSERT_TRUE(FileWith(c.out).Flush()) << c.name;
    EXPECT_EQ(test::ReadFileBytes(path), c.out) << c.name;
  }
}

TEST_F(IniFileTest, NamesIgnoreCaseAndTheFirstDuplicateWins) {
  const IniFile file = FileWith("[Value]\nRoundSelecter=3\nroundselecter=4\n[VALUE]\nPerType=2\n[View]\nKeyPanelOn=1\n");
  EXPECT_EQ(file.Read("value", "ROUNDSELECTER"), "3");
  EXPECT_EQ(file.Read("Value", "PerType"), std::nullopt);  // only the first [Value] is looked at
  EXPECT_EQ(file.Read(" View ", " keypanelon "), "1");
  EXPECT_EQ(file.Read("View", "Missing"), std::nullopt);
  EXPECT_EQ(file.Read("Nowhere", "KeyPanelOn"), std::nullopt);
  EXPECT_EQ(file.Read("Value", "RoundSelecter=3"), std::nullopt);
}

TEST_F(IniFileTest, WritesChangeInPlaceOrAppendToTheirSection) {
  IniFile file = FileWith("[Value]\nRoundSelecter=3\nroundselecter=4\n[View]\nKeyPanelOn=1\n[value]\nx=1\n");
  file.WriteInteger("VALUE", "ROUNDSELECTER", 2);  // the first key keeps its spelling
  file.WriteBool("Value", "GrandTotal", false);    // appended to the first [Value]
  file.WriteString("Tax", "Zeiritu", "0.08");      // a new section at the end
  file.WriteString("View", "Note", " two\r\nlines ");
  EXPECT_EQ(file.Text(),
            "[Value]\r\nRoundSelecter=2\r\nroundselecter=4\r\nGrandTotal=0\r\n\r\n"
            "[View]\r\nKeyPanelOn=1\r\nNote=two  lines\r\n\r\n"
            "[value]\r\nx=1\r\n\r\n"
            "[Tax]\r\nZeiritu=0.08\r\n\r\n");
  EXPECT_EQ(file.Read("View", "Note"), "two  lines");
}

TEST_F(IniFileTest, IntegersBooleansAndRealsReadWithTheirDefaults) {
  struct Case {
    const char* value;  // nullptr: the key is missing
    std::int32_t integer;
    bool boolean;
    double real;
  };
  // Defaults: 77, true, 0.05.
  const Case cases[] = {
      {nullptr, 77, true, 0.05},
      {"", 77, true, 0.05},
      {"12", 12, true, 12},
      {"-7", -7, true, -7},
      {"+3", 3, true, 3},
      {"0", 0, false, 0},
      {"0x0", 0, false, 0.05},
      {"0x1F", 31, true, 0.05},
      {"0X10", 16, true, 0.05},
      {"0xFFFFFFFF", -1, true, 0.05},
      {"0x100000000", 77, true, 0.05},
      {"2147483647", 2147483647, true, 2147483647.0},
      {"2147483648", 77, true, 2147483648.0},
      {"abc", 77, true, 0.05},
      {"1.5", 77, true, 1.5},
      {"0.08", 77, true, 0.08},
      {".5", 77, true, 0.5},
      {"1E3", 77, true, 1000},
      {"1,5", 77, true, 0.05},
      {"5%", 77, true, 0.05},
      {"inf", 77, true, 0.05},
      {"nan", 77, true, 0.05},
      {"1e999", 77, true, 0.05},
      {"12abc", 77, true, 0.05},
  };
  for (const Case& c : cases) {
    const IniFile file = FileWith(c.value ? std::string("[S]\nk=") + c.value + "\n" : std::string("[S]\n"));
    const char* shown = c.value ? c.value : "(missing)";
    EXPECT_EQ(file.ReadInteger("S", "k", 77), c.integer) << shown;
    EXPECT_EQ(file.ReadBool("S", "k", true), c.boolean) << shown;
    EXPECT_DOUBLE_EQ(file.ReadReal("S", "k", 0.05), c.real) << shown;
  }
  EXPECT_FALSE(FileWith("[S]\nk=abc\n").ReadBool("S", "k", false));
}

TEST(IntegerText, ReadsInRangeAndGivesNothingOutsideIt) {
  const std::pair<const char*, std::optional<std::int32_t>> cases[] = {
      {"2147483647", 2147483647},           {"-2147483648", INT32_MIN},
      {"2147483648", std::nullopt},         {"-2147483649", std::nullopt},
      {"18446744073709551615", std::nullopt}, {"-18446744073709551614", std::nullopt},
      {"-9223372036854775808", std::nullopt}, {"99999999999999999999999", std::nullopt},
      {"00000000000000000000003", 3},       {"-000000000000000000000000000000000007", -7},
      {"000", 0},                           {"-0", 0},
      {"0x000000000000000001F", 31},        {"0xFFFFFFFF", -1},
      {"0x100000000", std::nullopt},        {"-0x1", -1},
      {"0x", std::nullopt},                 {"0x-1", std::nullopt},
      {"+", std::nullopt},                  {"--1", std::nullopt},
      {" 1", std::nullopt},                 {"1 ", std::nullopt},
  };
  for (const auto& [text, value] : cases) EXPECT_EQ(ParseIntegerText(text), value) << text;
}

TEST_F(IniFileTest, RealsAreWrittenShortestWithFifteenDigitsAndNoExponent) {
  const std::pair<double, const char*> cases[] = {
      {0.05, "0.05"}, {0.08, "0.08"}, {0.1 + 0.2, "0.3"}, {1.0 / 3, "0.333333333333333"},
      {100, "100"},   {-0.5, "-0.5"}, {0, "0"},           {123456789012345678.0, "123456789012346000"},
      {1e-7, "0.0000001"}, {-1.5e-5, "-0.000015"}, {1.25e-5, "0.0000125"},  // never an exponent: what reads back as a rate
  };
  IniFile file(path);
  for (const auto& [value, text] : cases) {
    file.WriteReal("Tax", "Zeiritu", value);
    EXPECT_EQ(file.Read("Tax", "Zeiritu"), text) << value;
  }
}

TEST_F(IniFileTest, MissingFileReadsEmptyAndTheFirstFlushCreatesIt) {
  IniFile file(path);
  EXPECT_FALSE(file.Unreadable());
  EXPECT_EQ(file.ReadInteger("Value", "RoundSelecter", 1), 1);
  file.WriteInteger("Value", "RoundSelecter", 3);
  ASSERT_TRUE(file.Flush());
  EXPECT_EQ(test::ReadFileBytes(path), "[Value]\r\nRoundSelecter=3\r\n\r\n");
}

// Nothing but the settings file is left in its folder after a flush, successful or not.
std::vector<std::string> FolderEntries(const std::string& folder) {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) names.push_back(entry.path().filename());
  std::sort(names.begin(), names.end());
  return names;
}

TEST_F(IniFileTest, FlushIntoAMissingFolderFailsWithAMessage) {
  IniFile file(folder.Path("KelvoFiles/_sys/Gone/Kelvo.ini"));
  file.WriteInteger("Value", "RoundSelecter", 3);
  const FlushResult result = file.Flush();
  EXPECT_FALSE(result);
  EXPECT_NE(result.message.find("KelvoFiles/_sys/Gone/Kelvo.ini"), std::string::npos) << result.message;
  EXPECT_FALSE(test::Exists(folder.Path("KelvoFiles/_sys/Gone")));
}

TEST_F(IniFileTest, FlushThatRunsOutOfSpaceLeavesTheOldFileWhole) {
  const std::string old = "[Value]\r\nRoundSelecter=3\r\n\r\n";
  test::WriteFileBytes(path, old);
  IniFile file(path);
  file.WriteString("Value", "Big", std::string(200000, 'x'));

  // A file-size limit makes the write fail part-way, as a full disk would.
  rlimit saved{};
  getrlimit(RLIMIT_FSIZE, &saved);
  const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
  rlimit small = saved;
  small.rlim_cur = 4096;
  setrlimit(RLIMIT_FSIZE, &small);
  const FlushResult result = file.Flush();
  setrlimit(RLIMIT_FSIZE, &saved);
  std::signal(SIGXFSZ, previousHandler);

  EXPECT_FALSE(result);
  EXPECT_FALSE(result.message.empty());
  EXPECT_EQ(test::ReadFileBytes(path), old);
  EXPECT_EQ(FolderEntries(folder.Path("KelvoFiles/_sys")), (std::vector<std::string>{"Calc", "Kelvo.ini", "PID"}));
  // The change stays in memory, and a later flush with room to spare writes it.
  ASSERT_TRUE(file.Flush());
  EXPECT_EQ(IniFile(path).Read("Value", "Big")->size(), 200000u);
  EXPECT_EQ(FolderEntries(folder.Path("KelvoFiles/_sys")), (std::vector<std::string>{"Calc", "Kelvo.ini", "PID"}));
}

TEST_F(IniFileTest, ProfileStringsAreCutTo259BytesWithoutSplittingACharacter) {
  const std::string ascii(300, 'a');
  std::string japanese;  // "失" is three bytes: 86 of them end at byte 258
  for (int i = 0; i < 100; ++i) japanese += "失";
  ASSERT_TRUE(WriteProfileString("CalcAns", "AnsMsg", ascii, path));
  ASSERT_TRUE(WriteProfileString("CalcAns", "ID", japanese, path));
  EXPECT_EQ(ReadProfileString("CalcAns", "AnsMsg", path), ascii.substr(0, 259));
  EXPECT_EQ(ReadProfileString("CalcAns", "ID", path), japanese.substr(0, 258));
  EXPECT_EQ(ReadProfileString("CalcAns", "Answer", path), "");
  EXPECT_EQ(ReadProfileString("CalcAns", "ID", folder.Path("KelvoFiles/_sys/Calc/none.ini")), "");
  // The whole value stays in the file.
  EXPECT_EQ(IniFile(path).Read("CalcAns", "AnsMsg"), ascii);
}

TEST_F(IniFileTest, NamesThatWouldNotReadBackAreRefusedAndTheFileStaysAsItWas) {
  const std::string before = "[Value]\r\nRoundSelecter=3\r\n\r\n";
  const std::pair<const char*, const char*> names[] = {
      {"Value", "a=b"},  {"Value", ";x"},    {"Value", "[x"},      {"Value", " ;x"},
      {"Value", "a\nb"}, {"Val\rue", "k"}, {"Val\nue", "k"},     {"Value", "tab\there"},
  };
  for (const auto& [section, key] : names) {
    test::WriteFileBytes(path, before);
    EXPECT_FALSE(WriteProfileString(section, key, "y]", path)) << key;
    EXPECT_EQ(test::ReadFileBytes(path), before) << key;
  }
  // What may be written reads back as written.
  for (const char* key : {"a]b", "k;", "x[", "日本語"}) {
    ASSERT_TRUE(WriteProfileString("Value", key, "1", path)) << key;
    EXPECT_EQ(IniFile(path).Read("Value", key), "1") << key;
  }
}

TEST_F(IniFileTest, AWritableFileInAFolderWithoutWriteAccessIsSavedInPlace) {
  if (geteuid() == 0) GTEST_SKIP() << "the superuser writes into any folder";
  test::WriteFileBytes(path, "[Value]\r\nRoundSelecter=3\r\n\r\n");
  const auto sys = std::filesystem::path(path).parent_path();
  std::filesystem::permissions(sys, std::filesystem::perms::owner_write, std::filesystem::perm_options::remove);
  IniFile file(path);
  file.WriteInteger("Value", "RoundSelecter", 2);
  const FlushResult result = file.Flush();
  std::filesystem::permissions(sys, std::filesystem::perms::owner_write, std::filesystem::perm_options::add);
  ASSERT_TRUE(result) << result.message;
  EXPECT_EQ(IniFile(path).ReadInteger("Value", "RoundSelecter", 1), 2);
}

}  // namespace
