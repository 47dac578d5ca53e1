#pragma once

#include <cstdint>

// Cells of the digit and mark sheets, the blank liquid-crystal colour and the built-in key colour.
namespace kelvo {

// Every pixel of the blank liquid-crystal image; also the key colour of both display strips.
inline constexpr uint32_t kBlankRgb = 0xC6D7BD;  // RGB(198, 215, 189)
inline constexpr int kBlankWidth = 245, kBlankHeight = 30;

// The built-in button sheets fill the two hidden rows of each cell with this colour.
inline constexpr uint32_t kBuiltInKeyRgb = 0xFFFF00;

// The digital panel: rows 0..99 are the panel, pixel (0, 101) its key colour.
inline constexpr int kPanelKeyX = 0, kPanelKeyY = 101;

// Digit sheet: every glyph comes from row 2.
inline constexpr int kGlyphRow = 2;
inline constexpr int kGlyphWidth = 11, kGlyphHeight = 21;
inline constexpr int kGlyphPitch = 16;  // one display position
inline constexpr int DigitSourceX(int digit) { return 5 + 15 * digit; }
inline constexpr int kMinusSourceX = 155;
inline constexpr int kLetterESourceX = 170;
inline constexpr int kColonSourceX = 185;
inline constexpr int kPointSourceX = 200, kPointSize = 3;
inline constexpr int kSeparatorSourceX = 205, kSeparatorWidth = 3, kSeparatorHeight = 5;

// Mark sheet: every mark comes from row 2 and is 10 rows high.
inline constexpr int kMarkRow = 2;
inline constexpr int kMarkHeight = 10;
// Where the E mark lands on the number strip.
inline constexpr int kErrorMarkX = 4, kErrorMarkY = 18, kErrorMarkSize = 10;

}  // namespace kelvo
