#pragma once

class QKeyEvent;

namespace kelvo {

struct KeyboardLayout;

// Where the keyboard layout comes from on each platform. Each source reads its keymap on first use
// and again when `event` gives a symbol the keymap held has not (the user switched layouts); with
// no event it answers with what it holds, reading the keymap if it holds none. Null when the
// platform cannot tell (no connection, or a build made without the source).
namespace layout_sources {
const KeyboardLayout* FromX11(const QKeyEvent* event);
const KeyboardLayout* FromWayland(const QKeyEvent* event);
}  // namespace layout_sources

}  // namespace kelvo
