#include "gui/kit/KeptCanvas.h"

#include <QPainter>

void KeptCanvas::resize(QSize size)
{
    if (size == m_image.size())
        return;
    m_image = QImage(size, QImage::Format_RGB32);
    m_image.fill(Qt::white);
    m_stale = QRegion();
    invalidateAll();
}

QRgb KeptCanvas::pixel(QPoint point) const
{
    return m_image.valid(point) ? m_image.pixel(point) : qRgb(255, 255, 255);
}

void KeptCanvas::invalidate(const QRect& area, bool erase)
{
    const QRect clipped = area & m_image.rect();
    if (clipped.isEmpty())
        return;
    m_stale += clipped;
    m_erase = m_erase || erase;
}

void KeptCanvas::redraw(const std::function<void(QPainter&)>& draw)
{
    if (m_stale.isEmpty())
        return;
    const QRegion stale = m_stale;
    const bool erase = m_erase;
    m_stale = QRegion();
    m_erase = false;
    QPainter painter(&m_image);
    painter.setClipRegion(stale);
    if (erase)
        painter.fillRect(stale.boundingRect(), Qt::white);
    draw(painter);
}

void KeptCanvas::drawNow(const std::function<void(QPainter&)>& draw)
{
    QPainter painter(&m_image);
    draw(painter);
}
