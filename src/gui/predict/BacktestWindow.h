#pragma once

#include <QPointer>
#include <QWidget>

#include <atomic>
#include <memory>
#include <thread>

#include "predict/DataGodBacktest.h"

class BacktestHeatMap;
class CVemoView;
class QCheckBox;
class QComboBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QTableWidget;

/**
 * The modeless window that scores every data-god setting on the history, off the user-interface
 * thread, and shows the heat maps of z, the best 20 settings and how high luck alone reaches. A tool
 * window of the main window that stays above it; 閉じる and Escape close it.
 */
class BacktestWindow : public QWidget {
    Q_OBJECT
public:
    /** Opens the window, or brings the open one forward. */
    static BacktestWindow* open(CVemoView& view);
    ~BacktestWindow() override;

    const QList<BacktestScore>& scores() const { return m_scores; }

Q_SIGNALS:
    /** The settings of the selected row, to be run as the settings dialog runs them. */
    void dataGodsRequested(const DataGodSettings& settings);
    /** The scores of a finished run are shown. */
    void finished();

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    explicit BacktestWindow(CVemoView& view);

    QWidget* controlRow();
    QWidget* mapChoiceRow();
    void installHelp();
    void startRun();
    void cancelRun();
    void stopWorker();
    void showProgress(int done, int total);
    void takeScores(int run, const QList<BacktestScore>& scores);
    void showMaps();
    void fillTable();
    void requestSelected();
    void keepClearOfResults();

    CVemoView& m_view;
    QComboBox* m_draws = nullptr;
    QCheckBox* m_walkForward = nullptr;
    QPushButton* m_start = nullptr;
    QPushButton* m_cancel = nullptr;
    QProgressBar* m_progress = nullptr;
    QComboBox* m_amount = nullptr;
    QComboBox* m_preference = nullptr;
    BacktestHeatMap* m_heatMap = nullptr;
    QLabel* m_luck = nullptr;
    QTableWidget* m_table = nullptr;
    QPushButton* m_runSelected = nullptr;

    QList<BacktestScore> m_scores;
    std::unique_ptr<std::thread> m_worker;
    std::shared_ptr<std::atomic_bool> m_cancelled;
    int m_run = 0; // the run whose scores are awaited
    static inline QPointer<BacktestWindow> s_window;
};
