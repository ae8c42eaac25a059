#include "app/ExtendedArithmetic.h"

#include <cmath>
#include <limits>

#include "app/DecimalText.h"

namespace vireltan {

// The results the calculator shows depend on a 64-bit significand for its intermediates.
static_assert(std::numeric_limits<long double>::digits == 64, "long double must be the x87 extended type");

namespace {

long double checked(long double result, long double a, long double b) {
    if (std::isnan(result)) throw EInvalidOp();
    if (std::isinf(result) && std::isfinite(a) && std::isfinite(b)) throw EOverflow();
    return result;
}

}  // namespace

long double multiplyExtended(long double a, long double b) {
    return checked(a * b, a, b);
}

long double divideExtended(long double dividend, long double divisor) {
    if (std::isnan(dividend) || std::isnan(divisor)) throw EInvalidOp();
    if (divisor == 0) {
        if (dividend == 0) throw EInvalidOp();
        throw EZeroDivide();
    }
    return checked(dividend / divisor, dividend, divisor);
}

double storeDouble(long double value) {
    if (std::isnan(value)) throw EInvalidOp();
    // The conversion rounds to nearest first, so a value just above the largest double that rounds
    // down to it is stored without a fault, exactly as the FPU's store behaves.
    const double stored = static_cast<double>(value);
    if (std::isinf(stored)) throw EOverflow();
    return stored;
}

}  // namespace vireltan
