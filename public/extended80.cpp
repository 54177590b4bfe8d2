#include "public/extended80.h"

#include <cmath>
#include <limits>

namespace
{

constexpr int Bias = 16383;
constexpr int MaxExponent = 0x7FFF;
constexpr std::uint64_t IntegerBit = std::uint64_t{1} << 63;
// A denormal's significand counts units of 2^(1 - Bias - 63).
constexpr int DenormalScale = Bias - 1 + 63;

Extended80 pack(bool negative, int exponent, std::uint64_t significand)
{
    Extended80 bytes{};
    for (int i = 0; i < 8; ++i)
        bytes[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(significand >> (8 * i));
    const unsigned top = (negative ? 0x8000U : 0U) | static_cast<unsigned>(exponent);
    bytes[8] = static_cast<std::uint8_t>(top & 0xFFU);
    bytes[9] = static_cast<std::uint8_t>(top >> 8);
    return bytes;
}

} // namespace

Extended80 encodeExtended(long double value)
{
    const bool negative = std::signbit(value);
    if (std::isnan(value))
        return pack(negative, MaxExponent, IntegerBit | (IntegerBit >> 1));
    if (std::isinf(value))
        return pack(negative, MaxExponent, IntegerBit);
    if (value == 0.0L)
        return pack(negative, 0, 0);

    int exponent = 0;
    // |value| = fraction * 2^exponent with fraction in [0.5, 1): the integer bit is its first.
    const long double fraction = std::frexp(std::fabs(value), &exponent);
    int biased = exponent - 1 + Bias;
    if (biased <= 0) {
        // Too small for the integer bit: a denormal, rounded to its last unit.
        const long double units = std::nearbyint(std::ldexp(std::fabs(value), DenormalScale));
        const auto significand = static_cast<std::uint64_t>(units);
        // Rounding up may reach the smallest normal number, whose integer bit is set.
        return pack(negative, (significand & IntegerBit) ? 1 : 0, significand);
    }
    // Exact where long double holds 64 bits of significand; a wider type is rounded.
    long double units = std::nearbyint(std::ldexp(fraction, 64));
    if (units >= std::ldexp(1.0L, 64)) {
        units = std::ldexp(units, -1);
        ++biased;
    }
    if (biased >= MaxExponent)
        return pack(negative, MaxExponent, IntegerBit);
    return pack(negative, biased, static_cast<std::uint64_t>(units));
}

long double decodeExtended(const Extended80& bytes)
{
    std::uint64_t significand = 0;
    for (int i = 7; i >= 0; --i)
        significand = (significand << 8) | bytes[static_cast<std::size_t>(i)];
    const unsigned top = static_cast<unsigned>(bytes[8]) | (static_cast<unsigned>(bytes[9]) << 8);
    const bool negative = (top & 0x8000U) != 0;
    const int exponent = static_cast<int>(top & 0x7FFFU);

    long double magnitude = 0.0L;
    if (exponent == MaxExponent) {
        magnitude = significand == IntegerBit ? std::numeric_limits<long double>::infinity()
                                              : std::numeric_limits<long double>::quiet_NaN();
    } else {
        // A zero exponent scales as 1 does: denormals and pseudo-denormals alike.
        const int scale = (exponent == 0 ? 1 : exponent) - Bias - 63;
        magnitude = std::ldexp(static_cast<long double>(significand), scale);
    }
    return negative ? -magnitude : magnitude;
}
