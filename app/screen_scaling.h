#pragma once

#include <QByteArray>

// The face is drawn pixel for pixel from its skin. On a dense screen the whole window is scaled by
// the whole-number part of the screen's pixel ratio, so that every skin pixel becomes an exact
// square block; a fractional factor would blur it. Called before the QApplication is made: the
// factor of the screen is rounded down, and the scale factors a user sets are made whole.
void UseWholeNumberScaling();

// A scale factor as Qt reads it from QT_SCALE_FACTOR, rounded down to a whole number ("2.5" is
// "2"); empty when it is below 1 or no number at all (the setting is then dropped).
QByteArray WholeScaleFactor(const QByteArray& factor);
// QT_SCREEN_SCALE_FACTORS ("1.5;2" or "DP-1=1.5;HDMI-1=2") with every factor made whole; unusable
// entries are dropped.
QByteArray WholeScreenScaleFactors(const QByteArray& factors);
