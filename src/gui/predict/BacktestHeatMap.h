#pragma once

#include <QWidget>

#include <array>
#include <optional>

#include "core/predict/DataGodBacktest.h"

/**
 * One heat map per data god of z over count (rows 6 … 13) and weight (columns 0 … 20) for one
 * DataAmount and preference, red above chance and blue below, with the colour scale as a legend.
 */
class BacktestHeatMap : public QWidget {
    Q_OBJECT
public:
    explicit BacktestHeatMap(QWidget* parent = nullptr);

    /**
     * Shows the scores of the given amount and preference; an empty list clears the maps. The scale
     * ends at the luck line when it is known, so that only z's above it take the full colour.
     */
    void showScores(const QList<BacktestScore>& scores, int amount, bool preferFrequent,
                    std::optional<double> line = std::nullopt);

    /** The colour of a z on a scale reaching limit on each side of 0. */
    static QColor colourOf(double z, double limit);
    /** Centre of the cell of a god (4 … 8), count and weight, in widget pixels. */
    QPoint cellCentre(int order, int count, int weight) const;
    double scaleLimit() const { return m_limit; }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    static constexpr int kGods = 5;
    static constexpr int kRows = DataGodSettings::kMaxCount - DataGodSettings::kMinCount + 1;
    static constexpr int kColumns = DataGodSettings::kMaxWeight + 1;

    QRect mapRect(int god) const;
    void paintLegend(QPainter& painter) const;

    std::array<std::array<std::array<double, kColumns>, kRows>, kGods> m_z{};
    bool m_shown = false;
    double m_limit = 3.0;
    bool m_atLine = false; // the limit is the luck line
};
