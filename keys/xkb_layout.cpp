#include "xkb_layout.h"

#include <string_view>

namespace kelvo::xkb {

KeyboardLayout LayoutOf(xkb_keymap* keymap, xkb_layout_index_t group) {
  KeyboardLayout layout;
  if (keymap == nullptr) return layout;
  if (group >= xkb_keymap_num_layouts(keymap)) group = 0;
  const char* name = xkb_keymap_layout_get_name(keymap, group);
  layout.japanese = name != nullptr && std::string_view(name).starts_with("Japanese");
  for (xkb_keycode_t keyCode = 8; keyCode < layout.baseCharacter.size(); ++keyCode) {
    const xkb_keysym_t* symbols = nullptr;
    const int count = xkb_keymap_key_get_syms_by_level(keymap, keyCode, group, 0, &symbols);
    layout.baseCharacter[keyCode] = count == 1 ? xkb_keysym_to_utf32(symbols[0]) : 0;
  }
  return layout;
}

bool GroupGives(xkb_keymap* keymap, xkb_layout_index_t group, quint32 keyCode, xkb_keysym_t symbol) {
  if (keymap == nullptr || symbol == XKB_KEY_NoSymbol || keyCode < 8 || keyCode > 255) return true;
  const xkb_level_index_t levels = xkb_keymap_num_levels_for_key(keymap, keyCode, group);
  for (xkb_level_index_t level = 0; level < levels; ++level) {
    const xkb_keysym_t* symbols = nullptr;
    const int count = xkb_keymap_key_get_syms_by_level(keymap, keyCode, group, level, &symbols);
    for (int i = 0; i < count; ++i)
      if (symbols[i] == symbol) return true;
  }
  return false;
}

xkb_layout_index_t GroupGiving(xkb_keymap* keymap, xkb_layout_index_t preferred, quint32 keyCode, xkb_keysym_t symbol) {
  if (keymap == nullptr) return preferred;
  const xkb_layout_index_t groups = xkb_keymap_num_layouts(keymap);
  if (preferred < groups && GroupGives(keymap, preferred, keyCode, symbol)) return preferred;
  for (xkb_layout_index_t group = 0; group < groups; ++group)
    if (GroupGives(keymap, group, keyCode, symbol)) return group;
  return preferred < groups ? preferred : 0;
}

}  // namespace kelvo::xkb
