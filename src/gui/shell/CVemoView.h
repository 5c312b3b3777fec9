#pragma once

#include <QCursor>
#include <QPointer>
#include <QWidget>

#include <memory>

#include "patterns/AppearanceScreenPainter.h"
#include "kit/KeptCanvas.h"
#include "shell/MainViewState.h"
#include "kit/ViewDrawingKit.h"
#include "patterns/PatternGraphPainter.h"

class CVemoDoc;
class HistoryGraphWindow;
class HitCountScreen;
class PredictingWindow;
class UpDownControl;
class WeightingButton;

/**
 * The program's only client window. It shows one screen at a time (the appearance-pattern graph,
 * the appearance-number screen, …), keeps the state they share, carries out the menu commands
 * and the private messages, and reacts to its spins, the mouse and the arrow keys. What it shows
 * is painted into a kept picture, so a pixel under the pointer can be read back.
 */
class CVemoView : public QWidget {
    Q_OBJECT
public:
    explicit CVemoView(CVemoDoc& doc, QWidget* parent = nullptr);
    ~CVemoView() override;

    /** The view of the running program, or null. */
    static CVemoView* mainViewWindow() { return s_mainViewWindow; }

    /** Sets up the state, the child controls and the scales; the first paint shows the pattern graph of 1. */
    void initialUpdate();

    const MainViewState& state() const { return m_state; }
    /** The document the view shows; dialogs opened from the view work on it too. */
    CVemoDoc& document() { return m_doc; }

    /** Whether the view carries out a menu command; the others stay disabled. */
    static bool handlesCommand(int commandId);
    void handleCommand(int commandId);

    /** WM_VIEW_SWITCH: 1 shows the pattern graph again, 2 the hit-count screen, 3 the history graph at draw lParam. */
    void viewSwitch(int wParam, int lParam);

    /**
     * WM_DATAGOD_REQUEST: 0 shows the hit-count screen, then the registrant offer; lParam 1 closes the
     * predicting window; a compute request (wParam = display flag + priority + weight, lParam =
     * DataAmount × 100 + PredictionCount) writes the data gods' files and shows the hit-count screen.
     */
    void dataGodRequest(int wParam, int lParam);

    /**
     * While nobody is registered and the registrant dialog has not been offered in this run, asks
     * whether to register someone now and runs the registrant dialog on Yes. The caller goes on
     * afterwards whatever the answer.
     */
    void offerRegistrant();

    /** Shows the draw count in the last-draw menu item. */
    void updateLastDrawMenu();

    /** After a change of the history: the last-draw menu, and the screen drawn again from the new draws. */
    void refreshAfterHistoryEdit();
    /** Refreshes as above and tells the player in a short note what the edit did. */
    void refreshAfterHistoryEdit(const QString& note);

    /** Counts how often each number was drawn, with a partner number or alone (0), and shows the counts. */
    void showAppearance(int partner);

    /** The main window's title for the present weighting. */
    QString weightingTitle() const;
    /** Switches the pattern weighting: the main title, the button, the pattern graph and the latest-pattern dialog. */
    void setWeighting(bool on);
    /** The weighting for every window that shows it, the main title left as it is. */
    void applyWeighting(bool on);

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

Q_SIGNALS:
    void weightingChanged(bool on);
    /** Something changed out of sight (an append, a modify, a delete or an undo of the history, or the backtest
     * window making way); note says so in a few words. */
    void statusNoted(const QString& note);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void createControls();
    void onDraw(QPainter& painter);
    void paintPatternGraph(QPainter& painter, int hoverX);
    void placePatternControls();
    void showZoomSpin();

    void undoHistoryChange();
    void showPatternGraph();
    void showAppearanceScreen();
    void showHistoryGraph();
    void enterHistoryGraph();
    void openPredictionFiles();
    /** Command 32814: the data-entry dialog, after the registrant offer. */
    void openDataEntry();
    void showHitCountScreen();
    /** Command 32930: the registrants' hits, then the registrant offer. */
    void showRegistrantHits();
    /** Command 32945: data-god mode, then the settings dialog. */
    void callDataGods();
    QString dataGodTitle() const;
    void enterDataGodMode();
    void requestDataGods(int wParam, int lParam);
    /** The backtest window's request: the gods run with settings as the settings dialog runs them. */
    void runDataGodsWith(const DataGodSettings& settings);
    void openBacktest();
    void noteBacktestSteppedAside();
    void computeDataGods(const DataGodSettings& settings);
    void waitWhilePredicting(const DataGodSettings& settings);
    void closePredictingWindow();
    void leaveHitCountScreen();
    void hidePatternControls();
    bool runRegistrantDialog();
    bool anyRegistrant() const;
    /** Step A: the number card and the update guide come back in front. */
    void reopenModelessWindows();
    void listenToNumberCard();
    void openWheel(const QList<int>& pool);
    /** Command 32818. */
    void openLatestPattern();
    void onNumberSpin(int delta);
    void onZoomSpin(int delta);
    void movePatternPointer(QPoint point);
    void clickPatternGraph(QPoint point);
    void clickAppearanceScreen(QPoint point);

    void invalidate(const QRect& area, bool erase);
    void repaintAll();
    void drawNow(const QRect& area, const std::function<void(QPainter&)>& draw);
    QRect lowerArea() const;

    CVemoDoc& m_doc;
    MainViewState m_state;
    ViewDrawingKit m_kit;
    KeptCanvas m_canvas;
    PatternGraphPainter m_patternPainter;
    AppearanceScreenPainter m_appearancePainter;
    QCursor m_handCursor;
    UpDownControl* m_numberSpin = nullptr;
    UpDownControl* m_zoomSpin = nullptr;
    WeightingButton* m_weightingButton = nullptr;
    HistoryGraphWindow* m_historyGraph = nullptr;
    std::unique_ptr<HitCountScreen> m_hitScreen;
    QPointer<PredictingWindow> m_predictingWindow;

    static inline CVemoView* s_mainViewWindow = nullptr;
};
