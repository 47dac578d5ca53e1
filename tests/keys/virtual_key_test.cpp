// Qt key events become the virtual-key codes the key table keeps.
#include <gtest/gtest.h>

#include <QKeyEvent>

#include "key_names.h"
#include "keyboard_layout.h"
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

// Layouts as the X server describes them: the character each punctuation key gives without
// Shift, by X keyboard key code.
KeyboardLayout Layout(bool japanese, std::initializer_list<std::pair<quint32, char32_t>> keys) {
  KeyboardLayout layout;
  layout.japanese = japanese;
  for (const auto& [keyCode, character] : keys) layout.baseCharacter[keyCode] = character;
  return layout;
}
const KeyboardLayout kJapanese = Layout(true, {{20, U'-'}, {21, U'^'}, {34, U'@'}, {35, U'['}, {47, U';'},
                                                {48, U':'}, {51, U']'}, {97, U'\\'}, {132, U'\\'}});
const KeyboardLayout kUs = Layout(false, {{20, U'-'}, {21, U'='}, {34, U'['}, {35, U']'}, {47, U';'}, {48, U'\''},
                                          {49, U'`'}, {51, U'\\'}, {59, U','}, {60, U'.'}, {61, U'/'}});
const KeyboardLayout kGerman = Layout(false, {{20, U'ß'}, {21, U'´'}, {34, U'ü'}, {35, U'+'}, {47, U'ö'},
                                              {48, U'ä'}, {49, U'^'}, {51, U'#'}, {59, U','}, {60, U'.'},
                                              {61, U'-'}, {94, U'<'}});
const KeyboardLayout kFrench = Layout(false, {{58, U','}, {59, U';'}, {35, U'$'}});

TEST(VirtualKey, PunctuationFollowsTheActiveLayout) {
  struct Case {
    const KeyboardLayout* layout;
    quint32 keyCode;
    int key;  // what Qt reports, Shift applied
    bool shift;
    int code;
  };
  const Case cases[] = {
      // Japanese: the JIS codes by place, with or without Shift.
      {&kJapanese, 20, Qt::Key_Minus, false, 189},        {&kJapanese, 20, Qt::Key_Equal, true, 189},
      {&kJapanese, 21, Qt::Key_AsciiCircum, false, 222},  {&kJapanese, 132, Qt::Key_yen, false, 220},
      {&kJapanese, 34, Qt::Key_At, false, 192},           {&kJapanese, 35, Qt::Key_BraceLeft, true, 219},
      {&kJapanese, 47, Qt::Key_Semicolon, false, 187},    {&kJapanese, 47, Qt::Key_Plus, true, 187},
      {&kJapanese, 48, Qt::Key_Colon, false, 186},        {&kJapanese, 48, Qt::Key_Asterisk, true, 186},
      {&kJapanese, 51, Qt::Key_BracketRight, false, 221}, {&kJapanese, 59, Qt::Key_Less, true, 188},
      {&kJapanese, 60, Qt::Key_Period, false, 190},       {&kJapanese, 61, Qt::Key_Question, true, 191},
      {&kJapanese, 97, Qt::Key_Underscore, true, 226},    {&kJapanese, 94, Qt::Key_Less, false, 226},
      // US: the key's own codes; "=+" is the factory plus key, "'" no longer multiplies.
      {&kUs, 21, Qt::Key_Plus, true, 187},           {&kUs, 21, Qt::Key_Equal, false, 187},
      {&kUs, 47, Qt::Key_Semicolon, false, 186},     {&kUs, 47, Qt::Key_Colon, true, 186},
      {&kUs, 20, Qt::Key_Minus, false, 189},         {&kUs, 20, Qt::Key_Underscore, true, 189},
      {&kUs, 61, Qt::Key_Slash, false, 191},         {&kUs, 61, Qt::Key_Question, true, 191},
      {&kUs, 60, Qt::Key_Greater, true, 190},        {&kUs, 59, Qt::Key_Comma, false, 188},
      {&kUs, 48, Qt::Key_Apostrophe, false, 222},    {&kUs, 48, Qt::Key_QuoteDbl, true, 222},
      {&kUs, 49, Qt::Key_QuoteLeft, false, 192},     {&kUs, 49, Qt::Key_AsciiTilde, true, 192},
      {&kUs, 34, Qt::Key_BracketLeft, false, 219},   {&kUs, 35, Qt::Key_BraceRight, true, 221},
      {&kUs, 51, Qt::Key_Backslash, false, 220},     {&kUs, 51, Qt::Key_Bar, true, 220},
      // German: characters a US keyboard has keep their codes wherever they sit; the others keep
      // the code of their place on a US keyboard.
      {&kGerman, 61, Qt::Key_Minus, false, 189},     {&kGerman, 35, Qt::Key_Plus, false, 187},
      {&kGerman, 34, Qt::Key_Udiaeresis, false, 219}, {&kGerman, 94, Qt::Key_Less, false, 226},
      {&kFrench, 58, Qt::Key_Comma, false, 188},     {&kFrench, 59, Qt::Key_Semicolon, false, 186},
      {&kFrench, 35, Qt::Key_Dollar, false, 221},
  };
  for (const Case& c : cases) {
    const QKeyEvent event(QEvent::KeyPress, c.key, c.shift ? Qt::ShiftModifier : Qt::NoModifier, c.keyCode, 0, 0);
    EXPECT_EQ(VirtualKeyCode(event, c.layout), c.code) << c.keyCode << (c.layout == &kUs ? " us" : "");
    EXPECT_FALSE(KeyDisplayName(c.code).empty()) << c.code;
  }
  // Shift with a top-row digit stays that digit on every layout.
  for (const KeyboardLayout* layout : {&kJapanese, &kUs, &kGerman}) {
    const QKeyEvent shifted(QEvent::KeyPress, Qt::Key_Exclam, Qt::ShiftModifier, 10, 0, 0);
    EXPECT_EQ(VirtualKeyCode(shifted, layout), '1');
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
