// Extended-precision arithmetic with the floating-point faults reported as the calculator's errors.
// The calculator was designed for an FPU whose invalid-operation, division-by-zero and overflow
// traps are enabled; these checks give the same outcome without touching the FPU's control word.
#pragma once

namespace vireltan {

// a × b; EInvalidOp for a NaN result, EOverflow when finite operands leave the extended range.
long double multiplyExtended(long double a, long double b);

// dividend / divisor; EZeroDivide for x / 0 with x ≠ 0, EInvalidOp for 0 / 0 and any NaN,
// EOverflow when finite operands leave the extended range. Underflow passes silently.
long double divideExtended(long double dividend, long double divisor);

// Rounds an extended value to double as the FPU's store does: EOverflow when the rounded value
// no longer fits a double, EInvalidOp for a NaN. Denormal and underflowing results pass silently.
double storeDouble(long double value);

}  // namespace vireltan
