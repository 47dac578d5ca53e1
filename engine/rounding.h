#pragma once

#include <string>
#include <string_view>

namespace kelvo {

constexpr int kRoundF = 1, kRoundCut = 2, kRoundUp = 3, kRound54 = 4;
constexpr int kPlacesF = -9;

// Rounds t to places with the round selector (Cut, Up, 5/4), then fits it to the display.
// Round selector F returns t unchanged.
std::string RoundResult(std::string_view t, int roundSelector, int places);
// Appends fraction zeros up to places, unless the display is already full.
std::string PadDecimals(std::string_view t, int places);

}  // namespace kelvo
