#include "rounding.h"

#include <algorithm>

#include "decimal.h"
#include "format.h"

namespace kelvo {
namespace {

// The amount a raised result grows by: one unit in the last kept place.
const char* PlaceUnit(int places) {
  static const char* const kUnits[] = {"1", "0.1", "0.01", "0.001", "0.0001", "0.00001"};
  return places >= 0 && places <= 5 ? kUnits[places] : "0";
}

// Digits the number strip can draw: the 14-digit display plus the position under the E mark.
constexpr size_t kNumberStripPositions = 15;

}  // namespace

std::string RoundResult(std::string_view t, int roundSelector, int places) {
  if (roundSelector < kRoundCut || roundSelector > kRound54) return std::string(t);
  // The decimal selector F rounds like the round selector F.
  if (places < 0 || places > 5) return std::string(t);

  const size_t point = t.find('.');
  const size_t kept = point + 1 + static_cast<size_t>(places);
  if (point == std::string_view::npos || kept >= t.size()) return FitDisplay(t);

  const char dropped = t[kept];
  const std::string_view cut = t.substr(0, kept);
  const bool raise = (roundSelector == kRoundUp && dropped != '0') ||
                     (roundSelector == kRound54 && dropped >= '5' && dropped <= '9');
  if (!raise) return FitDisplay(cut);
  const bool negative = !t.empty() && t.front() == '-';
  const char* unit = PlaceUnit(places);
  return FitDisplay(negative ? DecSubtract(cut, unit) : DecAdd(cut, unit));
}

std::string PadDecimals(std::string_view text, int places) {
  std::string t(text);
  const size_t point = t.find('.');
  const size_t sign = !t.empty() && t.front() == '-' ? 1 : 0;
  const size_t length = kDisplayDigits + sign + (point != std::string::npos ? 1 : 0);
  if (t.size() >= length || places < 0 || places > 5) return t;
  const bool hasPoint = point != std::string::npos;
  size_t zeros = static_cast<size_t>(places);
  if (hasPoint) zeros -= std::min(zeros, t.size() - point - 1);
  // The padding may take the one spare position of the number strip, never more: a digit
  // pushed off its left end would show a different number.
  const size_t digits = t.size() - sign - (hasPoint ? 1 : 0);
  zeros = std::min(zeros, kNumberStripPositions - std::min(digits, kNumberStripPositions));
  if (zeros == 0) return t;
  if (!hasPoint) t += '.';
  t.append(zeros, '0');
  return t;
}

}  // namespace kelvo
