#pragma once

#include <QImage>
#include <QString>

#include <array>

#include "predict/HitStatistics.h"
#include "text/PredictText.h"

class QPainter;
struct ViewDrawingKit;

/** One panel of the hit-count screen: whose predictions and how often they hit. */
struct HitPanel {
    QString title;
    HitStatistics statistics;
};

using HitPanels = std::array<HitPanel, PredictText::kDataGodCount>;

/**
 * Paints the hit-count screen's five panels, slot 1 at the bottom: title, average, and how many
 * records hit 6, 5, 4 and 3 numbers. The result windows lie beside them as child windows.
 */
class HitScreenPainter {
public:
    explicit HitScreenPainter(const ViewDrawingKit& kit);

    void paint(QPainter& painter, const HitPanels& panels) const;

    /** Design top of slot 1 … 5's panel and of its result window. */
    static int panelTop(int slot);
    static int resultWindowTop(int slot) { return panelTop(slot) - 1; }

private:
    void paintPanel(QPainter& painter, int slot, const HitPanel& panel) const;

    const ViewDrawingKit& m_kit;
    /** Picture 269 at its size on this screen, drawn once. */
    QImage m_rowCaptions;
};
