#pragma once

// The two selectors of the face that shape a result: the round selector (F: no rounding, Cut,
// Up, 5/4) and the decimal selector (0 to 5 places, or F: as many as the display holds). The
// engine applies them to what = and % leave, to memory and grand-total sums and to tax amounts;
// a running result of a chain (a + b +) is only fitted to the display. The cut and the raise
// work on the decimal text (the raise adds one unit of the last place with DecAdd); fitting the
// result to the 14-digit display afterwards (FitDisplay) reads it as a double. The selector values
// are the ones the settings file keeps (RoundSelecter, DecimalSelecter).

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
