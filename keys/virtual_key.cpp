#include "virtual_key.h"

#include <QKeyEvent>

#include <string_view>

#include "keyboard_layout.h"
#include "vk_codes.h"

namespace kelvo {
namespace {

// Keys with a meaning of their own, by Qt key; the same whatever the layout.
int NamedKeyCode(int key) {
  if (key >= Qt::Key_F1 && key <= Qt::Key_F24) return vk::kF1 + (key - Qt::Key_F1);
  switch (key) {
    case Qt::Key_Backspace: return vk::kBack;
    case Qt::Key_Tab:
    case Qt::Key_Backtab: return vk::kTab;
    case Qt::Key_Clear: return vk::kClear;
    case Qt::Key_Return:
    case Qt::Key_Enter: return vk::kReturn;
    case Qt::Key_Shift: return vk::kShift;
    case Qt::Key_Control: return vk::kControl;
    case Qt::Key_Alt: return vk::kMenu;
    case Qt::Key_Pause: return vk::kPause;
    case Qt::Key_CapsLock: return vk::kCapital;
    case Qt::Key_Escape: return vk::kEscape;
    case Qt::Key_Space: return vk::kSpace;
    case Qt::Key_PageUp: return vk::kPrior;
    case Qt::Key_PageDown: return vk::kNext;
    case Qt::Key_End: return vk::kEnd;
    case Qt::Key_Home: return vk::kHome;
    case Qt::Key_Left: return vk::kLeft;
    case Qt::Key_Up: return vk::kUp;
    case Qt::Key_Right: return vk::kRight;
    case Qt::Key_Down: return vk::kDown;
    case Qt::Key_Print: return vk::kSnapshot;
    case Qt::Key_Insert: return vk::kInsert;
    case Qt::Key_Delete: return vk::kDelete;
    case Qt::Key_Meta: return vk::kLeftWin;
    case Qt::Key_Menu: return vk::kApps;
    case Qt::Key_NumLock: return vk::kNumLock;
    case Qt::Key_ScrollLock: return vk::kScroll;
  }
  return 0;
}

// The keypad's digits, operators and Enter.
int KeypadCode(int key) {
  if (key >= Qt::Key_0 && key <= Qt::Key_9) return vk::kNumpad0 + (key - Qt::Key_0);
  switch (key) {
    case Qt::Key_Asterisk: return vk::kMultiply;
    case Qt::Key_Plus: return vk::kAdd;
    case Qt::Key_Minus: return vk::kSubtract;
    case Qt::Key_Period:
    case Qt::Key_Comma: return vk::kDecimal;  // the keypad point of layouts with a decimal comma
    case Qt::Key_Slash: return vk::kDivide;
    case Qt::Key_Enter:
    case Qt::Key_Return: return vk::kReturn;
  }
  return 0;
}

// The code of the key that sits where this one does, or 0 when the platform does not tell.
int PositionCode(const QKeyEvent& event, const KeyboardLayout* layout) {
#if defined(Q_OS_WIN)
  // Windows itself gives the code; only take it for the keys that go by position here.
  (void)layout;
  const auto code = static_cast<int>(event.nativeVirtualKey());
  const bool digitOrLetter = (code >= '0' && code <= '9') || (code >= 'A' && code <= 'Z');
  return (digitOrLetter || (code >= vk::kColonAsterisk && code <= vk::kBackslashUnderscore)) ? code : 0;
#else
  static const KeyboardLayout kJapanese;
  return PositionalKeyCode(layout != nullptr ? *layout : kJapanese, event.nativeScanCode());
#endif
}

// Without a position (events made up by programs), the character tells: the key that carries it
// on the Japanese keyboard, shifted or not.
int CodeOfCharacter(int key) {
  if (key >= Qt::Key_0 && key <= Qt::Key_9) return '0' + (key - Qt::Key_0);
  switch (key) {
    case Qt::Key_Exclam: return '1';
    case Qt::Key_QuoteDbl: return '2';
    case Qt::Key_NumberSign: return '3';
    case Qt::Key_Dollar: return '4';
    case Qt::Key_Percent: return '5';
    case Qt::Key_Ampersand: return '6';
    case Qt::Key_Apostrophe: return '7';
    case Qt::Key_ParenLeft: return '8';
    case Qt::Key_ParenRight: return '9';
    case Qt::Key_Colon:
    case Qt::Key_Asterisk: return vk::kColonAsterisk;
    case Qt::Key_Semicolon:
    case Qt::Key_Plus: return vk::kSemicolonPlus;
    case Qt::Key_Comma:
    case Qt::Key_Less: return vk::kCommaLess;
    case Qt::Key_Minus:
    case Qt::Key_Equal: return vk::kMinusEqual;
    case Qt::Key_Period:
    case Qt::Key_Greater: return vk::kPeriodGreater;
    case Qt::Key_Slash:
    case Qt::Key_Question: return vk::kSlashQuestion;
    case Qt::Key_At:
    case Qt::Key_QuoteLeft: return vk::kAtBackquote;
    case Qt::Key_BracketLeft:
    case Qt::Key_BraceLeft: return vk::kBracketBraceOpen;
    case Qt::Key_Backslash:
    case Qt::Key_Bar:
    case Qt::Key_yen: return vk::kBackslashBar;
    case Qt::Key_BracketRight:
    case Qt::Key_BraceRight: return vk::kBracketBraceClose;
    case Qt::Key_AsciiCircum:
    case Qt::Key_AsciiTilde: return vk::kCaretTilde;
    case Qt::Key_Underscore: return vk::kBackslashUnderscore;
  }
  return 0;
}

}  // namespace

int VirtualKeyCode(const QKeyEvent& event, const KeyboardLayout* layout) {
  const int key = event.key();
  if (event.modifiers() & Qt::KeypadModifier) {
    // Keypad digits and operators; without Num Lock the keypad sends the cursor keys.
    if (const int code = KeypadCode(key)) return code;
    return NamedKeyCode(key);
  }
  if (const int code = NamedKeyCode(key)) return code;
  if (key >= Qt::Key_A && key <= Qt::Key_Z) return vk::kA + (key - Qt::Key_A);
  if (const int code = PositionCode(event, layout)) return code;
  return CodeOfCharacter(key);
}

int VirtualKeyCode(const QKeyEvent& event) { return VirtualKeyCode(event, ActiveKeyboardLayout(event)); }

}  // namespace kelvo
