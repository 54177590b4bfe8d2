#pragma once

#include "common/errors.h"

#include <cmath>

// A computed quantity is stored only when it is finite: an infinite one ends the command as the
// floating-point overflow, one that is not a number as the invalid operation.
inline long double checkedFinite(long double value)
{
    if (std::isnan(value))
        throw EInvalidOp();
    if (std::isinf(value))
        throw EOverflow();
    return value;
}
