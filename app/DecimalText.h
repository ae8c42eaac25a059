// Decimal text: how the calculator turns the texts of its fields into numbers and numbers into texts.
// Parsing accumulates in extended precision; both formats round through 18 significant digits first.
#pragma once

#include <stdexcept>
#include <string>

namespace vireltan {

// The calculator's failures. Each message is what the error report shows (before its full stop).
class EConvertError : public std::runtime_error {
  public:
    explicit EConvertError(const std::string& text);  // "'<text>' is not a valid floating point value"
};
class EZeroDivide : public std::runtime_error {
  public:
    EZeroDivide();  // "Floating point division by zero"
};
class EInvalidOp : public std::runtime_error {
  public:
    EInvalidOp();  // "Invalid floating point operation"
};
class EOverflow : public std::runtime_error {
  public:
    EOverflow();  // "Floating point overflow"
};

// The two process-wide separators. Fixed to ',' and '.' so the calculator behaves the same under
// every locale; kept as settings because the rules are written in terms of them.
struct DecimalSeparators {
    char decimal = ',';
    char thousands = '.';
};
DecimalSeparators& decimalSeparators();

// Blanks (only ' '), a sign, digits, the decimal separator and digits, an exponent ("E" alone is
// exponent 0, "E+" and "E-" too), blanks. The digits accumulate in extended precision and the result
// is scaled by the power of ten, the nearest extended value to it.
long double ParseDecimalText(const std::string& text);  // throws EConvertError
// 15 significant digits; fixed notation for decimal exponents -3 to 15, scientific otherwise.
std::string FormatGeneral(double value);
// Thousands groups and exactly `decimals` digits after the separator; precision is clamped to 2..18,
// decimals to 0..18 (a negative count writes none).
std::string FormatNumber(double value, int precision, int decimals);
// Both of these work on the calculator's own comma texts, whatever the separator settings. Text with
// an exponent ("1,5E20") is returned unchanged: its last digits belong to the exponent.
std::string TrimTrailingZeros(const std::string& text);
bool IsEmptyLike(const std::string& text);

// The general format of an extended-precision value (the products the calculator forms before they
// are stored): the same rules as FormatGeneral, applied to the exact value of the 64-bit significand.
// A separate name, not an overload, so FormatGeneral(0) stays unambiguous.
std::string FormatGeneralExtended(long double value);

// Both formats write NaN as "NAN" and infinities as "INF" / "-INF"; the calculator never stores such a
// value (its arithmetic raises first), so these only keep the formats total.

// Extended-precision arithmetic needs the x87 unit to round to nearest with its full 64-bit
// significand. MinGW's start-up selects that for the main thread, but Windows starts other threads
// rounding to 53 bits and a program may unmask exceptions to make overflow raise; so code that
// computes in long double opens one of these: it selects 64-bit rounding to nearest with all x87
// exceptions masked and restores the caller's control word and flags when it closes. Where the unit
// is already in that state (or there is no x87) it costs one store of the control word.
class ExtendedPrecisionScope {
  public:
    ExtendedPrecisionScope();
    ~ExtendedPrecisionScope();
    ExtendedPrecisionScope(const ExtendedPrecisionScope&) = delete;
    ExtendedPrecisionScope& operator=(const ExtendedPrecisionScope&) = delete;

  private:
    bool restore_ = false;
    unsigned char savedEnvironment_[28] = {};  // x87 environment image (32-bit protected-mode form)
};

}  // namespace vireltan
