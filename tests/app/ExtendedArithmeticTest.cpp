#include "app/ExtendedArithmetic.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <functional>
#include <limits>
#include <string>

#include "app/DecimalText.h"

namespace vireltan {
namespace {

enum class Outcome { Value, ZeroDivide, InvalidOp, Overflow };

Outcome outcomeOf(const std::function<long double()>& op, long double* value) {
    try {
        *value = op();
        return Outcome::Value;
    } catch (const EZeroDivide&) {
        return Outcome::ZeroDivide;
    } catch (const EInvalidOp&) {
        return Outcome::InvalidOp;
    } catch (const EOverflow&) {
        return Outcome::Overflow;
    }
}

TEST(ExtendedArithmetic, FaultsBecomeCalculatorErrors) {
    constexpr long double kInf = std::numeric_limits<long double>::infinity();
    constexpr long double kNaN = std::numeric_limits<long double>::quiet_NaN();
    constexpr long double kMax = std::numeric_limits<long double>::max();
    // Just above the largest double, but rounding down to it: the store does not overflow.
    const long double justAboveDblMax = static_cast<long double>(DBL_MAX) * (1 + std::ldexp(1.0L, -60));
    // Halfway to the next binade step: rounds up, out of the double range.
    const long double halfUlpAboveDblMax = static_cast<long double>(DBL_MAX) + std::ldexp(1.0L, 970);
    struct Case {
        const char* name;
        std::function<long double()> op;
        Outcome outcome;
        long double value;
    };
    const Case cases[] = {
        {"1 / 0", [] { return divideExtended(1, 0); }, Outcome::ZeroDivide, 0},
        {"-1 / -0", [] { return divideExtended(-1, -0.0L); }, Outcome::ZeroDivide, 0},
        {"0 / 0", [] { return divideExtended(0, 0); }, Outcome::InvalidOp, 0},
        {"-0 / 0", [] { return divideExtended(-0.0L, 0); }, Outcome::InvalidOp, 0},
        {"NaN / 1", [=] { return divideExtended(kNaN, 1); }, Outcome::InvalidOp, 0},
        {"1 / NaN", [=] { return divideExtended(1, kNaN); }, Outcome::InvalidOp, 0},
        {"max / 0.5", [=] { return divideExtended(kMax, 0.5L); }, Outcome::Overflow, 0},
        {"1 / 4", [] { return divideExtended(1, 4); }, Outcome::Value, 0.25L},
        {"1 / max", [=] { return divideExtended(1, kMax); }, Outcome::Value,
         1 / kMax},  // underflow is silent
        {"inf * 0", [=] { return multiplyExtended(kInf, 0); }, Outcome::InvalidOp, 0},
        {"max * 2", [=] { return multiplyExtended(kMax, 2); }, Outcome::Overflow, 0},
        {"DBL_MAX²", [] { return multiplyExtended(DBL_MAX, DBL_MAX); }, Outcome::Value,
         static_cast<long double>(DBL_MAX) * DBL_MAX},
        {"store DBL_MAX²", [] { return storeDouble(static_cast<long double>(DBL_MAX) * DBL_MAX); },
         Outcome::Overflow, 0},
        {"store -DBL_MAX × 2", [] { return storeDouble(-2.0L * DBL_MAX); }, Outcome::Overflow, 0},
        {"store just above DBL_MAX", [=] { return storeDouble(justAboveDblMax); }, Outcome::Value, DBL_MAX},
        {"store half an ulp above DBL_MAX", [=] { return storeDouble(halfUlpAboveDblMax); },
         Outcome::Overflow, 0},
        {"store inf", [=] { return storeDouble(kInf); }, Outcome::Overflow, 0},
        {"store NaN", [=] { return storeDouble(kNaN); }, Outcome::InvalidOp, 0},
        {"store 1E-400", [] { return storeDouble(1E-400L); }, Outcome::Value, 0},
        {"store denormal", [] { return storeDouble(std::ldexp(1.0L, -1074)); }, Outcome::Value,
         std::ldexp(1.0L, -1074)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        long double value = 0;
        const Outcome outcome = outcomeOf(c.op, &value);
        EXPECT_EQ(static_cast<int>(outcome), static_cast<int>(c.outcome));
        if (outcome == Outcome::Value && c.outcome == Outcome::Value) {
            EXPECT_EQ(value, c.value);
        }
    }
}

}  // namespace
}  // namespace vireltan
