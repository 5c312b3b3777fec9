#pragma once

#include <QWidget>

#include "gui/kit/KeptCanvas.h"
#include "gui/patterns/HistoryGraphPainter.h"

class DrawHistory;
class QScrollBar;
struct LastEnteredPrediction;

/**
 * The main-number history graph: a borderless child laid over the main view, one column per draw
 * from the oldest, scrolled by the bar along its bottom. The prediction entered last is shown in
 * its draw's place until the window is hidden.
 */
class HistoryGraphWindow : public QWidget {
    Q_OBJECT
public:
    HistoryGraphWindow(const DrawHistory& history, LastEnteredPrediction& preview, QWidget* parent);

    /** Shows the graph over the whole parent where it was scrolled, within the present history. */
    void showGraph();
    /** Shows the graph scrolled so that a draw stands near the right of the first page. */
    void showDraw(int draw);

    int firstColumn() const { return m_firstColumn; }

    /** Home and End go to the oldest and the newest draws, Page Up and Page Down by a page; false for other keys. */
    bool scrollByKey(int key);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void showFrom(int position);
    void onScrollAction(int action);
    void onScrolled(int position);
    HistoryGraphLayout layout() const;

    const DrawHistory& m_history;
    LastEnteredPrediction& m_preview;
    HistoryGraphPainter m_painter;
    KeptCanvas m_canvas;
    QScrollBar* m_scrollBar;
    int m_firstColumn = 0;
};
