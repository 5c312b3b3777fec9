#pragma once

#include <QPoint>
#include <QSize>

#include <span>

class QPainter;

/**
 * How each picture of the program is drawn, in its own pixel size: the kit's own pictures, and the tables
 * the features add once at start.
 */
namespace PicturesDrawings {

struct Drawing {
    int id;
    QSize size;
    void (*draw)(QPainter& painter);
    QPoint hotSpot; ///< where a cursor points
};

/** Adds a feature's table of pictures; a table added before is not added again. */
void add(std::span<const Drawing> drawings);

/** The drawing of a picture id, or nullptr when the program has none. */
const Drawing* find(int id);

/** The drawing shown for an id without a picture. */
const Drawing& placeholder();

} // namespace PicturesDrawings
