#include "gui/entry/RegistrantPictures.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include "core/text/EntryText.h"
#include "gui/entry/RegistrantColours.h"
#include "gui/kit/PictureArt.h"

namespace RegistrantPictures {
namespace {

using PictureArt::kNavy;

QPainterPath sheet()
{
    QPainterPath path(QPointF(11, 3));
    path.lineTo(QPointF(24, 3));
    path.lineTo(QPointF(30, 9));
    path.lineTo(QPointF(30, 29));
    path.lineTo(QPointF(11, 29));
    path.closeSubpath();
    return path;
}

void drawButtonFace(QPainter& p, const QColor& top, const QColor& bottom, const QString& caption)
{
    PictureArt::drawCaptionedFace(p, kButtonFaceSize, top, bottom, caption, 15, 5);
}

} // namespace

void drawFreeSlot(QPainter& p)
{
    p.fillRect(QRectF(0, 0, 40, 32), QColor(0xee, 0xee, 0xee));
    p.setPen(QPen(QColor(0x90, 0x90, 0x90), 1.5, Qt::DashLine));
    p.setBrush(Qt::NoBrush);
    p.drawPath(sheet());
    p.setPen(QPen(QColor(0x90, 0x90, 0x90), 2.5));
    p.drawLine(QPointF(20.5, 11), QPointF(20.5, 23));
    p.drawLine(QPointF(14.5, 17), QPointF(26.5, 17));
}

void drawRegisteredSlot(QPainter& p)
{
    p.fillRect(QRectF(0, 0, 40, 32), QColor(0xff, 0xf3, 0xb0));
    p.setPen(QPen(kNavy, 1.5));
    p.setBrush(Qt::white);
    p.drawPath(sheet());
    p.setPen(QPen(QColor(0x3a, 0x5a, 0xc8), 1.5));
    for (const qreal y : {11.0, 15.0, 19.0})
        p.drawLine(QPointF(14, y), QPointF(27, y));
    // A green tick tells at a glance that the slot holds a file.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x20, 0xa0, 0x40));
    p.drawEllipse(QPointF(29, 23), 7, 7);
    p.setPen(QPen(Qt::white, 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(QPolygonF{QPointF(25.5, 23), QPointF(28, 25.8), QPointF(32.5, 20.5)});
}

void drawColourFrame(QPainter& p, int slot)
{
    const QColor colour = registrantColour(slot);
    const QRectF outer(0.5, 0.5, kColourFrameSize.width() - 1, kColourFrameSize.height() - 1);
    QLinearGradient shade(0, 0, 0, kColourFrameSize.height());
    shade.setColorAt(0, colour.lighter(140));
    shade.setColorAt(0.5, colour);
    shade.setColorAt(1, colour.darker(130));
    p.setPen(QPen(colour.darker(160), 1));
    p.setBrush(shade);
    p.drawRoundedRect(outer, 6, 6);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    // The edit covers the middle; the colour reaches in under its edge whatever the stretch.
    p.drawRect(QRectF(12, 9, kColourFrameSize.width() - 24, kColourFrameSize.height() - 18));
}

void drawOkFace(QPainter& p)
{
    drawButtonFace(p, QColor(0xe8, 0xf4, 0xff), QColor(0x9c, 0xc4, 0xf0), EntryText::registrantOkButton());
}

void drawCancelFace(QPainter& p)
{
    drawButtonFace(p, QColor(0xff, 0xee, 0xee), QColor(0xf0, 0xb4, 0xb4), EntryText::registrantCancelButton());
}

} // namespace RegistrantPictures
