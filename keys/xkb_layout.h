#pragma once

#include <xkbcommon/xkbcommon.h>

#include "keyboard_layout.h"

// The KeyboardLayout of one group of an XKB keymap, whichever way the keymap reached us: from the
// X server, from the Wayland compositor, or compiled from layout names (tests).
namespace kelvo::xkb {

// Japanese when the group's name says so; every key's character at the group's first level.
KeyboardLayout LayoutOf(xkb_keymap* keymap, xkb_layout_index_t group);

// Whether `keymap` gives `symbol` on key `keyCode` at any level of `group`; true for a symbol or
// key that cannot be checked, so that an odd event never forces a reload.
bool GroupGives(xkb_keymap* keymap, xkb_layout_index_t group, quint32 keyCode, xkb_keysym_t symbol);

// The first group of `keymap` that gives `symbol` on `keyCode`, `preferred` when it does.
xkb_layout_index_t GroupGiving(xkb_keymap* keymap, xkb_layout_index_t preferred, quint32 keyCode, xkb_keysym_t symbol);

struct KeymapDeleter {
  void operator()(xkb_keymap* keymap) const { xkb_keymap_unref(keymap); }
};
struct ContextDeleter {
  void operator()(xkb_context* context) const { xkb_context_unref(context); }
};

}  // namespace kelvo::xkb
