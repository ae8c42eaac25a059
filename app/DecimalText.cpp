#include "app/DecimalText.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>

namespace vireltan {

static_assert(std::numeric_limits<long double>::digits == 64,
              "the decimal text rules are written for the x87 extended format (64-bit significand)");

EConvertError::EConvertError(const std::string& text)
    : std::runtime_error("'" + text + "' is not a valid floating point value") {}
EZeroDivide::EZeroDivide() : std::runtime_error("Floating point division by zero") {}
EInvalidOp::EInvalidOp() : std::runtime_error("Invalid floating point operation") {}
EOverflow::EOverflow() : std::runtime_error("Floating point overflow") {}

DecimalSeparators& decimalSeparators() {
    static DecimalSeparators separators;
    return separators;
}

// ---------------------------------------------------------------------------------------------------
// x87 control

#if (defined(__i386__) || defined(__x86_64__)) && (defined(__GNUC__) || defined(__clang__))
#define VIRELTAN_HAS_X87 1
#endif

namespace {
// Rounding control 00 (to nearest), precision control 11 (64-bit significand), the six exception masks.
constexpr unsigned short kX87RoundingBits = 0x0C00;
constexpr unsigned short kX87ExtendedMasked = 0x033F;

// Makes sure a long double result is really computed before the code that follows (the compiler may
// otherwise sink register-only x87 arithmetic past the restore of the control word).
inline void settle([[maybe_unused]] long double& value) {
#ifdef VIRELTAN_HAS_X87
    __asm__ volatile("" : "+m"(value) : : "memory");
#endif
}
}  // namespace

ExtendedPrecisionScope::ExtendedPrecisionScope() {
#ifdef VIRELTAN_HAS_X87
    unsigned short control = 0;
    __asm__ volatile("fnstcw %0" : "=m"(control) : : "memory");
    if ((control & (kX87RoundingBits | kX87ExtendedMasked)) == kX87ExtendedMasked) return;
    // fnstenv keeps the caller's control and status words; fldenv puts both back, so flags raised in
    // the scope never surface as pending exceptions once the caller's masks return.
    __asm__ volatile("fnstenv %0" : "=m"(savedEnvironment_) : : "memory");
    const unsigned short wanted = (control & ~kX87RoundingBits) | kX87ExtendedMasked;
    __asm__ volatile("fldcw %0" : : "m"(wanted) : "memory");
    restore_ = true;
#endif
}

ExtendedPrecisionScope::~ExtendedPrecisionScope() {
#ifdef VIRELTAN_HAS_X87
    if (restore_) __asm__ volatile("fldenv %0" : : "m"(savedEnvironment_) : "memory");
#endif
}

// ---------------------------------------------------------------------------------------------------
// Exact big integers in fixed buffers, for the powers of ten and the decimal expansions

namespace {

constexpr std::uint32_t kPowersOfFive[14] = {
    1, 5, 25, 125, 625, 3125, 15625, 78125, 390625, 1953125, 9765625, 48828125, 244140625, 1220703125};

int bitLength64(std::uint64_t x) {
    int bits = 0;
    while (x != 0) {
        ++bits;
        x >>= 1;
    }
    return bits;
}

// Exact binary big integer, 32-bit limbs, least significant first, in a fixed buffer.
template <int Capacity>
class BinaryBig {
  public:
    explicit BinaryBig(std::uint64_t value) {
        limb_[0] = static_cast<std::uint32_t>(value);
        limb_[1] = static_cast<std::uint32_t>(value >> 32);
        size_ = limb_[1] != 0 ? 2 : 1;
    }

    void multiplyByPowerOfFive(int n) {
        for (int left = n; left > 0;) {
            const int step = std::min(left, 13);
            const std::uint64_t factor = kPowersOfFive[step];
            std::uint64_t carry = 0;
            for (int i = 0; i < size_; ++i) {
                const std::uint64_t t = limb_[i] * factor + carry;
                limb_[i] = static_cast<std::uint32_t>(t);
                carry = t >> 32;
            }
            if (carry != 0) limb_[size_++] = static_cast<std::uint32_t>(carry);
            left -= step;
        }
    }

