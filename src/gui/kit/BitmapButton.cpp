#include "gui/kit/BitmapButton.h"

#include <QPainter>

#include "gui/kit/CanvasText.h"
#include "gui/kit/Pictures.h"

BitmapButton::BitmapButton(const QString& name, int pictureId, QWidget* parent)
    : QPushButton(parent), m_pictureId(pictureId)
{
    setObjectName(name);
}

void BitmapButton::setPicture(int pictureId)
{
    m_pictureId = pictureId;
    update();
}

void BitmapButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    // A pressed button shows its picture pushed in by a pixel inside a sunken frame.
    const bool pushed = isDown() || isChecked();
    const int shift = pushed ? 1 : 0;
    Pictures::paint(painter, QRectF(rect()).adjusted(shift, shift, shift, shift), m_pictureId);
    CanvasText::drawEdge(painter, rect(), pushed);
    if (hasFocus() && window()->testAttribute(Qt::WA_KeyboardFocusChange)) {
        painter.setPen(QPen(Qt::black, 1, Qt::DotLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(rect().adjusted(3, 3, -4, -4));
    }
    if (!isEnabled())
        painter.fillRect(rect(), QColor(255, 255, 255, 140));
}
