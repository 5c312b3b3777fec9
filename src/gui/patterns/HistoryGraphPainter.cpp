#include "gui/patterns/HistoryGraphPainter.h"

#include <QPainter>
#include <QPolygon>

#include <algorithm>

#include "core/store/DrawHistory.h"
#include "gui/kit/CanvasText.h"
#include "gui/kit/Colors.h"
#include "gui/kit/JapaneseFonts.h"
#include "gui/kit/ScreenScale.h"
#include "gui/kit/ViewText.h"
#include "gui/patterns/LastEnteredPrediction.h"

namespace {

QPen solidPen(quint32 colorRef, int width = 1)
{
    return QPen(fromColorRef(colorRef), width, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin);
}

// A column's place on the number scale or a statistic is marked with a small ring.
QRect ring(QPoint centre)
{
    const QPoint radius(ScreenScale::x(4), ScreenScale::y(4));
    return QRect(centre - radius, centre + radius);
}

} // namespace

/** One step of the ribbon: from the column before (x0) to column j (x1). */
struct HistoryGraphPainter::Segment {
    int x0 = 0;
    int x1 = 0;
    ColumnNumbers previous{};
    ColumnNumbers current{};
};

std::optional<HistoryGraphPreview> HistoryGraphPreview::from(const LastEnteredPrediction& entered, int drawCount)
{
    const auto isNumber = [](int n) { return 1 <= n && n <= kNumberCount; };
    if (!entered.entered || entered.numbers.size() != kNumbersPerDraw || !std::ranges::all_of(entered.numbers, isNumber)
        || entered.draw < 1 || entered.draw > drawCount + 1)
        return std::nullopt;
    HistoryGraphPreview preview{entered.draw, {}};
    std::ranges::copy(entered.numbers, preview.numbers.begin());
    // Entered in any order, joined from the smallest up like a draw.
    std::ranges::sort(preview.numbers);
    return preview;
}

HistoryGraphPainter::HistoryGraphPainter()
    : m_framePen(solidPen(0x800000)), m_statisticsPen(solidPen(0xFF8000, 2)), m_previewPen(solidPen(0x0000FF)),
      m_gridPen(solidPen(0x808080)), m_numberLinePen(fromColorRef(0x808080), 1, Qt::DotLine, Qt::FlatCap),
      m_lightGridPen(solidPen(0xC0C0C0)), m_bandBrushes{fromColorRef(0x64AAE6), fromColorRef(0x64FF80),
                                                        fromColorRef(0x80FFFF), fromColorRef(0xFFC896),
                                                        fromColorRef(0xFFC0FF)},
      m_font(JapaneseFonts::font(JapaneseFonts::kGothic, ScreenScale::y(18)))
{
}

void HistoryGraphPainter::paint(QPainter& painter, const HistoryGraphScene& scene) const
{
    painter.save();
    painter.setFont(m_font);
    drawFrame(painter, scene.layout, scene.width);
    drawGuides(painter, scene.layout, scene.width);
    drawSideCaptions(painter, scene.layout);
    // The tens lie over the bands.
    if (drawColumns(painter, scene))
        drawNumberLines(painter, scene.layout, m_gridPen, {10, 20, 30, 40}, scene.width);
    painter.restore();
}

void HistoryGraphPainter::drawFrame(QPainter& painter, const HistoryGraphLayout& layout, int width) const
{
    painter.setPen(m_framePen);
    const int bottom = layout.frameBottom();
    for (const int x : {0, ScreenScale::width() / 25, ScreenScale::x(31)})
        painter.drawLine(x, 0, x, bottom);
    const int f = layout.spreadBase();
    const int e = layout.meanBase();
    const int base = layout.graphBaseY;
    for (const int y : {0, 1, f - 1, f, e - 1, e, base, base + 1, bottom, bottom + 1})
        painter.drawLine(0, y, width - 1, y);
}

void HistoryGraphPainter::drawGuides(QPainter& painter, const HistoryGraphLayout& layout, int width) const
{
    const int left = ScreenScale::x(33);
    painter.setPen(m_gridPen);
    const int meanGuide = layout.meanBase() - ScreenScale::y(70);
    painter.drawLine(left, meanGuide, width - 1, meanGuide);
    painter.setPen(m_numberLinePen);
    for (int n = 1; n <= kNumberCount; ++n)
        painter.drawLine(left, layout.numberY(n), width - 1, layout.numberY(n));
    drawNumberLines(painter, layout, m_lightGridPen, {1, 5, 15, 25, 35}, width);
}

void HistoryGraphPainter::drawNumberLines(QPainter& painter, const HistoryGraphLayout& layout, const QPen& pen,
                                          std::initializer_list<int> numbers, int width) const
{
    painter.setPen(pen);
    for (const int n : numbers)
        painter.drawLine(ScreenScale::x(33), layout.numberY(n), width - 1, layout.numberY(n));
}

