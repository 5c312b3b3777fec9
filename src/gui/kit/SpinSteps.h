#pragma once

/** What one step of the main view's spins does to the number and to the screens' scales. */
namespace SpinSteps {

/** The number spin: forward after 43 comes 1, backward before 1 comes 43. */
int nextNumber(int number, int delta);

/**
 * The zoom spin on the pattern graph: a positive step shrinks the scale (by 1 up to 10, else by
 * 10, never below 3), a negative one enlarges it (by 10 from 10, by 1 below 10 only while the
 * appearance screen's second stage is off, never above 430).
 */
int patternScale(int scale, int delta, int appearanceStep);

} // namespace SpinSteps
