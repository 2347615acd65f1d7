#pragma once

#include <limits>
#include <optional>

// Totals are 32-bit ints. A sum outside that range is no total at all: it would wrap round
// to the other end of the range and name the wrong winner, so there is no sum then.
constexpr std::optional<int> checkedSum(int total, int delta)
{
    const long long sum = static_cast<long long>(total) + delta;
    if (sum < std::numeric_limits<int>::min() || sum > std::numeric_limits<int>::max())
        return std::nullopt;
    return static_cast<int>(sum);
}
