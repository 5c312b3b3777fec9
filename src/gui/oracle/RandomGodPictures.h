#pragma once

#include <QSize>

#include <span>

#include "gui/kit/PicturesDrawings.h"

class QPainter;

/**
 * The random-god dialog's pictures by resource id: the screens' backgrounds with the god's words, the
 * button faces and the lucky colours in their normal and chosen looks. Each is drawn in its own size,
 * two pixels to a dialog unit, so that the words line up with the controls over them.
 */
namespace RandomGodPictures {

inline constexpr int kPixelsPerUnit = 2;
/** Backgrounds 155, 159, 166, 170, 173, 194, 195, 196, 197: the template's 365 × 133 units. */
inline constexpr QSize kBackgroundSize{365 * kPixelsPerUnit, 133 * kPixelsPerUnit};
/** Button faces 157, 158, 160 … 165, 172: 58 × 30 units. */
inline constexpr QSize kButtonSize{58 * kPixelsPerUnit, 30 * kPixelsPerUnit};
/** Lucky colours 174 … 193: 15 × 35 units. */
inline constexpr QSize kColourSize{15 * kPixelsPerUnit, 35 * kPixelsPerUnit};

/** The lucky colour's normal and chosen pictures, colour 1 (茶) … 10 (黒). */
int normalColourPicture(int colour);
int chosenColourPicture(int colour);

/** Draws picture id, one of the above; the table of pictures takes it as drawPicture<id>. */
void draw(QPainter& p, int id);
template <int Id>
void drawPicture(QPainter& p)
{
    draw(p, Id);
}

/** The table of these pictures, which the shell adds to the program's pictures at start. */
std::span<const PicturesDrawings::Drawing> drawings();

} // namespace RandomGodPictures
