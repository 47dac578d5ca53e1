#include "lcd_art.h"

#include <QPainter>
#include <QPainterPath>
#include <vector>

#include "art_util.h"
#include "pixel_glyphs.h"
#include "sheet_geometry.h"

namespace skinart {
namespace {

constexpr int kSuper = 8;  // glyphs are drawn 8 times larger, then cut to whole pixels
constexpr double kCellW = kelvo::kGlyphWidth, kCellH = kelvo::kGlyphHeight;

enum Segment { A, B, C, D, E, F, G };

// A segment as a pointed bar between two points, in glyph pixels.
QPolygonF Bar(QPointF from, QPointF to, const SegmentStyle& s) {
  const double t = s.thickness / 2, g = s.gap;
  QPolygonF p;
  if (from.y() == to.y()) {  // horizontal
    const double y = from.y(), x0 = from.x() + g, x1 = to.x() - g;
    p << QPointF(x0, y) << QPointF(x0 + t, y - t) << QPointF(x1 - t, y - t) << QPointF(x1, y)
      << QPointF(x1 - t, y + t) << QPointF(x0 + t, y + t);
  } else {
    const double x = from.x(), y0 = from.y() + g, y1 = to.y() - g;
    p << QPointF(x, y0) << QPointF(x + t, y0 + t) << QPointF(x + t, y1 - t) << QPointF(x, y1)
      << QPointF(x - t, y1 - t) << QPointF(x - t, y0 + t);
  }
  // Lean the glyph: the top moves right by the slant, the foot stays.
  for (QPointF& q : p) q.rx() += s.slant * (kCellH - q.y()) / kCellH - s.slant / 2;
  return p;
}

QPolygonF SegmentShape(Segment seg, const SegmentStyle& s) {
  const double h = s.thickness / 2;
  const double left = h, right = kCellW - h, top = h, mid = kCellH / 2, bottom = kCellH - h;
  switch (seg) {
    case A: return Bar({left, top}, {right, top}, s);
    case B: return Bar({right, top}, {right, mid}, s);
    case C: return Bar({right, mid}, {right, bottom}, s);
    case D: return Bar({left, bottom}, {right, bottom}, s);
    case E: return Bar({left, mid}, {left, bottom}, s);
    case F: return Bar({left, top}, {left, mid}, s);
    case G: return Bar({left, mid}, {right, mid}, s);
  }
  return {};
}

std::vector<Segment> SegmentsOf(QChar c) {
  switch (c.unicode()) {
    case '0': return {A, B, C, D, E, F};
    case '1': return {B, C};
    case '2': return {A, B, G, E, D};
    case '3': return {A, B, G, C, D};
    case '4': return {F, G, B, C};
    case '5': return {A, F, G, C, D};
    case '6': return {A, F, G, E, D, C};
    case '7': return {F, A, B, C};
    case '8': return {A, B, C, D, E, F, G};
    case '9': return {A, B, C, D, F, G};
    case '-': return {G};
    case 'E': return {A, D, E, F, G};
    default: return {};
  }
}

// Ink mask of one glyph cell (true = ink), from the segments or, for ':', two dots.
std::vector<bool> GlyphMask(QChar c, const SegmentStyle& style) {
  QImage big(kelvo::kGlyphWidth * kSuper, kelvo::kGlyphHeight * kSuper, QImage::Format_Grayscale8);
  big.fill(0);
  QPainter p(&big);
  p.setRenderHint(QPainter::Antialiasing);
  p.scale(kSuper, kSuper);
  p.setPen(Qt::NoPen);
  p.setBrush(Qt::white);
  if (c == u':') {
    const double r = style.thickness / 2 + 0.1;
    p.drawRect(QRectF(kCellW / 2 - r, 6 - r, 2 * r, 2 * r));
    p.drawRect(QRectF(kCellW / 2 - r, 15 - r, 2 * r, 2 * r));
  }
  for (Segment s : SegmentsOf(c)) p.drawPolygon(SegmentShape(s, style));
  p.end();
  return Threshold(big, kSuper, 0.45);
}

void DrawMask(QImage& image, const std::vector<bool>& mask, int w, int x, int y, QRgb colour) {
  for (size_t i = 0; i < mask.size(); ++i)
    if (mask[i]) image.setPixel(x + static_cast<int>(i) % w, y + static_cast<int>(i) / w, colour);
}

// Like DrawMask, but lays a translucent colour over what is there.
void BlendMask(QImage& image, const std::vector<bool>& mask, int w, int x, int y, const QColor& colour) {
  const double a = colour.alphaF();
  for (size_t i = 0; i < mask.size(); ++i) {
    if (!mask[i]) continue;
    const int px = x + static_cast<int>(i) % w, py = y + static_cast<int>(i) / w;
    const QColor under = image.pixelColor(px, py);
    image.setPixelColor(px, py, QColor::fromRgbF(under.redF() * (1 - a) + colour.redF() * a,
                                                 under.greenF() * (1 - a) + colour.greenF() * a,
                                                 under.blueF() * (1 - a) + colour.blueF() * a));
  }
}

struct MarkArt {
  int x, width;
  std::vector<QString> symbols;  // drawn left to right, one pixel apart
  bool leftAligned = false;
};

const std::vector<MarkArt>& MarkCells() {
  static const std::vector<MarkArt> cells = {
      {5, 10, {"+"}},       {20, 10, {"-"}},       {35, 10, {"×"}},         {50, 10, {"÷"}},
      {65, 10, {"="}},      {80, 15, {"M", "R"}},  {100, 15, {"G", "R"}},   {120, 15, {"M", "s+"}},
      {140, 15, {"M", "s-"}}, {160, 10, {"C"}},    {180, 20, {"税", "込"}}, {205, 20, {"税", "抜"}},
      {230, 20, {"税"}, true}, {255, 10, {"M"}},   {270, 10, {"G"}},        {285, 10, {"F"}},
      {300, 10, {"E"}},     {315, 15, {"O", "K"}},
  };
  return cells;
}

}  // namespace

QImage PaintDigitSheet(const Theme& theme) {
  QImage sheet = Solid(224, 25, kelvo::kBlankRgb);
  const QRgb ink = theme.ink.rgb();
  const int y = kelvo::kGlyphRow;
  const QString chars = QStringLiteral("0123456789-E:");
  const int xs[] = {5, 20, 35, 50, 65, 80, 95, 110, 125, 140, kelvo::kMinusSourceX, kelvo::kLetterESourceX,
                    kelvo::kColonSourceX};
  for (int i = 0; i < chars.size(); ++i)
    DrawMask(sheet, GlyphMask(chars[i], theme.segments), kelvo::kGlyphWidth, xs[i], y, ink);
  // Decimal point: a square dot on the foot line, one pixel right of the digit.
  const int dot = theme.segments.thickness >= 2.8 ? 3 : 2;
  for (int dy = 0; dy < 2; ++dy)
    for (int dx = 0; dx < dot && dx < 3; ++dx) sheet.setPixel(kelvo::kPointSourceX + dx, y + dy, ink);
  // Triad separator: a small tick above the gap between two digits.
  static const char* const kTick[] = {".##", ".##", ".#.", "#.."};
  for (int row = 0; row < 4; ++row)
    for (int col = 0; col < 3; ++col)
      if (kTick[row][col] == '#') sheet.setPixel(kelvo::kSeparatorSourceX + col, y + row, ink);
  return sheet;
}

QImage PaintMarkSheet(const Theme& theme) {
  QImage sheet = Solid(360, 13, kelvo::kBlankRgb);
  const QRgb ink = theme.ink.rgb(), blank = 0xFF000000u | kelvo::kBlankRgb;
  const bool boxed = theme.marks == MarkStyle::Boxed;
  for (const MarkArt& cell : MarkCells()) {
    int total = -1;
    for (const QString& s : cell.symbols) total += MarkGlyph(s).width + 1;
    int x = cell.x + (cell.leftAligned ? 0 : (cell.width - total) / 2);
    const int top = kelvo::kMarkRow;
    if (boxed) {
      const int boxWidth = cell.leftAligned ? 10 : cell.width;
      Fill(sheet, cell.x, top, boxWidth, kelvo::kMarkHeight, ink);
    }
    for (const QString& s : cell.symbols) {
      const PixelGlyph glyph = MarkGlyph(s);
      const int y = top + (glyph.height >= 10 ? 0 : 2);
      DrawGlyph(sheet, glyph, x, y, boxed ? blank : ink);
      x += glyph.width + 1;
    }
  }
  return sheet;
}

QImage PaintDigitalPanel(const Theme& theme, const QImage& backPanel) {
  constexpr int w = 261, h = 100;
  // Start from the body the panel lies on, so that its rounded corners blend into it.
  QImage panel = backPanel.copy(6, 9, w, h).convertToFormat(QImage::Format_RGB32);
  const QRectF outline(0, 0, w, h);
  QPainterPath bezel;
  bezel.addRoundedRect(outline, 8, 8);
  {
    QPainter p(&panel);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient frame(0, 0, 0, h);
    frame.setColorAt(0, theme.bezelTop);
    frame.setColorAt(1, theme.bezelBottom);
    p.fillPath(bezel, frame);
    p.setPen(QPen(QColor(255, 255, 255, 40), 1));
    p.drawRoundedRect(outline.adjusted(0.5, 0.5, -0.5, -0.5), 8, 8);
    // The glass, slightly sunk into the bezel.
    const QRectF glass(5, 5, 251, 91);
    QLinearGradient lcd(0, glass.top(), 0, glass.bottom());
    lcd.setColorAt(0, theme.glassTop);
    lcd.setColorAt(1, theme.glassBottom);
    p.setPen(Qt::NoPen);
    p.setBrush(lcd);
    p.drawRoundedRect(glass, 3, 3);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(theme.glassTop.darker(118));
    p.drawLine(7, 5, 248 + 5, 5);
    p.setPen(theme.glassTop.darker(108));
    p.drawLine(6, 6, 249 + 5, 6);
  }
  // Unlit segments at the fourteen digit places: what a real liquid-crystal cell shows.
  if (theme.ghost.isValid()) {
    const std::vector<bool> eight = GlyphMask(u'8', theme.segments);
    for (int d = 1; d <= 14; ++d) BlendMask(panel, eight, kelvo::kGlyphWidth, 252 - 16 * d, 48, theme.ghost);
  }
  // Everything outside the rounded outline takes the key colour and shows the body.
  const std::vector<bool> inside = Coverage(bezel, w, h);
  QImage sheet = Solid(w, 102, kelvo::kBuiltInKeyRgb);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x)
      if (inside[static_cast<size_t>(y * w + x)]) sheet.setPixel(x, y, panel.pixel(x, y));
  return sheet;
}

}  // namespace skinart