    void shiftLeft(int bits) {
        const int words = bits / 32;
        const int offset = bits % 32;
        limb_[size_] = 0;
        for (int i = size_; i >= 0; --i) {
            const std::uint64_t high = std::uint64_t{limb_[i]} << offset;
            const std::uint64_t low = (offset != 0 && i > 0) ? limb_[i - 1] >> (32 - offset) : 0;
            limb_[i + words] = static_cast<std::uint32_t>(high | low);
        }
        for (int i = 0; i < words; ++i) limb_[i] = 0;
        size_ += words + 1;
        trim();
    }

    // Returns whether any of the bits shifted out was set.
    bool shiftRight(int bits) {
        const int words = bits / 32;
        const int offset = bits % 32;
        if (words >= size_) {
            size_ = 1;
            limb_[0] = 0;
            return true;  // only called on non-zero values
        }
        bool lost = offset != 0 && (limb_[words] & ((std::uint32_t{1} << offset) - 1)) != 0;
        for (int i = 0; i < words && !lost; ++i) lost = limb_[i] != 0;
        for (int i = words; i < size_; ++i) {
            const std::uint64_t low = limb_[i] >> offset;
            const std::uint64_t high =
                (offset != 0 && i + 1 < size_) ? std::uint64_t{limb_[i + 1]} << (32 - offset) : 0;
            limb_[i - words] = static_cast<std::uint32_t>(low | high);
        }
        size_ -= words;
        trim();
        return lost;
    }

    int size() const { return size_; }
    std::uint32_t limb(int i) const { return limb_[i]; }

    // The value when it is below 2^96, as 32 high bits and 64 low bits; false when it is larger.
    bool small(std::uint32_t& high, std::uint64_t& low) const {
        if (size_ > 3) return false;
        low = limb_[0] | (size_ > 1 ? std::uint64_t{limb_[1]} << 32 : 0);
        high = size_ > 2 ? limb_[2] : 0;
        return true;
    }

  private:
    void trim() {
        while (size_ > 1 && limb_[size_ - 1] == 0) --size_;
    }

