#include "gui/shell/MainCommands.h"

#include <algorithm>

#include "core/text/StoreText.h"
#include "gui/document/CVemoDoc.h"
#include "gui/entry/BrowserSettings.h"
#include "gui/entry/CsvExchange.h"
#include "gui/entry/DataEntryDialog.h"
#include "gui/entry/DataUpdateGuide.h"
#include "gui/entry/NumberCard.h"
#include "gui/kit/HelpWindow.h"
#include "gui/kit/MessageService.h"
#include "gui/kit/ModelessWindow.h"
#include "gui/oracle/RandomGodDialog.h"
#include "gui/shell/CVemoView.h"
#include "gui/shell/HitCountFlow.h"
#include "gui/shell/VersionDialog.h"
#include "gui/wheel/WheelWindow.h"

MainCommands::MainCommands(QWidget& frame, BrowserRoom& room, CVemoView& view, HitCountFlow& flow, CVemoDoc& doc)
    : QObject(&frame), m_frame(frame), m_room(room), m_view(view), m_flow(flow), m_doc(doc)
{
    fillTable();
    connect(&view, &CVemoView::wheelRequested, this, &MainCommands::openWheel);
}

MainCommands::~MainCommands() = default;

void MainCommands::fillTable()
{
    using enum MenuCommand;
    m_rows = {
        {DataEntry, QStringLiteral("dataEntry"), QStringLiteral("（当選・予想）番号入力(&I)"),
         [this] { openDataEntry(); }},
        {PredictionFiles, QStringLiteral("predictionFiles"), QStringLiteral("予想データファイルの作成(&Y)"),
         [this] { m_flow.openPredictionFiles(); }},
        {DataUpdate, QStringLiteral("dataUpdate"), QStringLiteral("本数字データの更新(&W)"),
         [this] { openDataUpdate(); }},
        {UndoHistory, QStringLiteral("undoHistory"), QStringLiteral("本数字データを元に戻す(&U)"),
         [this] { undoHistoryChange(); }},
        {ExportCsv, QStringLiteral("exportCsv"), QStringLiteral("本数字データをCSV形式で書き出す(&O)..."),
         [this] { CsvExchange(m_doc, &m_view).exportHistory(); }},
        {ImportCsv, QStringLiteral("importCsv"), QStringLiteral("本数字データをCSV形式から読み込む(&R)..."),
         [this] { CsvExchange(m_doc, &m_view).importHistory(); }},
        {Exit, QStringLiteral("exit"), QStringLiteral("<ヌルガタ>の終了(&E)"), [this] { m_frame.close(); }},
        {PatternGraph, QStringLiteral("patternGraph"), QStringLiteral("出現パターン(&P)"),
         [this] { m_view.showPatternGraph(); }},
        {Appearance, QStringLiteral("appearance"), QStringLiteral("出現ナンバー(&N)"),
         [this] { m_view.showAppearanceScreen(); }},
        {HistoryGraph, QStringLiteral("historyGraph"), QStringLiteral("本数字履歴グラフ(&Q)"),
         [this] { m_view.showHistoryGraph(); }},
        {HitCount, QStringLiteral("hitCount"), QStringLiteral("的中数(&T)"), [this] { m_flow.showRegistrantHits(); }},
        {WeightingOn, QStringLiteral("weightingOn"), QStringLiteral("出現パターン数の考慮あり(&O)"),
         [this] { m_view.setWeighting(true); }},
        {WeightingOff, QStringLiteral("weightingOff"), QStringLiteral("出現パターン数の考慮なし(&X)"),
         [this] { m_view.setWeighting(false); }},
        {LatestPattern, QStringLiteral("latestPattern"), QStringLiteral("最新パターン(&S)"),
         [this] { openLatestPattern(); }},
        {NumberCard, QStringLiteral("numberCard"), QStringLiteral("ヴェ モカード(&C)"), [this] { openNumberCard(); }},
        {RandomGod, QStringLiteral("randomGod"), QStringLiteral("※ ランダム神を呼ぶ(&R)"), [this] { openRandomGod(); }},
        {OracleTime, QStringLiteral("oracleTime"), QStringLiteral("　　 1. 時の運"),
         [this] { openRandomGod()->selectMode(RandomGodDialog::Mode::Moment); }},
        {OracleBirthday, QStringLiteral("oracleBirthday"), QStringLiteral("　　 2. 誕生日"),
         [this] { openRandomGod()->selectMode(RandomGodDialog::Mode::Birthday); }},
        {OracleColour, QStringLiteral("oracleColour"), QStringLiteral("　　 3. ラッキーカラー"),
         [this] { openRandomGod()->selectMode(RandomGodDialog::Mode::Colour); }},
        {OracleNumber, QStringLiteral("oracleNumber"), QStringLiteral("　　 4. ラッキーナンバー"),
         [this] { openRandomGod()->selectMode(RandomGodDialog::Mode::Number); }},
        {DataGod, QStringLiteral("dataGod"), QStringLiteral("※ データ神を呼ぶ(&M)"), [this] { m_flow.callDataGods(); }},
        {Backtest, QStringLiteral("backtest"), QStringLiteral("データ神の成績くらべ(&B)..."),
         [this] { m_flow.openBacktest(); }},
        {Wheel, QStringLiteral("wheel"), QStringLiteral("買い目の組合せを作る(&W)..."), [this] { openWheel({}); }},
        {BrowserFromFile, QStringLiteral("browserFromFile"), QStringLiteral("ファイルダイアログから(&V)"),
         [this] { BrowserSettings(m_doc, &m_view).chooseBrowserByDialog(); }},
        {BrowserFromClipboard, QStringLiteral("browserFromClipboard"), QStringLiteral("クリップボードから(&W)"),
         [this] { BrowserSettings(m_doc, &m_view).chooseBrowserFromClipboard(); }},
        {HomePage, QStringLiteral("homePage"), QStringLiteral("HPアドレスの設定(&J)"),
         [this] { BrowserSettings(m_doc, &m_view).setHomePageFromClipboard(); }},
        // The last-draw item only shows the draw count.
        {LastDraw, QStringLiteral("lastDraw"), QStringLiteral("***"), [] {}},
        {Help, QStringLiteral("help"), QStringLiteral("ヘルプ(&H)"),
         [this] { HelpWindow::showContents(m_help, m_doc.paths().helpIndex(), &m_view); }},
        {About, QStringLiteral("about"), QStringLiteral("バージョン情報(&A)..."),
         [this] { VersionDialog(&m_frame).exec(); }},
    };
}

