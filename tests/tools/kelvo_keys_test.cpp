// kelvo-keys as a program: one JSON line per scenario, exactly shaped, from standard input.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

namespace {

std::vector<std::string> RunTool(const std::string& input) {
  // One input file per test: ctest runs the tests of this file side by side.
  const std::string inputPath = ::testing::TempDir() + "kelvo_keys_" +
                                ::testing::UnitTest::GetInstance()->current_test_info()->name() + ".txt";
  std::ofstream(inputPath) << input;
  const std::string command = std::string(KELVO_KEYS_PATH) + " < " + inputPath;
  FILE* pipe = popen(command.c_str(), "r");
  std::vector<std::string> lines;
  if (pipe == nullptr) return lines;
  std::string line;
  for (int c; (c = std::fgetc(pipe)) != EOF;) {
    if (c == '\n') {
      lines.push_back(line);
      line.clear();
    } else {
      line += static_cast<char>(c);
    }
  }
  pclose(pipe);
  return lines;
}

TEST(KelvoKeysTool, PrintsOneJsonLinePerScenario) {
  const auto lines = RunTool("1 2 + 3 4 =\n\n   \n1 + x\n7\n");
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[0],
            "{\"display\": \"46\", \"error\": false, \"marks\": [5, 6], \"emark\": false, \"input\": \"34\", "
            "\"answer\": \"46\", \"memory\": \"0\", \"gt\": \"46\", \"entry\": 9, \"pending\": 17, \"opstate\": 0, "
            "\"tape_current\": \"12＋　\\r\\n34＝　\\r\\n46＊　\\r\\n\", \"tape_previous\": \"\"}");
  EXPECT_EQ(lines[1], "{\"error_token\": \"x\"}");
  // Each line starts on a fresh engine.
  EXPECT_EQ(lines[2].rfind("{\"display\": \"7\", \"error\": false, \"marks\": [],", 0), 0u) << lines[2];
}

TEST(KelvoKeysTool, SettingsTokensTakeEffectWhereTheyStand) {
  const auto lines = RunTool(
      "2 / 3 = round=CUT places=2 2 / 3 =\n"
      "round=54 places=9 1 =\n"
      "5 / 0 = \"\n");
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[0].rfind("{\"display\": \"0.66\",", 0), 0u) << lines[0];
  EXPECT_EQ(lines[1], "{\"error_token\": \"places=9\"}");
  EXPECT_EQ(lines[2], "{\"error_token\": \"\\\"\"}");
}

// Whatever the input holds, each output line is JSON in valid UTF-8, and a rate that is no
// finite decimal number is an unknown token.
TEST(KelvoKeysTool, OutputIsValidUtf8JsonAndRatesAreFiniteNumbers) {
  const auto lines = RunTool(
      "x\xff\n"
      "\xe3\x81\n"
      "\xc3\xa9\x01\n"
      "rate=nan 1 tax+\n"
      "rate=inf 1 tax+\n"
      "reduced=-inf\n"
      "rate=0x10\n"
      "rate=1e-2 1 0 0 tax+\n");
  const std::vector<std::string> expected = {
      "{\"error_token\": \"x\xef\xbf\xbd\"}",  // U+FFFD for the byte that is no UTF-8
      "{\"error_token\": \"\xef\xbf\xbd\xef\xbf\xbd\"}",
      "{\"error_token\": \"\xc3\xa9\\u0001\"}",
      "{\"error_token\": \"rate=nan\"}",
      "{\"error_token\": \"rate=inf\"}",
      "{\"error_token\": \"reduced=-inf\"}",
      "{\"error_token\": \"rate=0x10\"}",
  };
  ASSERT_EQ(lines.size(), expected.size() + 1);
  for (std::size_t i = 0; i < expected.size(); ++i) EXPECT_EQ(lines[i], expected[i]) << i;
  EXPECT_EQ(lines.back().rfind("{\"display\": \"101\",", 0), 0u) << lines.back();
}

}  // namespace
