#pragma once

#include <QColor>
#include <QString>

#include "layout.h"

class QImage;
class QLabel;

// The small text labels that lie on the display (answer, input, the selector labels, and any
// other one added there): drawn in colours taken from the skin, never from the desktop palette,
// and named for screen readers by what they mean.
namespace kelvo {

class Renderer;

// The contrast ratio of two colours as the accessibility guidelines reckon it, 1 to 21; text
// should read at 4.5 or more.
double ContrastRatio(const QColor& a, const QColor& b);

// Black or white, whichever reads better on `background`.
QColor ReadableTextOn(const QColor& background);

// Black, or white where the skin's display under `labelRect` (client coordinates) is dark: the
// one of the two that stands out more from the panel composite there. Black without a composite.
QColor DisplayLabelTextColour(const QImage& panelComposite, const Rect& labelRect);

// Colours `label` from the skin now and again whenever the renderer's panel changes (a new skin);
// every palette group gets the colour, so no desktop theme reaches the label.
void ColourFromSkin(QLabel* label, const Renderer& renderer);

// Names `label` for screen readers by its meaning ("答え"), kept as its description, while its
// name stays the text it shows.
void DescribeDisplayLabel(QLabel* label, const QString& meaning);

}  // namespace kelvo
