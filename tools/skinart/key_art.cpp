#include "key_art.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>

#include "art_util.h"
#include "layout.h"
#include "sheet_geometry.h"

namespace skinart {
namespace {

enum class Group { Digit, Function, Operator, Equals, Clear, Memory, Tax, Check };

Group GroupOf(int code) {
  if (code >= 100 || code == 21) return Group::Digit;
  switch (code) {
    case 17: case 18: case 19: case 20: return Group::Operator;
    case 99: return Group::Equals;
    case 2: case 7: case 16: return Group::Clear;
    case 3: case 4: case 5: case 6: case 15: return Group::Memory;
    case 11: case 12: return Group::Tax;
    case 10: return Group::Check;
    default: return Group::Function;
  }
}

const KeyColors& ColorsOf(const Theme& t, Group g) {
  switch (g) {
    case Group::Digit: return t.digit;
    case Group::Operator: return t.op;
    case Group::Equals: return t.equals;
    case Group::Clear: return t.clear;
    case Group::Memory: return t.memory;
    case Group::Tax: return t.tax;
    case Group::Check: return t.check;
    case Group::Function: break;
  }
  return t.function;
}

// The four operators, equals and backspace are drawn as strokes: crisper than any font.
bool DrawSymbol(QPainter& p, int code, QPointF c, double size) {
  const double r = size / 2;
  switch (code) {
    case 17: p.drawLine(QPointF(c.x() - r, c.y()), QPointF(c.x() + r, c.y()));
             p.drawLine(QPointF(c.x(), c.y() - r), QPointF(c.x(), c.y() + r)); return true;
    case 18: p.drawLine(QPointF(c.x() - r, c.y()), QPointF(c.x() + r, c.y())); return true;
    case 19: { const double d = r * 0.75;
             p.drawLine(QPointF(c.x() - d, c.y() - d), QPointF(c.x() + d, c.y() + d));
             p.drawLine(QPointF(c.x() - d, c.y() + d), QPointF(c.x() + d, c.y() - d)); return true; }
    case 20: p.drawLine(QPointF(c.x() - r, c.y()), QPointF(c.x() + r, c.y()));
             p.drawPoint(QPointF(c.x(), c.y() - r * 0.65)); p.drawPoint(QPointF(c.x(), c.y() + r * 0.65)); return true;
    case 99: p.drawLine(QPointF(c.x() - r, c.y() - r * 0.4), QPointF(c.x() + r, c.y() - r * 0.4));
             p.drawLine(QPointF(c.x() - r, c.y() + r * 0.4), QPointF(c.x() + r, c.y() + r * 0.4)); return true;
    case 13: { const double a = r * 0.9;  // backspace: an arrow to the right, the way the key reads
             p.drawLine(QPointF(c.x() - a, c.y()), QPointF(c.x() + a, c.y()));
             p.drawLine(QPointF(c.x() + a - 3.5, c.y() - 3.5), QPointF(c.x() + a, c.y()));
             p.drawLine(QPointF(c.x() + a - 3.5, c.y() + 3.5), QPointF(c.x() + a, c.y())); return true; }
    default: return false;
  }
}

QFont CaptionFont(const kelvo::ButtonCell& cell, Group g) {
  const QString caption = QString::fromUtf8(cell.caption.data(), static_cast<qsizetype>(cell.caption.size()));
  const bool kanji = caption.at(0).unicode() >= 0x3000;
  QFont f(kanji ? QStringLiteral("IPAGothic") : QStringLiteral("DejaVu Sans"));
  f.setBold(true);
  f.setHintingPreference(QFont::PreferFullHinting);
  int px = 11;
  if (kanji) px = 12;
  else if (g == Group::Digit) px = caption.size() > 1 ? 14 : 16;
  else if (cell.cellHeight == 27) px = 10;
  if (caption == QStringLiteral("√")) px = 15;
  if (caption == QStringLiteral("%")) px = 13;
  f.setPixelSize(px);
  return f;
}

void PaintKey(QImage& sheet, const kelvo::ButtonCell& cell, const Theme& theme, const QImage& back, bool pressed) {
  const int w = kelvo::kKeyWidth, vh = cell.VisibleHeight();
  const Group group = GroupOf(cell.keyCode);
  const KeyColors& colors = ColorsOf(theme, group);
  const double radius = std::min(theme.keyRadius, vh / 2.0 - 1);
  const double sink = pressed ? 2.0 : 0.0;
  const QRectF body(0.5, 0.5 + sink, w - 1.0, vh - 1.5 - sink);        // face and skirt
  const QRectF face(0.5, 0.5 + sink, w - 1.0, vh - (pressed ? 3.5 : 4.5) - sink);

  QImage key = back.copy(cell.windowX, cell.windowY, w, vh).convertToFormat(QImage::Format_RGB32);
  QPainterPath outline;
  outline.addRoundedRect(body, radius, radius);
  QPainterPath shadow;
  if (!pressed) shadow.addRoundedRect(body.translated(0, 1.0), radius, radius);
  {
    QPainter p(&key);
    p.setRenderHint(QPainter::Antialiasing);
    if (!pressed) p.fillPath(shadow, QColor(0, 0, 0, 70));
    p.fillPath(outline, colors.face.darker(pressed ? 150 : 140));  // the key's side
    QLinearGradient top(0, face.top(), 0, face.bottom());
    const QColor base = pressed ? colors.face.darker(108) : colors.face;
    top.setColorAt(0, pressed ? base.darker(106) : base.lighter(114));
    top.setColorAt(1, pressed ? base.lighter(103) : base);
    QPainterPath facePath;
    facePath.addRoundedRect(face, radius, radius);
    p.fillPath(facePath, top);
    if (!pressed) {  // light catching the top edge
      p.setPen(QPen(QColor(255, 255, 255, 70), 1));
      p.drawLine(QPointF(radius, 1.5), QPointF(w - radius, 1.5));
    }
    p.setPen(QPen(colors.face.darker(170), 1));
    p.setBrush(Qt::NoBrush);
    p.drawPath(outline);

    const QPointF centre(face.center().x(), face.center().y() + 0.5);
    QPen stroke(colors.caption, vh > 30 ? 2.2 : 1.8, Qt::SolidLine, Qt::RoundCap);
    p.setPen(stroke);
    if (!DrawSymbol(p, cell.keyCode, centre, cell.keyCode == 99 || cell.keyCode == 17 ? 13 : 11)) {
      p.setFont(CaptionFont(cell, group));
      QString caption = QString::fromUtf8(cell.caption.data(), static_cast<qsizetype>(cell.caption.size()));
      caption.replace(u'-', QChar(0x2212));  // a real minus sign on M- and +/-
      p.drawText(face.translated(0, 0.5), Qt::AlignCenter, caption);
    }
  }
  QPainterPath drawn = outline;
  if (!pressed) drawn = drawn.united(shadow);
  const std::vector<bool> covered = Coverage(drawn, w, vh);
  const QRgb keyColour = 0xFF000000u | kelvo::kBuiltInKeyRgb;
  for (int y = 0; y < vh; ++y)
    for (int x = 0; x < w; ++x)
      sheet.setPixel(cell.cellX + x, cell.cellY + y, covered[static_cast<size_t>(y * w + x)] ? key.pixel(x, y) : keyColour);
}

}  // namespace

QImage PaintButtonSheet(const Theme& theme, const QImage& backPanel, bool pressed) {
  QImage sheet = Solid(231, 261, kelvo::kBuiltInKeyRgb);
  for (const kelvo::ButtonCell& cell : kelvo::kButtonCells) PaintKey(sheet, cell, theme, backPanel, pressed);
  return sheet;
}

}  // namespace skinart
