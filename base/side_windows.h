#pragma once

#include <functional>
#include <string>

namespace kelvo {

// The auxiliary window list: one character per open window that takes part, most recently
// activated last, each at most once. "0" main window, "1" check tape, "2" key settings,
// "3" enlarged panel, "4" formula window, "7" skin chooser, "8" paper tape, "9" tax per rate,
// "A" time and day counts; any other character stands for the main window.
const std::string& SideWindowList();

// A taking-part window became active: its identifier moves to the end (ignored while frozen).
void SideWindowActivated(char id);
// A side window closes: its identifier moves to the end, then the last identifier leaves.
void SideWindowClosed(char id);

// Shows or hides the window of every identifier, first to last. The list is frozen meanwhile,
// because showing a window activates it, which would otherwise reorder the list while it is
// walked. `setVisible` is the main window's: it finds the window of an identifier and shows or
// hides it.
void ShowAllWindows(bool show, const std::function<void(char id, bool show)>& setVisible);

// Empties the list and unfreezes it (a fresh start, for tests).
void ResetSideWindowList();

}  // namespace kelvo
