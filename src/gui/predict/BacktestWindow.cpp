#include "predict/BacktestWindow.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QKeyEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <numeric>

#include "app/CVemoDoc.h"
#include "app/CVemoView.h"
#include "app/ContextHelpPopupFilter.h"
#include "app/JapaneseFonts.h"
#include "app/ScreenScale.h"
#include "predict/BacktestHeatMap.h"
#include "predict/DataGodEngine.h"
#include "text/BacktestText.h"
#include "text/PredictText.h"

namespace {

constexpr int kDrawsId = 1601;
constexpr int kWalkForwardId = 1602;
constexpr int kExplanationId = 1603;
constexpr int kStartId = 1604;
constexpr int kCancelId = 1605;
constexpr int kProgressId = 1606;
constexpr int kAmountId = 1607;
constexpr int kPreferenceId = 1608;
constexpr int kHeatMapId = 1609;
constexpr int kLuckId = 1610;
constexpr int kTableId = 1611;
constexpr int kRunSelectedId = 1612;
constexpr int kCloseId = 1613;

constexpr int kDrawChoices[] = {100, 200, 500, 0}; // 0: all
constexpr int kAmounts[] = {50, 100, 150, 200, DataGodSettings::kAllDraws};
constexpr int kBestRows = 20;

template <typename Control>
Control* identified(Control* control, int id)
{
    control->setObjectName(QStringLiteral("id%1").arg(id));
    control->setProperty("controlId", id);
    return control;
}

// Sorts by the value rather than by the text.
class NumberItem : public QTableWidgetItem {
public:
    NumberItem(double value, int decimals) : QTableWidgetItem(QString::number(value, 'f', decimals)), m_value(value)
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
QComboBox* addChoice(QHBoxLayout* layout, const QString& caption, int id)
{
    layout->addWidget(new QLabel(caption));
    auto* choice = identified(new QComboBox, id);
    layout->addWidget(choice);
    return choice;
}

} // namespace

BacktestWindow* BacktestWindow::open(CVemoView& view)
{
    if (!s_window) {
        s_window = new BacktestWindow(view);
        s_window->setAttribute(Qt::WA_DeleteOnClose);
    }
    s_window->show();
    s_window->raise();
    s_window->activateWindow();
    return s_window;
}

BacktestWindow::BacktestWindow(CVemoView& view)
    // A tool window of the main window: a window manager keeps it above the main window.
    : QWidget(&view, Qt::Tool), m_view(view), m_cancelled(std::make_shared<std::atomic_bool>(false))
{
    setWindowTitle(BacktestText::windowTitle());
    setFont(JapaneseFonts::font(JapaneseFonts::kGothic, 13));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(controlRow());
    auto* explanation = identified(new QLabel(BacktestText::walkForwardExplanation()), kExplanationId);
    explanation->setWordWrap(true);
    layout->addWidget(explanation);
    m_progress = identified(new QProgressBar, kProgressId);
    m_progress->setValue(0);
    layout->addWidget(m_progress);
    layout->addWidget(mapChoiceRow());
    m_heatMap = identified(new BacktestHeatMap, kHeatMapId);
    layout->addWidget(m_heatMap);
    m_luck = identified(new QLabel(BacktestText::notComputed()), kLuckId);
    layout->addWidget(m_luck);

    m_table = identified(new QTableWidget(0, int(BacktestText::tableHeaders().size())), kTableId);
    m_table->setHorizontalHeaderLabels(BacktestText::tableHeaders());
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->verticalHeader()->hide();
    m_table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_table->setMinimumHeight(220);
    layout->addWidget(m_table, 1);
    connect(m_table, &QTableWidget::itemSelectionChanged, this,
            [this] { m_runSelected->setEnabled(!m_table->selectedItems().isEmpty()); });

    m_runSelected = identified(new QPushButton(BacktestText::runSelected()), kRunSelectedId);
    m_runSelected->setEnabled(false);
    connect(m_runSelected, &QPushButton::clicked, this, &BacktestWindow::requestSelected);
    auto* closeButton = identified(new QPushButton(BacktestText::closeButton()), kCloseId);
    connect(closeButton, &QPushButton::clicked, this, &QWidget::close);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_runSelected);
    buttons->addWidget(closeButton);
    layout->addLayout(buttons);
    installHelp();
}

BacktestWindow::~BacktestWindow()
{
    stopWorker();
}

QWidget* BacktestWindow::controlRow()
{
    auto* row = new QWidget;
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    m_draws = addChoice(layout, BacktestText::drawsCaption(), kDrawsId);
    m_draws->addItems(BacktestText::drawsChoices());
    m_draws->setCurrentIndex(int(std::size(kDrawChoices)) - 1);
    m_walkForward = identified(new QCheckBox(BacktestText::walkForward()), kWalkForwardId);
    layout->addWidget(m_walkForward);
    layout->addStretch();
    m_start = identified(new QPushButton(BacktestText::start()), kStartId);
    m_cancel = identified(new QPushButton(BacktestText::cancel()), kCancelId);
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
    m_amount = addChoice(layout, BacktestText::amountCaption(), kAmountId);
    for (const int amount : kAmounts)
        m_amount->addItem(PredictText::dataAmount(amount), amount);
    m_preference = addChoice(layout, BacktestText::preferenceCaption(), kPreferenceId);
    m_preference->addItems(BacktestText::preferenceChoices());
    layout->addStretch();
    connect(m_amount, &QComboBox::currentIndexChanged, this, &BacktestWindow::showMaps);
    connect(m_preference, &QComboBox::currentIndexChanged, this, &BacktestWindow::showMaps);
    return row;
}

