// Settings files that are huge, garbage or not files at all: never a crash, a hang or a lost file.
#include <gtest/gtest.h>

#include <sys/stat.h>

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

TEST_F(IniBadInputTest, AFileOfAbsurdlyManyLinesIsRefusedAndNeverOverwritten) {
  std::string text = "[Value]\r\nRoundSelecter=3\r\n";
  for (std::size_t i = 0; i < IniFile::kMaxLines; ++i) text += "[s]\n";
  test::WriteFileBytes(path, text);
  IniFile file(path);
  EXPECT_TRUE(file.Unreadable());
  EXPECT_EQ(file.ReadInteger("Value", "RoundSelecter", 1), 1);
  file.WriteInteger("Value", "RoundSelecter", 2);
  EXPECT_FALSE(file.Flush());
  EXPECT_EQ(test::ReadFileBytes(path), text);
}

TEST_F(IniBadInputTest, AFlushNeverWritesWhatTheReaderWouldRefuse) {
  // Lines with LF alone grow by a CR each when written back: a file just under the size limit
  // would be written over it, and one at the line limit would pass it with one more key.
  const std::string line = "k=" + std::string(IniFile::kMaxFileBytes / (IniFile::kMaxLines - 1) - 3, 'v') + "\n";
  std::string big = "[S]\n";
  for (std::size_t i = 1; i < IniFile::kMaxLines; ++i) big += line;
  ASSERT_LE(big.size(), IniFile::kMaxFileBytes);
  test::WriteFileBytes(path, big);
  IniFile grown(path);
  ASSERT_FALSE(grown.Unreadable());
  EXPECT_EQ(grown.Read("S", "k"), line.substr(2, line.size() - 3));
  EXPECT_FALSE(grown.Flush());
  EXPECT_EQ(std::filesystem::file_size(path), big.size());

  test::WriteFileBytes(path, "[S]\r\n" + std::string() + [] {
    std::string keys;
    for (std::size_t i = 1; i < IniFile::kMaxLines; ++i) keys += "k" + std::to_string(i) + "=1\r\n";
    return keys;
  }());
  IniFile full(path);
  ASSERT_FALSE(full.Unreadable());
  EXPECT_EQ(full.ReadInteger("S", "k99999", 0), 1);
  ASSERT_TRUE(full.Flush());  // as it stands it may be written again
  full.WriteInteger("S", "one more", 1);
  EXPECT_FALSE(full.Flush());
  EXPECT_EQ(IniFile(path).Read("S", "one more"), std::nullopt);
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
