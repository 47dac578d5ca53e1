#pragma once

#include <array>
#include <cstdint>
#include <initializer_list>
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

// MarkSet's bits: bit n for mark n, worked out once at compile time.
namespace mark_bits {
static_assert([] {
  for (const MarkCell& cell : kMarkCells)
    if (static_cast<int>(cell.mark) < 0 || static_cast<int>(cell.mark) >= 32) return false;
  return true;
}(), "every mark of a cell has a bit");
constexpr std::uint32_t Of(Mark mark) {
  const int n = static_cast<int>(mark);
  return n >= 0 && n < 32 ? std::uint32_t{1} << n : 0;
}
constexpr std::uint32_t InRegion(int x, int width) {
  std::uint32_t bits = 0;
  for (const MarkCell& cell : kMarkCells)
    if (cell.destX < x + width && x < cell.destX + cell.width) bits |= Of(cell.mark);
  return bits;
}
// For each mark number, the marks its cell covers (itself included); 0 for a number without a cell.
inline constexpr std::array<std::uint32_t, 32> kSharing = [] {
  std::array<std::uint32_t, 32> sharing{};
  for (const MarkCell& cell : kMarkCells) sharing[static_cast<size_t>(cell.mark)] = InRegion(cell.destX, cell.width);
  return sharing;
}();
}  // namespace mark_bits

// The marks the strip shows. A mark drawn where another sits hides it (M+, M- and MR share one
// place, as do 税込 and its tax, 税抜 and its tax, and the two overflow letters); an erased
// region hides every mark with a column in it.
class MarkSet {
 public:
  // The marks with a column in [x, x + width).
  static constexpr MarkSet InRegion(int x, int width) { return MarkSet(mark_bits::InRegion(x, width)); }

  constexpr MarkSet() = default;
  // A set of these marks as listed, without the strip's hiding rule (for comparing sets).
  static constexpr MarkSet Of(std::initializer_list<Mark> marks) {
    MarkSet set;
    for (const Mark mark : marks) set.bits_ |= mark_bits::Of(mark);
    return set;
  }

  constexpr bool IsLit(Mark mark) const { return (bits_ & mark_bits::Of(mark)) != 0; }
  constexpr bool None() const { return bits_ == 0; }

  // A mark number without a cell changes nothing.
  constexpr void Draw(Mark mark, bool on) {
    const int n = static_cast<int>(mark);
    if (n < 0 || n >= 32 || mark_bits::kSharing[static_cast<size_t>(n)] == 0) return;
    bits_ &= ~mark_bits::kSharing[static_cast<size_t>(n)];
    if (on) bits_ |= mark_bits::Of(mark);
  }
  constexpr void Erase(MarkSet region) { bits_ &= ~region.bits_; }
  constexpr void Erase(int x, int width) { bits_ &= ~mark_bits::InRegion(x, width); }
  constexpr void Clear() { bits_ = 0; }

  // The lit marks by ascending number.
  std::vector<Mark> Lit() const {
    std::vector<Mark> lit;
    for (int i = 0; i < 32; ++i)
      if ((bits_ >> i) & 1u) lit.push_back(static_cast<Mark>(i));
    return lit;
  }

  constexpr bool operator==(const MarkSet&) const = default;
  constexpr MarkSet operator&(MarkSet other) const { return MarkSet(bits_ & other.bits_); }
  constexpr MarkSet operator-(MarkSet other) const { return MarkSet(bits_ & ~other.bits_); }  // those not in other

 private:
  explicit constexpr MarkSet(std::uint32_t bits) : bits_(bits) {}

  std::uint32_t bits_ = 0;
};

}  // namespace kelvo