const MainCommands::Row& MainCommands::row(MenuCommand command) const
{
    return *std::find_if(m_rows.cbegin(), m_rows.cend(), [command](const Row& row) { return row.command == command; });
}

std::unique_ptr<DataEntryDialog> MainCommands::makeDataEntryDialog()
{
    auto dialog = std::make_unique<DataEntryDialog>(m_doc, m_room, m_selectionHandOver, &m_view);
    connect(dialog.get(), &DataEntryDialog::predictionEntered, &m_view, &CVemoView::showEnteredPrediction);
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
    NumberCard::open(m_numberCard, m_selectionHandOver, &m_view);
    listenToNumberCard();
}

void MainCommands::reopenModelessWindows()
{
    if (numberCard())
        NumberCard::open(m_numberCard, m_selectionHandOver, &m_view);
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
    WheelWindow::open(m_wheel, pool, m_doc, &m_view);
}

void MainCommands::openDataUpdate()
{
    m_view.destroyLatestPopups();
    DataUpdateGuide::showGuide(m_updateGuide, m_doc, m_frame, m_room);
}

void MainCommands::undoHistoryChange()
{
    const DrawHistory& history = m_doc.history();
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
    if (auto fault = m_doc.undoHistoryChange())
        MessageService::show(*fault, MessageService::Buttons::Ok, MessageService::Icon::Critical);
}
