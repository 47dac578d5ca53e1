#include "test_sheets.h"

#include <algorithm>

#include "marks.h"
#include "pixels.h"
#include "sheet_geometry.h"

namespace kelvo::test {

QRgb GlyphColour(int index) { return qRgb(40 + index * 15, 200 - index * 10, 90 + index); }

QImage CodedDigitSheet() {
  QImage sheet = SolidImage(224, 25, kBlankRgb);
  const int xs[] = {5, 20, 35, 50, 65, 80, 95, 110, 125, 140, kMinusSourceX, kLetterESourceX, kColonSourceX};
  for (int i = 0; i < 13; ++i) FillRect(sheet, xs[i], kGlyphRow, kGlyphWidth, kGlyphHeight, Rgb(GlyphColour(i)));
  FillRect(sheet, kPointSourceX, kGlyphRow, kPointSize, kPointSize, Rgb(kPointColour));
  FillRect(sheet, kSeparatorSourceX, kGlyphRow, kSeparatorWidth, kSeparatorHeight, Rgb(kSeparatorColour));
  return sheet;
}

QImage CodedMarkSheet() {
  QImage sheet = SolidImage(360, 13, kBlankRgb);
  for (int x = 0; x < kMarkBlankX; ++x)
    FillRect(sheet, x, kMarkRow, 1, kMarkHeight, Rgb(qRgb(x % 256, x / 256 + 1, 77)));
  return sheet;
}

int SourceColumnOf(QRgb pixel) {
  if (qBlue(pixel) != 77 || qGreen(pixel) < 1 || qGreen(pixel) > 2) return -1;
  return qRed(pixel) + (qGreen(pixel) - 1) * 256;
}

StripReading ReadNumberStrip(const QImage& strip) {
  const char chars[] = "0123456789-E:";
  StripReading r;
  for (int d = 1; d <= 15; ++d) {
    const QRgb pixel = strip.pixel(244 - 16 * d, 6);
    char c = ' ';
    for (int i = 0; i < 13; ++i)
      if (pixel == GlyphColour(i)) c = chars[i];
    r.glyphs += c;
  }
  while (!r.glyphs.empty() && r.glyphs.back() == ' ') r.glyphs.pop_back();
  for (int x = 0; x < strip.width(); ++x) {
    const bool pointStarts = strip.pixel(x, 27) == kPointColour && (x == 0 || strip.pixel(x - 1, 27) != kPointColour);
    if (pointStarts) r.points.push_back(x);
    const bool separatorStarts =
        strip.pixel(x, 3) == kSeparatorColour && (x == 0 || strip.pixel(x - 1, 3) != kSeparatorColour);
    if (separatorStarts) r.separators.push_back(x);
  }
  std::sort(r.separators.begin(), r.separators.end());
  return r;
}

std::vector<Mark> LitMarks(const QImage& markStrip) {
  std::vector<Mark> lit;
  for (const MarkCell& cell : kMarkCells) {
    bool whole = true;
    for (int i = 0; i < cell.width && whole; ++i)
      whole = SourceColumnOf(markStrip.pixel(cell.destX + i, 0)) == cell.sourceX + i;
    if (whole) lit.push_back(cell.mark);
  }
  std::sort(lit.begin(), lit.end());
  return lit;
}

void UseCodedSheets(Renderer& renderer) {
  renderer.LoadBuiltInSheets();
  renderer.SetSheet(SkinPart::DigitalNumber, CodedDigitSheet());
  renderer.SetSheet(SkinPart::DigitalMark, CodedMarkSheet());
}

}  // namespace kelvo::test
