#pragma once

// Screen readers hear of a window's widgets once the window is shown. While a new window is
// built and first shown, Qt raises an event for every name, text and "showing" of each label and
// field in it; nobody has met those widgets yet (a screen reader reads a window whole when it
// appears), and a dialog of seventy fields raises hundreds, which a screen reader works through
// one by one before it gets to announce the window. Those events are dropped; the window's own
// events, and everything after its first showing, go through. Installs once per process.
class QWidget;

namespace kelvo {

void DropEventsOfUnshownWindows();

// Whether the window has been shown as assistive technologies see it: it told them it appeared,
// or it is on the screen.
bool ShownToAssistiveTechnologies(QWidget* window);

}  // namespace kelvo
