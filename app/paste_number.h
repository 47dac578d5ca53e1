#pragma once

#include <string_view>
#include <vector>

// Pasting a figure: the calculator keys that type the number of a clipboard text (UTF-8).
namespace paste_number {

// One number, as spreadsheets and documents copy it: digits with at most one point, full-width
// forms too, digit-group commas or spaces between groups of three, "¥" before or "円" after, one
// sign before or after (a minus is typed as +/- after the digits), or brackets around it for a
// negative figure ("(1,200)"), whitespace around it.
// The digit keys, then the point, then +/- when negative; empty when the text is anything else
// (letters, two numbers, an empty text), so that pasting it changes nothing.
std::vector<int> KeysFor(std::u32string_view text);

}  // namespace paste_number
