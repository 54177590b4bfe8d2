#pragma once

#include <array>
#include <cstdint>

// The 10-byte extended-precision number of the object file, as the x87 unit holds it,
// little-endian: bytes 0-7 the 64-bit significand with its explicit integer bit, bytes 8-9 the
// sign and the 15-bit exponent biased by 16383. Written out bit by bit, so that the file does
// not depend on how the compiler lays out long double.
using Extended80 = std::array<std::uint8_t, 10>;

Extended80 encodeExtended(long double value);

// Every pattern decodes: a denormal or an unnormal to the value its significand and exponent
// give, an exponent of all ones to an infinity (integer bit alone) or a NaN.
long double decodeExtended(const Extended80& bytes);
