#pragma once

#include <cstddef>
#include <string_view>

#include "vb_functions.h"
#include "vb_value.h"

namespace kelvo::wsh {

// The longest expression and the deepest nesting (brackets, signs, calls) that are compiled;
// beyond them the expression counts as a syntax error.
inline constexpr std::size_t kMaxExpressionBytes = 64 * 1024;
inline constexpr int kMaxNesting = 256;

struct Outcome {
  enum Kind { Value, RuntimeError, SyntaxError } kind = SyntaxError;
  wsh::Value value;
  int error = 0;  // the error number of a runtime error
};

// Compiles and evaluates one expression of the script language: numbers, the built-in functions,
// brackets, the signs, ^ * / \ Mod + - Not And Or Xor, with the language's precedence (^ binds
// tighter than a sign, so -3^2 is -9; ^ and the other binary operators group from the left).
Outcome Evaluate(std::string_view expression, const Clock& clock);

}  // namespace kelvo::wsh
