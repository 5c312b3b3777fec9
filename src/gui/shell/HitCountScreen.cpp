#include "gui/shell/HitCountScreen.h"

#include <QTimer>

#include "core/predict/DataGodSettings.h"
#include "core/store/DrawHistory.h"
#include "core/store/FileNameBytes.h"
#include "core/store/Registrants.h"
#include "gui/document/CVemoDoc.h"
#include "gui/kit/MessageService.h"
#include "gui/kit/ScreenScale.h"
#include "gui/predict/DataGodResultWindow.h"
#include "gui/predict/LatestPredictionPopup.h"
#include "gui/shell/MainViewState.h"

namespace {

constexpr int kResultWindowHeight = 107;

bool isComputedCount(int count)
{
    return count >= DataGodSettings::kMinCount && count <= DataGodSettings::kMaxCount;
}

} // namespace

HitCountScreen::HitCountScreen(CVemoDoc& doc, const ViewDrawingKit& kit, QWidget* view,
                               std::function<void(const QRect&)> popupsShown)
    : m_doc(doc), m_view(view), m_popupsShown(std::move(popupsShown)), m_painter(kit)
{
    for (int slot = 1; slot <= PredictText::kDataGodCount; ++slot) {
        auto* window = new DataGodResultWindow(slot, doc.history(), view);
        window->hide();
        m_windows[std::size_t(slot - 1)] = window;
    }
}

void HitCountScreen::settle(MainViewState& state)
{
    const Source source = sourceOf(state);
    // Other files than those counted would show figures that are not theirs.
    const bool recounting = state.resultPopupsPending || m_counted != source;
    if (recounting)
        recount(source);
    placeResultWindows(recounting);
    state.resultPopupsPending = false;
    // Windows are not opened from within a paint.
    if (!m_popupsDue) {
        m_popupsDue = true;
        QTimer::singleShot(0, m_view, [this] { buildLatestPopups(); });
    }
}

void HitCountScreen::paint(QPainter& painter) const
{
    m_painter.paint(painter, m_panels, m_counted && m_counted->dataGodMode);
}

HitCountScreen::Source HitCountScreen::sourceOf(const MainViewState& state) const
{
    Source source;
    source.dataGodMode = state.dataGodMode;
    if (state.dataGodMode)
        source.predictionCount = state.predictionCount;
    else
        source.names = m_doc.registrantNames();
    return source;
}

void HitCountScreen::recount(const Source& source)
{
    QList<UserMessage> messages;
    for (int slot = 1; slot <= PredictText::kDataGodCount; ++slot)
        recountSlot(slot, source, messages);
    m_counted = source;
    if (!messages.isEmpty()) {
        // Message boxes wait until the paint is over.
        QTimer::singleShot(0, m_view, [messages] {
            for (const UserMessage& message : messages)
                MessageService::show(message, MessageService::Buttons::Ok, MessageService::Icon::Warning);
        });
    }
}

void HitCountScreen::recountSlot(int slot, const Source& source, QList<UserMessage>& messages)
{
    HitPanel& panel = m_panels[std::size_t(slot - 1)];
    DataGodResultWindow* window = resultWindow(slot);
    QString path;
    int numberCount = kNumbersPerDraw;
    if (source.dataGodMode) {
        const PredictText::DataGodName& god = PredictText::dataGods()[std::size_t(slot - 1)];
        panel.title = god.caption;
        if (isComputedCount(source.predictionCount)) {
            path = m_doc.paths().dataGodFile(god.prefix, source.predictionCount);
            numberCount = source.predictionCount;
        }
    } else {
        const QString& name = source.names[std::size_t(slot - 1)];
        panel.title = name.isEmpty() ? PredictText::unregisteredSlot() : name;
        if (!name.isEmpty())
            path = findRegistrantFile(m_doc.paths(), slot, name);
    }
    panel.statistics = HitStatistics();
    panel.chance = HitChance();
    panel.ticketsWon.clear();
    // A file that is not there, or cannot be read, leaves the window white and the figures "xx".
    if (path.isEmpty() || !FileNameBytes::exists(path)) {
        window->setChart(std::nullopt, source.dataGodMode, panel.title);
        return;
    }
    const auto records = PredictionRecord::readFile(path, numberCount);
    if (!records.ok()) {
        messages.append(records.error());
        window->setChart(std::nullopt, source.dataGodMode, panel.title);
        return;
    }
    panel.statistics = HitStatistics::count(records.value(), m_doc.history(), slot);
    panel.chance = HitChance::of(panel.statistics);
    // Several tickets for one draw are a bought wheel: what they won, by class.
    const HitStatistics::NewestDraw& newest = panel.statistics.newestDraw();
    if (!source.dataGodMode && newest.tickets > 1)
        panel.ticketsWon = PredictText::ticketsWon(newest.draw, newest.tickets, newest.byHits);
    if (panel.statistics.warning())
        messages.append(*panel.statistics.warning());
    // A registrant's predictions carry the registrant's name, not the god's of the same slot.
    window->setChart(records.value(), source.dataGodMode, panel.title);
}

void HitCountScreen::placeResultWindows(bool toNewest)
{
    for (int slot = 1; slot <= PredictText::kDataGodCount; ++slot) {
        DataGodResultWindow* window = resultWindow(slot);
        window->updateScrollRange(toNewest);
        const int designLeft = HitScreenPainter::resultWindowLeft();
        const int left = ScreenScale::x(designLeft);
        const int top = ScreenScale::y(HitScreenPainter::resultWindowTop(slot));
        window->setGeometry(left, top, ScreenScale::x(designLeft + DataGodResultWindow::kDesignWidth) - left,
                            ScreenScale::y(HitScreenPainter::resultWindowTop(slot) + kResultWindowHeight) - top);
        window->show();
    }
}

void HitCountScreen::hideResultWindows()
{
    for (DataGodResultWindow* window : m_windows)
        window->hide();
}

void HitCountScreen::buildLatestPopups()
{
    if (!m_popupsDue)
        return;
    m_popupsDue = false;
    for (DataGodResultWindow* window : m_windows) {
        if (window->isVisible())
            window->buildLatestPopup();
    }
    if (const QRect area = latestPopupsArea(); !area.isEmpty())
        m_popupsShown(area);
}

QRect HitCountScreen::latestPopupsArea() const
{
    QRect area;
    for (const DataGodResultWindow* window : m_windows) {
        if (const QWidget* popup = window->latestPopup(); popup && popup->isVisible())
            area |= popup->frameGeometry();
    }
    return area;
}

void HitCountScreen::destroyLatestPopups()
{
    m_popupsDue = false;
    for (DataGodResultWindow* window : m_windows)
        window->destroyLatestPopup();
}

void HitCountScreen::resetResultCharts()
{
    for (DataGodResultWindow* window : m_windows)
        window->resetChart();
}
