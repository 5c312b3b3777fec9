#include "gui/kit/WeightingButton.h"

#include <QPainter>

#include "gui/kit/CanvasText.h"
#include "gui/kit/ViewText.h"

WeightingButton::WeightingButton(const QFont& font, QWidget* parent) : QAbstractButton(parent)
{
    setFont(font);
    setFocusPolicy(Qt::NoFocus);
}

void WeightingButton::setWeighting(bool on)
{
    m_weighting = on;
    update();
}

void WeightingButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), m_weighting ? QColor(255, 0, 255) : QColor(128, 50, 255));
    CanvasText::drawEdge(painter, rect(), isDown());
    painter.setPen(m_weighting ? QColor(255, 255, 255) : QColor(255, 255, 128));
    drawCaption(painter);
}

void WeightingButton::drawCaption(QPainter& painter)
{
    painter.drawText(rect().translated(2, 1), Qt::AlignCenter | Qt::TextSingleLine,
                     m_weighting ? ViewText::weightingOn() : ViewText::weightingOff());
}
