#include "gui/predict/BacktestWindow.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QRandomGenerator>
#include <QScreen>
#include <QScrollArea>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <limits>
#include <numeric>

#include "core/predict/DataGodEngine.h"
#include "core/predict/PredictValueText.h"
#include "core/store/DrawHistory.h"
#include "core/text/PredictText.h"
#include "gui/kit/ContextHelpPopupFilter.h"
#include "gui/kit/ControlHelp.h"
#include "gui/kit/JapaneseFonts.h"
#include "gui/kit/ModelessWindow.h"
#include "gui/kit/Named.h"
#include "gui/predict/BacktestHeatMap.h"
#include "gui/predict/BacktestText.h"

namespace {

constexpr int kDrawChoices[] = {100, 200, 500, 0}; // 0: all
constexpr int kBestRows = 20;
// Fewer histories leave the one-in-twenty line too rough for the mark it sets.
constexpr int kFewestLuckHistories = 1000;
// The line and the p's are taken anew after each batch; a batch's histories follow the last one's.
constexpr int kLuckBatch = 100;
// The columns of the table that change with the run.
constexpr int kIntervalColumn = 6;
constexpr int kZColumn = 8;
constexpr int kPColumn = 9;
constexpr int kCheckColumn = 10;
const QColor kWarningColour(200, 0, 0);
const QColor kLuckyColour(255, 214, 214); // rows above the luck line

// Sorts by the value rather than by the text.
class NumberItem : public QTableWidgetItem {
public:
    NumberItem(double value, int decimals) : NumberItem(value, QString::number(value, 'f', decimals)) {}
    NumberItem(double value, const QString& text) : QTableWidgetItem(text), m_value(value)
    {
        setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }

    bool operator<(const QTableWidgetItem& other) const override
    {
        const auto* number = dynamic_cast<const NumberItem*>(&other);
        return number ? m_value < number->m_value : QTableWidgetItem::operator<(other);
    }

private:
    double m_value;
};

// A caption and its drop-down list.
QComboBox* addChoice(QHBoxLayout* layout, const QString& caption, const QString& name)
{
    layout->addWidget(new QLabel(caption));
    auto* choice = named(new QComboBox, name);
    layout->addWidget(choice);
    return choice;
}

} // namespace

BacktestWindow* BacktestWindow::open(QPointer<BacktestWindow>& window, QWidget& owner, const DrawHistory& history,
                                     KeptLuck& keptLuck)
{
    if (!window) {
        window = new BacktestWindow(owner, history, keptLuck);
        window->setAttribute(Qt::WA_DeleteOnClose);
    }
    bringForward(*window);
    return window;
}

