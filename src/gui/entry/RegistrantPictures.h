#pragma once

#include <QRectF>
#include <QSize>

class QPainter;

/** The pictures of the registrant dialog, each drawn in its own pixel size. */
namespace RegistrantPictures {

/** Slot state pictures: 262 free, 268 registered. */
inline constexpr QSize kSlotStateSize{40, 32};
/** Colour frames 263 … 267 behind the name edits of slots 1 … 5. */
inline constexpr QSize kColourFrameSize{160, 36};
/** The OK (387) and Cancel (386) button faces, captions included. */
inline constexpr QSize kButtonFaceSize{96, 28};

void drawFreeSlot(QPainter& p);
void drawRegisteredSlot(QPainter& p);
void drawColourFrame(QPainter& p, int slot);
template <int Slot>
void drawColourFrameOf(QPainter& p)
{
    drawColourFrame(p, Slot);
}
void drawOkFace(QPainter& p);
void drawCancelFace(QPainter& p);

} // namespace RegistrantPictures
