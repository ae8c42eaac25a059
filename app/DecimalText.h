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

long double ParseDecimalText(const std::string& text);  // throws EConvertError
std::string FormatGeneral(double value);
std::string FormatNumber(double value, int precision, int decimals);
std::string TrimTrailingZeros(const std::string& text);
bool IsEmptyLike(const std::string& text);

}  // namespace vireltan
