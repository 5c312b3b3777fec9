#include "gui/patterns/PatternGraphPainter.h"

#include <QPainter>

#include <vector>

#include "core/patterns/PatternStats.h"
#include "gui/kit/CanvasText.h"
#include "gui/kit/ScreenScale.h"
#include "gui/kit/ViewDrawingKit.h"
#include "gui/kit/ViewText.h"
#include "gui/patterns/PatternBars.h"
#include "gui/patterns/PatternGraphLayout.h"

namespace {

namespace Layout = PatternGraphLayout;

QPoint at(int x, int y)
{
    return {ScreenScale::x(x), ScreenScale::y(y)};
}

// A one-pixel column from the base line up to (not including) the design height given.
void drawColumn(QPainter& painter, int pixelX, int height, const QColor& color)
{
    const int bottom = ScreenScale::y(Layout::kBarBase);
    const int top = ScreenScale::y(Layout::kBarBase - height);
    if (bottom > top)
        painter.fillRect(pixelX, top + 1, 1, bottom - top, color);
}

constexpr int kSeparatorX[] = {423, 520, 580, 676, 772};

} // namespace

PatternGraphPainter::PatternGraphPainter(const ViewDrawingKit& kit, CurrentPatternTables& tables)
    : m_kit(kit), m_tables(tables)
{
}

void PatternGraphPainter::paint(QPainter& painter, const PatternGraphScene& scene)
{
    if (scene.hoverX != m_paintedHoverX) {
        painter.fillRect(ScreenScale::x(21), ScreenScale::y(526), ScreenScale::width() - ScreenScale::x(21),
                         ScreenScale::y(73), ViewColors::kBackground);
        m_paintedHoverX = scene.hoverX;
    }
    paintBars(painter, scene);
    paintAxes(painter);
    paintScale(painter, scene.scale);
    painter.setFont(m_kit.text);
    CanvasText::draw(painter, at(40, 2), ViewText::patternHeading(), Qt::black, ViewColors::kBackground);
    paintNumberBox(painter, scene.number);
    paintPageLabels(painter, QPoint(-1, -1));
}

void PatternGraphPainter::paintTitleBox(QPainter& painter, const QString& title) const
{
    const QRect box = ScreenScale::rect(355, 1, 423, 19);
    painter.fillRect(box, ViewColors::kLightGreen);
    CanvasText::drawEdge(painter, box, true);
    // A title longer than the box (「９データ(後)」 at 1024 pixels) is set smaller, not cut by what follows.
    QFont font = m_kit.text;
    const QPoint start = at(365, 4);
    const int room = box.right() - start.x() - ScreenScale::x(2);
    const int wide = QFontMetrics(font).horizontalAdvance(title);
    if (wide > room && font.pixelSize() > 0)
        font.setPixelSize(std::max(1, font.pixelSize() * room / wide));
    painter.setFont(font);
    CanvasText::draw(painter, start, title, Qt::black, ViewColors::kLightGreen);
}

void PatternGraphPainter::paintBars(QPainter& painter, const PatternGraphScene& scene)
{
    paintTitleBox(painter, ViewText::pageTitle(scene.page));
    const int graphTop = PatternStats::graphTop(ScreenScale::height());
    const BarGroup* pointed = scene.hoverX != 0 ? Layout::groupAt(scene.page, scene.hoverX) : nullptr;
    for (const BarGroup& group : Layout::groups(scene.page)) {
        const PatternBars bars = PatternBars::count(scene.hits, group, scene.weighting);
        if (bars.currentIndex >= 0 && scene.number >= 1)
            m_tables.setCount(group.order, scene.number, bars.values[std::size_t(bars.currentIndex)]);
        const QColor color = group.green ? ViewColors::kLime : ViewColors::kBlue;
        for (int i = 0; i < group.patternCount; ++i) {
            drawColumn(painter, ScreenScale::x(group.slotX(i)),
                       Layout::barHeight(bars.values[std::size_t(i)], scene.scale, graphTop),
                       i == bars.currentIndex ? ViewColors::kRed : color);
        }
        if (&group == pointed)
            paintHover(painter, scene, group, bars);
    }
}

