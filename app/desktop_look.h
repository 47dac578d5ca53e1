#pragma once

#include <QFont>

class QApplication;
class QWidget;

// How the program's windows meet the desktop: Qt's own texts in Japanese, the desktop's font size
// for menus, dialogs and side windows (the calculator's face keeps its fixed pixels).

// Installs Qt's own Japanese translation (qtbase_ja.qm) from the system's Qt translations, so
// message boxes say はい and いいえ. Without the file the English texts stay.
void LoadQtTranslation(QApplication& app);

// The desktop's font at the desktop's size, in the proportional Japanese Gothic.
QFont DesktopUiFont();

// Makes DesktopUiFont the font of every window.
void UseDesktopFontSize();

// A side window laid out in fixed pixels for the usual 12-pixel font grows with a larger desktop
// font: its size, its children's places and their own pixel fonts, all by the same factor. Nothing
// changes at the usual size or below.
void FitToDesktopFont(QWidget* window);

// The factor FitToDesktopFont applies: the desktop font's height over the 12-pixel font's, at
// least 1.
double DesktopFontScale();
