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
inline constexpr int kLeftWin = 91;
inline constexpr int kApps = 93;
inline constexpr int kNumpad0 = 96;  // keypad digits 96..105
inline constexpr int kMultiply = 106;
inline constexpr int kAdd = 107;
inline constexpr int kSubtract = 109;
inline constexpr int kDecimal = 110;
inline constexpr int kDivide = 111;
inline constexpr int kF1 = 112;  // F1..F24 are 112..135
inline constexpr int kF12 = 123;
inline constexpr int kNumLock = 144;
inline constexpr int kScroll = 145;

// The punctuation keys, named by what the Japanese (JIS) keyboard prints on them.
inline constexpr int kColon = 186;       // ": *"
inline constexpr int kSemicolon = 187;   // "; +"
inline constexpr int kComma = 188;       // ", <"
inline constexpr int kMinus = 189;       // "- ="
inline constexpr int kPeriod = 190;      // ". >"
inline constexpr int kSlash = 191;       // "/ ?"
inline constexpr int kAt = 192;          // "@ `"
inline constexpr int kBracketOpen = 219; // "[ {"
inline constexpr int kYen = 220;         // "\ |" (the yen key)
inline constexpr int kBracketClose = 221;// "] }"
inline constexpr int kCaret = 222;       // "^ ~"
inline constexpr int kBackslash = 226;   // "\ _" (the key left of right Shift)

}  // namespace kelvo::vk
