#include "app/DecimalText.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <random>
#include <string>

namespace vireltan {
namespace {

// ---------------------------------------------------------------------------------------------------
// ParseDecimalText

struct ParseCase {
    const char* text;
    long double expected;
};

TEST(ParseDecimalText, AcceptsTheGrammar) {
    const ParseCase cases[] = {
        // The documented examples.
        {"0,0178", 0.0178L},
        {"5,", 5.0L},
        {",5", 0.5L},
        {",", 0.0L},
        {" 12 ", 12.0L},
        {"1E3", 1000.0L},
        {"1e3", 1000.0L},
        {"5E", 5.0L},
        // Signs, blanks, exponent spellings.
        {"+7", 7.0L},
        {"-7,25", -7.25L},
        {"   -0,5   ", -0.5L},
        {"5E+2", 500.0L},
        {"5E-2", 0.05L},
        {"5e-", 5.0L},
        {"5E+", 5.0L},
        {",E5", 0.0L},
        {"2,5E1 ", 25.0L},
        {"00012", 12.0L},
        {"0,00", 0.0L},
        {"1,18666666666667", 1.18666666666667L},
        {"1186666666666,67", 1186666666666.67L},
        // Huge and tiny exponents: saturated, never looping or overflowing the counter.
        {"0E999999999999999999999", 0.0L},
        {"1E-999999999999999999999", 0.0L},
        {"1E-5000", 0.0L},
        {"1E4932", 1e4932L},
    };
    for (const ParseCase& c : cases) {
        EXPECT_EQ(ParseDecimalText(c.text), c.expected) << '"' << c.text << '"';
    }
}

TEST(ParseDecimalText, RejectsEverythingElseWithTheWholeText) {
    const char* const cases[] = {
        "",    "1.5",   "1,2,3", "E5",   "+",      "-",           " ",         "e",
        "1 2", "- 5",   "1E5E",  "1E 5", "0x10",   "1,5.",        "\t1",       "1\n",
        "++1", "1E--1", "inf",   "nan",  "1E5000", "1E999999999", "1,19E4932", "9E99999999999999999999",
    };
    for (const char* text : cases) {
        try {
            ParseDecimalText(text);
            ADD_FAILURE() << '"' << text << "\" was accepted";
        } catch (const EConvertError& error) {
            EXPECT_EQ(std::string(error.what()),
                      "'" + std::string(text) + "' is not a valid floating point value");
        }
    }
}

TEST(ParseDecimalText, RejectsDigitStringsBeyondTheExtendedRange) {
    // The digits accumulate as one integer, so 4933 or more significant digits overflow however the
    // exponent scales them back.
    const std::string cases[] = {
        "0," + std::string(10000, '9'),
        "1" + std::string(4933, '0') + "E-4990",
        std::string(5000, '9') + ",5",
    };
    for (const std::string& text : cases) EXPECT_THROW(ParseDecimalText(text), EConvertError) << text.size();
    const long double longest = ParseDecimalText("1" + std::string(4931, '0'));  // 4931 roundings
    EXPECT_LE(std::fabs(longest - 1e4931L), 1e-15L * 1e4931L);
    EXPECT_EQ(ParseDecimalText(std::string(10000, '0') + "7"), 7.0L);
}

TEST(ParseDecimalText, RejectsAnEmbeddedNul) {
    EXPECT_THROW(ParseDecimalText(std::string("1\0"
                                              "2",
                                              3)),
                 EConvertError);
}

TEST(ParseDecimalText, AccumulatesInTheFullExtendedSignificand) {
    // Integers up to 2^64 are exact only with 64-bit rounding (53-bit rounding would lose the low bits),
    // so these check the x87 precision control at run time as well, Windows included.
    struct Case {
        const char* text;
        long double expected;
    };
    const Case cases[] = {
        {"9223372036854775807", 9223372036854775807.0L},
        {"18446744073709551615", 18446744073709551615.0L},
        {"9007199254740993", 9007199254740993.0L},
        {"-9007199254740993", -9007199254740993.0L},
        {"1E27", 1e27L},
        {"123456789012345678E9", 123456789012345678e9L},
    };
    for (const Case& c : cases) EXPECT_EQ(ParseDecimalText(c.text), c.expected) << c.text;
    EXPECT_EQ(static_cast<std::uint64_t>(ParseDecimalText("9223372036854775807")), 9223372036854775807ULL);
}

struct PowerCase {
    const char* text;
    long double expected;
};

TEST(ParseDecimalText, PowersBeyondTheExactOnesAreTheNearestExtendedValue) {
    // "1En" multiplies 1 by the power, so the result is the power itself: the compiler's correctly
    // rounded reading of the same literal.
    const PowerCase cases[] = {
        {"1E28", 1e28L},     {"1E29", 1e29L},     {"1E30", 1e30L},     {"1E55", 1e55L},
        {"1E100", 1e100L},   {"1E308", 1e308L},   {"1E309", 1e309L},   {"1E1000", 1e1000L},
        {"1E4000", 1e4000L}, {"1E4931", 1e4931L}, {"1E4932", 1e4932L},
    };
    for (const PowerCase& c : cases) EXPECT_EQ(ParseDecimalText(c.text), c.expected) << c.text;
}

TEST(ParseDecimalText, ScaledValuesAreWithinTwoRoundings) {
    // A digit string times or over a rounded power: at most two roundings from the nearest value.
    const PowerCase cases[] = {
        {"3E-30", 3e-30L},
        {"1E-100", 1e-100L},
        {"7E-400", 7e-400L},
        {"1E-4000", 1e-4000L},
        {"1,189E4932", 1.189e4932L},
        {"123456789123456789E40", 123456789123456789e40L},
        {"4,94065645841247E-324", 4.94065645841247e-324L},
        {"0,1234567890123456789012345678901234567890", 0.1234567890123456789012345678901234567890L},
    };
    for (const PowerCase& c : cases) {
        const long double parsed = ParseDecimalText(c.text);
        EXPECT_LE(std::fabs(parsed - c.expected), std::ldexp(std::fabs(c.expected), -62)) << c.text;
    }
    // Below the normal range (a power beyond 10^4932 is applied in two steps) and down to zero.
    const long double tiny = ParseDecimalText("1E-4940");
    EXPECT_GT(tiny, 0.0L);
    EXPECT_LE(std::fabs(tiny - 1e-4940L), 2 * std::numeric_limits<long double>::denorm_min());
    const long double manyDigits = ParseDecimalText("0," + std::string(4940, '0') + "1");
    EXPECT_GT(manyDigits, 0.0L);
    EXPECT_LE(std::fabs(manyDigits - 1e-4941L), 2 * std::numeric_limits<long double>::denorm_min());
}

TEST(ParseDecimalText, KeepsTheCallersFloatingPointEnvironment) {
    // Overflow inside a parse must not leave a pending exception behind.
    EXPECT_THROW(ParseDecimalText("1E5000"), EConvertError);
    EXPECT_EQ(ParseDecimalText("2,5"), 2.5L);
}

#if (defined(__i386__) || defined(__x86_64__)) && (defined(__GNUC__) || defined(__clang__))
// Runs a test body with the x87 control word the way a fresh Windows thread has it (53-bit rounding)
// plus the calculator's unmasked overflow, zero-divide and invalid-operation exceptions.
class ForeignControlWord {
  public:
    explicit ForeignControlWord(unsigned short control) {
        __asm__ volatile("fnstcw %0" : "=m"(saved_));
        __asm__ volatile("fnclex\n\tfldcw %0" : : "m"(control));
    }
    ~ForeignControlWord() { __asm__ volatile("fnclex\n\tfldcw %0" : : "m"(saved_)); }
    static unsigned short current() {
        unsigned short control = 0;
        __asm__ volatile("fnstcw %0" : "=m"(control));
        return control;
    }

