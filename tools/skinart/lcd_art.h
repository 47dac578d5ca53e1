#pragma once

#include <QImage>

#include "theme.h"

// The liquid-crystal sheets: digit glyphs, indicator marks and the display panel.
namespace skinart {

QImage PaintDigitSheet(const Theme& theme);
QImage PaintMarkSheet(const Theme& theme);
// The panel is keyed over backPanel, whose pixels it blends its rounded corners into.
QImage PaintDigitalPanel(const Theme& theme, const QImage& backPanel);

}  // namespace skinart
