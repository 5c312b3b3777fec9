#include "shell/CVemoView.h"

#include <QEventLoop>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>

#include <algorithm>

#include "app/AppearanceCounts.h"
#include "patterns/AppearanceLayout.h"
#include "patterns/AppearanceZoom.h"
#include "shell/COpeningWnd.h"
#include "document/CVemoDoc.h"
#include "kit/HelpWindow.h"
#include "shell/MainMenu.h"
#include "kit/MessageService.h"
#include "kit/Pictures.h"
#include "kit/ScreenScale.h"
#include "kit/SpinSteps.h"
#include "kit/UpDownControl.h"
#include "kit/WeightingButton.h"
#include "entry/BrowserSettings.h"
#include "entry/CsvExchange.h"
#include "entry/DataEntryDialog.h"
#include "entry/DataUpdateGuide.h"
#include "entry/NumberCard.h"
#include "entry/RegistrantDialog.h"
#include "oracle/RandomGodDialog.h"
#include "patterns/HistoryGraphWindow.h"
#include "patterns/LatestPatternDialog.h"
#include "patterns/PatternGraphLayout.h"
#include "predict/DataGodFiles.h"
#include "predict/DataGodRequest.h"
#include "predict/BacktestWindow.h"
#include "predict/DataGodResultWindow.h"
#include "predict/DataGodSettingsDialog.h"
#include "shell/HitCountScreen.h"
#include "predict/PredictingWindow.h"
#include "text/BacktestText.h"
#include "text/DataGodText.h"
#include "text/PredictText.h"
#include "text/PredictValueText.h"
#include "text/StoreText.h"
#include "text/ViewText.h"
#include "wheel/WheelWindow.h"

namespace {

constexpr int kHandCursor = 324;

bool isBarColour(QRgb pixel)
{
    const QRgb rgb = pixel & 0xFFFFFF;
    return rgb == 0xFF0000 || rgb == 0x0000FF || rgb == 0x00FF00;
}

} // namespace

CVemoView::CVemoView(CVemoDoc& doc, QWidget* parent)
    : QWidget(parent),
      m_doc(doc),
      m_kit(ViewDrawingKit::forScreen()),
      m_patternPainter(m_kit, doc.currentPatternTables()),
      m_appearancePainter(m_kit)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    connect(&doc, &CVemoDoc::historyChanged, this, [this](const QString& note) {
        if (note.isEmpty())
            refreshAfterHistoryEdit();
        else
            refreshAfterHistoryEdit(note);
    });
}

CVemoView::~CVemoView()
{
    if (s_mainViewWindow == this)
        s_mainViewWindow = nullptr;
}

void CVemoView::initialUpdate()
{
    s_mainViewWindow = this;
    m_handCursor = Pictures::cursor(kHandCursor);
    m_state = MainViewState{};

    createControls();
    m_hitScreen = std::make_unique<HitCountScreen>(m_doc, m_kit, this);
    for (int slot = 1; slot <= PredictText::kDataGodCount; ++slot)
        connect(m_hitScreen->resultWindow(slot), &DataGodResultWindow::wheelRequested, this, &CVemoView::openWheel);
    m_historyGraph = new HistoryGraphWindow(m_doc.history(), m_doc.lastEnteredPrediction(), this);
    m_historyGraph->hide();

    m_state.currentNumber = 1;
    const PatternStats::PatternScales scales =
        PatternStats::computePatternScales(m_doc.history().readHitString(1), ScreenScale::height());
    m_state.patternScale = scales.plain;
    m_state.patternScaleWeighted = scales.weighted;
    m_state.patternScreenActive = true;
    m_state.displayMode = DisplayMode::PatternEntry;
    repaintAll();
}

void CVemoView::createControls()
{
    m_zoomSpin = new UpDownControl(Qt::Vertical, 1220, this);
    m_zoomSpin->setGeometry(QRect(QPoint(1, 1), QPoint(ScreenScale::x(31) - 1, ScreenScale::y(51) - 1)));
    m_zoomSpin->hide();
    connect(m_zoomSpin, &UpDownControl::stepped, this, &CVemoView::onZoomSpin);
    m_numberSpin = new UpDownControl(Qt::Horizontal, 1222, this);
    m_numberSpin->setGeometry(ScreenScale::rect(240, 1, 270, 16));
    m_numberSpin->hide();
    connect(m_numberSpin, &UpDownControl::stepped, this, &CVemoView::onNumberSpin);
    m_weightingButton = new WeightingButton(m_kit.button, this);
    m_weightingButton->setGeometry(ScreenScale::rect(274, 1, 332, 19));
    m_weightingButton->hide();
    connect(m_weightingButton, &WeightingButton::clicked, this, [this] { setWeighting(!m_state.patternWeighting); });
}

