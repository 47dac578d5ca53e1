// Mark positions and overlaps, the regions the clear operations erase, and marks from the engine state.
#include <gtest/gtest.h>

#include "marks.h"
#include "pixels.h"
#include "renderer.h"
#include "sheet_geometry.h"
#include "state.h"
#include "test_sheets.h"

namespace kelvo {
namespace {

using Marks = std::vector<int>;

class MarkStripTest : public ::testing::Test {
 protected:
  void SetUp() override { test::UseCodedSheets(renderer); }
  Marks Lit() const { return test::LitMarks(renderer.MarkStrip()); }
  bool BlankColumns(int from, int to) const {
    for (int x = from; x <= to; ++x)
      for (int y = 0; y < 10; ++y)
        if (Rgb(renderer.MarkStrip().pixel(x, y)) != kBlankRgb) return false;
    return true;
  }
  Renderer renderer;
};

TEST_F(MarkStripTest, EveryMarkIsCutFromItsCellAndLandsAtItsPlace) {
  struct Expected {
    int mark, sourceX, width, destX;
  };
  // Written out from the mark table of the design, not from the code's own table.
  const Expected marks[] = {
      {1, 5, 10, 3},      {2, 20, 10, 17},    {3, 35, 10, 31},    {4, 50, 10, 45},    {5, 65, 10, 60},
      {6, 270, 10, 80},   {7, 100, 15, 107},  {8, 255, 10, 92},   {9, 80, 15, 124},   {10, 120, 15, 124},
      {11, 140, 15, 124}, {12, 160, 10, 70},  {13, 180, 20, 156}, {14, 205, 20, 178}, {15, 230, 20, 156},
      {16, 230, 20, 178}, {18, 285, 10, 235}, {19, 255, 10, 225}, {20, 270, 10, 225}, {30, 315, 15, 203},
  };
  for (const Expected& cell : marks) {
    renderer.ClearMarkStrip();
    renderer.DrawMark(cell.mark, true);
    EXPECT_TRUE(BlankColumns(0, cell.destX - 1)) << "mark " << cell.mark;
    EXPECT_TRUE(BlankColumns(cell.destX + cell.width, kMarkStripWidth - 1)) << "mark " << cell.mark;
    for (int x = 0; x < cell.width; ++x)
      for (int y = 0; y < 10; ++y)
        ASSERT_EQ(test::SourceColumnOf(renderer.MarkStrip().pixel(cell.destX + x, y)), cell.sourceX + x)
            << "mark " << cell.mark;
  }
}

TEST_F(MarkStripTest, AMarkSwitchedOffIsCopiedFromTheBlankCell) {
  for (const MarkCell& cell : kMarkCells) renderer.DrawMark(cell.mark, true);
  for (const MarkCell& cell : kMarkCells) renderer.DrawMark(cell.mark, false);
  EXPECT_TRUE(BlankColumns(0, kMarkStripWidth - 1));
}

TEST_F(MarkStripTest, MarksSharingAPlaceReplaceEachOther) {
  const std::vector<std::pair<int, int>> sharing = {{9, 10}, {10, 11}, {11, 9}, {13, 15}, {15, 13},
                                                    {14, 16}, {16, 14}, {19, 20}, {20, 19}};
  for (const auto& [first, second] : sharing) {
    renderer.ClearMarkStrip();
    renderer.DrawMark(first, true);
    renderer.DrawMark(second, true);
    EXPECT_EQ(Lit(), Marks{second}) << first << " then " << second;
  }
}

TEST_F(MarkStripTest, MarkNumbersWithoutACellDrawNothing) {
  for (int mark : {0, 17, 21, 29, 31, -1, 1000}) renderer.DrawMark(mark, true);
  EXPECT_TRUE(BlankColumns(0, kMarkStripWidth - 1));
}

struct ClearCase {
  const char* name;
  void (Renderer::*clear)();
  Marks kept;
};

TEST_F(MarkStripTest, ClearOperationsEraseExactlyTheirRegions) {
  const std::vector<ClearCase> cases = {
      {"operators", &Renderer::ClearOperatorMarks, {5, 6, 7, 8, 9, 12, 13, 14, 18, 19, 30}},
      {"transient", &Renderer::ClearTransientMarks, {1, 2, 3, 4, 6, 8}},
      {"memory", &Renderer::ClearMemoryMarks, {1, 2, 3, 4, 5, 6, 7, 8, 12, 13, 14, 18, 19, 30}},
  };
  // One mark lit at every place (the last drawn wins where places are shared).
  const Marks everyPlace = {1, 2, 3, 4, 5, 6, 7, 8, 9, 12, 13, 14, 18, 19, 30};
  for (const ClearCase& c : cases) {
    renderer.ClearMarkStrip();
    for (int mark : everyPlace) renderer.DrawMark(mark, true);
    ASSERT_EQ(Lit(), everyPlace);
    (renderer.*c.clear)();
    EXPECT_EQ(Lit(), c.kept) << c.name;
  }
  renderer.ClearMarkStrip();
  for (int mark : everyPlace) renderer.DrawMark(mark, true);
  renderer.ClearOperatorMarks();
  EXPECT_TRUE(BlankColumns(3, 54));
  EXPECT_FALSE(BlankColumns(60, 69));
  renderer.ClearTransientMarks();
  EXPECT_TRUE(BlankColumns(60, 79));
  EXPECT_TRUE(BlankColumns(107, 244));
  EXPECT_FALSE(BlankColumns(80, 89));   // G stays
  EXPECT_FALSE(BlankColumns(92, 101));  // M stays
}

struct StateCase {
  const char* name;
  EngineState state;
  Marks lit;
};

EngineState With(void (*change)(EngineState&)) {
  EngineState s;
  change(s);
  return s;
}

TEST_F(MarkStripTest, RedrawMarksLightsWhatTheEngineStateCallsFor) {
  const std::vector<StateCase> cases = {
      {"start", EngineState{}, {}},
      {"result", With([](EngineState& s) { s.entry = 9; s.pending = 17; }), {5}},
      {"pending x", With([](EngineState& s) { s.pending = 19; }), {3}},
      {"totals", With([](EngineState& s) { s.grandTotal = "12"; s.memory = "-3"; }), {6, 8}},
      {"memory overflow", With([](EngineState& s) { s.overflowIndicator = 19; }), {18, 19}},
      {"total overflow", With([](EngineState& s) { s.overflowIndicator = 20; }), {18, 20}},
      {"answer check", With([](EngineState& s) { s.answerChecked = true; }), {30}},
      {"GT recalled", With([](EngineState& s) { s.opState = 20; }), {7}},
      {"MR", With([](EngineState& s) { s.opState = 4; }), {9}},
      {"M+", With([](EngineState& s) { s.opState = 5; s.memory = "4"; }), {5, 8, 10}},
      {"M-", With([](EngineState& s) { s.opState = 6; }), {5, 11}},
      {"tax", With([](EngineState& s) { s.opState = 111; }), {13}},
      {"tax excl.", With([](EngineState& s) { s.opState = 112; }), {14}},
      {"tax after incl.", With([](EngineState& s) { s.opState = 113; }), {15}},
      {"tax after excl.", With([](EngineState& s) { s.opState = 114; }), {16}},
  };
  for (const StateCase& c : cases) {
    renderer.ClearMarkStrip();
    renderer.RedrawMarks(c.state);
    EXPECT_EQ(Lit(), c.lit) << c.name;
  }
}

TEST_F(MarkStripTest, RedrawMarksOnlyLightsAndDrawsTheErrorMark) {
  renderer.DrawMark(30, true);
  renderer.DrawNumber("0");
  EngineState s;
  s.error = true;
  s.pending = 18;
  renderer.RedrawMarks(s);
  EXPECT_EQ(Lit(), (Marks{2, 30}));
  EXPECT_EQ(test::SourceColumnOf(renderer.NumberStrip().pixel(kErrorMarkX, kErrorMarkY)), kMarkErrorX);
}

}  // namespace
}  // namespace kelvo
