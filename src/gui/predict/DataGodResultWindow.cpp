#include "gui/predict/DataGodResultWindow.h"

#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>

#include "core/predict/PredictValueText.h"
#include "core/store/DrawHistory.h"
#include "core/text/PredictText.h"
#include "core/wheel/WheelSettings.h"
#include "gui/kit/Pictures.h"
#include "gui/kit/ScreenScale.h"
#include "gui/predict/LatestPredictionPopup.h"

namespace {

constexpr int kNotYetDrawnCell = 312;
constexpr int kFewHitsCell = 248;
constexpr int kManyHitsCell = 314;
constexpr int kNoHitColumn = 313;
constexpr int kSixHitColumn = 315;
constexpr int kEndMark = 389;

constexpr int kColumnWidth = 15;
constexpr int kCellHeight = 15;
constexpr int kChartTop = 1;
constexpr int kChartHeight = 90;
constexpr int kLowestCellTop = 76;
constexpr int kChartBand = 92;
constexpr int kScrollBarTop = 91;
constexpr int kScrollBarWidth = DataGodResultWindow::kDesignWidth - 4;
constexpr int kScrollBarHeight = 12;
constexpr int kPageScroll = 10;

QRect designRect(int x, int y, int width, int height)
{
    const int left = ScreenScale::x(x);
    const int top = ScreenScale::y(y);
    return {left, top, ScreenScale::x(x + width) - left, ScreenScale::y(y + height) - top};
}

void drawColumn(QPainter& painter, int column, const PredictionRecord& record, const DrawHistory& history)
{
    const int x = column * kColumnWidth;
    const QRect whole = designRect(x, kChartTop, kColumnWidth, kChartHeight);
    const std::optional<int> hits = record.hits(history);
    if (!hits) {
        for (int row = 0; row < kNumbersPerDraw; ++row)
            painter.drawPixmap(designRect(x, kLowestCellTop - row * kCellHeight, kColumnWidth, kCellHeight),
                               Pictures::bitmap(kNotYetDrawnCell));
    } else if (*hits == kNumbersPerDraw) {
        painter.drawPixmap(whole, Pictures::bitmap(kSixHitColumn));
    } else if (*hits == 0 || *hits > kNumbersPerDraw) {
        painter.drawPixmap(whole, Pictures::bitmap(kNoHitColumn));
    } else {
        painter.fillRect(designRect(x, kChartTop, kColumnWidth, kLowestCellTop - kChartTop), Qt::white);
        const QPixmap cell = Pictures::bitmap(*hits <= 2 ? kFewHitsCell : kManyHitsCell);
        for (int row = 0; row < *hits; ++row)
            painter.drawPixmap(designRect(x, kLowestCellTop - row * kCellHeight, kColumnWidth, kCellHeight), cell);
    }
}

} // namespace

DataGodResultWindow::DataGodResultWindow(int slot, const DrawHistory& history, QWidget* parent)
    : QWidget(parent), m_slot(slot), m_history(history), m_scrollBar(new QScrollBar(Qt::Horizontal, this))
{
    setObjectName(QStringLiteral("resultWindow%1").arg(slot));
    setAttribute(Qt::WA_OpaquePaintEvent);
    m_scrollBar->setObjectName(QStringLiteral("scrollBar"));
    m_scrollBar->setPageStep(kColumns);
    m_scrollBar->setRange(0, 0);
    connect(m_scrollBar, &QScrollBar::actionTriggered, this, &DataGodResultWindow::onScrollAction);
    connect(m_scrollBar, &QScrollBar::valueChanged, this, &DataGodResultWindow::onScrolled);
}

DataGodResultWindow::~DataGodResultWindow()
{
    destroyLatestPopup();
}

void DataGodResultWindow::setChart(std::optional<QList<PredictionRecord>> records, bool dataGodMode,
                                   const QString& owner)
{
    m_records = std::move(records);
    m_dataGodMode = dataGodMode;
    m_owner = owner;
    update();
}

void DataGodResultWindow::updateScrollRange(bool toNewest)
{
    // The bar stops where the last page shows the newest record, as a page of 41 does.
    const QSignalBlocker quiet(m_scrollBar);
    m_scrollBar->setRange(0, qMax(0, recordCount() - kColumns));
    if (toNewest) {
        m_scrollBar->setValue(m_scrollBar->maximum());
        // The bar at the newest and the chart elsewhere would disagree.
        chartStartRef() = kLatest;
        update();
    }
}

void DataGodResultWindow::onScrollAction(int action)
{
    // The bar has moved by its own steps but not yet taken the value: a page is ten records here.
    const int position = m_scrollBar->value();
    switch (action) {
    case QAbstractSlider::SliderPageStepAdd:
        m_scrollBar->setSliderPosition(qMin(position + kPageScroll, m_scrollBar->maximum()));
        break;
    case QAbstractSlider::SliderPageStepSub:
        m_scrollBar->setSliderPosition(qMax(position - kPageScroll, m_scrollBar->minimum()));
        break;
    case QAbstractSlider::SliderToMinimum:
    case QAbstractSlider::SliderToMaximum:
        m_scrollBar->setSliderPosition(position);
        break;
    default:
        break;
    }
}

void DataGodResultWindow::onScrolled(int position)
{
    chartStartRef() = position;
    update(designRect(0, 0, kDesignWidth, kChartBand));
}

QString DataGodResultWindow::latestPopupText() const
{
    if (!m_records || m_records->isEmpty())
        return {};
    return PredictText::latestPopupText(m_owner, m_records->last());
}

void DataGodResultWindow::buildLatestPopup()
{
    const QString text = latestPopupText();
    if (m_popup || text.isEmpty())
        return;
    // A god names 6 … 13 numbers, a pool to make tickets from when it holds more than one ticket's six; a
    // registrant's one ticket is none.
    const QList<int>& named = m_records->last().numbers;
    const bool poolForWheel = m_dataGodMode && named.size() >= WheelSettings::kMinPool;
    const QList<int> wheelPool = poolForWheel ? named : QList<int>();
    m_popup = new LatestPredictionPopup(m_slot, text, this, wheelPool);
    connect(m_popup, &LatestPredictionPopup::wheelRequested, this, &DataGodResultWindow::wheelRequested);
}

void DataGodResultWindow::destroyLatestPopup()
{
    delete m_popup;
}

void DataGodResultWindow::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    painter.fillRect(event->rect(), Qt::white);
    if (m_chartResetPending) {
        m_godChartStart = kLatest;
        m_registrantChartStart = kLatest;
        m_chartResetPending = false;
    }
    if (!m_records)
        return;
    const QList<PredictionRecord>& records = *m_records;
    const int start = chartStart();
    const int first = start == kLatest ? qMax(0, int(records.size()) - kColumns) : start;
    const int end = qMin(int(records.size()), first + kColumns);
    for (int i = first; i < end; ++i)
        drawColumn(painter, i - first, records[i], m_history);
    if (start != kLatest)
        painter.drawPixmap(designRect(kColumns * kColumnWidth, kChartTop, kColumnWidth, kChartHeight),
                           Pictures::bitmap(kEndMark));
}

void DataGodResultWindow::resizeEvent(QResizeEvent*)
{
    m_scrollBar->setGeometry(designRect(0, kScrollBarTop, kScrollBarWidth, kScrollBarHeight));
}
