#pragma once

#include <QImage>
#include <ostream>
#include <string>
#include <vector>

#include "marks.h"
#include "renderer.h"

namespace kelvo {
// A failed test prints marks by number, as kelvo-keys does.
inline void PrintTo(Mark mark, std::ostream* out) { *out << static_cast<int>(mark); }
}  // namespace kelvo

// Sheets whose every cell has a colour of its own, so that a test can read back from a strip
// which cell was copied where.
namespace kelvo::test {

QRgb GlyphColour(int index);  // 0..9 digits, 10 '-', 11 'E', 12 ':'
inline constexpr QRgb kPointColour = 0xFF102030, kSeparatorColour = 0xFF304050;
QImage CodedDigitSheet();
// Every column x of the mark rows has the colour RGB(x % 256, x / 256 + 1, 77), except the
// blank cell from x 335 on.
QImage CodedMarkSheet();
int SourceColumnOf(QRgb pixel);  // -1 for a pixel that no mark column has

// Reads the number strip back: the glyph at each position from the right (' ' for none), the x
// of every decimal point and of every triad separator.
struct StripReading {
  std::string glyphs;  // position 1 first
  std::vector<int> points;
  std::vector<int> separators;
};
StripReading ReadNumberStrip(const QImage& strip);

// The marks the mark strip shows, by their cells: a mark is lit when its whole width holds the
// columns of its source cell.
std::vector<Mark> LitMarks(const QImage& markStrip);

// A renderer loaded with the coded digit and mark sheets over the built-in others.
void UseCodedSheets(Renderer& renderer);

}  // namespace kelvo::test
