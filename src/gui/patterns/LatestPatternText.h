#pragma once

#include <QString>

#include <array>

/** Texts of the latest-pattern dialog. Used as they stand. */
namespace LatestPatternText {

/** The dialog's title for the pattern weighting state. */
QString title(bool weighting);
/** Label of a number (1 … 43): "01_" … "43_". */
QString numberLabel(int number);
/** The caption line while no number is pointed at. */
QString idleCaption();
/** The caption line of a pointed number with its current-pattern count. */
QString caption(int number, int value);
/** The pattern line while no number is pointed at. */
QString idlePatternLine();
/**
 * The pattern line of a pointed number: 〇 for a draw that had it, Χ for one that had not, the latest
 * draw first, up to the first bit that is neither 0 nor 1.
 */
QString patternLine(const std::array<int, 9>& bits);
/** The two-line captions of the weighting toggle. */
QString toggleOn();
QString toggleOff();

/** Context-help popups of the controls. */
QString okHelp();
QString tabHelp();
QString numberLabelHelp(int number);
QString patternLineHelp();
QString captionHelp();

} // namespace LatestPatternText
