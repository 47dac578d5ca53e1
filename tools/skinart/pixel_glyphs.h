#pragma once

#include <QImage>
#include <QString>

// Hand-set pixel glyphs for the indicator marks: one string per row, '#' is ink.
namespace skinart {

struct PixelGlyph {
  int width;
  const char* const* rows;
  int height;
};

// Glyph for one mark text ("M", "R", "+", "税" ...); an empty glyph for anything unknown.
PixelGlyph MarkGlyph(const QString& symbol);

// Draws glyph with its top-left corner at (x, y) in the given colour.
void DrawGlyph(QImage& image, const PixelGlyph& glyph, int x, int y, QRgb colour);

}  // namespace skinart
