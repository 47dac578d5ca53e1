// Qt key events become the virtual-key codes the key table keeps.
#include <gtest/gtest.h>

#include <QKeyEvent>

#include "key_names.h"
#include "virtual_key.h"

using namespace kelvo;

namespace {

// A key press as the X11 and Wayland platforms deliver it: the native scan code is the xkb key
// code (evdev + 8), 0 when a program made the event up.
int Code(int key, quint32 scanCode = 0, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
  const QKeyEvent event(QEvent::KeyPress, key, modifiers, scanCode, 0, 0);
  return VirtualKeyCode(event);
}

TEST(VirtualKey, LettersFollowTheLayout) {
  const char* rows[] = {"QWERTYUIOP", "ASDFGHJKL", "ZXCVBNM"};
  const quint32 firstScanCode[] = {24, 38, 52};
  for (int row = 0; row < 3; ++row) {
    for (int i = 0; rows[row][i]; ++i) {
      const int letter = rows[row][i];
      const quint32 scanCode = firstScanCode[row] + static_cast<quint32>(i);
      EXPECT_EQ(Code(Qt::Key_A + (letter - 'A'), scanCode), letter) << char(letter);
      EXPECT_EQ(Code(Qt::Key_A + (letter - 'A'), scanCode, Qt::ShiftModifier), letter) << char(letter);
      EXPECT_EQ(Code(Qt::Key_A + (letter - 'A')), letter) << char(letter);
    }
  }
  EXPECT_EQ(Code(Qt::Key_A, 24), 'A');  // the French layout's A sits where others have Q
  EXPECT_EQ(Code(0x0444, 38), 'A');     // a Cyrillic letter: the Latin letter in its place
}

TEST(VirtualKey, TopRowDigitsKeepTheirCodeWithShift) {
  // Shift with 1..0 on a US keyboard, then on a Japanese one (Shift with 0 gives nothing there).
  const int usShifted[] = {Qt::Key_Exclam, Qt::Key_At, Qt::Key_NumberSign, Qt::Key_Dollar, Qt::Key_Percent,
                           Qt::Key_AsciiCircum, Qt::Key_Ampersand, Qt::Key_Asterisk, Qt::Key_ParenLeft,
                           Qt::Key_ParenRight};
  const int jisShifted[] = {Qt::Key_Exclam, Qt::Key_QuoteDbl, Qt::Key_NumberSign, Qt::Key_Dollar,
                            Qt::Key_Percent, Qt::Key_Ampersand, Qt::Key_Apostrophe, Qt::Key_ParenLeft,
                            Qt::Key_ParenRight, Qt::Key_unknown};
  for (int i = 0; i < 10; ++i) {
    const int digit = i == 9 ? '0' : '1' + i;
    const auto scanCode = static_cast<quint32>(10 + i);
    EXPECT_EQ(Code(Qt::Key_0 + (digit - '0'), scanCode), digit);
    EXPECT_EQ(Code(Qt::Key_0 + (digit - '0')), digit);
    EXPECT_EQ(Code(usShifted[i], scanCode, Qt::ShiftModifier), digit);
    EXPECT_EQ(Code(jisShifted[i], scanCode, Qt::ShiftModifier), digit);
    if (i < 9) {
      EXPECT_EQ(Code(jisShifted[i], 0, Qt::ShiftModifier), digit);  // made up: by character
    }
  }
}

TEST(VirtualKey, PunctuationGoesByPlaceOnJapaneseAndUsKeyboards) {
  struct Case {
    quint32 scanCode;
    int jis, jisShifted;  // what the Japanese layout gives there
    int us, usShifted;    // and the US one (or a European one for its extra key)
    int code;
  };
  const Case cases[] = {
      {20, Qt::Key_Minus, Qt::Key_Equal, Qt::Key_Minus, Qt::Key_Underscore, 189},
      {21, Qt::Key_AsciiCircum, Qt::Key_AsciiTilde, Qt::Key_Equal, Qt::Key_Plus, 222},
      {132, Qt::Key_Backslash, Qt::Key_Bar, Qt::Key_yen, Qt::Key_Bar, 220},
      {34, Qt::Key_At, Qt::Key_QuoteLeft, Qt::Key_BracketLeft, Qt::Key_BraceLeft, 192},
      {35, Qt::Key_BracketLeft, Qt::Key_BraceLeft, Qt::Key_BracketRight, Qt::Key_BraceRight, 219},
      {47, Qt::Key_Semicolon, Qt::Key_Plus, Qt::Key_Semicolon, Qt::Key_Colon, 187},
      {48, Qt::Key_Colon, Qt::Key_Asterisk, Qt::Key_Apostrophe, Qt::Key_QuoteDbl, 186},
      {51, Qt::Key_BracketRight, Qt::Key_BraceRight, Qt::Key_Backslash, Qt::Key_Bar, 221},
      {59, Qt::Key_Comma, Qt::Key_Less, Qt::Key_Comma, Qt::Key_Less, 188},
      {60, Qt::Key_Period, Qt::Key_Greater, Qt::Key_Period, Qt::Key_Greater, 190},
      {61, Qt::Key_Slash, Qt::Key_Question, Qt::Key_Slash, Qt::Key_Question, 191},
      {97, Qt::Key_Backslash, Qt::Key_Underscore, Qt::Key_Backslash, Qt::Key_Underscore, 226},
      {94, Qt::Key_Less, Qt::Key_Greater, Qt::Key_Less, Qt::Key_Greater, 226},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Code(c.jis, c.scanCode), c.code) << c.scanCode;
    EXPECT_EQ(Code(c.jisShifted, c.scanCode, Qt::ShiftModifier), c.code) << c.scanCode;
    EXPECT_EQ(Code(c.us, c.scanCode), c.code) << c.scanCode;
    EXPECT_EQ(Code(c.usShifted, c.scanCode, Qt::ShiftModifier), c.code) << c.scanCode;
    EXPECT_FALSE(KeyDisplayName(c.code).empty()) << c.code;
  }
}

