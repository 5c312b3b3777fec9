#pragma once

#include <QList>
#include <QPointer>
#include <QWidget>

#include "core/UserMessage.h"
#include "core/store/InstallPaths.h"
#include "core/wheel/WheelControl.h"
#include "core/wheel/WheelResult.h"
#include "core/wheel/WheelSettings.h"
#include "gui/kit/BackgroundRun.h"

class CVemoDoc;
class QLabel;
class QProgressBar;
class QPushButton;
class QSpinBox;
class WheelNumberGrid;
class WheelResultPanel;

/**
 * The modeless window that makes a wheel from a pool of numbers: the pool and its fixed numbers,
 * the guarantee, an optional number of tickets, and the search run off the user-interface thread;
 * then the tickets, the proof of the guarantee, the exact odds, the tickets as CSV, and the tickets
 * bought as a registrant's predictions.
 */
class WheelWindow : public QWidget {
    Q_OBJECT
public:
    /** The longest search the window offers; a longer one doubles the time up to this. */
    static constexpr int kMaxSeconds = 600;

    /**
     * Opens the window into window, or brings the one it holds forward; a pool given replaces the one shown.
     * The tickets are never written into the installation folder.
     */
    static WheelWindow* open(QPointer<WheelWindow>& window, const QList<int>& pool, CVemoDoc& doc, QWidget* parent);

    /**
     * The settings the controls show. A wheel of up to WheelSettings::kMostTickets is made, and one of
     * more than kMaxTickets is shown only once the player agrees to its size.
     */
    WheelSettings settings() const;

Q_SIGNALS:
    /** A search ended and its wheel, or the message why there is none, is shown. */
    void finished();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    WheelWindow(CVemoDoc& doc, QWidget* parent);

    QWidget* buttonRow();

    QWidget* settingsRow();
    QWidget* runRow();
    void installHelp();
    void showPoolCount();
    void startRun();
    void cancelRun();
    void showProgress(const WheelProgress& progress);
    void takeResult(const Result<WheelResult>& made, int drawnInPool);
    void showReturn();
    void showEnd(const QString& barText);
    void searchLonger();
    void exportCsv();

    WheelNumberGrid* m_grid = nullptr;
    QLabel* m_poolCount = nullptr;
    QSpinBox* m_drawnInPool = nullptr;
    QSpinBox* m_matched = nullptr;
    QSpinBox* m_budget = nullptr;
    QSpinBox* m_seconds = nullptr;
    QPushButton* m_make = nullptr;
    QPushButton* m_cancel = nullptr;
    QPushButton* m_longer = nullptr;
    QProgressBar* m_progress = nullptr;
    WheelResultPanel* m_result = nullptr;
    QPushButton* m_export = nullptr;
    QPushButton* m_buy = nullptr;

    CVemoDoc& m_doc;
    InstallPaths m_installation;
    WheelResult m_wheel;
    double m_runSeconds = 0;
    BackgroundRun m_runner;
};
