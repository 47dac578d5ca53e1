#pragma once

#include <array>
#include <bitset>
#include <vector>

// The indicator marks of the mark strip: their names, where each is cut from the mark sheet and
// where it lands, and the set of marks lit.
namespace kelvo {

// One mark of the strip. The numbers are what kelvo-keys prints in "marks".
enum class Mark : int {
  Plus = 1,                // pending +
  Minus = 2,               // pending -
  Times = 3,               // pending x
  Divide = 4,              // pending ÷
  Equals = 5,              // a result is shown
  GrandTotal = 6,          // G: the grand total holds a value
  GrandTotalRecalled = 7,  // GR: GT shows the grand total
  Memory = 8,              // M: the memory holds a value
  MemoryRecalled = 9,      // MR
  MemoryPlus = 10,         // M+
  MemoryMinus = 11,        // M-
  Copied = 12,             // C: the display was copied to the clipboard
  WithTax = 13,            // 税込: an amount with tax is shown
  WithoutTax = 14,         // 税抜: an amount without tax is shown
  TaxOfWithTax = 15,       // 税 in the place of 税込: the tax of the amount with tax
  TaxOfWithoutTax = 16,    // 税 in the place of 税抜
  Overflow = 18,           // F: a register overflowed
  MemoryOverflow = 19,     // M with F
  GrandTotalOverflow = 20, // G with F
  AnswerMatched = 30,      // OK: the result repeats the previous one (answer check)
};

struct MarkCell {
  Mark mark;
  int sourceX;  // x on the mark sheet (row 2, 10 rows high)
  int width;
  int destX;    // x on the mark strip
};

inline constexpr std::array<MarkCell, 20> kMarkCells{{
    {Mark::Plus, 5, 10, 3},
    {Mark::Minus, 20, 10, 17},
    {Mark::Times, 35, 10, 31},
    {Mark::Divide, 50, 10, 45},
    {Mark::Equals, 65, 10, 60},
    {Mark::GrandTotal, 270, 10, 80},
    {Mark::GrandTotalRecalled, 100, 15, 107},
    {Mark::Memory, 255, 10, 92},
    {Mark::MemoryRecalled, 80, 15, 124},
    {Mark::MemoryPlus, 120, 15, 124},
    {Mark::MemoryMinus, 140, 15, 124},
    {Mark::Copied, 160, 10, 70},
    {Mark::WithTax, 180, 20, 156},
    {Mark::WithoutTax, 205, 20, 178},
    {Mark::TaxOfWithTax, 230, 20, 156},
    {Mark::TaxOfWithoutTax, 230, 20, 178},
    {Mark::Overflow, 285, 10, 235},
    {Mark::MemoryOverflow, 255, 10, 225},
    {Mark::GrandTotalOverflow, 270, 10, 225},
    {Mark::AnswerMatched, 315, 15, 203},
}};

inline constexpr int kMarkBlankX = 335;     // the blank cell an erased mark is copied from
inline constexpr int kMarkErrorX = 300;     // the E mark, drawn on the number strip
inline constexpr int kMarkStripWidth = 245;

inline constexpr const MarkCell* FindMarkCell(Mark mark) {
  for (const MarkCell& cell : kMarkCells)
    if (cell.mark == mark) return &cell;
  return nullptr;
}

// Regions the clear operations erase: {x, width}.
inline constexpr int kOperatorMarksX = 3, kOperatorMarksWidth = 52;
inline constexpr int kTransientMarksX = 107, kTransientMarksWidth = 138;
inline constexpr int kEqualsMarksX = 60, kEqualsMarksWidth = 20;

// The marks the strip shows. A mark drawn where another sits hides it (M+, M- and MR share one
// place, as do 税込 and its tax, 税抜 and its tax, and the two overflow letters); an erased
// region hides every mark with a column in it.
class MarkSet {
 public:
  bool IsLit(Mark mark) const { return Fits(mark) && bits_.test(Bit(mark)); }
  bool None() const { return bits_.none(); }

  // A mark number without a cell changes nothing.
  void Draw(Mark mark, bool on) {
    const MarkCell* cell = FindMarkCell(mark);
    if (cell == nullptr) return;
    Erase(cell->destX, cell->width);
    if (on) bits_.set(Bit(mark));
  }
  void Erase(int x, int width) {
    for (const MarkCell& cell : kMarkCells)
      if (cell.destX < x + width && x < cell.destX + cell.width) bits_.reset(Bit(cell.mark));
  }
  void Clear() { bits_.reset(); }

  // The lit marks by ascending number.
  std::vector<Mark> Lit() const {
    std::vector<Mark> lit;
    for (size_t i = 0; i < bits_.size(); ++i)
      if (bits_.test(i)) lit.push_back(static_cast<Mark>(i));
    return lit;
  }

  bool operator==(const MarkSet&) const = default;

 private:
  static constexpr bool Fits(Mark mark) { return static_cast<int>(mark) >= 0 && static_cast<int>(mark) < 32; }
  static constexpr size_t Bit(Mark mark) { return static_cast<size_t>(mark); }

  std::bitset<32> bits_;
};

}  // namespace kelvo
