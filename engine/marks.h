#pragma once

#include <array>

// The indicator marks of the mark strip: where each is cut from the mark sheet and where it lands.
namespace kelvo {

struct MarkCell {
  int mark;     // mark number
  int sourceX;  // x on the mark sheet (row 2, 10 rows high)
  int width;
  int destX;    // x on the mark strip
};

inline constexpr std::array<MarkCell, 20> kMarkCells{{
    {1, 5, 10, 3},      // pending +
    {2, 20, 10, 17},    // pending -
    {3, 35, 10, 31},    // pending x
    {4, 50, 10, 45},    // pending ÷
    {5, 65, 10, 60},    // equals
    {6, 270, 10, 80},   // G: grand total held
    {7, 100, 15, 107},  // GR: grand total recalled
    {8, 255, 10, 92},   // M: memory held
    {9, 80, 15, 124},   // MR
    {10, 120, 15, 124}, // M+
    {11, 140, 15, 124}, // M-
    {12, 160, 10, 70},  // C: copied to the clipboard
    {13, 180, 20, 156}, // 税込
    {14, 205, 20, 178}, // 税抜
    {15, 230, 20, 156}, // 税 after 税込
    {16, 230, 20, 178}, // 税 after 税抜
    {18, 285, 10, 235}, // F: overflow
    {19, 255, 10, 225}, // M with F: memory overflow
    {20, 270, 10, 225}, // G with F: grand-total overflow
    {30, 315, 15, 203}, // OK: answer check matched
}};

inline constexpr int kMarkBlankX = 335;     // the blank cell an erased mark is copied from
inline constexpr int kMarkErrorX = 300;     // the E mark, drawn on the number strip
inline constexpr int kMarkStripWidth = 245;

inline constexpr const MarkCell* FindMarkCell(int mark) {
  for (const MarkCell& cell : kMarkCells)
    if (cell.mark == mark) return &cell;
  return nullptr;
}

// Regions the clear operations erase: {x, width}.
inline constexpr int kOperatorMarksX = 3, kOperatorMarksWidth = 52;
inline constexpr int kTransientMarksX = 107, kTransientMarksWidth = 138;
inline constexpr int kEqualsMarksX = 60, kEqualsMarksWidth = 20;

}  // namespace kelvo
