#pragma once

#include <QtGlobal>

/** C(n, k), 0 outside 0 ≤ k ≤ n; exact for the sizes of a draw (n ≤ 43). */
constexpr qint64 binomial(int n, int k)
{
    if (k < 0 || k > n)
        return 0;
    qint64 value = 1;
    for (int i = 1; i <= k; ++i)
        value = value * (n - k + i) / i;
    return value;
}