bool CVemoView::handlesCommand(int commandId)
{
    using namespace MenuCommand;
    switch (commandId) {
    case kPatternGraph:
    case kAppearance:
    case kHistoryGraph:
    case kWeightingOn:
    case kWeightingOff:
    case kLastDraw:
    case kPredictionFiles:
    case kDataEntry:
    case kUndoHistory:
    case kNumberCard:
    case kLatestPattern:
    case kRandomGod:
    case kOracleTime:
    case kOracleBirthday:
    case kOracleColour:
    case kOracleNumber:
    case kHitCount:
    case kDataGod:
    case kBacktest:
    case kWheel:
    case kHelp:
    case kBrowserFromFile:
    case kBrowserFromClipboard:
    case kHomePage:
    case kExportCsv:
    case kImportCsv:
    case kDataUpdate:
        return true;
    default:
        return false;
    }
}

void CVemoView::handleCommand(int commandId)
{
    using namespace MenuCommand;
    switch (commandId) {
    case kPatternGraph:
        showPatternGraph();
        break;
    case kAppearance:
        showAppearanceScreen();
        break;
    case kHistoryGraph:
        showHistoryGraph();
        break;
    case kWeightingOn:
        setWeighting(true);
        break;
    case kWeightingOff:
        setWeighting(false);
        break;
    case kUndoHistory:
        undoHistoryChange();
        break;
    case kPredictionFiles:
        openPredictionFiles();
        break;
    case kDataEntry:
        openDataEntry();
        break;
    case kNumberCard:
        NumberCard::open(m_doc, this);
        listenToNumberCard();
        break;
    case kLatestPattern:
        openLatestPattern();
        break;
    case kRandomGod:
        RandomGodDialog::open(*this);
        break;
    case kOracleTime:
    case kOracleBirthday:
    case kOracleColour:
    case kOracleNumber:
        RandomGodDialog::open(*this)->selectMode(commandId - kOracleTime + 1);
        break;
    case kHitCount:
        showRegistrantHits();
        break;
    case kDataGod:
        callDataGods();
        break;
    case kBacktest:
        openBacktest();
        break;
    case kWheel:
        openWheel({});
        break;
    case kHelp:
        HelpWindow::showContents(m_doc.paths().helpIndex(), this);
        break;
    case kBrowserFromFile:
        BrowserSettings(m_doc, this).chooseBrowserByDialog();
        break;
    case kBrowserFromClipboard:
        BrowserSettings(m_doc, this).chooseBrowserFromClipboard();
        break;
    case kHomePage:
        BrowserSettings(m_doc, this).setHomePageFromClipboard();
        break;
    case kExportCsv:
        CsvExchange(m_doc, this).exportHistory();
        break;
    case kImportCsv:
        if (CsvExchange(m_doc, this).importHistory())
            refreshAfterHistoryEdit();
        break;
    case kDataUpdate:
        destroyLatestPopups();
        DataUpdateGuide::showGuide(m_doc);
        break;
    default:
        // The last-draw item only shows the draw count.
        break;
    }
}

void CVemoView::viewSwitch(int wParam, int lParam)
{
    if (wParam == 1) {
        m_state.displayMode = DisplayMode::Pattern;
        m_state.hoverX = 0;
        repaintAll();
    } else if (wParam == 2) {
        // Sent after predictions were deleted: the figures are to count the file as it is now.
        markResultPopupsPending();
        m_state.dataGodMode = false;
        m_state.displayMode = DisplayMode::HitCount;
        m_state.appearanceScreenActive = false;
        m_state.patternScreenActive = false;
        m_state.hitScreenActive = true;
        repaintAll();
    } else if (wParam == 3) {
        enterHistoryGraph();
        m_historyGraph->showDraw(lParam);
    }
}

