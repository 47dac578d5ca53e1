#pragma once

class QAction;
class QMenu;

// What the window system lets the program do with its windows. Wayland keeps the places of
// windows and the stacking to the compositor: a client neither learns nor sets where a window
// is, and cannot keep one above the others.
namespace window_system {

// False under Wayland, where a window's position reads as nonsense and a move is ignored.
bool PlacesWindows();

// False under Wayland, which keeps no window above the others at a client's asking.
bool KeepsOnTop();

// Under Wayland the always-on-top item says in its tool tip that the desktop does not allow it.
void ExplainAlwaysOnTop(QAction* item, QMenu* menu);

}  // namespace window_system
