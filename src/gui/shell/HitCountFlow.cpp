#include "gui/shell/HitCountFlow.h"

#include <QEventLoop>
#include <QTimer>

#include <algorithm>

#include "core/predict/DataGodFiles.h"
#include "core/predict/PredictValueText.h"
#include "core/text/PredictText.h"
#include "gui/document/CVemoDoc.h"
#include "gui/entry/RegistrantDialog.h"
#include "gui/kit/MessageService.h"
#include "gui/kit/ModelessWindow.h"
#include "gui/kit/ViewText.h"
#include "gui/predict/BacktestWindow.h"
#include "gui/predict/DataGodSettingsDialog.h"
#include "gui/predict/DataGodText.h"
#include "gui/predict/PredictingWindow.h"
#include "gui/shell/CVemoView.h"
#include "gui/shell/HitCountScreen.h"

HitCountFlow::HitCountFlow(CVemoView& view, CVemoDoc& doc, const QString& titleSuffix)
    : QObject(&view), m_view(view), m_doc(doc), m_titleSuffix(titleSuffix)
{
    // The backtest window and the gods' popups share the screen.
    connect(&view, &CVemoView::latestPopupsShown, this, [this](const QRect& popups) {
        if (BacktestWindow* backtest = showing(m_backtest))
            backtest->placeBeside(popups);
    });
}

void HitCountFlow::showRegistrantHits()
{
    m_view.destroyLatestPopups();
    m_view.showHitCountScreen();
    offerRegistrant();
}

void HitCountFlow::openPredictionFiles()
{
    m_view.markResultPopupsPending();
    m_view.destroyLatestPopups();
    m_view.window()->setWindowTitle(ViewText::registrantsTitle(m_titleSuffix));
    if (!m_view.state().hitScreenActive())
        m_view.enter(Screen::HitCount);
    MainViewState& state = m_view.state();
    state.registrantDialogShown = true;
    if (!runRegistrantDialog() && !anyRegistrant())
        state.registrantDialogShown = false;
}

void HitCountFlow::followPredictionDeleted()
{
    if (m_view.state().hitScreenActive())
        m_view.showHitCountScreen();
}

void HitCountFlow::checkRegistrants()
{
    m_view.enter(Screen::HitCount);
    offerRegistrant();
}

void HitCountFlow::callDataGods()
{
    enterDataGodMode();
    DataGodSettingsDialog dialog(m_view.state().dataGodChoices, &m_view);
    connect(&dialog, &DataGodSettingsDialog::dataGodRequested, this, &HitCountFlow::requestDataGods);
    dialog.exec();
}

void HitCountFlow::enterDataGodMode()
{
    m_view.markResultPopupsPending();
    m_view.destroyLatestPopups();
    m_view.window()->setWindowTitle(dataGodTitle());
    m_view.resetResultCharts();
    if (!m_view.state().hitScreenActive()) {
        m_view.state().dataGodMode = true;
        m_view.state().predictionCount = DataGodSettings::kNothingComputed;
        m_view.enter(Screen::HitCount);
    }
}

QString HitCountFlow::dataGodTitle() const
{
    const MainViewState& state = m_view.state();
    const int count = state.predictionCount;
    // Without computed files there is no count, weight or data amount to name.
    if (!state.dataGodMode || count < DataGodSettings::kMinCount || count > DataGodSettings::kMaxCount)
        return ViewText::registrantsTitle(m_titleSuffix);
    const DataGodSettings& choices = state.dataGodChoices;
    return DataGodText::resultsTitle(count, choices.appearanceWeight, PredictText::dataAmount(choices.dataAmount))
           + m_titleSuffix;
}

void HitCountFlow::requestDataGods(const DataGodSettings& settings)
{
    m_view.state().dataGodMode = true;
    m_view.markResultPopupsPending();
    computeDataGods(settings);
}

void HitCountFlow::openBacktest()
{
    BacktestWindow* backtest = BacktestWindow::open(m_backtest, m_view, m_doc.history(), m_keptLuck);
    if (const QRect popups = m_view.hitCountScreen().latestPopupsArea(); !popups.isEmpty())
        backtest->placeBeside(popups);
    connect(backtest, &BacktestWindow::dataGodsRequested, this, &HitCountFlow::runDataGodsWith, Qt::UniqueConnection);
}

void HitCountFlow::runDataGodsWith(const DataGodSettings& settings)
{
    // As if chosen in the settings dialog, which keeps its choice of showing the predicting window.
    DataGodSettings chosen = settings;
    chosen.showPredicting = m_view.state().dataGodChoices.showPredicting;
    m_view.state().dataGodChoices = chosen;
    enterDataGodMode();
    requestDataGods(chosen);
}

void HitCountFlow::computeDataGods(const DataGodSettings& settings)
{
    QWidget* frame = m_view.window();
    const QString earlierTitle = frame->windowTitle();
    frame->setWindowTitle(PredictText::computeStatus(settings) + m_titleSuffix);
    if (settings.showPredicting)
        waitWhilePredicting(settings);
    const Status fault = DataGodFiles::runDataGods(m_doc.paths(), m_doc.history(), settings);
    closePredictingWindow();
    if (fault) {
        // Every file is as it was, so the screen keeps showing what it showed.
        frame->setWindowTitle(earlierTitle);
        MessageService::show(*fault, MessageService::Buttons::Ok, MessageService::Icon::Critical);
        return;
    }
    m_view.state().predictionCount = settings.predictionCount;
    m_view.enter(Screen::DataGodResults);
}

// The animations play for the waiting time, or until Cancel closes the window; the window is
// application-modal, so nothing else takes input meanwhile.
void HitCountFlow::waitWhilePredicting(const DataGodSettings& settings)
{
    closePredictingWindow();
    m_predictingWindow = new PredictingWindow(m_view.window());
    m_predictingWindow->setAttribute(Qt::WA_DeleteOnClose);
    connect(m_predictingWindow, &PredictingWindow::cancelRequested, this, &HitCountFlow::closePredictingWindow,
            Qt::QueuedConnection);
    QEventLoop wait;
    connect(m_predictingWindow, &QObject::destroyed, &wait, &QEventLoop::quit);
    QTimer::singleShot(PredictingWindow::displayTime(settings), &wait, &QEventLoop::quit);
    m_predictingWindow->show();
    wait.exec();
}

void HitCountFlow::closePredictingWindow()
{
    if (m_predictingWindow)
        m_predictingWindow->close();
    m_predictingWindow = nullptr;
}

void HitCountFlow::offerRegistrant()
{
    MainViewState& state = m_view.state();
    if (state.registrantDialogShown || anyRegistrant())
        return;
    if (MessageService::show(PredictText::registrantOffer(), MessageService::Buttons::YesNo,
                             MessageService::Icon::Warning)
        != MessageService::Answer::Yes)
        return;
    state.registrantDialogShown = true;
    if (!runRegistrantDialog())
        state.registrantDialogShown = false;
}

bool HitCountFlow::runRegistrantDialog()
{
    RegistrantDialog dialog(m_doc, &m_view);
    connect(&dialog, &RegistrantDialog::registrantCheckRequested, this, &HitCountFlow::checkRegistrants);
    return dialog.exec() == QDialog::Accepted;
}

bool HitCountFlow::anyRegistrant() const
{
    const RegistrantNames& names = m_doc.registrantNames();
    return std::any_of(names.cbegin(), names.cend(), [](const QString& name) { return !name.isEmpty(); });
}