TEST(VirtualKey, MadeUpPunctuationGoesByTheJapaneseKeyThatCarriesIt) {
  const std::pair<int, int> cases[] = {
      {Qt::Key_Asterisk, 186}, {Qt::Key_Plus, 187},  {Qt::Key_Equal, 189},      {Qt::Key_At, 192},
      {Qt::Key_BraceLeft, 219}, {Qt::Key_yen, 220},  {Qt::Key_BracketRight, 221}, {Qt::Key_AsciiCircum, 222},
      {Qt::Key_Underscore, 226},
  };
  for (const auto& [key, code] : cases) EXPECT_EQ(Code(key), code) << key;
}

TEST(VirtualKey, FunctionEditingAndCursorKeys) {
  const std::pair<int, int> cases[] = {
      {Qt::Key_Backspace, 8}, {Qt::Key_Tab, 9},       {Qt::Key_Backtab, 9},   {Qt::Key_Return, 13},
      {Qt::Key_Enter, 13},    {Qt::Key_Shift, 16},    {Qt::Key_Control, 17},  {Qt::Key_Alt, 18},
      {Qt::Key_Escape, 27},   {Qt::Key_Space, 32},    {Qt::Key_PageUp, 33},   {Qt::Key_PageDown, 34},
      {Qt::Key_End, 35},      {Qt::Key_Home, 36},     {Qt::Key_Left, 37},     {Qt::Key_Up, 38},
      {Qt::Key_Right, 39},    {Qt::Key_Down, 40},     {Qt::Key_Insert, 45},   {Qt::Key_Delete, 46},
      {Qt::Key_F1, 112},      {Qt::Key_F10, 121},     {Qt::Key_F11, 122},     {Qt::Key_F12, 123},
      {Qt::Key_unknown, 0},   {Qt::Key_Dead_Acute, 0},
  };
  for (const auto& [key, code] : cases) {
    EXPECT_EQ(Code(key), code) << key;
    EXPECT_EQ(Code(key, 0, Qt::ShiftModifier), code) << key;
  }
  for (int f = 0; f < 11; ++f) EXPECT_EQ(KeyDisplayName(Code(Qt::Key_F1 + f)), "[ F" + std::to_string(f + 1) + " ]");
}

TEST(VirtualKey, KeypadKeysAreToldApartFromTheirTwins) {
  const std::pair<int, int> cases[] = {
      {Qt::Key_0, 96},        {Qt::Key_5, 101},     {Qt::Key_9, 105},      {Qt::Key_Asterisk, 106},
      {Qt::Key_Plus, 107},    {Qt::Key_Minus, 109}, {Qt::Key_Period, 110}, {Qt::Key_Comma, 110},
      {Qt::Key_Slash, 111},   {Qt::Key_Enter, 13},  {Qt::Key_Home, 36},    {Qt::Key_Clear, 12},
      {Qt::Key_Insert, 45},   {Qt::Key_Equal, 0},
  };
  for (const auto& [key, code] : cases) {
    EXPECT_EQ(Code(key, 0, Qt::KeypadModifier), code) << key;
    EXPECT_EQ(Code(key, 79, Qt::KeypadModifier), code) << key;  // whatever its place
  }
  for (int code = 96; code <= 111; ++code) EXPECT_EQ(KeyDisplayName(code), "") << code;
}

}  // namespace
