#include "gui/patterns/HistoryGraphLayout.h"

#include <QAbstractSlider>

#include <algorithm>

#include "core/entry/SelectionAverageSigma.h"
#include "core/store/DrawHistory.h"
#include "gui/kit/ScreenScale.h"

namespace {

constexpr int kPageStep = 10;
// A draw handed to the graph stands this many columns right of the first one shown.
constexpr int kDrawOffset = 36;

} // namespace

HistoryGraphLayout HistoryGraphLayout::forHeight(int windowHeight, int firstColumn)
{
    return {windowHeight - ScreenScale::y(54), firstColumn};
}

int HistoryGraphLayout::columnsPerPage()
{
    return 40 * ScreenScale::width() / 800 + 4;
}

int HistoryGraphLayout::columnX(int column) const
{
    return ScreenScale::x(32 + 18 * (column - firstColumn));
}

int HistoryGraphLayout::numberY(int number) const
{
    return graphBaseY - 5 * number * ScreenScale::height() / 600;
}

int HistoryGraphLayout::meanY(int mean) const
{
    return meanBase() - (mean - 5) * 4 * ScreenScale::height() / 600;
}

int HistoryGraphLayout::spreadY(int spread) const
{
    return spreadBase() - spread * 6 * ScreenScale::height() / 600;
}

int HistoryGraphLayout::labelY() const
{
    return graphBaseY + ScreenScale::y(5);
}

int HistoryGraphLayout::frameBottom() const
{
    return graphBaseY + ScreenScale::y(24) + 1;
}

QRect HistoryGraphLayout::scrolledArea(int windowWidth) const
{
    return QRect(QPoint(ScreenScale::width() / 25, 0), QPoint(windowWidth - 1, graphBaseY + ScreenScale::y(30) - 1));
}

ColumnNumbers readColumn(const DrawHistory& history, int column, const ColumnNumbers& previous)
{
    ColumnNumbers numbers = previous;
    std::size_t found = 0;
    for (int n = 1; n <= kNumberCount && found < numbers.size(); ++n) {
        if (history.isHit(n, column + 1))
            numbers[found++] = n;
    }
    // Kept places can fall out of order; the bands join neighbours from the smallest up.
    if (found < numbers.size())
        std::ranges::sort(numbers);
    return numbers;
}

ColumnStatistics ColumnStatistics::of(const ColumnNumbers& numbers)
{
    const SelectionAverageSigma values = SelectionAverageSigma::ofAny(numbers);
    return {std::clamp(int(values.average), 5, 39), int(values.sigma)};
}

namespace HistoryGraphScroll {

int lastPosition(int drawCount)
{
    return std::max(drawCount + 1 - (kPage - 1), 0);
}

int afterAction(int action, int position, int tracked, int drawCount)
{
    const int last = lastPosition(drawCount);
    switch (action) {
    case QAbstractSlider::SliderSingleStepSub:
        return std::max(position - 1, 0);
    case QAbstractSlider::SliderSingleStepAdd:
        return std::min(position + 1, last);
    case QAbstractSlider::SliderPageStepSub:
        return position - kPageStep < 1 ? 0 : position - kPageStep;
    case QAbstractSlider::SliderPageStepAdd:
        return std::min(position + kPageStep, last);
    default:
        // The thumb, and the bar's own moves to either end.
        return std::clamp(tracked, 0, last);
    }
}

int positionForDraw(int draw, int drawCount)
{
    return std::clamp(draw - kDrawOffset, 0, lastPosition(drawCount));
}

} // namespace HistoryGraphScroll
