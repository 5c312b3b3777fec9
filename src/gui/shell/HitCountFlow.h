#pragma once

#include <QObject>
#include <QPointer>

#include "core/predict/KeptLuck.h"

class BacktestWindow;
class CVemoDoc;
class CVemoView;
class PredictingWindow;
struct DataGodSettings;

/**
 * What leads to the hit-count screen and goes on there: the registrants' hits and the offer to register
 * someone, the registrant dialog, and the data gods called from their settings dialog or the backtest
 * window, computed while the predicting window plays.
 */
class HitCountFlow : public QObject {
    Q_OBJECT
public:
    /** titleSuffix is the main window's, which ends the titles of the hit-count screen. */
    HitCountFlow(CVemoView& view, CVemoDoc& doc, const QString& titleSuffix);

    /** The registrants' hits, then the registrant offer. */
    void showRegistrantHits();
    /** The registrant dialog over the hit-count screen. */
    void openPredictionFiles();
    /** Data-god mode, then the settings dialog. */
    void callDataGods();
    /** The backtest window, whose selected setting calls the gods. */
    void openBacktest();

    /** The hit-count screen, then the registrant offer, as the registrant dialog's check asks. */
    void checkRegistrants();

    /**
     * While nobody is registered and the registrant dialog has not been offered in this run, asks
     * whether to register someone now and runs the registrant dialog on Yes. The caller goes on
     * afterwards whatever the answer.
     */
    void offerRegistrant();

    /** A registrant's prediction was deleted: the hit-count screen, if it shows, counts the file as it is now. */
    void followPredictionDeleted();

private:
    void enterDataGodMode();
    QString dataGodTitle() const;
    /** The gods compute with settings and the hit-count screen shows their results. */
    void requestDataGods(const DataGodSettings& settings);
    /** The backtest window's request: the gods run with settings as the settings dialog runs them. */
    void runDataGodsWith(const DataGodSettings& settings);
    void computeDataGods(const DataGodSettings& settings);
    void waitWhilePredicting(const DataGodSettings& settings);
    void closePredictingWindow();
    bool runRegistrantDialog();
    bool anyRegistrant() const;

    CVemoView& m_view;
    CVemoDoc& m_doc;
    const QString& m_titleSuffix;
    QPointer<PredictingWindow> m_predictingWindow;
    QPointer<BacktestWindow> m_backtest;
    // Kept while the program runs, whichever backtest window measured them.
    KeptLuck m_keptLuck;
};
