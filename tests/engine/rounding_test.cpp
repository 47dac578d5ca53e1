// Rounding results to the selected places, and padding them with zeros.
#include <gtest/gtest.h>

#include "rounding.h"

using namespace kelvo;

namespace {

struct Case {
  const char* in;
  int selector;
  int places;
  const char* out;
};

TEST(Rounding, CutUpAndFiveFourAtPlaces) {
  const Case cases[] = {
      {"0.66666666666666666666666", kRoundCut, 2, "0.66"},
      {"0.66666666666666666666666", kRoundUp, 2, "0.67"},
      {"0.66666666666666666666666", kRound54, 2, "0.67"},
      {"2.5", kRound54, 0, "3"},
      {"2.5", kRoundCut, 0, "2"},
      {"0.125", kRound54, 2, "0.13"},
      {"0.125", kRoundCut, 2, "0.12"},
      {"1.2301", kRoundUp, 2, "1.23"},     // only the first dropped digit decides
      {"1.2350001", kRound54, 2, "1.24"},
      {"1.2349999", kRound54, 2, "1.23"},
      {"-1.345", kRound54, 2, "-1.35"},
      {"-1.345", kRoundCut, 2, "-1.34"},
      {"-1.345", kRoundUp, 2, "-1.35"},
      {"3.5", kRoundCut, 2, "3.5"},
      {"9.999", kRoundUp, 2, "10"},
      {"7", kRoundCut, 3, "7"},
      {"0.66666666666666666666666", kRoundF, 2, "0.66666666666666666666666"},  // F leaves it as it is
      {"0.66666666666666666666666", kRoundCut, kPlacesF, "0.66666666666666666666666"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(RoundResult(c.in, c.selector, c.places), c.out) << c.in << " selector " << c.selector << " places " << c.places;
}

TEST(Rounding, PaddingShowsTheSelectedPlaces) {
  const Case cases[] = {
      {"2.5", 0, 2, "2.50"},     {"7", 0, 3, "7.000"},   {"3.5", 0, 2, "3.50"},  {"7", 0, 0, "7"},
      {"1.23456", 0, 2, "1.23456"},
      {"1234567890123", 0, 2, "1234567890123.00"},  // judged by the length before padding
      {"1234567890123", 0, 5, "1234567890123.00"},  // but no digit is pushed off the strip
      {"-12345678901.5", 0, 5, "-12345678901.5000"},
      {"12345678901234", 0, 2, "12345678901234"},
      {"-2", 0, 1, "-2.0"},      {"5", 0, kPlacesF, "5"},
  };
  for (const Case& c : cases) EXPECT_EQ(PadDecimals(c.in, c.places), c.out) << c.in << " places " << c.places;
}

}  // namespace
