#pragma once

#include <QIcon>
#include <QImage>

// The window and tray icon: a small calculator in the colours of the built-in skin (navy body,
// the liquid-crystal green of the display, keys coloured by group). Drawn, not loaded, so it
// costs no file access at start-up.
QIcon KelvoIcon();
// The same drawing as one square image of size x size pixels (the installed icon files).
QImage KelvoIconImage(int size);
