#include "shell/MainCommands.h"

#include "document/CVemoDoc.h"
#include "entry/BrowserSettings.h"
#include "entry/CsvExchange.h"
#include "entry/DataEntryDialog.h"
#include "entry/DataUpdateGuide.h"
#include "entry/NumberCard.h"
#include "kit/HelpWindow.h"
#include "kit/MessageService.h"
#include "kit/ModelessWindow.h"
#include "oracle/RandomGodDialog.h"
#include "shell/CVemoView.h"
#include "shell/HitCountFlow.h"
#include "shell/MenuCommand.h"
#include "shell/VersionDialog.h"
#include "text/StoreText.h"
#include "wheel/WheelWindow.h"

MainCommands::MainCommands(QWidget& frame, BrowserRoom& room, CVemoView& view, HitCountFlow& flow, CVemoDoc& doc)
    : QObject(&frame), m_frame(frame), m_room(room), m_view(view), m_flow(flow), m_doc(doc)
{
    fillTable();
    connect(&view, &CVemoView::wheelRequested, this, &MainCommands::openWheel);
}

MainCommands::~MainCommands() = default;

void MainCommands::fillTable()
{
    using namespace MenuCommand;
    m_handlers = {
        {kPatternGraph, [this] { m_view.showPatternGraph(); }},
        {kAppearance, [this] { m_view.showAppearanceScreen(); }},
        {kHistoryGraph, [this] { m_view.showHistoryGraph(); }},
        {kWeightingOn, [this] { m_view.setWeighting(true); }},
        {kWeightingOff, [this] { m_view.setWeighting(false); }},
        // The last-draw item only shows the draw count.
        {kLastDraw, [] {}},
        {kPredictionFiles, [this] { m_flow.openPredictionFiles(); }},
        {kDataEntry, [this] { openDataEntry(); }},
        {kUndoHistory, [this] { undoHistoryChange(); }},
        {kNumberCard, [this] { openNumberCard(); }},
        {kLatestPattern, [this] { openLatestPattern(); }},
        {kRandomGod, [this] { openRandomGod(); }},
        {kOracleTime, [this] { openRandomGod()->selectMode(1); }},
        {kOracleBirthday, [this] { openRandomGod()->selectMode(2); }},
        {kOracleColour, [this] { openRandomGod()->selectMode(3); }},
        {kOracleNumber, [this] { openRandomGod()->selectMode(4); }},
        {kHitCount, [this] { m_flow.showRegistrantHits(); }},
        {kDataGod, [this] { m_flow.callDataGods(); }},
        {kBacktest, [this] { m_flow.openBacktest(); }},
        {kWheel, [this] { openWheel({}); }},
        {kHelp, [this] { HelpWindow::showContents(m_help, m_doc.paths().helpIndex(), &m_view); }},
        {kBrowserFromFile, [this] { BrowserSettings(m_doc, &m_view).chooseBrowserByDialog(); }},
        {kBrowserFromClipboard, [this] { BrowserSettings(m_doc, &m_view).chooseBrowserFromClipboard(); }},
        {kHomePage, [this] { BrowserSettings(m_doc, &m_view).setHomePageFromClipboard(); }},
        {kExportCsv, [this] { CsvExchange(m_doc, &m_view).exportHistory(); }},
        {kImportCsv, [this] { CsvExchange(m_doc, &m_view).importHistory(); }},
        {kDataUpdate, [this] { openDataUpdate(); }},
        {kAbout, [this] { VersionDialog(&m_frame).exec(); }},
        {kExit, [this] { m_frame.close(); }},
    };
}

void MainCommands::run(int commandId)
{
    if (const auto handler = m_handlers.constFind(commandId); handler != m_handlers.cend())
        (*handler)();
}

