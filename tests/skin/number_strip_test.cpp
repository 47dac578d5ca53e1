// Where the glyphs, the points and the triad separators of a display text land on the number strip.
#include <gtest/gtest.h>

#include "marks.h"
#include "param_print.h"
#include "pixels.h"
#include "renderer.h"
#include "sheet_geometry.h"
#include "state.h"
#include "test_sheets.h"

namespace kelvo {
namespace {

struct StripCase {
  const char* text;
  const char* glyphs;  // from the right: position 1 first
  std::vector<int> points;
  std::vector<int> separators;
};

void PrintTo(const StripCase& c, std::ostream* out) { test::PrintQuoted(c.text, out); }

class NumberStripTest : public ::testing::TestWithParam<StripCase> {};

TEST_P(NumberStripTest, GlyphsPointsAndSeparatorsLandInPlace) {
  const StripCase& c = GetParam();
  Renderer renderer;
  test::UseCodedSheets(renderer);
  renderer.DrawNumber(c.text);
  const test::StripReading r = test::ReadNumberStrip(renderer.NumberStrip());
  EXPECT_EQ(r.glyphs, c.glyphs);
  EXPECT_EQ(r.points, c.points);
  EXPECT_EQ(r.separators, c.separators);
}

INSTANTIATE_TEST_SUITE_P(
    WorkedExamples, NumberStripTest,
    ::testing::Values(
        StripCase{"0", "0", {240}, {}},
        StripCase{"-12.5", "521-", {224}, {}},
        StripCase{"1234567", "7654321", {240}, {144, 192}},
        StripCase{"-1234567", "7654321-", {240}, {144, 192}},
        StripCase{"1234.5", "54321", {224}, {176}},
        StripCase{"999", "999", {240}, {}},
        StripCase{"1000", "0001", {240}, {192}},
        StripCase{"12.", "21", {240}, {}},
        StripCase{"12345678901234", "43210987654321", {240}, {48, 96, 144, 192}},
        StripCase{"1234567.891", "1987654321", {192}, {96, 144}},
        StripCase{"0.001234", "4321000", {144}, {}},
        StripCase{"-99999999999999", "99999999999999-", {240}, {48, 96, 144, 192}},
        StripCase{"E", "E", {240}, {}}));

TEST(NumberStrip, TheFirstGlyphSitsAt228AndTheIntegerPointAt240) {
  Renderer renderer;
  test::UseCodedSheets(renderer);
  renderer.DrawNumber("0");
  const QImage& strip = renderer.NumberStrip();
  EXPECT_EQ(strip.pixel(228, 6), test::GlyphColour(0));
  EXPECT_EQ(strip.pixel(238, 26), test::GlyphColour(0));
  EXPECT_EQ(Rgb(strip.pixel(239, 26)), kBlankRgb);
  EXPECT_EQ(Rgb(strip.pixel(227, 6)), kBlankRgb);
  EXPECT_EQ(strip.pixel(240, 25), test::kPointColour);
  EXPECT_EQ(strip.pixel(242, 27), test::kPointColour);
}

TEST(NumberStrip, IsRebuiltFromBlankSoNoStaleGlyphRemains) {
  Renderer renderer;
  test::UseCodedSheets(renderer);
  renderer.DrawNumber("-12345678.9012");
  renderer.DrawErrorMark(true);
  renderer.DrawNumber("7");
  EXPECT_EQ(test::ReadNumberStrip(renderer.NumberStrip()).glyphs, "7");
  for (int x = 0; x < 200; ++x)
    for (int y = 0; y < 30; ++y) ASSERT_EQ(Rgb(renderer.NumberStrip().pixel(x, y)), kBlankRgb) << x << "," << y;
}

TEST(NumberStrip, ErrorMarkComesFromTheMarkSheetAndGoesBackToBlank) {
  Renderer renderer;
  test::UseCodedSheets(renderer);
  renderer.DrawNumber("0");
  renderer.DrawErrorMark(true);
  const QImage& strip = renderer.NumberStrip();
  EXPECT_EQ(test::SourceColumnOf(strip.pixel(kErrorMarkX, kErrorMarkY)), kMarkErrorX);
  EXPECT_EQ(test::SourceColumnOf(strip.pixel(kErrorMarkX + 9, kErrorMarkY + 9)), kMarkErrorX + 9);
  renderer.DrawErrorMark(false);
  EXPECT_EQ(Rgb(renderer.NumberStrip().pixel(kErrorMarkX, kErrorMarkY)), kBlankRgb);
}

TEST(NumberStrip, RedrawNumberShowsTheDisplayRegisterAndTheErrorMark) {
  Renderer renderer;
  test::UseCodedSheets(renderer);
  EngineState state;
  state.display = "123.";
  state.error = true;
  renderer.RedrawNumber(state);
  EXPECT_EQ(test::ReadNumberStrip(renderer.NumberStrip()).glyphs, "321");
  EXPECT_EQ(test::SourceColumnOf(renderer.NumberStrip().pixel(kErrorMarkX, kErrorMarkY)), kMarkErrorX);
}

TEST(NumberStrip, ADigitSheetSmallerThanItsCellsDrawsWhatExistsAndLeavesTheRestBlank) {
  Renderer renderer;
  test::UseCodedSheets(renderer);
  renderer.SetSheet(SkinPart::DigitalNumber, test::CodedDigitSheet().copy(0, 0, 30, 10));
  renderer.DrawNumber("10.5");
  const QImage& strip = renderer.NumberStrip();
  EXPECT_EQ(Rgb(strip.pixel(228, 6)), kBlankRgb);                   // 5 lies outside the sheet
  EXPECT_EQ(Rgb(strip.pixel(212, 6)), Rgb(test::GlyphColour(0)));   // 0 lies inside it
  EXPECT_EQ(Rgb(strip.pixel(212, 15)), kBlankRgb);                   // but not its lower rows
  EXPECT_EQ(Rgb(strip.pixel(205, 6)), Rgb(test::GlyphColour(1)));   // 1 loses its last column
  EXPECT_EQ(Rgb(strip.pixel(206, 6)), kBlankRgb);
  EXPECT_EQ(Rgb(strip.pixel(224, 25)), kBlankRgb);                   // and the point is missing
  renderer.SetSheet(SkinPart::DigitalNumber, QImage());
  renderer.DrawNumber("8");  // no sheet at all: a blank strip, no crash
  EXPECT_EQ(Rgb(renderer.NumberStrip().pixel(228, 6)), kBlankRgb);
}

}  // namespace
}  // namespace kelvo
