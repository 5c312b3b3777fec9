#include "gui/patterns/AppearanceScreenPainter.h"

#include <QPainter>

#include "core/text/ChanceText.h"
#include "gui/kit/CanvasText.h"
#include "gui/kit/ScreenScale.h"
#include "gui/kit/ViewDrawingKit.h"
#include "gui/kit/ViewText.h"
#include "gui/patterns/AppearanceLayout.h"

namespace {

namespace Layout = AppearanceLayout;

QPoint at(int x, int y)
{
    return {ScreenScale::x(x), ScreenScale::y(y)};
}

constexpr int kBandNoteTop = 1;
constexpr int kFirstNoteTop = 543;
constexpr int kNoteSpacing = 13;
const QColor kChanceInk(200, 100, 0);

// A box standing on the base line, left … left + 15 wide and height tall, in design units.
QRect column(int left, int height)
{
    return ScreenScale::rect(left, Layout::kBase - height, left + 15, Layout::kBase);
}

} // namespace

AppearanceScreenPainter::AppearanceScreenPainter(const ViewDrawingKit& kit) : m_kit(kit)
{
}

void AppearanceScreenPainter::paint(QPainter& painter, const AppearanceScene& scene) const
{
    // With a partner the others share its draws: five of the remaining 42 numbers each.
    const int draws = scene.partner > 0 ? -scene.counts[std::size_t(scene.partner - 1)] : scene.drawCount;
    const ChanceBand band = appearanceChance(draws, scene.partner > 0);
    paintBars(painter, scene);
    paintChanceBand(painter, band, scene);
    painter.setPen(Qt::black);
    painter.drawLine(at(40, Layout::kBase), at(780, Layout::kBase));
    painter.drawLine(at(780, Layout::kBase), at(780, 15));
    painter.drawLine(at(40, Layout::kBase), at(40, 15));
    painter.setFont(m_kit.text);
    for (int n = 1; n <= kNumberCount; ++n)
        paintLabel(painter, n, ViewColors::kBackground);
    CanvasText::draw(painter, at(26, 517), QStringLiteral("0"), Qt::black, ViewColors::kBackground);
    paintGrid(painter, scene);
    paintChanceText(painter, band, scene);
}

void AppearanceScreenPainter::paintChanceBand(QPainter& painter, const ChanceBand& band,
                                              const AppearanceScene& scene) const
{
    const auto heightOf = [&](double count) {
        return qMin(Layout::rawHeight(qRound(count), scene.scale, scene.step), Layout::kFullHeight);
    };
    const int low = heightOf(band.low);
    const int high = heightOf(band.high);
    if (low >= Layout::kFullHeight)
        return;
    // See-through, so that the bars stay readable inside the band.
    painter.fillRect(QRect(at(41, Layout::kBase - high), at(779, Layout::kBase - low)), QColor(255, 140, 0, 60));
    const int mean = heightOf(band.mean);
    painter.setPen(QPen(kChanceInk, 1, Qt::DashLine));
    painter.drawLine(at(41, Layout::kBase - mean), at(779, Layout::kBase - mean) - QPoint(1, 0));
}

void AppearanceScreenPainter::paintChanceText(QPainter& painter, const ChanceBand& band,
                                              const AppearanceScene& scene) const
{
    painter.setFont(m_kit.text);
    // The band's words head the chart, beside its top; the tests of the draws stay in sight below the numbers
    // even where the title line leaves the view less than the whole screen.
    CanvasText::draw(painter, at(60, kBandNoteTop), ChanceText::appearanceBand(band, scene.partner), kChanceInk,
                     ViewColors::kBackground);
    const QStringList lines{ChanceText::uniformity(scene.uniformity), ChanceText::unpredictable()};
    for (int i = 0; i < lines.size(); ++i)
        CanvasText::draw(painter, at(40, kFirstNoteTop + i * kNoteSpacing), lines[i], Qt::black,
                         ViewColors::kBackground);
}

void AppearanceScreenPainter::paintBars(QPainter& painter, const AppearanceScene& scene) const
{
    for (int n = 1; n <= kNumberCount; ++n) {
        const int height = Layout::barHeight(scene.counts[std::size_t(n - 1)], scene.scale, scene.step);
        if (height > 0)
            painter.fillRect(column(Layout::barX(n), height), ViewColors::kTeal);
    }
    if (scene.partner < 1)
        return;
    // The partner's slot counts its own draws negatively; its mark stands as tall as they are many.
    const int draws = -scene.counts[std::size_t(scene.partner - 1)];
    const int left = 17 * scene.partner + 30;
    if (draws == 0) {
        painter.setFont(m_kit.text);
        CanvasText::draw(painter, at(left, 505), ViewText::notDrawnMark(), Qt::black, ViewColors::kBackground);
        return;
    }
    painter.fillRect(column(left, Layout::barHeight(draws, scene.scale, scene.step)), ViewColors::kBlue);
}

void AppearanceScreenPainter::paintGrid(QPainter& painter, const AppearanceScene& scene) const
{
    painter.setFont(m_kit.text);
    for (const Layout::GridLine& line : Layout::gridLines(scene.scale)) {
        const int height = Layout::rawHeight(line.count, scene.scale, scene.step);
        if (!Layout::gridLineShown(height))
            continue;
        const int y = ScreenScale::y(Layout::kBase - height);
        painter.setPen(line.major ? ViewColors::kGreen : ViewColors::kCyan);
        painter.drawLine(ScreenScale::x(41), y, ScreenScale::x(779) - 1, y);
        if (Layout::gridLabelShown(height)) {
            const QString label = QString::number(line.count).rightJustified(3);
            CanvasText::draw(painter, at(label.size() > 3 ? 2 : 10, Layout::kBase - height - 10), label, Qt::black,
                             ViewColors::kBackground);
        }
    }
}

void AppearanceScreenPainter::paintLabel(QPainter& painter, int number, const QColor& background) const
{
    CanvasText::draw(painter, at(Layout::labelX(number), 527), QString::number(number),
                     number % 2 ? ViewColors::kBlue : ViewColors::kMagenta, background);
}

void AppearanceScreenPainter::hoverNumberRow(QPainter& painter, int pixelX, int pixelY) const
{
    painter.setFont(m_kit.text);
    bool highlighted = false;
    if (Layout::inNumberRow(pixelY)) {
        for (int n = 1; n <= kNumberCount; ++n) {
            if (Layout::inHoverBox(n, pixelX)) {
                paintLabel(painter, n, ViewColors::kLime);
                highlighted = true;
            }
        }
    }
    if (highlighted)
        return;
    for (int n = 1; n <= kNumberCount; ++n)
        paintLabel(painter, n, ViewColors::kBackground);
}
