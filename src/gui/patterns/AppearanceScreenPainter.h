#pragma once

#include <array>

#include "core/chance/DrawUniformity.h"
#include "core/store/HistoryFormat.h"

class QColor;
class QPainter;
struct ViewDrawingKit;

/** What the appearance-number screen shows. */
struct AppearanceScene {
    /** How often each number was drawn (with the partner); the partner's own slot holds minus its draws. */
    std::array<int, kNumberCount> counts{};
    int partner = 0;
    int scale = 10;
    int step = 1;
    /** Draws in the history, for what chance gives each number. */
    int drawCount = 0;
    DrawUniformity uniformity;
};

/**
 * Paints the appearance-number screen: a bar per number, the partner's mark, the grid and the number
 * row, with the band chance gives each number and, under the row, the tests of the draws.
 */
class AppearanceScreenPainter {
public:
    explicit AppearanceScreenPainter(const ViewDrawingKit& kit);

    void paint(QPainter& painter, const AppearanceScene& scene) const;

    /**
     * The number row under the pointer: a label whose hover box holds the pointer is drawn on
     * green; otherwise every label is drawn plainly again.
     */
    void hoverNumberRow(QPainter& painter, int pixelX, int pixelY) const;

private:
    void paintBars(QPainter& painter, const AppearanceScene& scene) const;
    void paintGrid(QPainter& painter, const AppearanceScene& scene) const;
    void paintChanceBand(QPainter& painter, const ChanceBand& band, const AppearanceScene& scene) const;
    void paintChanceText(QPainter& painter, const ChanceBand& band, const AppearanceScene& scene) const;
    void paintLabel(QPainter& painter, int number, const QColor& background) const;

    const ViewDrawingKit& m_kit;
};
