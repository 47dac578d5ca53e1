#pragma once

#include <string>
#include <string_view>

// What the time and date fields do to a typed text before reading it. Pure.
namespace timecalc {

// The text with full-width letters, digits and signs (an input method's "１：３０") turned into
// their ASCII forms and every space, ideographic ones included, removed. Other characters stay.
std::string Compact(std::string_view utf8);

// The text at `at` starts with `prefix`; if so, `at` moves past it.
bool Take(std::string_view text, std::size_t& at, std::string_view prefix);

// Reads `fewest` to `most` ASCII digits at `at` (moving past them); -1 when there are fewer or
// more.
int TakeNumber(std::string_view text, std::size_t& at, int fewest, int most);

}  // namespace timecalc
