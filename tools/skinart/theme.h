#pragma once

#include <QColor>
#include <QString>

// The look of one skin: body, display, keys by group, and the shapes of the liquid-crystal glyphs.
namespace skinart {

struct KeyColors {
  QColor face;
  QColor caption;
};

struct SegmentStyle {
  double thickness = 3.0;  // of a segment, in pixels
  double gap = 0.6;        // between neighbouring segments
  double slant = 0.0;      // pixels the top leans right of the bottom
};

enum class MarkStyle { Plain, Boxed };

enum class BodyFinish { Plain, Pinstripe };

struct Theme {
  // Body (back panel).
  QColor bodyTop, bodyBottom;
  QColor keypadWell;   // the recess behind the keys
  QColor brand;        // the name printed on the body
  BodyFinish finish = BodyFinish::Plain;
  // Display (digital panel).
  QColor bezelTop, bezelBottom;
  QColor glassTop, glassBottom;
  QColor ghost;        // unlit segments laid over the glass (translucent); invalid for none
  // Liquid-crystal ink of digits and marks.
  QColor ink;
  SegmentStyle segments;
  MarkStyle marks = MarkStyle::Plain;
  // Keys by group.
  KeyColors digit, function, op, equals, clear, memory, tax, check;
  double keyRadius = 6.0;
};

// The weakest contrast of a key's caption over its face, up or pressed, top or bottom of the
// face's shading (key_art draws the face lighter at the top and darker when pressed).
double WeakestCaptionContrast(const KeyColors& colors);

// The texts of a theme that read below 4.5:1 (key captions by group, the brand on the body, the
// ink on the glass), named with their ratio ("equals 2.16"); empty when every text reads well.
QString WeakCaptions(const Theme& theme);

Theme StandardTheme();  // the built-in skin
Theme NightTheme();
Theme PaperTheme();

}  // namespace skinart