void CVemoView::dataGodRequest(int wParam, int lParam)
{
    const DataGodRequest request = DataGodRequest::decode(wParam, lParam);
    switch (request.kind) {
    case DataGodRequest::Kind::RegistrantCheck:
        showHitCountScreen();
        offerRegistrant();
        break;
    case DataGodRequest::Kind::ClosePredicting:
        closePredictingWindow();
        break;
    case DataGodRequest::Kind::Compute:
        computeDataGods(request.settings);
        break;
    case DataGodRequest::Kind::Ignored:
        break;
    }
}

void CVemoView::callDataGods()
{
    enterDataGodMode();
    DataGodSettingsDialog dialog(m_state.dataGodChoices, this);
    connect(&dialog, &DataGodSettingsDialog::dataGodRequested, this, &CVemoView::requestDataGods);
    dialog.exec();
}

void CVemoView::enterDataGodMode()
{
    markResultPopupsPending();
    m_weightingButton->hide();
    m_numberSpin->hide();
    m_historyGraph->hide();
    destroyLatestPopups();
    window()->setWindowTitle(dataGodTitle());
    resetResultCharts();
    if (!m_state.hitScreenActive) {
        m_state.dataGodMode = true;
        m_state.predictionCount = DataGodSettings::kNothingComputed;
        showHitCountScreen();
    }
}

void CVemoView::requestDataGods(int wParam, int lParam)
{
    m_state.dataGodMode = true;
    markResultPopupsPending();
    dataGodRequest(wParam, lParam);
}

void CVemoView::runDataGodsWith(const DataGodSettings& settings)
{
    // As if chosen in the settings dialog, which keeps its choice of showing the predicting window.
    DataGodSettings chosen = settings;
    chosen.showPredicting = m_state.dataGodChoices.showPredicting;
    m_state.dataGodChoices = chosen;
    enterDataGodMode();
    requestDataGods(chosen.wParam(), chosen.lParam());
}

void CVemoView::openBacktest()
{
    BacktestWindow* backtest = BacktestWindow::open(*this, m_doc.history());
    connect(backtest, &BacktestWindow::dataGodsRequested, this, &CVemoView::runDataGodsWith, Qt::UniqueConnection);
    connect(backtest, &BacktestWindow::steppedAside, this, &CVemoView::noteBacktestSteppedAside, Qt::UniqueConnection);
}

void CVemoView::noteBacktestSteppedAside()
{
    Q_EMIT statusNoted(BacktestText::steppedAsideNote());
}

QString CVemoView::dataGodTitle() const
{
    const int count = m_state.predictionCount;
    // Without computed files there is no count, weight or data amount to name.
    if (!m_state.dataGodMode || count < DataGodSettings::kMinCount || count > DataGodSettings::kMaxCount)
        return ViewText::registrantsTitle(COpeningWnd::titleSuffix());
    const DataGodSettings& choices = m_state.dataGodChoices;
    return DataGodText::resultsTitle(count, choices.appearanceWeight, PredictText::dataAmount(choices.dataAmount))
           + COpeningWnd::titleSuffix();
}

void CVemoView::computeDataGods(const DataGodSettings& settings)
{
    const QString earlierTitle = window()->windowTitle();
    window()->setWindowTitle(PredictText::computeStatus(settings) + COpeningWnd::titleSuffix());
    if (settings.showPredicting)
        waitWhilePredicting(settings);
    const Status fault = DataGodFiles::runDataGods(m_doc.paths(), m_doc.history(), settings);
    closePredictingWindow();
    if (fault) {
        // Every file is as it was, so the screen keeps showing what it showed.
        window()->setWindowTitle(earlierTitle);
        MessageService::show(*fault, MessageService::Buttons::Ok, MessageService::Icon::Critical);
        return;
    }
    m_state.predictionCount = settings.predictionCount;
    m_state.displayMode = DisplayMode::HitCount;
    m_state.appearanceScreenActive = false;
    m_state.patternScreenActive = false;
    m_state.hitScreenActive = false;
    repaintAll();
}

