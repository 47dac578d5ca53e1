#pragma once

#include <QImage>

#include "theme.h"

namespace skinart {

// The back panel: the calculator's body, with the keypad recess, the name and a solar cell.
QImage PaintBackPanel(const Theme& theme);

}  // namespace skinart
