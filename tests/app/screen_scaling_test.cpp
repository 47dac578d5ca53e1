// Scale factors a user sets are made whole before Qt reads them: a fractional one would blur the skin.
#include <gtest/gtest.h>

#include "screen_scaling.h"

TEST(ScreenScaling, FactorsAreRoundedDownToWholeNumbersOrDropped) {
  const std::pair<const char*, const char*> factors[] = {
      {"2", "2"}, {"2.5", "2"}, {"1.99", "1"}, {" 3.0 ", "3"}, {"0.5", ""}, {"-2", ""}, {"two", ""}, {"1e9", ""}};
  for (const auto& [set, used] : factors) EXPECT_EQ(WholeScaleFactor(set), used) << set;
  EXPECT_EQ(WholeScreenScaleFactors("1.5;2"), "1;2");
  EXPECT_EQ(WholeScreenScaleFactors("DP-1=2.5;HDMI-1=0.5"), "DP-1=2");
}
