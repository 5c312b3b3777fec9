#pragma once

#include <QRect>

#include <array>

#include "core/store/HistoryFormat.h"

class DrawHistory;

/** The six numbers of one column of the history graph, ascending. */
using ColumnNumbers = std::array<int, kNumbersPerDraw>;

/**
 * Where the history graph puts its columns, numbers and statistics. Column j is draw j + 1; the
 * graph is laid out in design units scaled by ScreenScale, except the three base lines, which are
 * pixels taken from the window's height.
 */
struct HistoryGraphLayout {
    /** Zero line of the number scale, in pixels: the window height − 54 × H / 600. */
    int graphBaseY = 0;
    /** Index of the leftmost column shown. */
    int firstColumn = 0;

    static HistoryGraphLayout forHeight(int windowHeight, int firstColumn);

    /** Columns a page holds: 40 × W / 800 + 4. */
    static int columnsPerPage();

    int columnX(int column) const;
    int numberY(int number) const;
    /** Zero lines of the mean and the spread charts. */
    int meanBase() const { return graphBaseY * 56 / 100; }
    int spreadBase() const { return graphBaseY * 28 / 100; }
    /** A mean of 5 sits on the mean chart's zero line. */
    int meanY(int mean) const;
    int spreadY(int spread) const;
    /** Top of the draw labels, and the bottom of the plot's frame. */
    int labelY() const;
    int frameBottom() const;

    /** Columns painted: the first page leaves out column 0, which has no column before it to join. */
    int firstPaintedColumn() const { return firstColumn == 0 ? 1 : firstColumn; }
    int endColumn() const { return firstColumn + columnsPerPage(); }

    /** What a scroll redraws: the plot right of the side captions, down to below the draw labels. */
    QRect scrolledArea(int windowWidth) const;
};

/** The numbers of column j; a draw with fewer than six keeps the previous column's in the missing places. */
ColumnNumbers readColumn(const DrawHistory& history, int column, const ColumnNumbers& previous);

/** Mean and spread of a column as the graph plots them: truncated, the mean held to 5 … 39. */
struct ColumnStatistics {
    int mean = 0;
    int spread = 0;

    static ColumnStatistics of(const ColumnNumbers& numbers);
};

/**
 * The scroll bar's positions: 0 up to drawCount + 1 − 39, so that the last page still shows 39
 * columns; the bar's page is 40 columns, its page step 10.
 */
namespace HistoryGraphScroll {

inline constexpr int kPage = 40;

int lastPosition(int drawCount);
/** Position after a scroll-bar action (QAbstractSlider::SliderAction); tracked is where the thumb was dragged. */
int afterAction(int action, int position, int tracked, int drawCount);
/** Position that puts a draw near the right of the first page: draw − 36, within the limits. */
int positionForDraw(int draw, int drawCount);

} // namespace HistoryGraphScroll
