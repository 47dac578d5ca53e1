#pragma once

#include <QColor>
#include <QImage>
#include <QRect>

namespace kelvo {

// The colour a small text over a part of a skin picture reads best in: black or white, whichever
// has the higher contrast against the part's mean luminance. A part outside the picture (or an
// empty picture) gives black, the colour of the other display labels.
QColor ReadableTextColour(const QImage& picture, const QRect& area);

}  // namespace kelvo
