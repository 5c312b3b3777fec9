#include "core/entry/SelectionAverageSigma.h"

#include <cmath>

#include "core/store/SixNumbers.h"
#include "core/text/EntryText.h"

Result<SelectionAverageSigma> SelectionAverageSigma::of(const QList<int>& numbers)
{
    if (auto fault = checkSixNumbers(numbers, EntryText::averageNotSixNumbers()))
        return *fault;
    return ofAny(std::span<const int, 6>(numbers.constData(), 6));
}

SelectionAverageSigma SelectionAverageSigma::ofAny(std::span<const int, 6> numbers)
{
    int sum = 0;
    for (const int n : numbers)
        sum += n;
    SelectionAverageSigma result;
    result.average = float(sum) * kOneSixth;
    // The deviations are taken from the stored single-precision average.
    double squares = 0;
    for (const int n : numbers) {
        const double deviation = n - double(result.average);
        squares += deviation * deviation;
    }
    result.sigma = std::sqrt(squares * double(kOneSixth));
    return result;
}

QString SelectionAverageSigma::text() const
{
    return EntryText::selectionStatistics(average, sigma);
}