BacktestWindow::BacktestWindow(QWidget& owner, const DrawHistory& history, KeptLuck& keptLuck)
    // A tool window of the main window: a window manager keeps it above the main window.
    : QWidget(&owner, Qt::Tool), m_history(history), m_keptLuck(keptLuck)
{
    setWindowTitle(BacktestText::windowTitle());
    setFont(JapaneseFonts::font(JapaneseFonts::kGothic, 13));
    // The scores scroll inside the window, so that it can narrow beside the gods' popups on a small screen;
    // its two buttons stay in sight below them.
    auto* scores = new QWidget;
    auto* layout = new QVBoxLayout(scores);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(controlRow());
    m_holdoutReason = named(new QLabel(BacktestText::holdoutNeedsWalkForward()), QStringLiteral("holdoutReason"));
    m_holdoutReason->setWordWrap(true);
    m_holdoutReason->setVisible(false);
    layout->addWidget(m_holdoutReason);
    m_explanation = named(new QLabel(BacktestText::walkForwardExplanation()), QStringLiteral("walkForwardExplanation"));
    m_explanation->setWordWrap(true);
    layout->addWidget(m_explanation);
    m_progress = named(new QProgressBar, QStringLiteral("progressBar"));
    m_progress->setValue(0);
    layout->addWidget(m_progress);
    m_warning = named(new QLabel(BacktestText::asWrittenWarning()), QStringLiteral("asWrittenWarning"));
    m_warning->setWordWrap(true);
    QPalette warningPalette = m_warning->palette();
    warningPalette.setColor(QPalette::WindowText, kWarningColour);
    m_warning->setPalette(warningPalette);
    layout->addWidget(m_warning);
    layout->addWidget(mapChoiceRow());
    m_heatMap = named(new BacktestHeatMap, QStringLiteral("heatMap"));
    layout->addWidget(m_heatMap);
    layout->addWidget(luckRow());
    m_checkVerdict = named(new QLabel, QStringLiteral("checkVerdict"));
    m_checkVerdict->setWordWrap(true);
    m_checkVerdict->setVisible(false);
    layout->addWidget(m_checkVerdict);

    m_table = named(new QTableWidget(0, int(BacktestText::tableHeaders(true).size())), QStringLiteral("resultsTable"));
    m_table->setHorizontalHeaderLabels(BacktestText::tableHeaders(false));
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->verticalHeader()->hide();
    m_table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_table->setMinimumHeight(220);
    layout->addWidget(m_table, 1);
    connect(m_table, &QTableWidget::itemSelectionChanged, this,
            [this] { m_runSelected->setEnabled(!m_table->selectedItems().isEmpty()); });

    m_runSelected = named(new QPushButton(BacktestText::runSelected()), QStringLiteral("runSelectedButton"));
    m_runSelected->setEnabled(false);
    connect(m_runSelected, &QPushButton::clicked, this, &BacktestWindow::requestSelected);
    auto* closeButton = named(new QPushButton(BacktestText::closeButton()), QStringLiteral("closeButton"));
    ControlHelp::attach(closeButton, {}); // an empty popup
    connect(closeButton, &QPushButton::clicked, this, &QWidget::close);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_runSelected);
    buttons->addWidget(closeButton);
    layOut(scores, buttons);
    installHelp();
    showMode(m_walkForward->isChecked());
    m_table->setColumnHidden(kCheckColumn, true);
    m_table->setColumnHidden(kIntervalColumn, true);
}

void BacktestWindow::layOut(QWidget* scores, QLayout* buttons)
{
    auto* scrolled = new QScrollArea;
    scrolled->setFrameShape(QFrame::NoFrame);
    scrolled->setWidgetResizable(true);
    scrolled->setWidget(scores);
    auto* window = new QVBoxLayout(this);
    window->addWidget(scrolled, 1);
    window->addLayout(buttons);
    // Opened, it shows all of its scores.
    const QMargins margins = window->contentsMargins();
    resize(scores->sizeHint().width() + margins.left() + margins.right(),
           scores->sizeHint().height() + window->spacing() + buttons->sizeHint().height() + margins.top()
               + margins.bottom());
}

QWidget* BacktestWindow::controlRow()
{
    auto* row = new QWidget;
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    m_draws = addChoice(layout, BacktestText::drawsCaption(), QStringLiteral("drawsChoice"));
    m_draws->addItems(BacktestText::drawsChoices());
    m_draws->setCurrentIndex(int(std::size(kDrawChoices)) - 1);
    m_walkForward = named(new QCheckBox(BacktestText::walkForward()), QStringLiteral("walkForwardBox"));
    m_walkForward->setChecked(true);
    layout->addWidget(m_walkForward);
    m_holdout = named(new QCheckBox(BacktestText::holdout()), QStringLiteral("holdoutBox"));
    layout->addWidget(m_holdout);
    // Before the first scores, the window says what the mode chosen will be able to tell. The check
    // needs scores that do not look ahead, or the first half would see the second.
    connect(m_walkForward, &QCheckBox::toggled, this, [this](bool on) {
        if (m_result.scores.isEmpty())
            showMode(on);
        if (!on)
            m_holdout->setChecked(false);
        m_holdout->setEnabled(on);
        m_holdoutReason->setVisible(!on);
    });
    layout->addStretch();
    m_start = named(new QPushButton(BacktestText::start()), QStringLiteral("startButton"));
    m_cancel = named(new QPushButton(BacktestText::cancel()), QStringLiteral("cancelButton"));
    m_cancel->setEnabled(false);
    connect(m_start, &QPushButton::clicked, this, &BacktestWindow::startRun);
    connect(m_cancel, &QPushButton::clicked, this, &BacktestWindow::cancelRun);
    layout->addWidget(m_start);
    layout->addWidget(m_cancel);
    return row;
}

