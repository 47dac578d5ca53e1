#include "pixel_glyphs.h"

#include <map>

namespace skinart {
namespace {

// Latin capitals, 5 x 7.
const char* const kM[] = {"#...#", "##.##", "#.#.#", "#.#.#", "#...#", "#...#", "#...#"};
const char* const kR[] = {"####.", "#...#", "#...#", "####.", "#.#..", "#..#.", "#...#"};
const char* const kG[] = {".###.", "#...#", "#....", "#.###", "#...#", "#...#", ".####"};
const char* const kC[] = {".###.", "#...#", "#....", "#....", "#....", "#...#", ".###."};
const char* const kF[] = {"#####", "#....", "#....", "####.", "#....", "#....", "#...."};
const char* const kE[] = {"#####", "#....", "#....", "####.", "#....", "#....", "#####"};
const char* const kO[] = {".###.", "#...#", "#...#", "#...#", "#...#", "#...#", ".###."};
const char* const kK[] = {"#...#", "#..#.", "#.#..", "##...", "#.#..", "#..#.", "#...#"};
// Operators, 7 x 7.
const char* const kPlus[] = {"...#...", "...#...", "...#...", "#######", "...#...", "...#...", "...#..."};
const char* const kMinus[] = {".......", ".......", ".......", "#######", ".......", ".......", "......."};
const char* const kTimes[] = {"#.....#", ".#...#.", "..#.#..", "...#...", "..#.#..", ".#...#.", "#.....#"};
const char* const kDivide[] = {"...#...", ".......", ".......", "#######", ".......", ".......", "...#..."};
const char* const kEquals[] = {".......", ".......", "#######", ".......", "#######", ".......", "......."};
// Small operators beside a letter (M+, M-), 5 x 7.
const char* const kSmallPlus[] = {".....", "..#..", "..#..", "#####", "..#..", "..#..", "....."};
const char* const kSmallMinus[] = {".....", ".....", ".....", "#####", ".....", ".....", "....."};
// Tax: 10 x 10.
const char* const kZei[] = {
    "..##..#.#.",
    "##...#####",
    "####.#...#",
    "..#..#####",
    ".###..#.#.",
    "#.#...#.#.",
    "..#...#.#.",
    "..#..#..#.",
    "..#.#...##",
    "..........",
};
const char* const kKomi[] = {
    "#...##....",
    ".#....#...",
    "......#...",
    "##....##..",
    ".#...#..#.",
    ".#..#...#.",
    ".#.#.....#",
    ".##.......",
    "#..#######",
    "..........",
};
const char* const kNuki[] = {
    ".#....#.#.",
    "###...#..#",
    ".#..######",
    ".##..#....",
    "##...####.",
    ".#..#.#.#.",
    ".#..#..#..",
    ".#.#..#.#.",
    "##.#.#...#",
    "..........",
};

template <size_t N>
PixelGlyph Glyph(const char* const (&rows)[N]) {
  return PixelGlyph{static_cast<int>(std::char_traits<char>::length(rows[0])), rows, static_cast<int>(N)};
}

}  // namespace

PixelGlyph MarkGlyph(const QString& symbol) {
  static const std::map<QString, PixelGlyph> glyphs = {
      {"M", Glyph(kM)},         {"R", Glyph(kR)},           {"G", Glyph(kG)},        {"C", Glyph(kC)},
      {"F", Glyph(kF)},         {"E", Glyph(kE)},           {"O", Glyph(kO)},        {"K", Glyph(kK)},
      {"+", Glyph(kPlus)},      {"-", Glyph(kMinus)},       {"×", Glyph(kTimes)},    {"÷", Glyph(kDivide)},
      {"=", Glyph(kEquals)},    {"s+", Glyph(kSmallPlus)},  {"s-", Glyph(kSmallMinus)},
      {"税", Glyph(kZei)},      {"込", Glyph(kKomi)},       {"抜", Glyph(kNuki)},
  };
  const auto it = glyphs.find(symbol);
  return it == glyphs.end() ? PixelGlyph{0, nullptr, 0} : it->second;
}

void DrawGlyph(QImage& image, const PixelGlyph& glyph, int x, int y, QRgb colour) {
  for (int row = 0; row < glyph.height; ++row)
    for (int col = 0; col < glyph.width; ++col)
      if (glyph.rows[row][col] == '#' && image.valid(x + col, y + row)) image.setPixel(x + col, y + row, colour);
}

}  // namespace skinart
