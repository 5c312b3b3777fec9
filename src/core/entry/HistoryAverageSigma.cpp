#include "core/entry/HistoryAverageSigma.h"

#include <cmath>
#include <vector>

#include "core/entry/SelectionAverageSigma.h"
#include "core/store/DrawHistory.h"
#include "core/text/EntryText.h"

namespace {

// The per-draw σ divides by six in double precision, with this constant rather than 1.0 / 6.
constexpr double kOneSixthDouble = 0.1666666666666666;

// At most seven are collected: seven stands for "seven or more".
constexpr int kCollectLimit = kNumbersPerDraw + 1;

template <typename T>
double total(const std::vector<T>& values)
{
    double sum = 0;
    for (const T v : values)
        sum += v;
    return sum;
}

// Population σ of the values around a given mean.
template <typename T>
double sigmaAround(const std::vector<T>& values, double mean)
{
    double squares = 0;
    for (const T v : values)
        squares += (v - mean) * (v - mean);
    return std::sqrt(squares / double(values.size()));
}

} // namespace

HistoryAverageSigma HistoryAverageSigma::of(const DrawHistory& history)
{
    HistoryAverageSigma result;
    const int drawCount = history.drawCount();
    if (drawCount == 0)
        return result;

    std::vector<float> averages(drawCount, 0.0f);
    std::vector<double> sigmas(drawCount, 0.0);
    for (int draw = 1; draw <= drawCount; ++draw) {
        QList<int> numbers;
        for (int n = 1; n <= kNumberCount && numbers.size() < kCollectLimit; ++n) {
            if (history.isHit(n, draw))
                numbers.append(n);
        }
        if (numbers.size() != kNumbersPerDraw) {
            result.warnings.append(EntryText::averageDrawNotSixNumbers(draw, int(numbers.size())));
            continue;
        }
        int sum = 0;
        for (const int n : numbers)
            sum += n;
        // The σ uses the unrounded average; only the stored average is single precision.
        const double mean = sum * double(kOneSixth);
        double squares = 0;
        for (const int n : numbers)
            squares += (n - mean) * (n - mean);
        averages[draw - 1] = float(mean);
        sigmas[draw - 1] = std::sqrt(squares * kOneSixthDouble);
    }

    result.averageMean = float(total(averages) / drawCount);
    result.averageSigma = sigmaAround(averages, result.averageMean);
    const double sigmaMean = total(sigmas) / drawCount;
    result.sigmaMean = float(sigmaMean);
    result.sigmaSigma = sigmaAround(sigmas, sigmaMean);
    return result;
}

QString HistoryAverageSigma::averageText() const
{
    return EntryText::historyStatistics(averageMean, averageSigma);
}

QString HistoryAverageSigma::sigmaText() const
{
    return EntryText::historyStatistics(sigmaMean, sigmaSigma);
}
