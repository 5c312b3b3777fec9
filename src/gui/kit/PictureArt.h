#pragma once

#include <QColor>
#include <QPainterPath>
#include <QPointF>
#include <QSize>

class QPainter;

/** What the program's drawn pictures share: their colours and shapes. */
namespace PictureArt {

inline const QColor kGoldLight(0xff, 0xf3, 0xb0);
inline const QColor kGold(0xe8, 0xb0, 0x28);
inline const QColor kGoldDark(0x9a, 0x66, 0x08);
inline const QColor kVermilion(0xc8, 0x28, 0x2d);
inline const QColor kPaper(0xff, 0xf8, 0xe8);
inline const QColor kNavy(0x1c, 0x2a, 0x5a);

/** The measures of a gold suzu bell, in pixels down from the point it hangs from. */
struct SuzuBell {
    qreal cordLength = 0; ///< the vermilion cord it hangs by
    qreal cordWidth = 0;
    qreal bodyDrop = 0; ///< to the centre of the round body
    qreal bodyRadius = 0;
    QPointF shine;      ///< where the gold is brightest
    qreal slitDrop = 0; ///< to the slit across the body
    qreal slitHalfWidth = 0;
    qreal slitEnd = 0;       ///< where the slit down the body ends
    qreal slitWidth = 0;     ///< of the pen the slit is drawn with
    bool fineDetail = false; ///< a ring under the cord and round ends to the slit, for the small picture
};

/** Draws the bell hanging from hook, swung by angle degrees clockwise. */
void drawSuzuBell(QPainter& p, const SuzuBell& bell, QPointF hook, qreal angle);

/** A five-pointed star, point up, between the two radii. */
QPainterPath star(QPointF centre, qreal outer, qreal inner);

/** A plain button face of the given size: a rounded rectangle shaded top to bottom, the caption centred in navy. */
void drawCaptionedFace(QPainter& p, QSize size, const QColor& top, const QColor& bottom, const QString& caption,
                       int pixels, qreal corner);

} // namespace PictureArt
