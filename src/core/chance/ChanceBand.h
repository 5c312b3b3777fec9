#pragma once

#include <vector>

/** What luck alone gives for a figure: its mean and the band that holds it 95 % of the time. */
struct ChanceBand {
    double mean = 0;
    double low = 0;
    double high = 0;

    /** trials independent tries that each succeed with probability p. */
    struct Binomial {
        int trials = 0;
        double p = 0;
    };

    /**
     * A count that is the sum of independent binomials, exactly: the mean, and the 2.5 % and
     * 97.5 % quantiles of the convolved distribution.
     */
    static ChanceBand ofBinomialSum(const std::vector<Binomial>& terms);

    /** Mean ± 1.96 σ: for an average over many records, where the normal law is close enough. */
    static ChanceBand ofNormal(double mean, double variance);
};