    std::uint32_t limb_[Capacity + 2];
    int size_ = 0;
};

}  // namespace

// ---------------------------------------------------------------------------------------------------
// Parsing

namespace {

// The largest power of ten below the extended range (10^4932 < 1.19 x 10^4932 < 10^4933).
constexpr int kMaxPowerOfTen = 4932;
// Exponents beyond this saturate; any scale of that size already overflows or underflows.
constexpr std::int64_t kExponentCap = 1'000'000'000'000'000;

// 10^n for 28 <= n <= kMaxPowerOfTen: the long double nearest to the exact power (ties to even).
// 10^n = 5^n * 2^n, so the exact 5^n is built as a big integer, its top 64 bits rounded once, and the
// power of two applied exactly. One correctly rounded power gives the scaled value at most one
// rounding from the power and one from the multiplication or division; repeated multiplication of
// rounded powers (the usual table method) would add an error at every step.
long double nearestPowerOfTen(int n) {
    BinaryBig<360> big(1);  // 5^4932 < 2^11452: 358 limbs
    big.multiplyByPowerOfFive(n);
    const int size = big.size();
    const int totalBits = (size - 1) * 32 + bitLength64(big.limb(size - 1));
    int shift = totalBits - 64;  // > 0: 5^28 already has 66 bits
    auto limbAt = [&](int i) -> std::uint64_t { return i < size ? big.limb(i) : 0; };
    const int word = shift / 32;
    const int offset = shift % 32;
    std::uint64_t significand = 0;
    if (offset == 0) {
        significand = limbAt(word) | (limbAt(word + 1) << 32);
    } else {
        significand = (limbAt(word) >> offset) | (limbAt(word + 1) << (32 - offset)) |
                      (limbAt(word + 2) << (64 - offset));
    }
    const int roundBit = shift - 1;
    const bool half = (big.limb(roundBit / 32) >> (roundBit % 32)) & 1;
    bool sticky = (big.limb(roundBit / 32) & ((std::uint32_t{1} << (roundBit % 32)) - 1)) != 0;
    for (int i = 0; i < roundBit / 32 && !sticky; ++i) sticky = big.limb(i) != 0;
    if (half && (sticky || (significand & 1) != 0)) {
        ++significand;
        if (significand == 0) {
            significand = std::uint64_t{1} << 63;
            ++shift;
        }
    }
    return std::ldexp(static_cast<long double>(significand), shift + n);
}

long double powerOfTen(std::int64_t n) {
    static constexpr long double kExact[28] = {
        1e0L,  1e1L,  1e2L,  1e3L,  1e4L,  1e5L,  1e6L,  1e7L,  1e8L,  1e9L,  1e10L, 1e11L, 1e12L, 1e13L,
        1e14L, 1e15L, 1e16L, 1e17L, 1e18L, 1e19L, 1e20L, 1e21L, 1e22L, 1e23L, 1e24L, 1e25L, 1e26L, 1e27L};
    if (n < 28) return kExact[n];
    if (n > kMaxPowerOfTen) return std::numeric_limits<long double>::infinity();
    return nearestPowerOfTen(static_cast<int>(n));
}

// value x 10^k, value being the non-negative integer the digits spelled.
long double scaleByPowerOfTen(long double value, std::int64_t k) {
    if (value == 0 || k == 0) return value;  // zero stays zero even for "0E99999" (0 x inf)
    if (k > 0) return value * powerOfTen(k);
    const std::int64_t divisorPower = -k;
    if (divisorPower <= kMaxPowerOfTen) return value / powerOfTen(divisorPower);
    // The power itself is beyond the range but the quotient may not be (a long run of fraction
    // digits): divide in two steps instead of dividing by infinity.
    value /= powerOfTen(kMaxPowerOfTen);
    return value / powerOfTen(divisorPower - kMaxPowerOfTen);
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

long double parseInScope(const std::string& text) {
    const char separator = decimalSeparators().decimal;
    const char* s = text.data();
    const std::size_t n = text.size();
    std::size_t i = 0;
    while (i < n && s[i] == ' ') ++i;
    bool negative = false;
    if (i < n && (s[i] == '+' || s[i] == '-')) negative = s[i++] == '-';
    long double value = 0;
    std::size_t consumed = 0;
    for (; i < n && isDigit(s[i]); ++i, ++consumed) value = value * 10 + (s[i] - '0');
    std::int64_t fractionDigits = 0;
    if (i < n && s[i] == separator) {
        ++i;
        ++consumed;
        for (; i < n && isDigit(s[i]); ++i, ++fractionDigits) value = value * 10 + (s[i] - '0');
    }
    // Thousands of digits can overflow the accumulation itself; no scale brings that back (and
    // infinity over an infinite power would even make a NaN).
    if (consumed == 0 || std::isinf(value)) throw EConvertError(text);
    std::int64_t exponent = 0;
    if (i < n && (s[i] == 'E' || s[i] == 'e')) {
        ++i;
        bool negativeExponent = false;
        if (i < n && (s[i] == '+' || s[i] == '-')) negativeExponent = s[i++] == '-';
        for (; i < n && isDigit(s[i]); ++i) {
            exponent = exponent < kExponentCap / 10 ? exponent * 10 + (s[i] - '0') : kExponentCap;
        }
        if (negativeExponent) exponent = -exponent;
    }
    while (i < n && s[i] == ' ') ++i;
    if (i != n) throw EConvertError(text);
    value = scaleByPowerOfTen(value, exponent - fractionDigits);
    if (!std::isfinite(value)) throw EConvertError(text);
    return negative ? -value : value;
}

}  // namespace

long double ParseDecimalText(const std::string& text) {
    long double result = 0;
    {
        ExtendedPrecisionScope extended;
        result = parseInScope(text);
        settle(result);
    }
    return result;
}

// ---------------------------------------------------------------------------------------------------
// Exact expansion to 18 significant digits

namespace {

// A finite binary value m x 2^e2 with its sign, or one of the special values.
struct BinaryValue {
    enum Kind { kFinite, kInfinite, kNotANumber } kind = kFinite;
    bool negative = false;
    std::uint64_t mantissa = 0;
    int exponent2 = 0;
};

BinaryValue decompose(double value) {
    std::uint64_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    BinaryValue out;
    out.negative = (bits >> 63) != 0;
    const int biased = static_cast<int>((bits >> 52) & 0x7FF);
    const std::uint64_t fraction = bits & ((std::uint64_t{1} << 52) - 1);
    if (biased == 0x7FF) {
        out.kind = fraction == 0 ? BinaryValue::kInfinite : BinaryValue::kNotANumber;
    } else if (biased == 0) {
        out.mantissa = fraction;
        out.exponent2 = -1074;
    } else {
        out.mantissa = fraction | (std::uint64_t{1} << 52);
        out.exponent2 = biased - 1075;
    }
    return out;
}

BinaryValue decompose(long double value) {
    // x87 extended layout: 64-bit significand with explicit integer bit, then sign and 15-bit exponent.
    unsigned char bytes[sizeof(long double)] = {};
    std::memcpy(bytes, &value, sizeof value);
    std::uint64_t significand = 0;
    std::memcpy(&significand, bytes, sizeof significand);
    const unsigned top = bytes[8] | (unsigned{bytes[9]} << 8);
    BinaryValue out;
    out.negative = (top & 0x8000) != 0;
    const int biased = static_cast<int>(top & 0x7FFF);
    if (biased == 0x7FFF) {
        const bool infinite = (significand << 1) == 0;
        out.kind = infinite ? BinaryValue::kInfinite : BinaryValue::kNotANumber;
    } else {
        out.mantissa = significand;
        out.exponent2 = (biased == 0 ? 1 : biased) - 16383 - 63;
    }
    return out;
}

// The magnitude rounded to 18 significant digits: value = 0.d1...d18 x 10^exponent. All digits zero
// for zero.
struct Digits18 {
    std::uint8_t digit[18] = {};
    int exponent = 0;
    bool zero = true;
};

// The first 19 significant digits of an exact expansion, whether any non-zero digit follows them,
// and the decimal exponent; roundToEighteen finishes the first rounding from these.
struct Leading19 {
    std::uint8_t digit[19] = {};
    bool sticky = false;
    int exponent = 0;
};

Digits18 roundToEighteen(const Leading19& leading) {
    Digits18 out;
    out.zero = false;
    out.exponent = leading.exponent;
    std::copy(leading.digit, leading.digit + 18, out.digit);
    const int roundDigit = leading.digit[18];
    if (roundDigit > 5 || (roundDigit == 5 && (leading.sticky || (out.digit[17] & 1) != 0))) {
        int i = 17;
        while (i >= 0 && out.digit[i] == 9) out.digit[i--] = 0;
        if (i >= 0) {
            ++out.digit[i];
        } else {
            out.digit[0] = 1;
            ++out.exponent;
        }
    }
    return out;
}

// Leading digits of a non-zero integer below 2^64 (up to 20 digits); the exponent is its length.
Leading19 leadingOf(std::uint64_t value) {
    char text[20];
    int length = 0;
    do {
        text[length++] = static_cast<char>(value % 10);
        value /= 10;
    } while (value != 0);
    Leading19 out;
    out.exponent = length;
    for (int i = 0; i < length; ++i) {
        const std::uint8_t digit = static_cast<std::uint8_t>(text[length - 1 - i]);
        if (i < 19) {
            out.digit[i] = digit;
        } else {
            out.sticky = out.sticky || digit != 0;
        }
    }
    return out;
}

// floor(x log10 2), exact for |x| <= 17000 (checked against a 50-digit logarithm over that range).
int floorLog10Pow2(int x) {
    return static_cast<int>((static_cast<std::int64_t>(x) * 1292913986) >> 32);
}

constexpr std::uint64_t kTenTo18 = 1'000'000'000'000'000'000;
constexpr std::uint64_t kTenTo19 = 10'000'000'000'000'000'000u;

// Values below 1 or with a fraction (m x 2^e2, e2 < 0, m odd): floor(value x 10^s) for s chosen to
// give 19 or 20 digits is m x 5^s shifted by s + e2 bits, and it drops bits exactly when the value
// times 10^s is not an integer. Far cheaper than the full expansion, whose length grows with -e2
// rather than with the number of digits wanted.
template <int Capacity>
bool leadingOfFraction(std::uint64_t mantissa, int exponent2, Leading19& out) {
    const int estimate = floorLog10Pow2(bitLength64(mantissa) - 1 + exponent2) + 1;  // E or E - 1
    const int scale = 19 - estimate;
    if (scale < 0) return false;
    BinaryBig<Capacity> big(mantissa);
    big.multiplyByPowerOfFive(scale);
    const int shift = scale + exponent2;
    bool sticky = false;
    if (shift >= 0) {
        big.shiftLeft(shift);
    } else {
        sticky = big.shiftRight(-shift);
    }
    std::uint32_t high = 0;
    std::uint64_t low = 0;
    if (!big.small(high, low)) return false;
    int exponent = estimate;
    if (high != 0 || low >= kTenTo19) {
        // One digit too many: divide the 96-bit value by ten, the remainder joining the sticky flag.
        std::uint64_t upper = (std::uint64_t{high} << 32) | (low >> 32);
        const std::uint64_t upperQuotient = upper / 10;
        const std::uint64_t middle = ((upper % 10) << 32) | (low & 0xFFFFFFFFu);
        const std::uint64_t quotient = (upperQuotient << 32) | (middle / 10);
        if (upperQuotient >> 32 != 0) return false;
        sticky = sticky || middle % 10 != 0;
        low = quotient;
        ++exponent;
    }
    if (low < kTenTo18 || low >= kTenTo19) return false;
    out = leadingOf(low);
    out.exponent = exponent;
    out.sticky = sticky;
    return true;
}

constexpr std::uint32_t kDecimalBase = 1'000'000'000;

int decimalLength(std::uint32_t x) {
    int length = 1;
    while (x >= 10) {
        x /= 10;
        ++length;
    }
    return length;
}

// Exact decimal big integer in base 10^9, least significant limb first, in a fixed buffer.
template <int Capacity>
class DecimalBig {
  public:
    explicit DecimalBig(std::uint64_t value) {
        do {
            limb_[size_++] = static_cast<std::uint32_t>(value % kDecimalBase);
            value /= kDecimalBase;
        } while (value != 0);
    }

