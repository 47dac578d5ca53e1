#pragma once

#include <array>

#include "layout.h"
#include "skin_image_widget.h"

namespace kelvo {

// The main window's image controls: the two display strips and the 32 keys, in that creation
// order (later ones lie above earlier ones). The window creates its text labels after them.
struct SkinWidgets {
  SkinImageWidget* markStrip = nullptr;    // picDgMark
  SkinImageWidget* numberStrip = nullptr;  // picDgPnl
  std::array<KeyImageWidget*, kButtonCells.size()> keys{};  // in the order of kButtonCells

  KeyImageWidget* Key(int keyCode) const;
  void ShowKeys(bool show) const;  // the button display option
};

// Creates the widgets on window at their places, names them ("btPlus", "picDgPnl" ...), gives
// each key its spoken name as accessible name ("表示" for the number strip), and connects them to
// the renderer so that every change of an image repaints its widget.
SkinWidgets CreateSkinWidgets(QWidget* window, Renderer* renderer);

}  // namespace kelvo
