#pragma once

// Windows virtual-key codes: the numbers the key table and the settings file keep for keys.
namespace kelvo::vk {

inline constexpr int kBack = 8;
inline constexpr int kTab = 9;
inline constexpr int kClear = 12;  // keypad 5 without Num Lock
inline constexpr int kReturn = 13;
inline constexpr int kShift = 16;
inline constexpr int kControl = 17;
inline constexpr int kMenu = 18;  // Alt
inline constexpr int kPause = 19;
inline constexpr int kCapital = 20;
inline constexpr int kEscape = 27;
inline constexpr int kSpace = 32;
inline constexpr int kPrior = 33;  // Page Up
inline constexpr int kNext = 34;   // Page Down
inline constexpr int kEnd = 35;
inline constexpr int kHome = 36;
inline constexpr int kLeft = 37;
inline constexpr int kUp = 38;
inline constexpr int kRight = 39;
inline constexpr int kDown = 40;
inline constexpr int kSnapshot = 44;
inline constexpr int kInsert = 45;
inline constexpr int kDelete = 46;
inline constexpr int k0 = 48;  // top-row digits 48..57
inline constexpr int kA = 65;  // letters 65..90
inline constexpr int kC = 67;
inline constexpr int kLeftWin = 91;
inline constexpr int kApps = 93;
inline constexpr int kNumpad0 = 96;  // keypad digits 96..105
inline constexpr int kNumpad9 = 105;
inline constexpr int kMultiply = 106;
inline constexpr int kAdd = 107;
inline constexpr int kSubtract = 109;
inline constexpr int kDecimal = 110;
inline constexpr int kDivide = 111;
inline constexpr int kF1 = 112;  // F1..F24 are 112..135
inline constexpr int kF10 = 121;
inline constexpr int kF12 = 123;
inline constexpr int kNumLock = 144;
inline constexpr int kScroll = 145;

// The punctuation keys of the Japanese (JIS) keyboard, named by the two characters printed on
// each. Other layouts carry the same numbers on their own keys (the US "=+" key is 187).
inline constexpr int kColonAsterisk = 186;        // ": *"
inline constexpr int kSemicolonPlus = 187;        // "; +"
inline constexpr int kCommaLess = 188;            // ", <"
inline constexpr int kMinusEqual = 189;           // "- ="
inline constexpr int kPeriodGreater = 190;        // ". >"
inline constexpr int kSlashQuestion = 191;        // "/ ?"
inline constexpr int kAtBackquote = 192;          // "@ `"
inline constexpr int kBracketBraceOpen = 219;     // "[ {"
inline constexpr int kBackslashBar = 220;         // "\ |", the yen key right of "^"
inline constexpr int kBracketBraceClose = 221;    // "] }"
inline constexpr int kCaretTilde = 222;           // "^ ~"
inline constexpr int kBackslashUnderscore = 226;  // "\ _", left of the right Shift

}  // namespace kelvo::vk
