#pragma once

#include <QPointer>
#include <QWidget>

#include <optional>

#include "core/predict/BacktestLuck.h"
#include "core/predict/DataGodBacktest.h"
#include "core/predict/KeptLuck.h"
#include "gui/kit/BackgroundRun.h"

class BacktestHeatMap;
class DrawHistory;
class QCheckBox;
class QComboBox;
class QLabel;
class QLayout;
class QProgressBar;
class QPushButton;
class QSpinBox;
class QTableWidget;

/**
 * The modeless window that scores every data-god setting on the history, off the user-interface
 * thread, and shows the heat maps of z and the best 20 settings. Walk-forward scores are followed by
 * the same backtest on random histories, which measures how high luck alone takes the best z. A tool
 * window of the main window that stays above it; 閉じる and Escape close it.
 */
class BacktestWindow : public QWidget {
    Q_OBJECT
public:
    /**
     * Opens the window into window, or brings the one it holds forward. keptLuck holds the random
     * histories measured in this run of the program, which a run with the same key goes on from.
     */
    static BacktestWindow* open(QPointer<BacktestWindow>& window, QWidget& owner, const DrawHistory& history,
                                KeptLuck& keptLuck);

    const QList<BacktestScore>& scores() const { return m_result.scores; }
    /** The seed of the random histories of the last run: a fresh one unless its key was measured before. */
    quint64 luckSeed() const { return m_luckSeed; }

    /** Goes beside popups (the gods' newest predictions, at the left of their results), as narrow as it may be. */
    void placeBeside(const QRect& popups);

Q_SIGNALS:
    /** The settings of the selected row, to be run as the settings dialog runs them. */
    void dataGodsRequested(const DataGodSettings& settings);
    /** The scores of a finished run are shown. */
    void finished();
    /** The luck line and the p's of the scores shown are in, for all the random histories asked. */
    void luckMeasured();

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    BacktestWindow(QWidget& owner, const DrawHistory& history, KeptLuck& keptLuck);

    /** The scores scroll inside the window, its buttons below them. */
    void layOut(QWidget* scores, QLayout* buttons);
    QWidget* controlRow();
    QWidget* mapChoiceRow();
    QWidget* luckRow();
    void installHelp();
    void startRun();
    void cancelRun();
    void cancelLuck();
    void showProgress(int done, int total);
    void showLuckProgress(int done, int total);
    void takeScores(const BacktestResult& result, const BacktestChoice& choice);
    /** The line and the p's of the random histories measured so far; done when they are all in. */
    void takeLuck(const BacktestLuck& luck, bool done);
    /**
     * On the worker: the random histories in batches from those kept, each batch's line and p's posted
     * as it ends.
     */
    void measureLuck(const BackgroundRun::Work& work, const BacktestChoice& choice, int drawCount, int histories,
                     quint64 seed, std::optional<BacktestLuck> luck);
    /** The line, the histories so far and the verdict of the run. */
    void showLuck();
    /** The command line that measures the luck line of the scores shown again. */
    QString luckCommand(int histories) const;
    void showCheckVerdict();
    /** Shows what the figures of the mode can tell: the red warning, or the luck line and the p's. */
    void showMode(bool walkForward);
    void showMaps();
    void fillTable();
    void requestSelected();

    const DrawHistory& m_history;
    KeptLuck& m_keptLuck;
    QComboBox* m_draws = nullptr;
    QCheckBox* m_walkForward = nullptr;
    QCheckBox* m_holdout = nullptr;
    QLabel* m_holdoutReason = nullptr;
    QLabel* m_explanation = nullptr;
    QLabel* m_checkVerdict = nullptr;
    QPushButton* m_start = nullptr;
    QPushButton* m_cancel = nullptr;
    QProgressBar* m_progress = nullptr;
    QLabel* m_warning = nullptr;
    QComboBox* m_amount = nullptr;
    QComboBox* m_preference = nullptr;
    BacktestHeatMap* m_heatMap = nullptr;
    QWidget* m_luckRow = nullptr;
    QSpinBox* m_luckHistories = nullptr;
    QProgressBar* m_luckProgress = nullptr;
    QPushButton* m_luckCancel = nullptr;
    QLabel* m_luck = nullptr;
    QTableWidget* m_table = nullptr;
    QPushButton* m_runSelected = nullptr;

    BacktestResult m_result;
    BacktestChoice m_choice; // of the scores shown
    std::optional<BacktestLuck> m_measuredLuck;
    quint64 m_luckSeed = 0;
    KeptLuck::Key m_luckKey;
    int m_luckHistoriesAsked = 0;
    BackgroundRun m_runner;
};
