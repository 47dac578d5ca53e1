// Scale factors a user sets are made whole before Qt reads them: a fractional one would blur the
// skin's pixels.
#include <gtest/gtest.h>

#include "screen_scaling.h"

namespace {

TEST(ScreenScaling, FactorsAreRoundedDownToWholeNumbersOrDropped) {
  struct Row {
    const char* set;
    const char* used;
  };
  const Row factors[] = {
      {"2", "2"}, {"2.5", "2"}, {"1.99", "1"}, {"1", "1"}, {"3.0", "3"}, {" 2 ", "2"},
      {"0.5", ""}, {"0", ""}, {"-2", ""}, {"", ""}, {"two", ""}, {"2x", ""}, {"1e9", ""}, {"nan", ""},
  };
  for (const Row& row : factors) EXPECT_EQ(WholeScaleFactor(row.set), row.used) << row.set;

  const Row screens[] = {
      {"1.5;2", "1;2"},
      {"DP-1=2.5;HDMI-1=1.25", "DP-1=2;HDMI-1=1"},
      {"DP-1=0.5;HDMI-1=2", "HDMI-1=2"},
      {"garbage", ""},
  };
  for (const Row& row : screens) EXPECT_EQ(WholeScreenScaleFactors(row.set), row.used) << row.set;
}

}  // namespace
