#pragma once

#include <QList>
#include <QPointer>
#include <QWidget>

#include <optional>

#include "core/predict/PredictionRecord.h"
#include "gui/predict/LatestPredictionPopup.h"

class DrawHistory;
class QScrollBar;

/**
 * One of the five result windows over the hit-count screen: a chart of kColumns columns, one per
 * prediction record, showing how many of its numbers were drawn, scrolled by the bar below it.
 * Window i shows data god i's file in data-god mode and registrant i's file otherwise; each mode
 * keeps its own scroll place. The records are handed in by the hit-count screen, which reads them.
 */
class DataGodResultWindow : public QWidget {
    Q_OBJECT
public:
    /** Fewer than the full screen would hold: the panels beside them carry the chance figures. */
    static constexpr int kColumns = 33;
    /** Design width: the columns and the end mark, whose last two units the edge cuts. */
    static constexpr int kDesignWidth = (kColumns + 1) * 15 - 2;
    /** Start of a mode that shows the latest records. */
    static constexpr int kLatest = -1;

    /** Window of slot 1 … 5 (the 4-data god … the 8-data god). */
    DataGodResultWindow(int slot, const DrawHistory& history, QWidget* parent);
    ~DataGodResultWindow() override;

    /**
     * What the window charts: the records of its file, or nothing (no file, an empty registrant
     * slot), which leaves it white. The mode picks the start in use; owner names the predictions
     * in the popup.
     */
    void setChart(std::optional<QList<PredictionRecord>> records, bool dataGodMode, const QString& owner);
    int recordCount() const { return m_records ? int(m_records->size()) : 0; }

    /** Scroll range for the records charted; to the newest also brings the chart back to its latest view. */
    void updateScrollRange(bool toNewest);
    /** ChartResetPending: the next paint shows both modes' latest records. */
    void resetChart() { m_chartResetPending = true; }

    /** GodChartStart or RegistrantChartStart, whichever the mode uses: a record index or kLatest. */
    int chartStart() const { return m_dataGodMode ? m_godChartStart : m_registrantChartStart; }

    /** BuildLatestPopup: opens the latest-prediction popup over the window unless one is open. */
    void buildLatestPopup();
    void destroyLatestPopup();
    LatestPredictionPopup* latestPopup() const { return m_popup; }

    QScrollBar* scrollBar() const { return m_scrollBar; }

Q_SIGNALS:
    /** The popup's wheel button was clicked, in data-god mode: a wheel over the god's newest numbers. */
    void wheelRequested(const QList<int>& pool);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void onScrollAction(int action);
    void onScrolled(int position);
    int& chartStartRef() { return m_dataGodMode ? m_godChartStart : m_registrantChartStart; }
    /** LatestPopupText of the newest record; empty without one. */
    QString latestPopupText() const;

    int m_slot;
    const DrawHistory& m_history;
    QScrollBar* m_scrollBar;
    std::optional<QList<PredictionRecord>> m_records;
    bool m_dataGodMode = false;
    QString m_owner;
    int m_godChartStart = kLatest;
    int m_registrantChartStart = kLatest;
    bool m_chartResetPending = false;
    QPointer<LatestPredictionPopup> m_popup;
};