  private:
    unsigned short saved_ = 0;
};

TEST(ParseDecimalText, SelectsExtendedPrecisionAndMasksTrapsForItsOwnWork) {
    // PC 53 bits, rounding upwards; OE, ZE, IE unmasked.
    constexpr unsigned short kDouble53Unmasked = 0x0A72;
    long double sum = 0;
    long double big = 0;
    long double rounded = 0;
    bool rejected = false;
    unsigned short after = 0;
    {
        ForeignControlWord foreign(kDouble53Unmasked);
        volatile long double one = 1.0L;
        volatile long double tiny = 0x1p-63L;
        sum = one + tiny;
        big = ParseDecimalText("9223372036854775807");
        rounded = ParseDecimalText("18446744073709551617");  // 2^64 + 1: to nearest is 2^64
        try {
            ParseDecimalText("2E4932");  // the multiplication overflows; must not trap
        } catch (const EConvertError&) {
            rejected = true;
        }
        after = ForeignControlWord::current();
    }
    EXPECT_EQ(sum, 1.0L + 0x1p-52L);  // 53 bits, rounded upwards: the foreign setting was in force
    EXPECT_EQ(big, 9223372036854775807.0L);
    EXPECT_EQ(rounded, 18446744073709551616.0L);
    EXPECT_TRUE(rejected);
    EXPECT_EQ(after, kDouble53Unmasked);
}
#endif

// ---------------------------------------------------------------------------------------------------
// FormatGeneral

struct GeneralCase {
    double value;
    const char* expected;
};

TEST(FormatGeneral, DocumentedAndEdgeValues) {
    const GeneralCase cases[] = {
        {0.0, "0"},
        {0.5, "0,5"},
        {2.0 / 3.0, "0,666666666666667"},
        {0.2225, "0,2225"},
        {0.0001, "0,0001"},
        {0.00001, "1E-5"},
        {0.00001234, "1,234E-5"},
        {1234567.891, "1234567,891"},
        {999999999999999.0, "999999999999999"},
        {1e15, "1E15"},
        {1.5e20, "1,5E20"},
        // Sign, zero, carries and the notation boundaries.
        {-0.0, "0"},
        {-2.5, "-2,5"},
        {-1e-7, "-1E-7"},
        {9.999999999999999, "10"},
        {0.99999999999999999, "1"},
        {9999999999999999.0, "1E16"},
        {999999999999999.9, "1E15"},
        {0.00099999999999999999, "0,001"},
        {0.000099999999999999995, "0,0001"},
        {1e16, "1E16"},
        {123.0, "123"},
        {100.0, "100"},
        {1e100, "1E100"},
        {1.18666666666667, "1,18666666666667"},
        {1186666666666.67, "1186666666666,67"},
        {6.66666666666667e-5, "6,66666666666667E-5"},
        {1.375e16, "1,375E16"},
        {0.125, "0,125"},
        {1.0000000000000049, "1"},            // 1.00000000000000488...: the 16th digit truncates
        {0.000099999999999999995, "0,0001"},  // fixed once the rounding carried into E = -3
        // Extremes of the double range.
        {DBL_MAX, "1,79769313486232E308"},
        {-DBL_MAX, "-1,79769313486232E308"},
        {DBL_MIN, "2,2250738585072E-308"},
        {std::numeric_limits<double>::denorm_min(), "4,94065645841247E-324"},
        {1e-320, "9,99988867182683E-321"},
    };
    for (const GeneralCase& c : cases) {
        EXPECT_EQ(FormatGeneral(c.value), c.expected) << c.value;
    }
}

TEST(FormatGeneral, RoundsToEighteenDigitsFirst) {
    const GeneralCase cases[] = {
        // 1.970426788663174999...: eighteen digits give ...175000, whose 16th digit then rounds up;
        // a single rounding to fifteen digits would have truncated.
        {1.970426788663175, "1,97042678866318"},
        {6.726989662391615, "6,72698966239162"},
        // 0.12345678901234549696...: the 16th digit is a 4 at every stage.
        {0.1234567890123455, "0,123456789012345"},
        // 2^-20 = 9.5367431640625e-7 exactly: 14 significant digits, nothing to round.
        {9.5367431640625e-7, "9,5367431640625E-7"},
        // 2^-40 = 9.094947017729282379150390625e-13: digit 16 is 2, truncated.
        {9.094947017729282379150390625e-13, "9,09494701772928E-13"},
    };
    for (const GeneralCase& c : cases) EXPECT_EQ(FormatGeneral(c.value), c.expected) << c.value;
}

TEST(FormatGeneral, SpecialValuesHaveFixedTexts) {
    EXPECT_EQ(FormatGeneral(std::numeric_limits<double>::quiet_NaN()), "NAN");
    EXPECT_EQ(FormatGeneral(std::numeric_limits<double>::infinity()), "INF");
    EXPECT_EQ(FormatGeneral(-std::numeric_limits<double>::infinity()), "-INF");
    EXPECT_EQ(FormatNumber(std::numeric_limits<double>::quiet_NaN(), 14, 14), "NAN");
    EXPECT_EQ(FormatNumber(-std::numeric_limits<double>::infinity(), 2, 10), "-INF");
    EXPECT_EQ(FormatGeneralExtended(std::numeric_limits<long double>::infinity()), "INF");
    EXPECT_EQ(FormatGeneralExtended(std::numeric_limits<long double>::quiet_NaN()), "NAN");
}

TEST(FormatGeneral, AcceptsAnIntegerArgument) {
    EXPECT_EQ(FormatGeneral(0), "0");
}

// ---------------------------------------------------------------------------------------------------
// FormatGeneralExtended

struct ExtendedCase {
    long double value;
    const char* expected;
};

TEST(FormatGeneralExtended, UsesTheExactExtendedValue) {
    const ExtendedCase cases[] = {
        {0.0L, "0"},
        {-0.0L, "0"},
        {0.5L, "0,5"},
        {2.0L / 3.0L, "0,666666666666667"},
        {1186666666666.666666L, "1186666666666,67"},
        {1e-5L, "1E-5"},
        {1.375e16L, "1,375E16"},
        // 1 + 2^-60 would be exactly 1 as a double; the extended value carries it to digit 19.
        {1.0L + 0x1p-50L, "1"},
        {0.0001L, "0,0001"},
        {LDBL_MAX, "1,18973149535723E4932"},
        {LDBL_MIN, "3,36210314311209E-4932"},
        {std::numeric_limits<long double>::denorm_min(), "3,64519953188247E-4951"},
        {-1e4000L, "-1E4000"},
    };
    for (const ExtendedCase& c : cases) EXPECT_EQ(FormatGeneralExtended(c.value), c.expected);
}

TEST(FormatGeneralExtended, AgreesWithTheDoubleFormatOnDoubles) {
    std::mt19937_64 random(7);
    for (int i = 0; i < 5000; ++i) {
        const std::uint64_t bits = random();
        double x = 0;
        std::memcpy(&x, &bits, sizeof x);
        if (!std::isfinite(x)) continue;
        ASSERT_EQ(FormatGeneralExtended(x), FormatGeneral(x)) << x;
    }
}

// ---------------------------------------------------------------------------------------------------
// FormatNumber and TrimTrailingZeros

struct NumberCase {
    double value;
    int precision;
    int decimals;
    const char* formatted;
    const char* trimmed;
};

TEST(FormatNumber, DocumentedRowsWithTheTrim) {
    const NumberCase cases[] = {
        {3.456, 2, 10, "3,5000000000", "3,5"},
        {0.0123, 2, 10, "0,0120000000", "0,012"},
        {12.34, 2, 10, "12,0000000000", "12"},
        {4.96, 2, 10, "5,0000000000", "5"},
        {0.00004, 2, 10, "0,0000400000", "0,00004"},
        {4e-12, 2, 10, "0,0000000000", "0"},
        {0.0, 2, 10, "0,0000000000", "0"},
        {99.6, 2, 10, "1E2", "1E2"},
        {123.4, 2, 10, "1,2E2", "1,2E2"},
        {1500.0, 2, 10, "1,5E3", "1,5E3"},
        {1234.5678, 14, 14, "1.234,56780000000000", "1.234,5678"},
        {1234567.891, 14, 14, "1.234.567,89100000000000", "1.234.567,891"},
        {0.00118666666666667, 14, 14, "0,00118666666667", "0,00118666666667"},
        {2.225e-10, 14, 14, "0,00000000022250", "0,0000000002225"},
        {1e-15, 14, 14, "0,00000000000000", "0"},
        {1e14, 14, 14, "1E14", "1E14"},
    };
    for (const NumberCase& c : cases) {
        const std::string formatted = FormatNumber(c.value, c.precision, c.decimals);
        EXPECT_EQ(formatted, c.formatted) << c.value;
        EXPECT_EQ(TrimTrailingZeros(formatted), c.trimmed) << c.value;
    }
}

TEST(FormatNumber, TiesAtTheEighteenthDigitGoToEven) {
    // Values a / 2^m with exactly 19 significant digits, the last a 5: the 18th digit is 2 or 7.
    const NumberCase cases[] = {
        {262145.0 / 524288.0, 18, 18, "0,500001907348632812", "0,500001907348632812"},  // ...8125
        {262147.0 / 524288.0, 18, 18, "0,500005722045898438", "0,500005722045898438"},  // ...84375
        {1.0 + 1.0 / 262144.0, 18, 17, "1,00000381469726562", "1,00000381469726562"},   // ...5625
        {1.0 + 3.0 / 262144.0, 18, 17, "1,00001144409179688", "1,00001144409179688"},   // ...796875
        {999999999999999.9, 18, 3, "999.999.999.999.999,875", "999.999.999.999.999,875"},
    };
    for (const NumberCase& c : cases) {
        EXPECT_EQ(FormatNumber(c.value, c.precision, c.decimals), c.formatted) << c.value;
    }
}

TEST(FormatNumber, GroupingSignsRoundingAndClamps) {
    const NumberCase cases[] = {
        // Thousands groups for integer parts of 1, 3, 4, 7 and 18 digits.
        {7.0, 18, 2, "7,00", "7"},
        {999.0, 18, 2, "999,00", "999"},
        {1000.0, 18, 1, "1.000,0", "1.000"},
        {1234567.0, 18, 0, "1.234.567", "1.234.567"},
        {123456789012345678.0, 18, 0, "123.456.789.012.345.680", "123.456.789.012.345.680"},
        {-1234567.25, 14, 3, "-1.234.567,250", "-1.234.567,25"},
        // Decimals 0: no separator; the digit after the point still rounds.
        {0.6, 14, 0, "1", "1"},
        {0.4, 14, 0, "0", "0"},
        {2.5, 14, 0, "3", "3"},
        {-0.4, 14, 0, "0", "0"},
        {-0.0, 14, 3, "0,000", "0"},
        // E + decimals exactly 0: only the first digit decides.
        {0.005, 14, 2, "0,01", "0,01"},
        {0.0049, 14, 2, "0,00", "0"},
        {-0.0049, 14, 2, "0,00", "0"},
        {0.00051, 2, 3, "0,001", "0,001"},
        // Carries out of the first digit, into a longer integer part.
        {999.96, 4, 1, "1.000,0", "1.000"},
        {9999.6, 4, 2, "1E04", "1E04"},
        {0.0996, 2, 10, "0,1000000000", "0,1"},
        // Scientific fallback: the exponent is padded to the decimals when they are 1 to 4.
        {123.4, 2, 1, "1,2E2", "1,2E2"},
        {123.4, 2, 3, "1,2E002", "1,2E002"},
        {123456.0, 2, 4, "1,2E0005", "1,2E0005"},
        {-123.4, 2, 0, "-1,2E2", "-1,2E2"},
        {1.5e25, 14, 14, "1,5E25", "1,5E25"},
        {1.5e120, 14, 14, "1,5E120", "1,5E120"},
        // Precision clamped to 2..18, decimals to 0..18.
        {3.456, 1, 10, "3,5000000000", "3,5"},
        {3.456, -5, 10, "3,5000000000", "3,5"},
        {2.0 / 3.0, 40, 40, "0,666666666666666630", "0,66666666666666663"},
        {2.0 / 3.0, 14, -3, "1", "1"},
        // The ohm value's derived rows.
        {0.00118666666666667, 14, 14, "0,00118666666667", "0,00118666666667"},
        {1.18666666666667e-6, 14, 14, "0,00000118666667", "0,00000118666667"},
        {6.66666666666667e-8, 14, 14, "0,00000006666667", "0,00000006666667"},
        {6.66666666666667e-14, 14, 14, "0,00000000000007", "0,00000000000007"},
        {13.75, 14, 14, "13,75000000000000", "13,75"},
        {4.995, 2, 10, "5,0000000000", "5"},
        {148.0, 2, 10, "1,5E2", "1,5E2"},
    };
    for (const NumberCase& c : cases) {
        const std::string formatted = FormatNumber(c.value, c.precision, c.decimals);
        EXPECT_EQ(formatted, c.formatted) << c.value << " p" << c.precision << " d" << c.decimals;
        EXPECT_EQ(TrimTrailingZeros(formatted), c.trimmed) << c.value;
    }
}

TEST(FormatNumber, WritesEveryValueWithEveryParameter) {
    const double values[] = {
        0.0,     -0.0,  DBL_MAX, -DBL_MAX, DBL_MIN, std::numeric_limits<double>::denorm_min(),
        -1e-300, 1e300, 0.5,     -0.5};
    for (const double value : values) {
        for (int precision = -2; precision <= 20; ++precision) {
            for (int decimals = -2; decimals <= 20; ++decimals) {
                const std::string text = FormatNumber(value, precision, decimals);
                ASSERT_FALSE(text.empty());
                // A sign only for a negative value that kept a digit.
                const bool signedText = text[0] == '-';
                const bool hasDigit = text.find_first_of("123456789") != std::string::npos;
                ASSERT_EQ(signedText, value < 0 && hasDigit) << text << " p" << precision << " d" << decimals;
            }
        }
    }
}

// ---------------------------------------------------------------------------------------------------
// TrimTrailingZeros and the empty-like test

struct TextCase {
    const char* text;
    const char* expected;
};

TEST(TrimTrailingZeros, FollowsTheRule) {
    const TextCase cases[] = {
        {"3,5000000000", "3,5"},
        {"12,0000000000", "12"},
        {"0,0000000000", "0"},
        {"100", "100"},
        {"1.000", "1.000"},
        {"0,", "0"},
        {",", ""},
        {",000", ""},
        {"10,010", "10,01"},
        {"", ""},
        {"1,5E20", "1,5E20"},
        {"1,50E2", "1,50E2"},
        {"1E20", "1E20"},
        {"1,2,30", "1,2,3"},
        {"1,0 ", "1,0 "},
        {"-0,500", "-0,5"},
    };
    for (const TextCase& c : cases) EXPECT_EQ(TrimTrailingZeros(c.text), c.expected) << c.text;
}

TEST(IsEmptyLike, ComparesByteForByte) {
    struct Case {
        const char* text;
        bool emptyLike;
    };
    const Case cases[] = {
        {"", true},     {"0", true},     {"0,", true},   {",", true},    {",0", true},
        {"0,0", true},  {"0,00", false}, {"00", false},  {" 0", false},  {"0 ", false},
        {"000", false}, {"-0", false},   {"0.0", false}, {",00", false}, {"1", false},
    };
    for (const Case& c : cases) EXPECT_EQ(IsEmptyLike(c.text), c.emptyLike) << '"' << c.text << '"';
}

// ---------------------------------------------------------------------------------------------------
// Messages and separators

TEST(Errors, MessagesAreExact) {
    EXPECT_STREQ(EConvertError("1,2,3").what(), "'1,2,3' is not a valid floating point value");
    EXPECT_STREQ(EZeroDivide().what(), "Floating point division by zero");
    EXPECT_STREQ(EInvalidOp().what(), "Invalid floating point operation");
    EXPECT_STREQ(EOverflow().what(), "Floating point overflow");
}

TEST(Separators, DefaultsAreTheTurkishOnes) {
    EXPECT_EQ(decimalSeparators().decimal, ',');
    EXPECT_EQ(decimalSeparators().thousands, '.');
}

TEST(Separators, FormatsAndParseFollowTheSettings) {
    DecimalSeparators& separators = decimalSeparators();
    const DecimalSeparators saved = separators;
    separators.decimal = '.';
    separators.thousands = ',';
    EXPECT_EQ(FormatNumber(1234.5, 14, 2), "1,234.50");
    EXPECT_EQ(FormatGeneral(0.5), "0.5");
    EXPECT_EQ(ParseDecimalText("2.5"), 2.5L);
    EXPECT_THROW(ParseDecimalText("2,5"), EConvertError);
    separators = saved;
}

// ---------------------------------------------------------------------------------------------------
// Round trip over random doubles

TEST(RoundTrip, ParseOfGeneralIsWithinFifteenDigits) {
    std::mt19937_64 random(20261209);
    std::uniform_real_distribution<double> mantissa(1.0, 10.0);
    std::uniform_int_distribution<int> power(-320, 307);
    for (int i = 0; i < 40000; ++i) {
        double x = 0;
        if (i % 2 == 0) {
            const std::uint64_t bits = random();
            std::memcpy(&x, &bits, sizeof x);
            if (!std::isfinite(x)) continue;
        } else {
            x = mantissa(random) * std::pow(10.0, power(random));
        }
        const std::string text = FormatGeneral(x);
        const long double back = ParseDecimalText(text);
        const long double exact = x;
        ASSERT_LE(std::fabs(back - exact), 1e-14L * std::fabs(exact)) << text;
    }
}

}  // namespace
}  // namespace vireltan
