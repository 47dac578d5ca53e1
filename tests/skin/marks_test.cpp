// Mark positions and overlaps and the regions the clear operations erase, on the strip and in the
// engine's record of it, and marks redrawn from the engine state.
#include <gtest/gtest.h>

#include "marks.h"
#include "pixels.h"
#include "renderer.h"
#include "sheet_geometry.h"
#include "state.h"
#include "test_sheets.h"

namespace kelvo {
namespace {

using Marks = std::vector<Mark>;
using enum Mark;

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
  // Draws a mark on the strip and in the engine's record of the strip alike.
  void Draw(Mark mark, bool on) {
    renderer.DrawMark(mark, on);
    marks.Draw(mark, on);
  }
  Renderer renderer;
  MarkSet marks;
};

TEST_F(MarkStripTest, EveryMarkIsCutFromItsCellAndLandsAtItsPlace) {
  struct Expected {
    Mark mark;
    int sourceX, width, destX;
  };
  // Written out from the mark table of the design, not from the code's own table.
  const Expected cells[] = {
      {Plus, 5, 10, 3},
      {Minus, 20, 10, 17},
      {Times, 35, 10, 31},
      {Divide, 50, 10, 45},
      {Equals, 65, 10, 60},
      {GrandTotal, 270, 10, 80},
      {GrandTotalRecalled, 100, 15, 107},
      {Memory, 255, 10, 92},
      {MemoryRecalled, 80, 15, 124},
      {MemoryPlus, 120, 15, 124},
      {MemoryMinus, 140, 15, 124},
      {Copied, 160, 10, 70},
      {WithTax, 180, 20, 156},
      {WithoutTax, 205, 20, 178},
      {TaxOfWithTax, 230, 20, 156},
      {TaxOfWithoutTax, 230, 20, 178},
      {Overflow, 285, 10, 235},
      {MemoryOverflow, 255, 10, 225},
      {GrandTotalOverflow, 270, 10, 225},
      {AnswerMatched, 315, 15, 203},
  };
  for (const Expected& cell : cells) {
    SCOPED_TRACE(static_cast<int>(cell.mark));
    renderer.ClearMarkStrip();
    renderer.DrawMark(cell.mark, true);
    EXPECT_TRUE(BlankColumns(0, cell.destX - 1));
    EXPECT_TRUE(BlankColumns(cell.destX + cell.width, kMarkStripWidth - 1));
    for (int x = 0; x < cell.width; ++x)
      for (int y = 0; y < 10; ++y)
        ASSERT_EQ(test::SourceColumnOf(renderer.MarkStrip().pixel(cell.destX + x, y)), cell.sourceX + x);
  }
}

TEST_F(MarkStripTest, AMarkSwitchedOffIsCopiedFromTheBlankCell) {
  for (const MarkCell& cell : kMarkCells) Draw(cell.mark, true);
  for (const MarkCell& cell : kMarkCells) Draw(cell.mark, false);
  EXPECT_TRUE(BlankColumns(0, kMarkStripWidth - 1));
  EXPECT_TRUE(marks.None());
}

TEST_F(MarkStripTest, MarksSharingAPlaceReplaceEachOther) {
  const std::vector<std::pair<Mark, Mark>> sharing = {
      {MemoryRecalled, MemoryPlus},     {MemoryPlus, MemoryMinus},   {MemoryMinus, MemoryRecalled},
      {WithTax, TaxOfWithTax},          {TaxOfWithTax, WithTax},     {WithoutTax, TaxOfWithoutTax},
      {TaxOfWithoutTax, WithoutTax},    {MemoryOverflow, GrandTotalOverflow},
      {GrandTotalOverflow, MemoryOverflow}};
  for (const auto& [first, second] : sharing) {
    SCOPED_TRACE(static_cast<int>(first));
    renderer.ClearMarkStrip();
    marks.Clear();
    Draw(first, true);
    Draw(second, true);
    EXPECT_EQ(Lit(), Marks{second});
    EXPECT_EQ(marks.Lit(), Marks{second});  // the engine's record hides the first mark too
  }
}

TEST_F(MarkStripTest, MarkNumbersWithoutACellDrawNothing) {
  for (int mark : {0, 17, 21, 29, 31, -1, 1000}) Draw(static_cast<Mark>(mark), true);
  EXPECT_TRUE(BlankColumns(0, kMarkStripWidth - 1));
  EXPECT_TRUE(marks.None());
}

struct ClearCase {
  const char* name;
  void (Renderer::*clear)();
  std::vector<std::pair<int, int>> regions;  // what the engine erases from its record: {x, width}
  Marks kept;
};

TEST_F(MarkStripTest, ClearOperationsEraseExactlyTheirRegions) {
  const std::vector<ClearCase> cases = {
      {"operators", &Renderer::ClearOperatorMarks, {{kOperatorMarksX, kOperatorMarksWidth}},
       {Equals, GrandTotal, GrandTotalRecalled, Memory, MemoryRecalled, Copied, WithTax, WithoutTax, Overflow,
        MemoryOverflow, AnswerMatched}},
      {"transient", &Renderer::ClearTransientMarks,
       {{kTransientMarksX, kTransientMarksWidth}, {kEqualsMarksX, kEqualsMarksWidth}},
       {Plus, Minus, Times, Divide, GrandTotal, Memory}},
      {"memory", &Renderer::ClearMemoryMarks, {{FindMarkCell(MemoryRecalled)->destX, FindMarkCell(MemoryRecalled)->width}},
       {Plus, Minus, Times, Divide, Equals, GrandTotal, GrandTotalRecalled, Memory, Copied, WithTax, WithoutTax,
        Overflow, MemoryOverflow, AnswerMatched}},
  };
  // One mark lit at every place (the last drawn wins where places are shared).
  const Marks everyPlace = {Plus,   Minus,          Times,   Divide,     Equals,   GrandTotal,     GrandTotalRecalled, Memory,
                            MemoryRecalled, Copied, WithTax, WithoutTax, Overflow, MemoryOverflow, AnswerMatched};
  for (const ClearCase& c : cases) {
    SCOPED_TRACE(c.name);
    renderer.ClearMarkStrip();
    marks.Clear();
    for (Mark mark : everyPlace) Draw(mark, true);
    ASSERT_EQ(Lit(), everyPlace);
    ASSERT_EQ(marks.Lit(), everyPlace);
    (renderer.*c.clear)();
    for (const auto& [x, width] : c.regions) marks.Erase(x, width);
    EXPECT_EQ(Lit(), c.kept);
    EXPECT_EQ(marks.Lit(), c.kept);
  }
  renderer.ClearMarkStrip();
  for (Mark mark : everyPlace) renderer.DrawMark(mark, true);
  renderer.ClearOperatorMarks();
  EXPECT_TRUE(BlankColumns(3, 54));
  EXPECT_FALSE(BlankColumns(60, 69));
  renderer.ClearTransientMarks();
  EXPECT_TRUE(BlankColumns(60, 79));
  EXPECT_TRUE(BlankColumns(107, 244));
  EXPECT_FALSE(BlankColumns(80, 89));   // G stays
  EXPECT_FALSE(BlankColumns(92, 101));  // M stays
}

TEST_F(MarkStripTest, RedrawMarksDrawsTheMarksTheEngineLitAndTheErrorMark) {
  renderer.DrawNumber("0");
  EngineState s;
  s.error = true;
  for (Mark mark : {Minus, Memory, WithTax, MemoryOverflow, Overflow}) s.marks.Draw(mark, true);
  renderer.RedrawMarks(s);
  EXPECT_EQ(Lit(), (Marks{Minus, Memory, WithTax, Overflow, MemoryOverflow}));
  EXPECT_EQ(test::SourceColumnOf(renderer.NumberStrip().pixel(kErrorMarkX, kErrorMarkY)), kMarkErrorX);
}

}  // namespace
}  // namespace kelvo
