#include "core/chance/Hypergeometric.h"

#include "core/store/HistoryFormat.h"
#include "core/wheel/Binomial.h"

double hitProbability(int named, int hits)
{
    return double(binomial(named, hits)) * double(binomial(kNumberCount - named, kNumbersPerDraw - hits))
           / double(binomial(kNumberCount, kNumbersPerDraw));
}

double hitMean(int named)
{
    return double(named) * kNumbersPerDraw / kNumberCount;
}

double hitVariance(int named)
{
    constexpr double n = kNumberCount;
    const double p = named / n;
    return kNumbersPerDraw * p * (1 - p) * (n - kNumbersPerDraw) / (n - 1);
}
