#pragma once

// Totals are 32-bit and wrap around at their limits, as two's complement does.
// Signed overflow is undefined in C++, so the sum is taken in unsigned arithmetic,
// whose conversion back to int is well defined since C++20.
constexpr int wrappingSum(int total, int delta)
{
    return static_cast<int>(static_cast<unsigned>(total) + static_cast<unsigned>(delta));
}
