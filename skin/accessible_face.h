#pragma once

#include <QString>
#include <functional>

#include "spoken_face.h"

class QWidget;

// How screen readers see the calculator face: each key is a push button named in words, with a
// press action that acts as a click and a description naming its keyboard keys; the display is
// a text whose name is the number shown and whose description names the lit marks, the
// selectors and the tax rate, and which has each change said aloud. Nothing here runs until an
// assistive technology asks, except the cheap check in AnnounceDisplay.
namespace kelvo {

// Teaches Qt the face's accessible objects. Once per process; later calls do nothing.
void InstallFaceAccessibility();

// Gives the face's display (the number strip) its words, made from `reading` whenever asked.
void SetDisplayReading(QWidget* display, std::function<DisplayReading()> reading);

// Where the keyboard keys of a calculator key come from ("PgUp", "7、テンキー7"); the key
// assignment can change at any time, so they are asked for each time they are read.
void SetKeyboardKeysSource(std::function<QString(int keyCode)> source);
QString KeyboardKeysOf(int keyCode);
// The key's name and keyboard keys as its tool tip shows them: "税込 (PgUp)".
QString KeyToolTip(int keyCode);

// Has a listening screen reader say what changed on the display since it last spoke, once
// (SpokenDisplayChange), and keeps the display's name up to date: as soon as the display has been
// still for a moment (40 ms), so a burst of keys is said once, as it ends. Does next to nothing
// while no assistive technology listens, so the engine may call it after every key. Silent until
// StartDisplayAnnouncements: the set-up of a starting window is nothing to say. `saidAloud`: the
// program's own read-aloud says this change; the screen reader is then not told it again (the
// display's name still follows), so nobody hears a figure twice in two voices. Of a burst, the
// last change decides.
void AnnounceDisplay(QWidget* display, bool saidAloud = false);
// That moment, for tests and benchmarks (0: at the next turn of the event loop).
void SetDisplayAnnouncementDelay(int milliseconds);
// From now on the display's changes are said; what it shows now counts as heard (a screen reader
// reads the focused display itself when its window appears).
void StartDisplayAnnouncements(QWidget* display);

}  // namespace kelvo
