#pragma once

/**
 * The chance that a choice of named numbers (0 … 43) holds exactly hits of the six drawn from 43:
 * C(named, hits) · C(43 − named, 6 − hits) / C(43, 6).
 */
double hitProbability(int named, int hits);

/** Mean and variance of the hits of a choice of named numbers. */
double hitMean(int named);
double hitVariance(int named);
