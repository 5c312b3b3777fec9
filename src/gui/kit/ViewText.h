#pragma once

#include <QString>

/**
 * Texts of the main window: its titles, its menus' titles, and what the main view draws on the pattern
 * graph and the appearance-number screen. Used as they stand.
 */
namespace ViewText {

/** The application's name, the window's title before the opening window gives the first one. */
QString applicationTitle();
/**
 * Title of the main window for the pattern weighting state, ending with the date text.
 * @param weighting whether counts are weighted by the number of distinct patterns
 * @param suffix the date text of the opening window, empty before it has been shown
 */
QString weightingTitle(bool weighting, const QString& suffix);
/** Title of the hit-count screen while it shows the registrants' predictions, ending with the date text. */
QString registrantsTitle(const QString& suffix);

/** Titles of the menu bar's popups and top-level items. */
QString dataMenu();
QString graphMenu();
QString godMenu();
QString settingsMenu();
QString browserMenu();
QString lastDrawPopup();
QString helpMenu();

/** The version dialog: its caption and its one line. */
QString versionCaption();
QString versionText();

/** Pattern graph: the heading, the separator between the page labels and the page labels. */
QString patternHeading();
QString pageSeparator();
/** Label of a page (7, 8, 91 or 92) in the selector row. */
QString pageLabel(int page);
/** Title of a page in the title box; page 7 shows the order under the pointer (0: none). */
QString pageTitle(int page, int pointedOrder = 0);
/** The number in the number box: full-width digits, a single digit after an ideographic space. */
QString fullWidthNumber(int number);
/** Hover text of a bar: its value and its pattern, the newest draw first; reversed to stand left of the pointer. */
QString barText(int value, int pattern, int order, bool reversed);
/** Hover text where the pointer is not on a bar column. */
QString misread();
/** Mark of a draw that had no appearance. */
QString notDrawnMark();

/** Weighting button texts. */
QString weightingOn();
QString weightingOff();

/** History graph: the side captions, written one character under another, and the caption of the draw labels. */
QString spreadCaption();
QString meanCaption();
QString numbersCaption();
QString drawCaption();

} // namespace ViewText