void PatternGraphPainter::paintHover(QPainter& painter, const PatternGraphScene& scene, const BarGroup& group,
                                     const PatternBars& bars) const
{
    const int hoverX = scene.hoverX;
    const int textY = ScreenScale::y(530);
    painter.setFont(m_kit.hover);
    const int code = Layout::hoverSlot(scene.page, hoverX);
    const int index = code - Layout::slotBase(scene.page);
    if (code == 0 || index < 0 || index >= group.patternCount) {
        CanvasText::draw(painter, QPoint(hoverX + ScreenScale::x(8), textY), ViewText::misread(), Qt::black,
                         ViewColors::kBackground);
        return;
    }
    // Near the right edge the text turns round and stands left of the pointer.
    const bool reversed = hoverX >= 600;
    const QString text =
        ViewText::barText(bars.values[std::size_t(index)], group.firstPattern + index, group.order, reversed);
    const int width = ScreenScale::width();
    const int textX =
        reversed ? hoverX - (CanvasText::byteLength(text) + 1) * 8 * width / 800 : hoverX + 16 * width / 800;

    const int radius = 5 * width / 800;
    painter.setPen(Qt::black);
    painter.drawLine(hoverX, ScreenScale::y(526), hoverX, ScreenScale::y(534) - 1);
    painter.setBrush(ViewColors::kRed);
    painter.drawEllipse(
        QRect(QPoint(hoverX - radius, ScreenScale::y(534)), QPoint(hoverX + radius - 1, ScreenScale::y(544) - 1)));
    painter.setBrush(Qt::NoBrush);
    CanvasText::draw(painter, QPoint(textX, textY), text, Qt::black, ViewColors::kBackground);
}

void PatternGraphPainter::paintAxes(QPainter& painter) const
{
    const QPoint origin = at(30, Layout::kAxisY);
    const int right = ScreenScale::width();
    painter.setPen(Qt::black);
    painter.drawLine(origin, QPoint(right, origin.y()));
    painter.drawLine(QPoint(right, origin.y()), QPoint(right, ScreenScale::y(15)));
    painter.drawLine(origin, at(30, 15));
}

void PatternGraphPainter::paintScale(QPainter& painter, int scale) const
{
    painter.setFont(m_kit.text);
    CanvasText::draw(painter, at(3, 517), QStringLiteral("   0"), Qt::black, ViewColors::kBackground);
    const int right = ScreenScale::width();
    auto mark = [&](const PatternGraphLayout::ScaleMark& m, bool line) {
        const int rise = scale * m.value / 10;
        if (line) {
            painter.setPen(ViewColors::kCyan);
            const int y = ScreenScale::y(Layout::kAxisY - rise);
            painter.drawLine(ScreenScale::x(31), y, right - 1, y);
        }
        if (scale < m.labelLimit) {
            CanvasText::draw(painter, at(3, 515 - rise), QString::number(m.value).rightJustified(4), Qt::black,
                             ViewColors::kBackground);
        }
    };
    if (2 * scale > 50) {
        for (const auto& m : Layout::tens())
            mark(m, m.value != 50 || 525 - 5 * scale > 20);
    }
    for (const auto& m : Layout::hundreds())
        mark(m, true);
}

void PatternGraphPainter::paintNumberBox(QPainter& painter, int number) const
{
    const QRect box = ScreenScale::rect(209, 1, 239, 16);
    painter.fillRect(box, ViewColors::kLightYellow);
    CanvasText::drawEdge(painter, box, false);
    painter.setFont(m_kit.text);
    CanvasText::draw(painter, at(212, 2), ViewText::fullWidthNumber(number), Qt::black, ViewColors::kLightYellow);
}

void PatternGraphPainter::paintPageLabels(QPainter& painter, QPoint pointer) const
{
    painter.setFont(m_kit.text);
    const int pointed = Layout::pageAt(pointer.x(), pointer.y());
    if (pointed != 0) {
        CanvasText::draw(painter, at(Layout::pageLabelX(pointed), 2), ViewText::pageLabel(pointed), Qt::black,
                         ViewColors::kYellow);
        return;
    }
    for (const int x : kSeparatorX)
        CanvasText::draw(painter, at(x, 2), ViewText::pageSeparator(), ViewColors::kBlue, ViewColors::kBackground);
    for (const int page : Layout::kPages)
        CanvasText::draw(painter, at(Layout::pageLabelX(page), 2), ViewText::pageLabel(page), Qt::black,
                         ViewColors::kBackground);
}
