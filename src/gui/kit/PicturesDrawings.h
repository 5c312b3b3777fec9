#pragma once

#include <QPoint>
#include <QSize>

class QPainter;

/** How each picture of the program is drawn, in its own pixel size. */
namespace PicturesDrawings {

struct Drawing {
    int id;
    QSize size;
    void (*draw)(QPainter& painter);
    QPoint hotSpot; ///< where a cursor points
};

/** The drawing of a picture id, or nullptr when the program has none. */
const Drawing* find(int id);

/** The drawing shown for an id without a picture. */
const Drawing& placeholder();

} // namespace PicturesDrawings
