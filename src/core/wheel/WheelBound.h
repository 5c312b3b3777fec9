#pragma once

struct WheelSettings;

/** Lower bounds on the size of a wheel. */
namespace WheelBound {

/** Schönheim's bound: at least this many k-sets of v numbers are needed to hold every t-set. */
int schoenheim(int v, int k, int t);

/**
 * At least this many tickets keep the guarantee of checked settings: Schönheim's bound when
 * t = p, otherwise the number of p-sets over the number that one ticket keeps.
 */
int lowerBound(const WheelSettings& settings);

} // namespace WheelBound