// The animations play for the waiting time, or until Cancel closes the window; the window is
// application-modal, so nothing else takes input meanwhile.
void CVemoView::waitWhilePredicting(const DataGodSettings& settings)
{
    closePredictingWindow();
    m_predictingWindow = new PredictingWindow(window());
    m_predictingWindow->setAttribute(Qt::WA_DeleteOnClose);
    connect(m_predictingWindow, &PredictingWindow::cancelRequested, this, [this] { dataGodRequest(100, 1); },
            Qt::QueuedConnection);
    QEventLoop wait;
    connect(m_predictingWindow, &QObject::destroyed, &wait, &QEventLoop::quit);
    QTimer::singleShot(PredictingWindow::displayTime(settings), &wait, &QEventLoop::quit);
    m_predictingWindow->show();
    wait.exec();
}

void CVemoView::closePredictingWindow()
{
    if (m_predictingWindow)
        m_predictingWindow->close();
    m_predictingWindow = nullptr;
}

void CVemoView::offerRegistrant()
{
    if (m_state.registrantDialogShown || anyRegistrant())
        return;
    if (MessageService::show(PredictText::registrantOffer(), MessageService::Buttons::YesNo,
                             MessageService::Icon::Warning)
        != MessageService::Answer::Yes)
        return;
    m_state.registrantDialogShown = true;
    if (!runRegistrantDialog())
        m_state.registrantDialogShown = false;
}

void CVemoView::reopenModelessWindows()
{
    if (NumberCard::isShowing())
        NumberCard::open(m_doc, this);
    listenToNumberCard();
    DataUpdateGuide::bringToFront();
}

void CVemoView::listenToNumberCard()
{
    if (NumberCard* card = NumberCard::showing())
        connect(card, &NumberCard::wheelRequested, this, &CVemoView::openWheel, Qt::UniqueConnection);
}

void CVemoView::openWheel(const QList<int>& pool)
{
    WheelWindow::open(pool, this);
}

void CVemoView::openDataEntry()
{
    // The number card comes back in front of the dialog's owner.
    reopenModelessWindows();
    destroyLatestPopups();
    offerRegistrant();
    DataEntryDialog dialog(m_doc, this);
    dialog.exec();
    // The dialog may have handed its ticks over to a card it opened.
    listenToNumberCard();
}

void CVemoView::openPredictionFiles()
{
    markResultPopupsPending();
    hidePatternControls();
    m_historyGraph->hide();
    destroyLatestPopups();
    window()->setWindowTitle(ViewText::registrantsTitle(COpeningWnd::titleSuffix()));
    if (!m_state.hitScreenActive)
        showHitCountScreen();
    m_state.registrantDialogShown = true;
    if (!runRegistrantDialog() && !anyRegistrant())
        m_state.registrantDialogShown = false;
}

void CVemoView::showHitCountScreen()
{
    hidePatternControls();
    m_state.displayMode = DisplayMode::HitCount;
    m_state.appearanceScreenActive = false;
    m_state.patternScreenActive = false;
    m_state.hitScreenActive = true;
    repaintAll();
}

void CVemoView::showRegistrantHits()
{
    markResultPopupsPending();
    m_weightingButton->hide();
    m_numberSpin->hide();
    m_historyGraph->hide();
    destroyLatestPopups();
    m_state.dataGodMode = false;
    showHitCountScreen();
    offerRegistrant();
}

// Hides the result windows and closes their popups: the other screens have none.
void CVemoView::leaveHitCountScreen()
{
    m_hitScreen->hideResultWindows();
    destroyLatestPopups();
}

void CVemoView::markResultPopupsPending()
{
    m_state.resultPopupsPending = true;
}

void CVemoView::destroyLatestPopups()
{
    m_hitScreen->destroyLatestPopups();
}

void CVemoView::resetResultCharts()
{
    m_hitScreen->resetResultCharts();
}

void CVemoView::hidePatternControls()
{
    for (QWidget* control : std::initializer_list<QWidget*>{m_numberSpin, m_weightingButton, m_zoomSpin})
        control->hide();
}

bool CVemoView::runRegistrantDialog()
{
    RegistrantDialog dialog(m_doc.registrants(), this);
    connect(&dialog, &RegistrantDialog::registrantCheckRequested, this, [this] { dataGodRequest(0, 0); });
    return dialog.exec() == QDialog::Accepted;
}

bool CVemoView::anyRegistrant() const
{
    const RegistrantNames& names = m_doc.registrantNames();
    return std::any_of(names.cbegin(), names.cend(), [](const QString& name) { return !name.isEmpty(); });
}

