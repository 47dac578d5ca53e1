#pragma once

#include <QtGlobal>

#include <array>

class QKeyEvent;

namespace kelvo {

// What the key translation needs to know of the keyboard layout in use. On a Japanese layout the
// punctuation keys carry the JIS codes by their place; on any other layout a key carries the code
// of the character it gives without Shift (the "=+" key of a US keyboard is 187, ";:" 186), and a
// key whose character has no code of its own keeps the code of its place on a US keyboard.
struct KeyboardLayout {
  bool japanese = true;
  // The character each key gives without Shift, by X keyboard key code (evdev code + 8); 0 where
  // it is not known.
  std::array<char32_t, 256> baseCharacter{};
};

// The code of the top-row digit or punctuation key at X keyboard key code `keyCode` under
// `layout`, or 0 for any other key.
int PositionalKeyCode(const KeyboardLayout& layout, quint32 keyCode);

// The layout of the keyboard that sent `event`, where the platform tells (X11 and Wayland); null
// elsewhere, and the Japanese places then apply. Read on first use and again whenever a key gives
// a symbol the layout held here does not have (the user switched layouts).
const KeyboardLayout* ActiveKeyboardLayout(const QKeyEvent& event);

// The layout the last key came from, read now when no key came yet; null where the platform does
// not tell. For showing key names outside a key press.
const KeyboardLayout* CurrentKeyboardLayout();

// The character printed on the key that carries the punctuation code `code` under `layout` (the
// character it gives without Shift, "=" for 187 on a US keyboard), or 0 when no key carries it or
// its character is not printable.
char32_t KeyCapCharacter(const KeyboardLayout& layout, int code);

}  // namespace kelvo
