#include "gui/predict/BacktestHeatMap.h"

#include <QLinearGradient>
#include <QPainter>

#include <cmath>

#include "core/predict/DataGodEngine.h"
#include "core/text/PredictText.h"
#include "gui/kit/JapaneseFonts.h"
#include "gui/predict/BacktestText.h"

namespace {

// Cells are narrower than tall, so that five maps fit a 1024-pixel screen.
constexpr int kCellWidth = 6;
constexpr int kCellHeight = 9;
constexpr int kTitleHeight = 18;
constexpr int kRowLabelWidth = 22;
constexpr int kMapGap = 14;
constexpr int kLegendWidth = 16;
constexpr int kLegendLabelWidth = 56;
// The scale never shrinks below this, so that noise around 0 stays pale.
constexpr double kSmallestLimit = 3.0;

} // namespace

BacktestHeatMap::BacktestHeatMap(QWidget* parent) : QWidget(parent)
{
    setFont(JapaneseFonts::font(JapaneseFonts::kGothic, 12));
    setMinimumSize(sizeHint());
    // The maps have room to number the count axis at its ends only, so its name is told on pointing.
    setToolTip(QStringLiteral("%1 6 … 13 ／ %2").arg(BacktestText::countAxis(), BacktestText::weightAxis()));
}

void BacktestHeatMap::showScores(const QList<BacktestScore>& scores, int amount, bool preferFrequent,
                                 std::optional<double> line)
{
    m_shown = !scores.isEmpty();
    m_atLine = line.has_value();
    m_limit = line.value_or(kSmallestLimit);
    for (const BacktestScore& score : scores) {
        if (!m_atLine)
            m_limit = std::max(m_limit, std::ceil(std::abs(score.z())));
        const DataGodSettings& s = score.setting;
        if (s.dataAmount != amount || s.preferFrequent != preferFrequent)
            continue;
        m_z[std::size_t(score.order - DataGodEngine::kLowestOrder)]
           [std::size_t(s.predictionCount - DataGodSettings::kMinCount)][std::size_t(s.appearanceWeight)] = score.z();
    }
    update();
}

QColor BacktestHeatMap::colourOf(double z, double limit)
{
    const double share = std::clamp(std::abs(z) / limit, 0.0, 1.0);
    const int fade = int(std::lround(255 * (1.0 - share)));
    return z >= 0 ? QColor(255, fade, fade) : QColor(fade, fade, 255);
}

QRect BacktestHeatMap::mapRect(int god) const
{
    const int width = kColumns * kCellWidth;
    return {kRowLabelWidth + god * (width + kMapGap + kRowLabelWidth), kTitleHeight, width, kRows * kCellHeight};
}

QPoint BacktestHeatMap::cellCentre(int order, int count, int weight) const
{
    const QRect map = mapRect(order - DataGodEngine::kLowestOrder);
    return {map.left() + weight * kCellWidth + kCellWidth / 2,
            map.top() + (count - DataGodSettings::kMinCount) * kCellHeight + kCellHeight / 2};
}

QSize BacktestHeatMap::sizeHint() const
{
    const QRect last = mapRect(kGods - 1);
    return {last.right() + kMapGap + kLegendWidth + kLegendLabelWidth, last.bottom() + kTitleHeight + 4};
}

void BacktestHeatMap::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    for (int god = 0; god < kGods; ++god) {
        const QRect map = mapRect(god);
        painter.setPen(Qt::black);
        painter.drawText(QRect(map.left(), 0, map.width(), kTitleHeight), Qt::AlignCenter,
                         BacktestText::heatMapTitle(PredictText::dataGods()[std::size_t(god)].caption));
        for (int row = 0; row < kRows; ++row) {
            if (row % 7 == 0) // 6 and 13 mark the ends of the count axis
                painter.drawText(QRect(map.left() - kRowLabelWidth, map.top() + row * kCellHeight - 4,
                                       kRowLabelWidth - 3, kCellHeight + 8),
                                 Qt::AlignRight | Qt::AlignVCenter, QString::number(row + DataGodSettings::kMinCount));
            for (int column = 0; column < kColumns; ++column) {
                const double z = m_z[std::size_t(god)][std::size_t(row)][std::size_t(column)];
                painter.fillRect(map.left() + column * kCellWidth, map.top() + row * kCellHeight, kCellWidth,
                                 kCellHeight, m_shown ? colourOf(z, m_limit) : palette().base().color());
            }
        }
        painter.setPen(Qt::gray);
        painter.drawRect(map.adjusted(0, 0, -1, -1));
        painter.setPen(Qt::black);
        painter.drawText(QRect(map.left(), map.bottom() + 1, map.width(), kTitleHeight), Qt::AlignCenter,
                         BacktestText::weightAxis());
    }
    paintLegend(painter);
}

void BacktestHeatMap::paintLegend(QPainter& painter) const
{
    const QRect last = mapRect(kGods - 1);
    const QRect bar(last.right() + kMapGap, last.top(), kLegendWidth, last.height());
    QLinearGradient gradient(bar.topLeft(), bar.bottomLeft());
    gradient.setColorAt(0.0, colourOf(m_limit, m_limit));
    gradient.setColorAt(0.5, colourOf(0.0, m_limit));
    gradient.setColorAt(1.0, colourOf(-m_limit, m_limit));
    painter.fillRect(bar, gradient);
    painter.setPen(Qt::gray);
    painter.drawRect(bar.adjusted(0, 0, -1, -1));
    painter.setPen(Qt::black);
    const auto label = [&painter, &bar](int y, const QString& text) {
        painter.drawText(QRect(bar.right() + 3, y - 8, kLegendLabelWidth, 16), Qt::AlignLeft | Qt::AlignVCenter, text);
    };
    const int decimals = m_atLine ? 2 : 0;
    label(bar.top() + 4, QStringLiteral("z +%1").arg(m_limit, 0, 'f', decimals));
    label(bar.center().y(), QStringLiteral("z 0"));
    label(bar.bottom() - 4, QStringLiteral("z −%1").arg(m_limit, 0, 'f', decimals));
}