QWidget* BacktestWindow::mapChoiceRow()
{
    auto* row = new QWidget;
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    m_amount = addChoice(layout, BacktestText::amountCaption(), QStringLiteral("amountChoice"));
    for (const int amount : DataGodSettings::kDataAmounts)
        m_amount->addItem(PredictText::dataAmount(amount), amount);
    m_preference = addChoice(layout, BacktestText::preferenceCaption(), QStringLiteral("preferenceChoice"));
    m_preference->addItems(BacktestText::preferenceChoices());
    layout->addStretch();
    connect(m_amount, &QComboBox::currentIndexChanged, this, &BacktestWindow::showMaps);
    connect(m_preference, &QComboBox::currentIndexChanged, this, &BacktestWindow::showMaps);
    return row;
}

QWidget* BacktestWindow::luckRow()
{
    m_luckRow = new QWidget;
    auto* rows = new QVBoxLayout(m_luckRow);
    rows->setContentsMargins(0, 0, 0, 0);
    auto* controls = new QHBoxLayout;
    controls->addWidget(new QLabel(BacktestText::luckHistoriesCaption()));
    m_luckHistories = named(new QSpinBox, QStringLiteral("luckHistoriesSpin"));
    m_luckHistories->setRange(kFewestLuckHistories, 10 * kFewestLuckHistories);
    m_luckHistories->setSingleStep(kFewestLuckHistories);
    m_luckHistories->setValue(kFewestLuckHistories);
    m_luckHistories->setSuffix(BacktestText::luckHistoriesSuffix());
    controls->addWidget(m_luckHistories);
    m_luckProgress = named(new QProgressBar, QStringLiteral("luckProgressBar"));
    m_luckProgress->setValue(0);
    controls->addWidget(m_luckProgress, 1);
    m_luckCancel = named(new QPushButton(BacktestText::cancel()), QStringLiteral("luckCancelButton"));
    m_luckCancel->setEnabled(false);
    connect(m_luckCancel, &QPushButton::clicked, this, &BacktestWindow::cancelLuck);
    controls->addWidget(m_luckCancel);
    rows->addLayout(controls);
    m_luck = named(new QLabel(BacktestText::notComputed()), QStringLiteral("luckLine"));
    m_luck->setWordWrap(true);
    rows->addWidget(m_luck);
    return m_luckRow;
}

void BacktestWindow::installHelp()
{
    new ContextHelpPopupFilter(this);
    ControlHelp::attach(m_draws, BacktestText::drawsHelp());
    ControlHelp::attach(m_walkForward, BacktestText::walkForwardHelp());
    ControlHelp::attach(m_explanation, BacktestText::walkForwardHelp());
    ControlHelp::attach(m_start, BacktestText::startHelp());
    ControlHelp::attach(m_cancel, BacktestText::cancelHelp());
    ControlHelp::attach(m_progress, BacktestText::progressHelp());
    ControlHelp::attach(m_amount, BacktestText::mapChoiceHelp());
    ControlHelp::attach(m_preference, BacktestText::mapChoiceHelp());
    ControlHelp::attach(m_heatMap, BacktestText::heatMapHelp());
    ControlHelp::attach(m_luck, BacktestText::luckHelp());
    ControlHelp::attach(m_table, BacktestText::tableHelp());
    ControlHelp::attach(m_runSelected, BacktestText::runSelectedHelp());
    ControlHelp::attach(m_holdout, BacktestText::holdoutHelp());
    ControlHelp::attach(m_warning, BacktestText::walkForwardHelp());
    ControlHelp::attach(m_luckHistories, BacktestText::luckHistoriesHelp());
    ControlHelp::attach(m_luckProgress, BacktestText::luckProgressHelp());
    ControlHelp::attach(m_luckCancel, BacktestText::luckCancelHelp());
    ControlHelp::attach(m_holdoutReason, BacktestText::holdoutHelp());
    ControlHelp::attach(m_checkVerdict, BacktestText::holdoutHelp());
}