void CVemoView::updateLastDrawMenu()
{
    if (QAction* item = MainMenu::findCommand(window(), MenuCommand::kLastDraw))
        item->setText(StoreText::lastDrawMenu(m_doc.history().drawCount()));
}

void CVemoView::refreshAfterHistoryEdit()
{
    updateLastDrawMenu();
    if (m_state.displayMode == DisplayMode::Appearance)
        m_state.appearanceCount = appearanceCounts(m_doc.history(), m_state.partnerNumber);
    if (m_historyGraph->isVisible())
        m_historyGraph->showGraph();
    // Hits are counted against the history that just changed.
    markResultPopupsPending();
    repaintAll();
}

void CVemoView::refreshAfterHistoryEdit(const QString& note)
{
    refreshAfterHistoryEdit();
    Q_EMIT statusNoted(note);
}

void CVemoView::undoHistoryChange()
{
    if (m_doc.history().backups().isEmpty()) {
        MessageService::show(StoreText::nothingToUndo(), MessageService::Buttons::Ok,
                             MessageService::Icon::Information);
        return;
    }
    // The confirmation names what the kept version really holds, read and checked before anything changes.
    const Result<DrawHistory::UndoStep> next = m_doc.history().nextUndo();
    if (!next.ok()) {
        MessageService::show(next.error(), MessageService::Buttons::Ok, MessageService::Icon::Critical);
        return;
    }
    if (!MessageService::confirm(StoreText::confirmUndo(next.value().drawCount(), next.value().name.savedAt)))
        return;
    if (auto fault = m_doc.history().undoLastChange()) {
        MessageService::show(*fault, MessageService::Buttons::Ok, MessageService::Icon::Critical);
        return;
    }
    refreshAfterHistoryEdit(StoreText::undoneNote(m_doc.history().drawCount()));
}

void CVemoView::showAppearance(int partner)
{
    m_state.appearanceCount = appearanceCounts(m_doc.history(), partner);
    m_state.displayMode = DisplayMode::Appearance;
    invalidate(lowerArea(), true);
    if (m_state.appearanceScreenActive)
        showZoomSpin();
}

QString CVemoView::weightingTitle() const
{
    return ViewText::weightingTitle(m_state.patternWeighting, COpeningWnd::titleSuffix());
}

void CVemoView::paintEvent(QPaintEvent* event)
{
    m_canvas.redraw([this](QPainter& painter) { onDraw(painter); });
    QPainter painter(this);
    painter.drawImage(event->rect(), m_canvas.image(), event->rect());
}

void CVemoView::resizeEvent(QResizeEvent*)
{
    m_canvas.resize(size());
}

void CVemoView::onDraw(QPainter& painter)
{
    switch (m_state.displayMode) {
    case DisplayMode::Pattern:
        paintPatternGraph(painter, m_state.hoverX);
        return;
    case DisplayMode::Appearance:
        m_appearancePainter.paint(painter, {m_state.appearanceCount, m_state.partnerNumber, m_state.appearanceScale,
                                            m_state.appearanceStep});
        return;
    case DisplayMode::HitCount:
        m_zoomSpin->hide();
        m_hitScreen->paint(painter, m_state);
        return;
    case DisplayMode::HistoryGraph:
        // The history-graph window covers the view.
        return;
    case DisplayMode::PatternEntry:
        break;
    }
    if (m_state.patternScreenActive) {
        m_state.displayMode = DisplayMode::Pattern;
        paintPatternGraph(painter, 0);
        placePatternControls();
    }
    updateLastDrawMenu();
}

void CVemoView::paintPatternGraph(QPainter& painter, int hoverX)
{
    const QByteArray hits = m_doc.history().readHitString(m_state.currentNumber);
    m_patternPainter.paint(painter, {hits, m_state.currentNumber, m_state.patternGraphMode,
                                     m_state.activePatternScale(), m_state.patternWeighting, hoverX});
}

void CVemoView::placePatternControls()
{
    m_numberSpin->setGeometry(QRect(ScreenScale::x(240), ScreenScale::y(1), ScreenScale::x(30), ScreenScale::y(15)));
    m_weightingButton->setGeometry(
        QRect(ScreenScale::x(274), ScreenScale::y(1), ScreenScale::x(58), ScreenScale::y(18)));
    for (QWidget* control : {static_cast<QWidget*>(m_numberSpin), static_cast<QWidget*>(m_weightingButton)}) {
        control->raise();
        control->show();
    }
    showZoomSpin();
}

