#pragma once

#include <optional>
#include <string_view>
#include <vector>

#include "vb_value.h"

namespace kelvo::wsh {

// The built-in functions and names the formula window offers (Abs to Timer). Names compare
// without regard to letter case.
bool IsBuiltin(std::string_view name);

// Calls a built-in with its evaluated arguments; throws VbError (450 for a wrong number of
// arguments). `now` is the local date and time as a date serial, `secondsToday` the seconds
// since local midnight with their fraction.
struct Clock {
  double now;
  double secondsToday;
};
Value CallBuiltin(std::string_view name, const std::vector<Value>& args, const Clock& clock);

// The local clock now.
Clock LocalClock();

}  // namespace kelvo::wsh
