#pragma once

#include <QImage>
#include <QString>

#include <array>

#include "core/predict/HitChance.h"
#include "core/predict/HitStatistics.h"
#include "core/text/PredictText.h"

class QPainter;
struct ViewDrawingKit;

/** One panel of the hit-count screen: whose predictions and how often they hit. */
struct HitPanel {
    QString title;
    HitStatistics statistics;
    /** What luck alone gives for the same records. */
    HitChance chance;
    /** A registrant whose newest counted draw holds several tickets (a bought wheel): what they won. */
    QString ticketsWon;
};

using HitPanels = std::array<HitPanel, PredictText::kDataGodCount>;

/**
 * Paints the hit-count screen's five panels, slot 1 at the bottom: title, average, and how many
 * records hit 6, 5, 4 and 3 numbers, each beside what chance gives; under them what the chance
 * figures are, and for the data gods that their files look ahead, or beside it what a registrant's
 * newest bought tickets won. The result windows lie beside the panels as child windows.
 */
class HitScreenPainter {
public:
    explicit HitScreenPainter(const ViewDrawingKit& kit);

    /** lookAhead: the figures come from the data gods' result files. */
    void paint(QPainter& painter, const HitPanels& panels, bool lookAhead) const;

    /** Design top of slot 1 … 5's panel and of its result window. */
    static int panelTop(int slot);
    static int resultWindowTop(int slot) { return panelTop(slot) - 1; }
    /** Design left of the result windows, just right of the panels. */
    static int resultWindowLeft();

private:
    void paintPanel(QPainter& painter, int slot, const HitPanel& panel) const;
    void paintChance(QPainter& painter, int top, const HitPanel& panel) const;
    /** Paints the note under the panels; the pixel where it ends. */
    int paintNotes(QPainter& painter, bool lookAhead) const;
    void paintTicketsWon(QPainter& painter, const HitPanels& panels, int noteRight) const;

    const ViewDrawingKit& m_kit;
    /** Picture 269 at its size on this screen, drawn once. */
    QImage m_rowCaptions;
};