void HistoryGraphPainter::drawSideCaptions(QPainter& painter, const HistoryGraphLayout& layout) const
{
    const int x = ScreenScale::x(6);
    const auto writeDown = [&](const QString& word, std::initializer_list<int> rows) {
        const int* row = rows.begin();
        for (const QChar c : word)
            CanvasText::draw(painter, QPoint(x, ScreenScale::y(*row++)), QString(c), Qt::black);
    };
    writeDown(ViewText::spreadCaption(), {20, 45, 70, 95});
    writeDown(ViewText::meanCaption(), {170, 220});
    writeDown(ViewText::numbersCaption(), {320, 380, 440});
    CanvasText::draw(painter, QPoint(x, layout.labelY()), ViewText::drawCaption(), Qt::black);
}

bool HistoryGraphPainter::drawColumns(QPainter& painter, const HistoryGraphScene& scene) const
{
    const HistoryGraphLayout& layout = scene.layout;
    const int drawCount = scene.history.drawCount();
    const int previewDraw = scene.preview ? scene.preview->draw : 0;
    Segment segment;
    segment.previous = readColumn(scene.history, std::max(layout.firstColumn - 1, 0), ColumnNumbers{});
    bool painted = false;
    for (int j = layout.firstPaintedColumn(); j < layout.endColumn(); ++j) {
        if (j >= drawCount && previewDraw < j)
            break;
        // The first column of a later page has nothing shown before it to join.
        const bool joinsPrevious = j != layout.firstColumn;
        segment.x1 = layout.columnX(j);
        segment.x0 = joinsPrevious ? layout.columnX(j - 1) : segment.x1;
        // A page holds more columns than a wide screen shows; past the edge nothing would be seen.
        if (segment.x0 - ScreenScale::x(4) >= scene.width)
            break;
        painted = true;
        segment.current =
            previewDraw == j + 1 ? scene.preview->numbers : readColumn(scene.history, j, segment.previous);
        const bool stored = j < drawCount || j < previewDraw;
        if (joinsPrevious && stored) {
            drawBands(painter, layout, segment);
            drawStatistics(painter, layout, segment);
        }
        if (joinsPrevious && previewDraw == j)
            drawPreviewMark(painter, layout, segment);
        if (j % 10 == 9)
            drawLabel(painter, layout, j);
        segment.previous = segment.current;
    }
    return painted;
}

void HistoryGraphPainter::drawBands(QPainter& painter, const HistoryGraphLayout& layout, const Segment& segment) const
{
    painter.setPen(Qt::NoPen);
    for (std::size_t band = 0; band < m_bandBrushes.size(); ++band) {
        painter.setBrush(m_bandBrushes[band]);
        const QPolygon polygon{QList<QPoint>{
            {segment.x0, layout.numberY(segment.previous[band])},
            {segment.x0, layout.numberY(segment.previous[band + 1])},
            {segment.x1, layout.numberY(segment.current[band + 1])},
            {segment.x1, layout.numberY(segment.current[band])},
        }};
        painter.drawPolygon(polygon, Qt::OddEvenFill);
    }
}

void HistoryGraphPainter::drawStatistics(QPainter& painter, const HistoryGraphLayout& layout,
                                         const Segment& segment) const
{
    const ColumnStatistics before = ColumnStatistics::of(segment.previous);
    const ColumnStatistics after = ColumnStatistics::of(segment.current);
    painter.setPen(m_statisticsPen);
    painter.drawLine(segment.x0, layout.meanY(before.mean), segment.x1, layout.meanY(after.mean));
    painter.drawLine(segment.x0, layout.spreadY(before.spread), segment.x1, layout.spreadY(after.spread));
}

// The preview is the column before: its numbers, mean and spread are ringed in red.
void HistoryGraphPainter::drawPreviewMark(QPainter& painter, const HistoryGraphLayout& layout,
                                          const Segment& segment) const
{
    const ColumnNumbers& numbers = segment.previous;
    const int x = segment.x0;
    painter.setPen(m_previewPen);
    painter.setBrush(Qt::white);
    painter.drawLine(x, layout.numberY(numbers.front()), x, layout.numberY(numbers.back()));
    for (const int n : numbers)
        painter.drawEllipse(ring(QPoint(x, layout.numberY(n))));
    const ColumnStatistics statistics = ColumnStatistics::of(numbers);
    painter.drawEllipse(ring(QPoint(x, layout.meanY(statistics.mean))));
    painter.drawEllipse(ring(QPoint(x, layout.spreadY(statistics.spread))));
}

void HistoryGraphPainter::drawLabel(QPainter& painter, const HistoryGraphLayout& layout, int column) const
{
    const int x = layout.columnX(column);
    painter.setPen(m_framePen);
    painter.drawLine(x, 0, x, layout.graphBaseY);
    CanvasText::draw(painter, QPoint(x, layout.labelY()), QString::number(column + 1), Qt::black);
}
