#include "gui/patterns/HistoryGraphWindow.h"

#include <QHideEvent>
#include <QPainter>
#include <QScrollBar>

#include "core/store/DrawHistory.h"
#include "gui/kit/ScreenScale.h"
#include "gui/patterns/LastEnteredPrediction.h"

HistoryGraphWindow::HistoryGraphWindow(const DrawHistory& history, LastEnteredPrediction& preview, QWidget* parent)
    : QWidget(parent), m_history(history), m_preview(preview), m_scrollBar(new QScrollBar(Qt::Horizontal, this))
{
    setObjectName(QStringLiteral("HistoryGraphWindow"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    m_scrollBar->setObjectName(QStringLiteral("scrollBar"));
    m_scrollBar->setPageStep(HistoryGraphScroll::kPage);
    m_scrollBar->setRange(0, HistoryGraphScroll::lastPosition(history.drawCount()));
    connect(m_scrollBar, &QScrollBar::actionTriggered, this, &HistoryGraphWindow::onScrollAction);
    connect(m_scrollBar, &QScrollBar::valueChanged, this, &HistoryGraphWindow::onScrolled);
}

void HistoryGraphWindow::showGraph()
{
    showFrom(m_firstColumn);
}

void HistoryGraphWindow::showDraw(int draw)
{
    showFrom(HistoryGraphScroll::positionForDraw(draw, m_history.drawCount()));
}

void HistoryGraphWindow::showFrom(int position)
{
    setGeometry(parentWidget()->rect());
    {
        // The whole graph is drawn again below; the bar only takes the new range and place.
        const QSignalBlocker quiet(m_scrollBar);
        m_scrollBar->setRange(0, HistoryGraphScroll::lastPosition(m_history.drawCount()));
        m_scrollBar->setValue(position);
    }
    m_firstColumn = m_scrollBar->value();
    m_canvas.invalidateAll();
    update();
    raise();
    show();
}

bool HistoryGraphWindow::scrollByKey(int key)
{
    switch (key) {
    case Qt::Key_Home:
        m_scrollBar->triggerAction(QAbstractSlider::SliderToMinimum);
        return true;
    case Qt::Key_End:
        m_scrollBar->triggerAction(QAbstractSlider::SliderToMaximum);
        return true;
    case Qt::Key_PageUp:
        m_scrollBar->triggerAction(QAbstractSlider::SliderPageStepSub);
        return true;
    case Qt::Key_PageDown:
        m_scrollBar->triggerAction(QAbstractSlider::SliderPageStepAdd);
        return true;
    default:
        return false;
    }
}

void HistoryGraphWindow::onScrollAction(int action)
{
    // The bar has moved by its own steps but not yet taken the value: ours replace them.
    m_scrollBar->setSliderPosition(HistoryGraphScroll::afterAction(
        action, m_scrollBar->value(), m_scrollBar->sliderPosition(), m_history.drawCount()));
}

void HistoryGraphWindow::onScrolled(int position)
{
    m_firstColumn = position;
    const QRect area = layout().scrolledArea(width());
    m_canvas.invalidate(area, true);
    update(area);
}

HistoryGraphLayout HistoryGraphWindow::layout() const
{
    return HistoryGraphLayout::forHeight(height(), m_firstColumn);
}

void HistoryGraphWindow::paintEvent(QPaintEvent* event)
{
    m_canvas.redraw([this](QPainter& painter) {
        m_painter.paint(painter,
                        {m_history, layout(), HistoryGraphPreview::from(m_preview, m_history.drawCount()), width()});
    });
    QPainter painter(this);
    painter.drawImage(event->rect(), m_canvas.image(), event->rect());
}

void HistoryGraphWindow::resizeEvent(QResizeEvent*)
{
    m_canvas.resize(size());
    m_scrollBar->setGeometry(0, height() - ScreenScale::y(25), width(), ScreenScale::y(24));
}

void HistoryGraphWindow::hideEvent(QHideEvent* event)
{
    // A preview lasts while the graph is up; the window system hiding it with the program does not count.
    if (!event->spontaneous())
        m_preview.entered = false;
    QWidget::hideEvent(event);
}