void CVemoView::showZoomSpin()
{
    m_zoomSpin->setGeometry(1, 1, ScreenScale::width() * 3 / 80, ScreenScale::height() / 12);
    m_zoomSpin->raise();
    m_zoomSpin->show();
}

void CVemoView::showPatternGraph()
{
    leaveHitCountScreen();
    m_historyGraph->hide();
    window()->setWindowTitle(weightingTitle());
    m_state.patternScreenActive = true;
    m_state.appearanceScreenActive = false;
    m_state.hitScreenActive = false;
    m_state.dataGodMode = false;
    m_state.currentNumber = 1;
    m_state.displayMode = DisplayMode::PatternEntry;
    repaintAll();
}

void CVemoView::showAppearanceScreen()
{
    m_weightingButton->hide();
    m_numberSpin->hide();
    leaveHitCountScreen();
    m_historyGraph->hide();
    window()->setWindowTitle(weightingTitle());
    // A partner left from an earlier visit would be marked over counts taken without it.
    m_state.partnerNumber = 0;
    const std::array<int, kNumberCount> counts = appearanceCounts(m_doc.history(), 0);
    const int tallest = *std::max_element(counts.cbegin(), counts.cend());
    const AppearanceZoom zoom = AppearanceZoom::opening(tallest);
    m_state.appearanceScale = zoom.scale;
    m_state.appearanceStep = zoom.step;
    m_state.appearanceScreenActive = true;
    m_state.patternScreenActive = false;
    m_state.hitScreenActive = false;
    m_state.dataGodMode = false;
    repaintAll();
    showAppearance(0);
}

void CVemoView::showHistoryGraph()
{
    enterHistoryGraph();
    m_state.dataGodMode = false;
    window()->setWindowTitle(weightingTitle());
    m_doc.lastEnteredPrediction().entered = false;
    m_historyGraph->showGraph();
    repaintAll();
}

// What both ways onto the history graph share: the pattern controls go and no other screen is current.
void CVemoView::enterHistoryGraph()
{
    hidePatternControls();
    leaveHitCountScreen();
    m_state.appearanceScreenActive = false;
    m_state.patternScreenActive = false;
    m_state.hitScreenActive = false;
    m_state.displayMode = DisplayMode::HistoryGraph;
}

void CVemoView::openLatestPattern()
{
    reopenModelessWindows();
    destroyLatestPopups();
    LatestPatternDialog::open(*this);
}

void CVemoView::applyWeighting(bool on)
{
    m_state.patternWeighting = on;
    m_weightingButton->setWeighting(on);
    Q_EMIT weightingChanged(on);
    if (LatestPatternDialog* dialog = LatestPatternDialog::openDialog())
        dialog->showWeighting(on);
}

void CVemoView::setWeighting(bool on)
{
    applyWeighting(on);
    window()->setWindowTitle(weightingTitle());
    if (m_state.patternScreenActive) {
        m_state.displayMode = DisplayMode::Pattern;
        m_state.hoverX = 0;
        repaintAll();
    }
}

void CVemoView::onNumberSpin(int delta)
{
    m_state.spinNumber = SpinSteps::nextNumber(m_state.spinNumber, delta);
    m_state.patternScreenActive = true;
    m_state.appearanceScreenActive = false;
    m_state.hitScreenActive = false;
    m_state.currentNumber = m_state.spinNumber;
    m_state.displayMode = DisplayMode::PatternEntry;
    repaintAll();
}

void CVemoView::onZoomSpin(int delta)
{
    if (m_state.patternScreenActive) {
        int& scale = m_state.activePatternScale();
        scale = SpinSteps::patternScale(scale, delta, m_state.appearanceStep);
        m_state.displayMode = DisplayMode::Pattern;
        m_state.hoverX = 0;
        invalidate(lowerArea(), true);
    } else if (m_state.appearanceScreenActive) {
        const AppearanceZoom zoom = AppearanceZoom{m_state.appearanceScale, m_state.appearanceStep}.stepped(delta);
        m_state.appearanceScale = zoom.scale;
        m_state.appearanceStep = zoom.step;
        m_state.displayMode = DisplayMode::Appearance;
        invalidate(lowerArea(), true);
    }
}

