#include "core/chance/DrawUniformity.h"

#include <algorithm>
#include <cmath>

#include "core/chance/Hypergeometric.h"
#include "core/store/DrawHistory.h"

namespace {

constexpr int kDegreesOfFreedom = kNumberCount - 1;

// P(χ² > x) for an even number of degrees of freedom: the chance of fewer than df/2 events of a
// Poisson law with mean x/2.
double chiSquareUpperTail(double x, int degreesOfFreedom)
{
    const double half = x / 2;
    double term = std::exp(-half);
    double sum = term;
    for (int i = 1; i < degreesOfFreedom / 2; ++i) {
        term *= half / i;
        sum += term;
    }
    return std::min(1.0, sum);
}

double twoSidedNormalP(double z)
{
    return std::erfc(std::abs(z) / std::sqrt(2.0));
}

int numbersIn(const DrawTicks& draw)
{
    return int(std::count(draw.begin(), draw.end(), true));
}

int common(const DrawTicks& a, const DrawTicks& b)
{
    int both = 0;
    for (std::size_t i = 0; i < a.size(); ++i)
        both += a[i] && b[i];
    return both;
}

} // namespace

DrawUniformity DrawUniformity::of(const std::vector<DrawTicks>& draws)
{
    DrawUniformity result;
    std::array<int, kNumberCount> counts{};
    int pairs = 0;
    const DrawTicks* previous = nullptr;
    for (const DrawTicks& draw : draws) {
        if (numbersIn(draw) != kNumbersPerDraw) {
            previous = nullptr;
            continue;
        }
        ++result.draws;
        for (std::size_t i = 0; i < draw.size(); ++i)
            counts[i] += draw[i];
        if (previous) {
            result.repeats += common(*previous, draw);
            ++pairs;
        }
        previous = &draw;
    }
    if (result.draws > 0) {
        const double expected = double(result.draws) * kNumbersPerDraw / kNumberCount;
        double sum = 0;
        for (const int count : counts)
            sum += (count - expected) * (count - expected) / expected;
        result.chiSquare = sum * kDegreesOfFreedom / (kNumberCount - kNumbersPerDraw);
        result.chiSquareP = chiSquareUpperTail(result.chiSquare, kDegreesOfFreedom);
    }
    if (pairs > 0) {
        result.repeatsExpected = pairs * hitMean(kNumbersPerDraw);
        const double sd = std::sqrt(pairs * hitVariance(kNumbersPerDraw));
        result.repeatsP = twoSidedNormalP((result.repeats - result.repeatsExpected) / sd);
    }
    return result;
}

DrawUniformity DrawUniformity::of(const DrawHistory& history)
{
    std::vector<DrawTicks> draws;
    draws.reserve(std::size_t(history.drawCount()));
    for (int draw = 1; draw <= history.drawCount(); ++draw)
        draws.push_back(history.drawSelection(draw));
    return of(draws);
}

ChanceBand appearanceChance(int draws, bool withPartner)
{
    const double p =
        withPartner ? double(kNumbersPerDraw - 1) / (kNumberCount - 1) : double(kNumbersPerDraw) / kNumberCount;
    return ChanceBand::ofBinomialSum({{draws, p}});
}
