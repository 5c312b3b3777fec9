#pragma once

#include <QColor>
#include <QSize>

class QPainter;

/**
 * The number card's own button pictures, in the card's colours: light yellow with the form's vermilion
 * ink. Its close button shares the data-entry dialog's Cancel picture.
 */
namespace NumberCardPictures {

/** The card's light yellow and the vermilion ink its form is printed in. */
inline const QColor kCardColour(255, 255, 128);
inline const QColor kFormInk(0xc0, 0x30, 0x30);

inline constexpr QSize kClearSize{44, 44};
inline constexpr QSize kHandOverSize{96, 26};

/** 340: an eraser over "クリア". */
void drawClear(QPainter& p);
/** 153: "データ入力へ" with an arrow, the card's main action. */
void drawHandOver(QPainter& p);

} // namespace NumberCardPictures