void CVemoView::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint point = event->position().toPoint();
    if (m_state.patternScreenActive) {
        movePatternPointer(point);
    } else if (m_state.appearanceScreenActive) {
        const QRect row(QPoint(0, ScreenScale::y(520)), QPoint(width(), ScreenScale::y(545)));
        drawNow(row, [&](QPainter& painter) { m_appearancePainter.hoverNumberRow(painter, point.x(), point.y()); });
    }
}

void CVemoView::dialogMoved(const QPoint& globalPos)
{
    if (m_state.patternScreenActive)
        movePatternPointer(mapFromGlobal(globalPos));
}

void CVemoView::movePatternPointer(QPoint point)
{
    const int x = point.x();
    const int y = point.y();
    if (x <= ScreenScale::x(30) || x >= ScreenScale::width()) {
        unsetCursor();
        return;
    }
    if (0 < y && y < ScreenScale::y(21)) {
        drawNow(QRect(0, 0, width(), ScreenScale::y(21)),
                [&](QPainter& painter) { m_patternPainter.paintPageLabels(painter, point); });
    }
    if (y <= ScreenScale::height() / 30 || y >= ScreenScale::y(525)) {
        unsetCursor();
        return;
    }
    setCursor(m_handCursor);
    if (m_state.displayMode != DisplayMode::PatternEntry)
        invalidate(QRect(QPoint(ScreenScale::x(21), ScreenScale::y(525)), QPoint(width(), height())), false);
    if (m_state.patternGraphMode == 7) {
        const QString title = ViewText::pageTitle(7, PatternGraphLayout::pointedOrder(x));
        drawNow(ScreenScale::rect(355, 1, 423, 19),
                [&](QPainter& painter) { m_patternPainter.paintTitleBox(painter, title); });
    }
    if (isBarColour(m_canvas.pixel(point))) {
        m_state.displayMode = DisplayMode::Pattern;
        m_state.hoverX = x;
        invalidate(lowerArea(), false);
    }
}

void CVemoView::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    const QPoint point = event->position().toPoint();
    if (m_state.patternScreenActive && m_state.currentNumber != 0)
        clickPatternGraph(point);
    else if (m_state.appearanceScreenActive)
        clickAppearanceScreen(point);
}

void CVemoView::clickPatternGraph(QPoint point)
{
    const int page = PatternGraphLayout::pageAt(point.x(), point.y());
    if (page == 0)
        return;
    m_state.patternGraphMode = page;
    m_state.displayMode = DisplayMode::Pattern;
    m_state.hoverX = 0;
    repaintAll();
}

void CVemoView::clickAppearanceScreen(QPoint point)
{
    if (AppearanceLayout::inChart(point))
        m_state.partnerNumber = 0;
    if (AppearanceLayout::inNumberRow(point.y())) {
        if (const int picked = AppearanceLayout::pickedNumber(point.x()))
            m_state.partnerNumber = picked;
    }
    showAppearance(m_state.partnerNumber);
}

void CVemoView::keyPressEvent(QKeyEvent* event)
{
    const int unit = event->modifiers() & Qt::ShiftModifier ? 6 : 1;
    QPoint step;
    switch (event->key()) {
    case Qt::Key_Left:
        step = {-unit, 0};
        break;
    case Qt::Key_Right:
        step = {unit, 0};
        break;
    case Qt::Key_Up:
        step = {0, -unit};
        break;
    case Qt::Key_Down:
        step = {0, unit};
        break;
    default:
        break;
    }
    if (!step.isNull())
        QCursor::setPos(QCursor::pos() + step);
    QWidget::keyPressEvent(event);
}

void CVemoView::invalidate(const QRect& area, bool erase)
{
    m_canvas.invalidate(area, erase);
    update(area);
}

void CVemoView::repaintAll()
{
    invalidate(rect(), true);
}

void CVemoView::drawNow(const QRect& area, const std::function<void(QPainter&)>& draw)
{
    m_canvas.drawNow(draw);
    update(area);
}

QRect CVemoView::lowerArea() const
{
    return QRect(QPoint(0, ScreenScale::y(23)), QPoint(ScreenScale::width(), ScreenScale::height()));
}
