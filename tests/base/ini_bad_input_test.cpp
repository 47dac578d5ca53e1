// Settings files that are huge, garbage or not files at all: never a crash, a hang or a lost file.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <chrono>
#include <filesystem>
#include <random>

#include "ini_file.h"
#include "program_folder.h"
#include "settings.h"

using namespace kelvo;

namespace {

class IniBadInputTest : public ::testing::Test {
 protected:
  test::ProgramFolder folder;
  std::string path = folder.MainSettings();
};

TEST_F(IniBadInputTest, TwentyMegabytesOfTinyLinesReadAndWriteInGoodTime) {
  std::string text = "[Value]\r\nRoundSelecter=3\r\n";
  text.reserve(21u << 20);
  while (text.size() < (20u << 20)) text += "x\n";
  text += "[View]\nKeyPanelOn=1\n";
  test::WriteFileBytes(path, text);

  const auto start = std::chrono::steady_clock::now();
  IniFile file(path);
  EXPECT_EQ(file.ReadInteger("Value", "RoundSelecter", 1), 3);
  EXPECT_TRUE(file.ReadBool("View", "KeyPanelOn", false));
  file.WriteInteger("Value", "DecimalSelecter", 2);
  file.WriteInteger("View", "KeyButtonOn", 0);
  ASSERT_TRUE(file.Flush());
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(10));

  const IniFile again(path);
  EXPECT_EQ(again.ReadInteger("Value", "DecimalSelecter", 5), 2);
  EXPECT_EQ(again.ReadInteger("View", "KeyButtonOn", 1), 0);
  EXPECT_EQ(again.Text().size(), file.Text().size());
}

TEST_F(IniBadInputTest, BinaryGarbageReadsAsWhatLinesItHas) {
  std::mt19937 random(20240611);
  std::string garbage(1u << 20, '\0');
  for (char& c : garbage) c = static_cast<char>(random());
  test::WriteFileBytes(path, garbage + "\n[Value]\nRoundSelecter=4\n" + garbage);

  IniFile file(path);
  EXPECT_EQ(file.ReadInteger("Value", "RoundSelecter", 1), 4);
  file.WriteInteger("Value", "PerType", 2);
  ASSERT_TRUE(file.Flush());
  // What was written reads back exactly as it was held.
  EXPECT_EQ(IniFile(path).Text(), file.Text());
}

TEST_F(IniBadInputTest, ValuesThousandsOfCharactersLongStayWhole) {
  const std::string longValue(50000, '7');
  test::WriteFileBytes(path, "[Value]\r\nRoundSelecter=" + longValue + "\r\nNote=" + longValue + "\r\n");
  IniFile file(path);
  EXPECT_EQ(file.ReadInteger("Value", "RoundSelecter", 1), 1);  // far too big for an integer
  EXPECT_DOUBLE_EQ(file.ReadReal("Value", "RoundSelecter", 0.05), 0.05);
  EXPECT_EQ(file.Read("Value", "Note"), longValue);
}

TEST_F(IniBadInputTest, AFileTooLargeToReadIsNeverOverwritten) {
  test::WriteFileBytes(path, "[Value]\r\nRoundSelecter=3\r\n");
  std::filesystem::resize_file(path, IniFile::kMaxFileBytes + 1);  // sparse: costs no disk
  IniFile file(path);
  EXPECT_TRUE(file.Unreadable());
  EXPECT_EQ(file.ReadInteger("Value", "RoundSelecter", 1), 1);
  file.WriteInteger("Value", "RoundSelecter", 2);
  const FlushResult result = file.Flush();
  EXPECT_FALSE(result);
  EXPECT_FALSE(result.message.empty());
  EXPECT_EQ(std::filesystem::file_size(path), IniFile::kMaxFileBytes + 1);
}

TEST_F(IniBadInputTest, SomethingElseInThePlaceOfTheFileReadsAsDefaults) {
  struct Case {
    const char* name;
    void (*make)(const std::string& path);
  };
  const Case cases[] = {
      {"folder", [](const std::string& p) { std::filesystem::create_directory(p); }},
      {"pipe nobody writes to", [](const std::string& p) { ASSERT_EQ(mkfifo(p.c_str(), 0600), 0); }},
      {"dangling link", [](const std::string& p) { std::filesystem::create_symlink("/nonexistent/kelvo", p); }},
  };
  for (const Case& c : cases) {
    std::filesystem::remove_all(path);
    c.make(path);
    MemorySettingsChecks checks;
    EXPECT_TRUE(LoadSettingsPass1(checks, true).keyButtonOn) << c.name;
    IniFile file(path);
    EXPECT_EQ(file.ReadInteger("Value", "RoundSelecter", 1), 1) << c.name;
    file.WriteInteger("Value", "RoundSelecter", 2);
    file.Flush();  // may fail; must not hang or crash
  }
}

}  // namespace