void BacktestWindow::installHelp()
{
    auto* help = new ContextHelpPopupFilter(this);
    help->setText(kDrawsId, BacktestText::drawsHelp());
    help->setText(kWalkForwardId, BacktestText::walkForwardHelp());
    help->setText(kExplanationId, BacktestText::walkForwardHelp());
    help->setText(kStartId, BacktestText::startHelp());
    help->setText(kCancelId, BacktestText::cancelHelp());
    help->setText(kProgressId, BacktestText::progressHelp());
    help->setText(kAmountId, BacktestText::mapChoiceHelp());
    help->setText(kPreferenceId, BacktestText::mapChoiceHelp());
    help->setText(kHeatMapId, BacktestText::heatMapHelp());
    help->setText(kLuckId, BacktestText::luckHelp());
    help->setText(kTableId, BacktestText::tableHelp());
    help->setText(kRunSelectedId, BacktestText::runSelectedHelp());
}

void BacktestWindow::startRun()
{
    stopWorker();
    // The copy of the history is taken here, on this thread; the workers never see the document.
    auto backtest = std::make_shared<DataGodBacktest>(m_view.document().history());
    BacktestChoice choice = BacktestChoice::everySetting(backtest->drawCount());
    const int last = kDrawChoices[std::size_t(m_draws->currentIndex())];
    if (last > 0)
        choice.firstDraw = std::max(DataGodEngine::kFirstPredictedDraw, choice.lastDraw - last + 1);
    choice.walkForward = m_walkForward->isChecked();
    m_cancelled = std::make_shared<std::atomic_bool>(false);
    m_start->setEnabled(false);
    m_cancel->setEnabled(true);
    m_progress->setValue(0);
    const auto progress = [this](int done, int total) {
        QMetaObject::invokeMethod(this, [this, done, total] { showProgress(done, total); }, Qt::QueuedConnection);
    };
    const int run = ++m_run;
    m_worker = std::make_unique<std::thread>([this, backtest, choice, progress, run, cancelled = m_cancelled] {
        QList<BacktestScore> scores = backtest->run(choice, progress, cancelled.get());
        if (!cancelled->load())
            QMetaObject::invokeMethod(this, [this, run, scores] { takeScores(run, scores); }, Qt::QueuedConnection);
    });
}

void BacktestWindow::cancelRun()
{
    ++m_run;
    stopWorker();
    m_progress->setValue(0);
    m_start->setEnabled(true);
    m_cancel->setEnabled(false);
}

void BacktestWindow::stopWorker()
{
    if (!m_worker)
        return;
    m_cancelled->store(true);
    m_worker->join();
    m_worker.reset();
}

void BacktestWindow::showProgress(int done, int total)
{
    if (!m_cancel->isEnabled())
        return; // a report still queued from a cancelled run
    m_progress->setMaximum(total);
    m_progress->setValue(std::max(m_progress->value(), done));
}

void BacktestWindow::takeScores(int run, const QList<BacktestScore>& scores)
{
    // The scores of a run cancelled or replaced after it ended are not shown.
    if (run != m_run)
        return;
    if (m_worker) {
        m_worker->join();
        m_worker.reset();
    }
    m_scores = scores;
    m_progress->setValue(m_progress->maximum());
    m_start->setEnabled(true);
    m_cancel->setEnabled(false);
    showMaps();
    fillTable();
    m_luck->setText(BacktestText::luckLine(int(scores.size()), DataGodBacktest::luckThreshold(int(scores.size()))));
    Q_EMIT finished();
}

void BacktestWindow::showMaps()
{
    m_heatMap->showScores(m_scores, m_amount->currentData().toInt(), m_preference->currentIndex() == 0);
}

void BacktestWindow::fillTable()
{
    QList<int> best(m_scores.size());
    std::iota(best.begin(), best.end(), 0);
    std::stable_sort(best.begin(), best.end(), [this](int a, int b) { return m_scores[a].z() > m_scores[b].z(); });
    best.resize(std::min<qsizetype>(kBestRows, best.size()));

    m_table->setSortingEnabled(false);
    m_table->setRowCount(int(best.size()));
    for (int row = 0; row < int(best.size()); ++row) {
        const BacktestScore& score = m_scores[best[row]];
        const DataGodSettings& s = score.setting;
        auto* god = new QTableWidgetItem(PredictText::dataGods()[std::size_t(score.order - DataGodEngine::kLowestOrder)].caption);
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
        put(6, score.chance(), 4);
        put(7, score.z(), 2);
    }
    m_table->setSortingEnabled(true);
    m_table->sortItems(int(BacktestText::tableHeaders().size()) - 1, Qt::DescendingOrder);
}

void BacktestWindow::requestSelected()
{
    const QList<QTableWidgetItem*> selected = m_table->selectedItems();
    if (selected.isEmpty())
        return;
    const int index = m_table->item(selected.first()->row(), 0)->data(Qt::UserRole).toInt();
    keepClearOfResults();
    Q_EMIT dataGodsRequested(m_scores[index].setting);
}

void BacktestWindow::keepClearOfResults()
{
    // The gods' results open with their popups in the left half of the screen: the window makes way to the
    // right edge, as narrow as it may be, so that they come up beside it.
    resize(minimumSizeHint().width(), height());
    move(ScreenScale::width() - frameGeometry().width(), y());
}

void BacktestWindow::closeEvent(QCloseEvent* event)
{
    stopWorker();
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