void BacktestWindow::startRun()
{
    // A measurement still running belongs to the scores shown, which stay without it.
    if (m_luckCancel->isEnabled())
        cancelLuck();
    // The copy of the history is taken here, on this thread; the workers never see the document.
    auto backtest = std::make_shared<DataGodBacktest>(m_history);
    BacktestChoice choice = BacktestChoice::everySetting(backtest->drawCount());
    const int last = kDrawChoices[std::size_t(m_draws->currentIndex())];
    if (last > 0)
        choice.firstDraw = std::max(DataGodEngine::kFirstPredictedDraw, choice.lastDraw - last + 1);
    choice.walkForward = m_walkForward->isChecked();
    if (m_holdout->isChecked())
        choice.holdOutSecondHalf();
    m_luckHistoriesAsked = m_luckHistories->value();
    // A fresh seed for a key measured first, shown beside the line, so that the command line can measure
    // it again; a key measured before goes on from its histories with their seed.
    m_luckKey = KeptLuck::keyOf(choice, backtest->drawCount());
    const KeptLuck::Measurement* kept = m_keptLuck.find(m_luckKey);
    m_luckSeed = kept ? kept->seed : QRandomGenerator::global()->generate();
    std::optional<BacktestLuck> keptLuck = kept ? std::optional<BacktestLuck>(kept->luck) : std::nullopt;
    m_start->setEnabled(false);
    m_cancel->setEnabled(true);
    m_progress->setValue(0);
    m_runner.start([this, backtest, choice, histories = m_luckHistoriesAsked, seed = m_luckSeed,
                    keptLuck = std::move(keptLuck)](const BackgroundRun::Work& work) {
        const auto progress = [this, &work](int done, int total) {
            work.post([this, done, total] { showProgress(done, total); });
        };
        const std::optional<BacktestResult> result = backtest->run(choice, progress, work.cancelFlag());
        if (!result)
            return;
        work.post([this, result, choice] { takeScores(*result, choice); });
        // The figures of the result files' mode cannot tell luck from a working setting anyway.
        if (choice.scoresWalkForward())
            measureLuck(work, choice, backtest->drawCount(), histories, seed, keptLuck);
    });
}

void BacktestWindow::measureLuck(const BackgroundRun::Work& work, const BacktestChoice& choice, int drawCount,
                                 int histories, quint64 seed, std::optional<BacktestLuck> luck)
{
    const int kept = luck ? luck->histories() : 0;
    if (luck)
        work.post([this, luck, done = kept >= histories] { takeLuck(*luck, done); });
    // Batch by batch, so that the line sharpens on screen and a cancel keeps the batches done.
    for (int first = kept; first < histories; first += kLuckBatch) {
        const auto progress = [this, &work, first, histories](int done, int) {
            work.post([this, done = first + done, histories] { showLuckProgress(done, histories); });
        };
        const int count = std::min(kLuckBatch, histories - first);
        const std::optional<BacktestLuck> more =
            BacktestLuck::measure(choice, drawCount, count, seed, progress, work.cancelFlag(), first);
        if (!more)
            return;
        if (luck)
            luck->add(*more);
        else
            luck = more;
        work.post([this, luck, done = first + count == histories] { takeLuck(*luck, done); });
    }
}

void BacktestWindow::cancelRun()
{
    m_runner.stop();
    m_progress->setValue(0);
    m_start->setEnabled(true);
    m_cancel->setEnabled(false);
}

void BacktestWindow::cancelLuck()
{
    m_runner.stop();
    m_luckCancel->setEnabled(false);
    // The histories measured so far keep their line and p's.
    if (m_measuredLuck) {
        showLuck();
        return;
    }
    m_luckProgress->setValue(0);
    m_luck->setText(BacktestText::luckCancelled());
}

