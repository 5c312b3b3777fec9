#pragma once

#include <QCursor>
#include <QPointer>
#include <QWidget>

#include <memory>

#include "core/patterns/PatternStats.h"
#include "gui/kit/KeptCanvas.h"
#include "gui/kit/ViewDrawingKit.h"
#include "gui/patterns/AppearanceScreenPainter.h"
#include "gui/patterns/LastEnteredPrediction.h"
#include "gui/patterns/PatternGraphPainter.h"
#include "gui/shell/MainViewState.h"

class CVemoDoc;
class HistoryGraphWindow;
class HitCountScreen;
class LatestPatternDialog;
class ViewControls;

/**
 * The program's only client window. It shows one screen at a time (the appearance-pattern graph,
 * the appearance-number screen, …), keeps the state they share, and reacts to its spins, the mouse
 * and the arrow keys. A change of screen goes through enter(); what it shows is painted into a kept
 * picture, so a pixel under the pointer can be read back.
 */
class CVemoView : public QWidget {
    Q_OBJECT
public:
    /** titleSuffix is the main window's, which ends every title the view gives. */
    CVemoView(CVemoDoc& doc, const QString& titleSuffix, QWidget* parent = nullptr);
    ~CVemoView() override;

    /** Sets up the state, the child controls and the scales; the first paint shows the pattern graph of 1. */
    void initialUpdate();

    const MainViewState& state() const { return m_state; }
    MainViewState& state() { return m_state; }
    /** The document the view shows; dialogs opened from the view work on it too. */
    CVemoDoc& document() { return m_doc; }

    /**
     * Goes to a screen: its controls shown and the others' hidden, the result windows and the history graph
     * only on their own screens, and everything drawn again.
     */
    void enter(Screen screen);
    /** The pattern graph of 1. */
    void showPatternGraph();
    /** The appearance numbers, at the zoom where the tallest bar fits. */
    void showAppearanceScreen();
    /** The history graph from its newest draw. */
    void showHistoryGraph();
    /** The history graph scrolled to draw, the title and the pattern weighting left as they are. */
    void showHistoryGraphAt(int draw);
    /** The history graph at a draw just predicted, with the prediction's numbers as a preview until it is left. */
    void showEnteredPrediction(int draw, const QList<int>& numbers);
    /** The registrants' hit counts, counted again from the prediction files as they are now. */
    void showHitCountScreen();

    /** Counts how often each number was drawn, with a partner number or alone (0), and shows the counts. */
    void showAppearance(int partner);

    /** The main window's title for the present weighting. */
    QString weightingTitle() const;
    /** Switches the pattern weighting: the main title, the button, the pattern graph and the latest-pattern dialog. */
    void setWeighting(bool on);
    /** The weighting for every window that shows it, the main title left as it is. */
    void applyWeighting(bool on);
    /**
     * The latest-pattern command: opens the latest-pattern dialog showing the weighting given, which the view
     * then keeps in step; an open one is raised as it is.
     */
    void openLatestPattern(bool weighting);
    /** The open latest-pattern dialog, or null. */
    LatestPatternDialog* latestPattern() const;

    /** A dialog moved its client area to globalPos: while the pattern graph shows, this counts as a mouse move. */
    void dialogMoved(const QPoint& globalPos);

    /** Step P: the next paint of the hit-count screen recounts the hits and shows the newest records. */
    void markResultPopupsPending();
    /** Step C: closes every latest-prediction popup. */
    void destroyLatestPopups();
    /** Sets the five result windows' ChartResetPending: their next paint shows the latest records. */
    void resetResultCharts();
    /** The hit-count screen with its five result windows. */
    HitCountScreen& hitCountScreen() { return *m_hitScreen; }

    /** Has the draw count shown in the last-draw menu item. */
    void updateLastDrawMenu();
    void repaintAll();

Q_SIGNALS:
    void weightingChanged(bool on);
    /** The last-draw menu item is to show this draw count. */
    void drawCountShown(int drawCount);
    /** The history was changed by an append, a modify, a delete or an undo; note says so in a few words. */
    void historyEditNoted(const QString& note);
    /** A result popup's wheel button was clicked: a wheel over the god's newest numbers. */
    void wheelRequested(const QList<int>& pool);
    /** The gods' or the registrants' newest predictions came up in popups that take up area of the screen. */
    void latestPopupsShown(const QRect& area);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void followDocument();
    void onDraw(QPainter& painter);
    void paintPatternGraph(QPainter& painter, int hoverX);
    /** After a change of the history: the last-draw menu, and the screen drawn again from the new draws. */
    void refreshAfterHistoryEdit();

    void onNumberSpin(int delta);
    void onZoomSpin(int delta);
    void movePatternPointer(QPoint point);
    void clickPatternGraph(QPoint point);
    void clickAppearanceScreen(QPoint point);

    void invalidate(const QRect& area, bool erase);
    void drawNow(const QRect& area, const std::function<void(QPainter&)>& draw);
    QRect lowerArea() const;

    CVemoDoc& m_doc;
    const QString& m_titleSuffix;
    MainViewState m_state;
    // The pattern graph and the latest-pattern dialog count into the same tables.
    CurrentPatternTables m_patternTables;
    LastEnteredPrediction m_lastEnteredPrediction;
    ViewDrawingKit m_kit;
    KeptCanvas m_canvas;
    PatternGraphPainter m_patternPainter;
    AppearanceScreenPainter m_appearancePainter;
    QCursor m_handCursor;
    ViewControls* m_controls = nullptr;
    HistoryGraphWindow* m_historyGraph = nullptr;
    QPointer<LatestPatternDialog> m_latestPattern;
    std::unique_ptr<HitCountScreen> m_hitScreen;
};
