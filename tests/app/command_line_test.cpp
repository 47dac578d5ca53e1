// The program's options: answered before any display is needed, everything else left to Qt.
#include <gtest/gtest.h>

#include "command_line.h"

namespace {

TEST(CommandLine, OptionsAnswerOrPassOn) {
  struct Row {
    std::vector<std::string> arguments;
    bool run;
    int exitCode;
    const char* outStart;  // what stdout begins with
    const char* errStart;  // what stderr begins with
  };
  const Row rows[] = {
      {{}, true, 0, "", ""},
      {{"--version"}, false, 0, "Kelvo 2.10.01\n", ""},
      {{"--help"}, false, 0, "使い方: kelvo", ""},
      {{"-h"}, false, 0, "使い方: kelvo", ""},
      {{"--bogus"}, false, 2, "", "kelvo: 不明なオプション / unknown option: --bogus"},
      {{"-x"}, false, 2, "", "kelvo: 不明なオプション"},
      {{"-platform", "wayland"}, true, 0, "", ""},
      {{"--platform=xcb"}, true, 0, "", ""},
      {{"-style", "--version"}, true, 0, "", ""},  // the style's name, not ours
      {{"-reverse", "--version"}, false, 0, "Kelvo 2.10.01", ""},
      {{"somefile.txt"}, true, 0, "", ""},
      {{"--", "--bogus"}, true, 0, "", ""},
      // Control characters and bytes that are no UTF-8 never reach the terminal as they are.
      {{"--bogus\x1b[31m"}, false, 2, "", "kelvo: 不明なオプション / unknown option: --bogus\\x1b[31m\n"},
      {{"--\x9b" "31m\xff\r"}, false, 2, "", "kelvo: 不明なオプション / unknown option: --\\x9b31m\\xff\\x0d\n"},
      {{"--\xc2\x9b" "2J"}, false, 2, "", "kelvo: 不明なオプション / unknown option: --\\u009b2J\n"},
      {{"--税率"}, false, 2, "", "kelvo: 不明なオプション / unknown option: --税率\n"},
  };
  for (const Row& row : rows) {
    const command_line::Outcome outcome = command_line::Read(row.arguments, "2.10.01");
    const std::string what = row.arguments.empty() ? "(none)" : row.arguments.front();
    EXPECT_EQ(outcome.run, row.run) << what;
    EXPECT_EQ(outcome.exitCode, row.exitCode) << what;
    EXPECT_TRUE(outcome.out.starts_with(row.outStart)) << what << ": " << outcome.out;
    EXPECT_TRUE(outcome.err.starts_with(row.errStart)) << what << ": " << outcome.err;
  }
  // The usage names both options, in both languages, and goes to stderr after an unknown one.
  const std::string usage = command_line::Read({"--help"}, "2.10.01").out;
  for (const char* part : {"--help", "--version", "Usage:", "使い方:"}) EXPECT_NE(usage.find(part), std::string::npos) << part;
  EXPECT_NE(command_line::Read({"--bogus"}, "2.10.01").err.find(usage), std::string::npos);
}

}  // namespace
