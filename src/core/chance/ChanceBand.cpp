#include "core/chance/ChanceBand.h"

#include <algorithm>
#include <cmath>

namespace {

// Probabilities below this are dropped from the tails; they cannot move a 2.5 % quantile.
constexpr double kNegligible = 1e-17;

/** A distribution over first, first + 1, …, kept only where it is not negligible. */
struct Distribution {
    int first = 0;
    std::vector<double> p{1.0};
};

Distribution binomialOf(const ChanceBand::Binomial& term)
{
    if (term.trials <= 0 || term.p <= 0)
        return {};
    if (term.p >= 1)
        return {term.trials, {1.0}};
    const double logP = std::log(term.p);
    const double logQ = std::log1p(-term.p);
    const double logN = std::lgamma(term.trials + 1.0);
    Distribution d{0, std::vector<double>(std::size_t(term.trials) + 1)};
    for (int k = 0; k <= term.trials; ++k)
        d.p[std::size_t(k)] = std::exp(logN - std::lgamma(k + 1.0) - std::lgamma(term.trials - k + 1.0) + k * logP
                                       + (term.trials - k) * logQ);
    return d;
}

void trim(Distribution& d)
{
    const auto notNegligible = [](double p) { return p >= kNegligible; };
    const auto first = std::find_if(d.p.begin(), d.p.end(), notNegligible);
    const auto last = std::find_if(d.p.rbegin(), d.p.rend(), notNegligible).base();
    if (first >= last)
        return;
    d.first += int(first - d.p.begin());
    d.p = std::vector<double>(first, last);
}

Distribution convolve(const Distribution& a, const Distribution& b)
{
    Distribution sum{a.first + b.first, std::vector<double>(a.p.size() + b.p.size() - 1)};
    for (std::size_t i = 0; i < a.p.size(); ++i)
        for (std::size_t j = 0; j < b.p.size(); ++j)
            sum.p[i + j] += a.p[i] * b.p[j];
    return sum;
}

double quantile(const Distribution& d, double level)
{
    double below = 0;
    for (std::size_t i = 0; i < d.p.size(); ++i) {
        below += d.p[i];
        if (below >= level)
            return d.first + double(i);
    }
    return d.first + double(d.p.size() - 1);
}

} // namespace

ChanceBand ChanceBand::ofBinomialSum(const std::vector<Binomial>& terms)
{
    Distribution total;
    double mean = 0;
    for (const Binomial& term : terms) {
        Distribution d = binomialOf(term);
        trim(d);
        total = convolve(total, d);
        trim(total);
        mean += term.trials * term.p;
    }
    return {mean, quantile(total, 0.025), quantile(total, 0.975)};
}

ChanceBand ChanceBand::ofNormal(double mean, double variance)
{
    const double half = 1.959964 * std::sqrt(std::max(0.0, variance));
    return {mean, mean - half, mean + half};
}
