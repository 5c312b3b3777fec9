#pragma once

#include <QList>
#include <QRect>

#include <array>
#include <functional>
#include <optional>

#include "core/store/Registrants.h"
#include "gui/predict/HitScreenPainter.h"

class CVemoDoc;
class DataGodResultWindow;
class QPainter;
class QWidget;
struct MainViewState;
struct UserMessage;

/**
 * The hit-count screen: the five panels with their hit figures, and the five result windows
 * beside them, kept for the whole run. The files are read only when the screen is told to recount
 * (ResultPopupsPending) or starts to show other files; other paints show what was read.
 */
class HitCountScreen {
public:
    /** popupsShown hears of the area the latest-prediction popups take up, each time they are opened. */
    HitCountScreen(CVemoDoc& doc, const ViewDrawingKit& kit, QWidget* view,
                   std::function<void(const QRect&)> popupsShown);

    /**
     * Before each paint of the screen: recounts while state.resultPopupsPending is set (and clears it) or
     * when other files are to be shown, places the result windows, and has them open their latest-prediction
     * popups once the paint is over.
     */
    void settle(MainViewState& state);
    /** PaintHitScreen: the panels as the last settle left them. */
    void paint(QPainter& painter) const;

    void hideResultWindows();
    /** Step C: closes every latest-prediction popup. */
    void destroyLatestPopups();
    /** Sets the five windows' ChartResetPending. */
    void resetResultCharts();

    /** Where the latest-prediction popups that are up are, empty without any. */
    QRect latestPopupsArea() const;
    /** Result window of slot 1 … 5. */
    DataGodResultWindow* resultWindow(int slot) const { return m_windows.at(std::size_t(slot - 1)); }
    const HitPanels& panels() const { return m_panels; }

private:
    /** Which files the screen shows. */
    struct Source {
        bool dataGodMode = false;
        int predictionCount = 0;
        RegistrantNames names;
        bool operator==(const Source&) const = default;
    };

    Source sourceOf(const MainViewState& state) const;
    void recount(const Source& source);
    void recountSlot(int slot, const Source& source, QList<UserMessage>& messages);
    void placeResultWindows(bool toNewest);
    void buildLatestPopups();

    CVemoDoc& m_doc;
    QWidget* m_view;
    std::function<void(const QRect&)> m_popupsShown;
    HitScreenPainter m_painter;
    std::array<DataGodResultWindow*, PredictText::kDataGodCount> m_windows{};
    HitPanels m_panels;
    std::optional<Source> m_counted;
    /** The popups are to be opened once the paint is over, unless step C comes first. */
    bool m_popupsDue = false;
};
