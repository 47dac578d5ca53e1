#pragma once

#include <QImage>

#include "theme.h"

namespace skinart {

// A button sheet: every key drawn into its cell, released or pressed. Each key is drawn over
// the part of backPanel it will lie on, so its rounded edges and shadow blend into the body;
// whatever the key does not cover takes the key colour.
QImage PaintButtonSheet(const Theme& theme, const QImage& backPanel, bool pressed);

}  // namespace skinart
