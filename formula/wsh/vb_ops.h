#pragma once

#include "vb_value.h"

namespace kelvo::wsh {

enum class BinaryOp { Add, Subtract, Multiply, Divide, IntDivide, Mod, Power, And, Or, Xor };

// The operators with the language's subtype rules; each throws VbError.
Value Binary(BinaryOp op, const Value& left, const Value& right);
Value Negate(const Value& operand);
Value Not(const Value& operand);
// A Double, or the overflow error when the result is not finite.
Value CheckedDouble(double result);

}  // namespace kelvo::wsh