void BacktestWindow::showProgress(int done, int total)
{
    m_progress->setMaximum(total);
    m_progress->setValue(std::max(m_progress->value(), done));
}

void BacktestWindow::showLuckProgress(int done, int total)
{
    m_luckProgress->setMaximum(total);
    m_luckProgress->setValue(std::max(m_luckProgress->value(), done));
}

void BacktestWindow::takeScores(const BacktestResult& result, const BacktestChoice& choice)
{
    m_result = result;
    m_choice = choice;
    m_measuredLuck.reset();
    m_progress->setValue(m_progress->maximum());
    m_start->setEnabled(true);
    m_cancel->setEnabled(false);
    m_luckProgress->setValue(0);
    m_luckCancel->setEnabled(choice.scoresWalkForward());
    m_luck->setText(BacktestText::luckMeasuring());
    showMode(choice.scoresWalkForward());
    showMaps();
    fillTable();
    showCheckVerdict();
    Q_EMIT finished();
}

void BacktestWindow::takeLuck(const BacktestLuck& luck, bool done)
{
    m_measuredLuck = luck;
    m_keptLuck.keep(m_luckKey, m_luckSeed, luck);
    if (done) {
        m_luckProgress->setValue(m_luckProgress->maximum());
        m_luckCancel->setEnabled(false);
    }
    showLuck();
    showMaps();
    fillTable();
    if (done)
        Q_EMIT luckMeasured();
}

void BacktestWindow::showLuck()
{
    const BacktestLuck& luck = *m_measuredLuck;
    double best = -std::numeric_limits<double>::infinity();
    for (const BacktestScore& score : m_result.scores)
        best = std::max(best, score.z());
    m_luck->setText(BacktestText::luckLine(int(m_result.scores.size()), luck.line(), luck.histories(),
                                           !m_luckCancel->isEnabled(), luckCommand(luck.histories()))
                    + QLatin1Char('\n') + BacktestText::runVerdict(best, luck.line()));
}

QString BacktestWindow::luckCommand(int histories) const
{
    QStringList words{QStringLiteral("vemo-cli backtest")};
    if (m_choice.firstDraw != DataGodEngine::kFirstPredictedDraw)
        words << QStringLiteral("--from %1").arg(m_choice.firstDraw);
    if (m_choice.holdoutDraw > 0)
        words << QStringLiteral("--holdout %1").arg(m_choice.holdoutDraw);
    words << QStringLiteral("--null %1 --seed %2").arg(histories).arg(m_luckSeed);
    return words.join(QLatin1Char(' '));
}

void BacktestWindow::showCheckVerdict()
{
    const QList<BacktestScore>& scores = m_result.scores;
    m_checkVerdict->setVisible(!m_result.checks.isEmpty());
    if (m_result.checks.isEmpty())
        return;
    // The one setting chosen before the second half is looked at: the first half's best.
    const auto best = std::max_element(scores.begin(), scores.end(),
                                       [](const BacktestScore& a, const BacktestScore& b) { return a.z() < b.z(); });
    const DataGodSettings& s = best->setting;
    const QString setting = BacktestText::settingName(
        PredictText::dataGods()[std::size_t(best->order - DataGodEngine::kLowestOrder)].caption, s.predictionCount,
        PredictText::dataAmount(s.dataAmount), s.preferFrequent, s.appearanceWeight);
    m_checkVerdict->setText(BacktestText::checkVerdict(setting, m_result.checks[best - scores.begin()].z()));
}

void BacktestWindow::showMode(bool walkForward)
{
    m_warning->setVisible(!walkForward);
    m_explanation->setVisible(walkForward);
    m_luckRow->setVisible(walkForward);
    m_table->setColumnHidden(kPColumn, !walkForward);
}

void BacktestWindow::showMaps()
{
    const std::optional<double> line =
        m_measuredLuck ? std::optional<double>(m_measuredLuck->line()) : std::optional<double>();
    m_heatMap->showScores(m_result.scores, m_amount->currentData().toInt(), m_preference->currentIndex() == 0, line);
}