std::unique_ptr<DataEntryDialog> MainCommands::makeDataEntryDialog()
{
    auto dialog = std::make_unique<DataEntryDialog>(m_doc, m_room, &m_view);
    connect(dialog.get(), &DataEntryDialog::historyGraphRequested, &m_view,
            [this](int draw) { m_view.viewSwitch(3, draw); });
    connect(dialog.get(), &DataEntryDialog::numberCardRequested, this, &MainCommands::openNumberCard);
    connect(dialog.get(), &DataEntryDialog::predictionDeleted, &m_flow, &HitCountFlow::followPredictionDeleted);
    connect(dialog.get(), &DataEntryDialog::moved, &m_view, &CVemoView::dialogMoved);
    return dialog;
}

NumberCard* MainCommands::numberCard() const
{
    return showing(m_numberCard);
}

DataUpdateGuide* MainCommands::updateGuide() const
{
    return showing(m_updateGuide);
}

void MainCommands::openDataEntry()
{
    // The number card comes back in front of the dialog's owner.
    reopenModelessWindows();
    m_view.destroyLatestPopups();
    m_flow.offerRegistrant();
    makeDataEntryDialog()->exec();
}

void MainCommands::openNumberCard()
{
    NumberCard::open(m_numberCard, m_doc, &m_view);
    listenToNumberCard();
}

void MainCommands::reopenModelessWindows()
{
    if (numberCard())
        NumberCard::open(m_numberCard, m_doc, &m_view);
    listenToNumberCard();
    if (DataUpdateGuide* guide = updateGuide())
        bringForward(*guide);
}

void MainCommands::listenToNumberCard()
{
    NumberCard* card = numberCard();
    if (!card)
        return;
    connect(card, &NumberCard::wheelRequested, this, &MainCommands::openWheel, Qt::UniqueConnection);
    // The data-entry dialog is modal: it opens once the hand-over click has been handled.
    connect(card, &NumberCard::handedOver, this, &MainCommands::openDataEntry,
            Qt::ConnectionType(Qt::QueuedConnection | Qt::UniqueConnection));
    // The card moved into place before it was heard; the view learns where it is now.
    if (connect(card, &NumberCard::moved, &m_view, &CVemoView::dialogMoved, Qt::UniqueConnection))
        m_view.dialogMoved(card->geometry().topLeft());
}

void MainCommands::openLatestPattern()
{
    reopenModelessWindows();
    m_view.destroyLatestPopups();
    // The weighting is the one the main window's title tells.
    m_view.openLatestPattern(m_frame.windowTitle().contains(QStringLiteral("する")));
}

RandomGodDialog* MainCommands::openRandomGod()
{
    RandomGodDialog* god = RandomGodDialog::open(m_randomGod, m_view);
    if (connect(god, &RandomGodDialog::moved, &m_view, &CVemoView::dialogMoved, Qt::UniqueConnection))
        m_view.dialogMoved(god->geometry().topLeft());
    return god;
}

void MainCommands::openWheel(const QList<int>& pool)
{
    WheelWindow::open(m_wheel, pool, m_doc.paths(), &m_view);
}

void MainCommands::openDataUpdate()
{
    m_view.destroyLatestPopups();
    DataUpdateGuide::showGuide(m_updateGuide, m_doc, m_frame, m_room);
}

void MainCommands::undoHistoryChange()
{
    DrawHistory& history = m_doc.history();
    // A folder that cannot be read is the next step's message.
    if (const Result<QList<BackupName>> kept = history.backups(); kept.ok() && kept.value().isEmpty()) {
        MessageService::show(StoreText::nothingToUndo(), MessageService::Buttons::Ok,
                             MessageService::Icon::Information);
        return;
    }
    // The confirmation names what the kept version really holds, read and checked before anything changes.
    const Result<DrawHistory::UndoStep> next = history.nextUndo();
    if (!next.ok()) {
        MessageService::show(next.error(), MessageService::Buttons::Ok, MessageService::Icon::Critical);
        return;
    }
    if (!MessageService::confirm(StoreText::confirmUndo(next.value().drawCount(), next.value().name.savedAt)))
        return;
    if (auto fault = history.undoLastChange()) {
        MessageService::show(*fault, MessageService::Buttons::Ok, MessageService::Icon::Critical);
        return;
    }
    m_doc.announceHistoryChange(StoreText::undoneNote(history.drawCount()));
}
