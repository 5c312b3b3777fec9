#pragma once

#include <QBrush>
#include <QFont>
#include <QPen>

#include <array>
#include <initializer_list>
#include <optional>

#include "gui/patterns/HistoryGraphLayout.h"

class DrawHistory;
class QPainter;
struct LastEnteredPrediction;

/** A prediction the graph shows in the place of a draw, marked in red. */
struct HistoryGraphPreview {
    int draw = 0;
    ColumnNumbers numbers{};

    /** The entered prediction when it can stand on the graph: six numbers 1 … 43 for a draw up to the next one. */
    static std::optional<HistoryGraphPreview> from(const LastEnteredPrediction& entered, int drawCount);
};

/** What one paint of the history graph shows. */
struct HistoryGraphScene {
    const DrawHistory& history;
    HistoryGraphLayout layout;
    std::optional<HistoryGraphPreview> preview;
    int width = 0;
};

/**
 * Paints the main-number history graph: the frame with its side captions, the guides, and for every
 * draw on the page the five coloured bands between its six numbers, the mean and the spread, the
 * preview in red and the draw number of every tenth draw.
 */
class HistoryGraphPainter {
public:
    HistoryGraphPainter();

    void paint(QPainter& painter, const HistoryGraphScene& scene) const;

private:
    struct Segment;

    void drawFrame(QPainter& painter, const HistoryGraphLayout& layout, int width) const;
    void drawGuides(QPainter& painter, const HistoryGraphLayout& layout, int width) const;
    void drawSideCaptions(QPainter& painter, const HistoryGraphLayout& layout) const;
    /** Whether any column was painted. */
    bool drawColumns(QPainter& painter, const HistoryGraphScene& scene) const;
    void drawBands(QPainter& painter, const HistoryGraphLayout& layout, const Segment& segment) const;
    void drawStatistics(QPainter& painter, const HistoryGraphLayout& layout, const Segment& segment) const;
    void drawPreviewMark(QPainter& painter, const HistoryGraphLayout& layout, const Segment& segment) const;
    void drawLabel(QPainter& painter, const HistoryGraphLayout& layout, int column) const;
    void drawNumberLines(QPainter& painter, const HistoryGraphLayout& layout, const QPen& pen,
                         std::initializer_list<int> numbers, int width) const;

    QPen m_framePen;
    QPen m_statisticsPen;
    QPen m_previewPen;
    QPen m_gridPen;
    QPen m_numberLinePen;
    QPen m_lightGridPen;
    std::array<QBrush, kNumbersPerDraw - 1> m_bandBrushes;
    QFont m_font;
};