void BacktestWindow::fillTable()
{
    const QList<BacktestScore>& scores = m_result.scores;
    QList<int> best(scores.size());
    std::iota(best.begin(), best.end(), 0);
    std::stable_sort(best.begin(), best.end(), [&scores](int a, int b) { return scores[a].z() > scores[b].z(); });
    best.resize(std::min<qsizetype>(kBestRows, best.size()));

    const bool checked = !m_result.checks.isEmpty();
    m_table->setHorizontalHeaderLabels(BacktestText::tableHeaders(checked));
    m_table->setColumnHidden(kCheckColumn, !checked);
    // The family's intervals come from the luck line: none before it is measured.
    m_table->setColumnHidden(kIntervalColumn, !m_measuredLuck);
    m_table->setSortingEnabled(false);
    m_table->clearContents();
    m_table->setRowCount(int(best.size()));
    for (int row = 0; row < int(best.size()); ++row) {
        const BacktestScore& score = scores[best[row]];
        const DataGodSettings& s = score.setting;
        auto* god = new QTableWidgetItem(
            PredictText::dataGods()[std::size_t(score.order - DataGodEngine::kLowestOrder)].caption);
        god->setData(Qt::UserRole, best[row]);
        m_table->setItem(row, 0, god);
        const auto put = [this, row](int column, double value, int decimals) {
            m_table->setItem(row, column, new NumberItem(value, decimals));
        };
        put(1, s.predictionCount, 0);
        m_table->setItem(row, 2, new QTableWidgetItem(PredictText::dataAmount(s.dataAmount)));
        m_table->setItem(row, 3, new QTableWidgetItem(BacktestText::preference(s.preferFrequent)));
        put(4, s.appearanceWeight, 0);
        put(5, score.mean(), 4);
        put(7, score.chance(), 4);
        put(kZColumn, score.z(), 2);
        if (checked)
            put(kCheckColumn, m_result.checks[best[row]].z(), 2);
        if (!m_measuredLuck)
            continue;
        // The interval over the whole family reaches as far as the line: from the same simulation.
        const double margin = score.meanMargin(m_measuredLuck->line());
        m_table->setItem(
            row, kIntervalColumn,
            new NumberItem(score.mean(), BacktestText::meanInterval(score.mean() - margin, score.mean() + margin)));
        put(kPColumn, m_measuredLuck->pValue(score.z()), 4);
        const bool marked = m_measuredLuck->beyondLine(score.z());
        for (int column = 0; column < m_table->columnCount() && marked; ++column) {
            if (QTableWidgetItem* item = m_table->item(row, column))
                item->setBackground(kLuckyColour);
        }
    }
    m_table->setSortingEnabled(true);
    m_table->sortItems(kZColumn, Qt::DescendingOrder);
}

void BacktestWindow::requestSelected()
{
    const QList<QTableWidgetItem*> selected = m_table->selectedItems();
    if (selected.isEmpty())
        return;
    const int index = m_table->item(selected.first()->row(), 0)->data(Qt::UserRole).toInt();
    Q_EMIT dataGodsRequested(m_result.scores[index].setting);
}

void BacktestWindow::placeBeside(const QRect& popups)
{
    // Right beside them it covers older draws of the results, never the popups; the newest draws, at the
    // right edge, stay in sight where the screen is wide enough.
    const QRect screen = this->screen()->availableGeometry();
    const int frameWidth = frameGeometry().width() - width();
    const int room = screen.right() - popups.right() - frameWidth;
    resize(std::max(std::min(width(), room), minimumSizeHint().width()), height());
    move(std::min(popups.right() + 1, screen.right() + 1 - frameGeometry().width()), y());
}

void BacktestWindow::closeEvent(QCloseEvent* event)
{
    m_runner.stop();
    event->accept();
}

void BacktestWindow::keyPressEvent(QKeyEvent* event)
{
    // Escape closes it, as it closes a dialog: without a window manager there is no close box.
    if (event->key() == Qt::Key_Escape)
        close();
    else
        QWidget::keyPressEvent(event);
}
