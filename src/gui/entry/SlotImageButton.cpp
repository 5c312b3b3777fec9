#include "gui/entry/SlotImageButton.h"

#include <QPainter>

#include "gui/entry/RegistrantPictures.h"
#include "gui/kit/CanvasText.h"
#include "gui/kit/Pictures.h"

namespace {

constexpr int kFreePicture = 262;
constexpr int kRegisteredPicture = 268;

} // namespace

SlotImageButton::SlotImageButton(int slot, QWidget* parent) : QAbstractButton(parent)
{
    setObjectName(QStringLiteral("slotButton%1").arg(slot));
    setAccessibleName(QStringLiteral("YDFileImage%1").arg(slot));
    setCheckable(true);
    setAutoExclusive(true);
}

void SlotImageButton::setRegistered(bool registered)
{
    m_registered = registered;
    update();
}

QSize SlotImageButton::sizeHint() const
{
    return RegistrantPictures::kSlotStateSize;
}

void SlotImageButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const bool pushed = isDown() || isChecked();
    const int shift = pushed ? 1 : 0;
    Pictures::paint(painter, QRectF(rect()).translated(shift, shift), m_registered ? kRegisteredPicture : kFreePicture);
    CanvasText::drawEdge(painter, rect(), pushed);
    if (hasFocus()) {
        painter.setPen(QPen(Qt::black, 1, Qt::DotLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(rect().adjusted(3, 3, -4, -4));
    }
}
