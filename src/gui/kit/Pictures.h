#pragma once

#include <QCursor>
#include <QIcon>
#include <QPixmap>
#include <QRectF>

class QPainter;

/**
 * The program's own pictures by resource id: bitmaps, cursors and icons, drawn in code and cached.
 * An id without a picture gives a visible placeholder instead of failing.
 */
class Pictures {
public:
    static QPixmap bitmap(int id);
    static QCursor cursor(int id);
    static QIcon icon(int id);

    /**
     * Draws picture id stretched over target at the target's own resolution, so that a picture shown
     * larger than its size (the full-screen opening picture) stays sharp.
     */
    static void paint(QPainter& painter, const QRectF& target, int id);
};
