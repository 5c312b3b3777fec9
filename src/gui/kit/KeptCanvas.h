#pragma once

#include <QImage>
#include <QRegion>

#include <functional>

class QPainter;

/**
 * The picture a window shows, kept between paints. Areas are marked stale, with or without
 * erasing, and redrawn together at the next paint with the drawing clipped to them, so a redraw
 * without erasing paints over what is there. The pixels can be read back at any time.
 */
class KeptCanvas {
public:
    /** A new size starts a white picture that is wholly stale. */
    void resize(QSize size);

    const QImage& image() const { return m_image; }
    QRgb pixel(QPoint point) const;

    /** Marks an area stale; erasing fills the whole stale area with white before the redraw. */
    void invalidate(const QRect& area, bool erase);
    void invalidateAll() { invalidate(m_image.rect(), true); }

    /** Redraws the stale area, if any. */
    void redraw(const std::function<void(QPainter&)>& draw);

    /** Draws at once, outside any redraw. */
    void drawNow(const std::function<void(QPainter&)>& draw);

private:
    QImage m_image;
    QRegion m_stale;
    bool m_erase = false;
};
