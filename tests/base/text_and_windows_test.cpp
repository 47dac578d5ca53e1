// Small text helpers and the auxiliary window list.
#include <gtest/gtest.h>

#include "side_windows.h"
#include "text_utils.h"

using namespace kelvo;

namespace {

TEST(TextUtils, ReplaceCharReplacesEveryOccurrence) {
  EXPECT_EQ(ReplaceChar("Set_1_a", '_', ':'), "Set:1:a");
  EXPECT_EQ(ReplaceChar("Set:1", ':', '_'), "Set_1");
  EXPECT_EQ(ReplaceChar("", '_', ':'), "");
  EXPECT_EQ(ReplaceChar("a_b", '_', '_'), "a_b");  // the same character twice ends at once
}

TEST(TextUtils, IsNumberTextTakesAnyDecimalFloatingPointNumber) {
  const std::pair<const char*, bool> cases[] = {
      {"5", true},      {"8.5", true},     {"999", true},     {"999.0", true},  {".5", true},
      {"5.", true},     {"1E3", true},     {"-2.5e-3", true}, {"+7", true},     {" 5 ", true},
      {"0", true},      {"1e-400", true},  {"1000e-330", true}, {"", false},    {" ", false},
      {"abc", false},   {"1,5", false},    {"5%", false},     {".", false},     {"1E", false},
      {"0x10", false},  {"inf", false},    {"nan", false},    {"1e400", false}, {"５", false},
      {"1 2", false},
  };
  for (const auto& [text, number] : cases) EXPECT_EQ(IsNumberText(text), number) << '"' << text << '"';
}

// Steps: "+x" activates window x, "-x" closes it.
TEST(SideWindowList, KeepsTheMostRecentlyActivatedWindowLast) {
  struct Case {
    std::vector<const char*> steps;
    const char* list;
  };
  const Case cases[] = {
      {{"+0"}, "0"},
      {{"+0", "+0"}, "0"},
      {{"+0", "+1", "+3"}, "013"},
      {{"+0", "+1", "+3", "+1"}, "031"},
      {{"+0", "+1", "+3", "+0"}, "130"},
      {{"+0", "+1", "+3", "-1"}, "03"},  // closing an inactive window takes it out
      {{"+0", "+4", "-4"}, "0"},
      {{"-7"}, ""},                      // closing a window never listed
      {{"+2", "-2"}, ""},
      {{"+0", "+1", "+2", "+3", "+4", "+7", "-3", "+0", "-7"}, "1240"},
  };
  for (const Case& c : cases) {
    ResetSideWindowList();
    std::string shown;
    for (const char* step : c.steps) {
      (step[0] == '+') ? SideWindowActivated(step[1]) : SideWindowClosed(step[1]);
      shown += std::string(step) + " ";
    }
    EXPECT_EQ(SideWindowList(), c.list) << shown;
  }
}

TEST(SideWindowList, ShowAllWindowsWalksAFrozenList) {
  ResetSideWindowList();
  for (char id : std::string("0137")) SideWindowActivated(id);
  std::string visited;
  ShowAllWindows(false, [&](char id, bool show) {
    EXPECT_FALSE(show);
    visited += id;
    SideWindowActivated(id);  // showing or hiding a window activates it: ignored meanwhile
  });
  EXPECT_EQ(visited, "0137");
  EXPECT_EQ(SideWindowList(), "0137");
  SideWindowActivated('1');  // and heard again afterwards
  EXPECT_EQ(SideWindowList(), "0371");
}

}  // namespace