    // factor <= 2^32, so limb x factor + carry stays below 2^63.
    void multiply(std::uint64_t factor) {
        std::uint64_t carry = 0;
        for (int i = 0; i < size_; ++i) {
            const std::uint64_t t = limb_[i] * factor + carry;
            limb_[i] = static_cast<std::uint32_t>(t % kDecimalBase);
            carry = t / kDecimalBase;
        }
        while (carry != 0) {
            limb_[size_++] = static_cast<std::uint32_t>(carry % kDecimalBase);
            carry /= kDecimalBase;
        }
    }

    int size() const { return size_; }
    std::uint32_t limb(int i) const { return limb_[i]; }

  private:
    std::uint32_t limb_[Capacity];
    int size_ = 0;
};

// The full expansion: m x 2^e2 as a decimal integer (e2 >= 0) or as m x 5^-e2 with the point -e2
// places from the right. Used for large values, and as the reference the quicker paths must match.
template <int Capacity>
Leading19 leadingOfFullExpansion(std::uint64_t mantissa, int exponent2) {
    DecimalBig<Capacity> big(mantissa);
    int fractionDigits = 0;
    if (exponent2 >= 0) {
        for (int left = exponent2; left > 0;) {
            const int step = std::min(left, 32);
            big.multiply(std::uint64_t{1} << step);
            left -= step;
        }
    } else {
        fractionDigits = -exponent2;
        for (int left = fractionDigits; left > 0;) {
            const int step = std::min(left, 13);
            big.multiply(kPowersOfFive[step]);
            left -= step;
        }
    }
    const int top = big.size() - 1;
    const int topLength = decimalLength(big.limb(top));
    Leading19 out;
    out.exponent = top * 9 + topLength - fractionDigits;
    std::uint8_t head[19 + 9] = {};
    int count = 0;
    for (std::uint32_t limb = big.limb(top), p = 0; p < static_cast<std::uint32_t>(topLength); ++p) {
        head[topLength - 1 - p] = static_cast<std::uint8_t>(limb % 10);
        limb /= 10;
    }
    count = topLength;
    int next = top - 1;
    for (; next >= 0 && count < 19; --next) {
        std::uint32_t limb = big.limb(next);
        for (int p = 8; p >= 0; --p) {
            head[count + p] = static_cast<std::uint8_t>(limb % 10);
            limb /= 10;
        }
        count += 9;
    }
    for (int i = 19; i < count; ++i) out.sticky = out.sticky || head[i] != 0;
    for (; next >= 0 && !out.sticky; --next) out.sticky = big.limb(next) != 0;
    std::copy(head, head + 19, out.digit);
    return out;
}

// Buffers for the longest values, in limbs: m x 5^s for s up to 19 - E (32-bit limbs) and the full
// expansion of m x 2^e2 for e2 > 0 (nine-digit limbs; 2^1024 has 309 digits, 2^16384 has 4933).
struct DoubleBuffers {
    static constexpr int kBinaryLimbs = 30;   // 2^64 x 5^343 < 2^861
    static constexpr int kDecimalLimbs = 90;  // also holds 2^53 x 5^1074 (767 digits)
};
struct ExtendedBuffers {
    static constexpr int kBinaryLimbs = 366;    // 2^64 x 5^4970 < 2^11604
    static constexpr int kDecimalLimbs = 1284;  // also holds 2^64 x 5^16445 (11514 digits)
};

template <typename Buffers>
Digits18 expandExact(std::uint64_t mantissa, int exponent2) {
    if (mantissa == 0) return Digits18{};
    // Dropping factors of two keeps the work proportional to the digits, e.g. for 0.5 or 0.25.
    while (exponent2 < 0 && (mantissa & 1) == 0) {
        mantissa >>= 1;
        ++exponent2;
    }
    if (exponent2 >= 0 && bitLength64(mantissa) + exponent2 <= 64) {
        return roundToEighteen(leadingOf(mantissa << exponent2));
    }
    Leading19 leading;
    if (exponent2 < 0 && leadingOfFraction<Buffers::kBinaryLimbs>(mantissa, exponent2, leading)) {
        return roundToEighteen(leading);
    }
    return roundToEighteen(leadingOfFullExpansion<Buffers::kDecimalLimbs>(mantissa, exponent2));
}

// ---------------------------------------------------------------------------------------------------
// The shared rounding to kept digits and the two layouts

// Digits kept after the second rounding, without trailing zeros; count 0 means zero.
struct KeptDigits {
    char digit[18] = {};
    int count = 0;
    int exponent = 0;
};

KeptDigits keepDigits(const Digits18& expanded, int precision, int decimals) {
    KeptDigits kept;
    if (expanded.zero) return kept;
    kept.exponent = expanded.exponent;
    const int reach = expanded.exponent + decimals;
    if (reach < 0) return kept;
    int count = std::min(precision, reach);
    const bool roundUp = count < 18 && expanded.digit[count] >= 5;
    for (int i = 0; i < count; ++i) kept.digit[i] = static_cast<char>('0' + expanded.digit[i]);
    if (roundUp) {
        int i = count - 1;
        while (i >= 0 && kept.digit[i] == '9') kept.digit[i--] = '0';
        if (i >= 0) {
            ++kept.digit[i];
        } else {
            kept.digit[0] = '1';
            count = 1;
            ++kept.exponent;
        }
    }
    while (count > 0 && kept.digit[count - 1] == '0') --count;
    kept.count = count;
    return kept;
}

void appendScientific(std::string& out, const KeptDigits& kept, int exponentWidth) {
    out += kept.digit[0];
    if (kept.count > 1) {
        out += decimalSeparators().decimal;
        out.append(kept.digit + 1, kept.digit + kept.count);
    }
    out += 'E';
    int power = kept.exponent - 1;
    if (power < 0) {
        out += '-';
        power = -power;
    }
    char text[12];
    int length = 0;
    do {
        text[length++] = static_cast<char>('0' + power % 10);
        power /= 10;
    } while (power != 0);
    for (int i = length; i < exponentWidth; ++i) out += '0';
    while (length > 0) out += text[--length];
}

std::string specialText(const BinaryValue& value) {
    if (value.kind == BinaryValue::kNotANumber) return "NAN";
    return value.negative ? "-INF" : "INF";
}

std::string formatGeneral(const BinaryValue& value, const Digits18& expanded) {
    constexpr int kPrecision = 15;
    constexpr int kDecimals = 9999;
    const KeptDigits kept = keepDigits(expanded, kPrecision, kDecimals);
    if (kept.count == 0) return "0";
    std::string out;
    out.reserve(24);
    if (value.negative) out += '-';
    const int e = kept.exponent;
    if (e < -3 || e > 15) {
        appendScientific(out, kept, 0);
    } else if (e > 0) {
        const int integerDigits = std::min(e, kept.count);
        out.append(kept.digit, kept.digit + integerDigits);
        out.append(static_cast<std::size_t>(e - integerDigits), '0');
        if (kept.count > e) {
            out += decimalSeparators().decimal;
            out.append(kept.digit + e, kept.digit + kept.count);
        }
    } else {
        out += '0';
        out += decimalSeparators().decimal;
        out.append(static_cast<std::size_t>(-e), '0');
        out.append(kept.digit, kept.digit + kept.count);
    }
    return out;
}

}  // namespace

std::string FormatGeneral(double value) {
    const BinaryValue binary = decompose(value);
    if (binary.kind != BinaryValue::kFinite) return specialText(binary);
    return formatGeneral(binary, expandExact<DoubleBuffers>(binary.mantissa, binary.exponent2));
}

std::string FormatGeneralExtended(long double value) {
    const BinaryValue binary = decompose(value);
    if (binary.kind != BinaryValue::kFinite) return specialText(binary);
    return formatGeneral(binary, expandExact<ExtendedBuffers>(binary.mantissa, binary.exponent2));
}

std::string FormatNumber(double value, int precision, int decimals) {
    const BinaryValue binary = decompose(value);
    if (binary.kind != BinaryValue::kFinite) return specialText(binary);
    precision = std::clamp(precision, 2, 18);
    decimals = std::clamp(decimals, 0, 18);  // a negative count of decimals means none
    const DecimalSeparators separators = decimalSeparators();
    const KeptDigits kept =
        keepDigits(expandExact<DoubleBuffers>(binary.mantissa, binary.exponent2), precision, decimals);
    std::string out;
    out.reserve(48);
    if (kept.count == 0) {
        out += '0';
        if (decimals != 0) {
            out += separators.decimal;
            out.append(static_cast<std::size_t>(decimals), '0');
        }
        return out;
    }
    if (binary.negative) out += '-';
    const int e = kept.exponent;
    if (e > precision) {
        appendScientific(out, kept, decimals >= 1 && decimals <= 4 ? decimals : 0);
        return out;
    }
    if (e <= 0) {
        out += '0';
    } else {
        for (int i = 0; i < e; ++i) {
            if (i > 0 && (e - i) % 3 == 0) out += separators.thousands;
            out += i < kept.count ? kept.digit[i] : '0';
        }
    }
    if (decimals != 0) {
        out += separators.decimal;
        const std::size_t start = out.size();
        if (e < 0) out.append(static_cast<std::size_t>(-e), '0');
        for (int i = std::max(e, 0); i < kept.count; ++i) out += kept.digit[i];
        out.append(start + static_cast<std::size_t>(decimals) - out.size(), '0');
    }
    return out;
}

// ---------------------------------------------------------------------------------------------------
// Trim and the empty-like test: both work on the calculator's own comma texts.

std::string TrimTrailingZeros(const std::string& text) {
    const std::size_t comma = text.find(',');
    if (comma == std::string::npos) return text;
    // In scientific text the characters after the comma end with the exponent ("1,5E20"); a zero
    // there is a digit of the exponent, never a trailing zero of the fraction.
    if (text.find_first_of("Ee", comma) != std::string::npos) return text;
    std::size_t end = text.size();
    while (end > comma + 1 && text[end - 1] == '0') --end;
    if (end == comma + 1) --end;
    return text.substr(0, end);
}

bool IsEmptyLike(const std::string& text) {
    static constexpr const char* kEmptyLike[] = {"", "0", "0,", ",", ",0", "0,0"};
    for (const char* candidate : kEmptyLike) {
        if (text == candidate) return true;
    }
    return false;
}

}  // namespace vireltan
