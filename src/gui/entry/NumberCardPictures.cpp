#include "gui/entry/NumberCardPictures.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include "gui/kit/JapaneseFonts.h"

namespace NumberCardPictures {
namespace {

const QColor kCardLight(255, 255, 208);
const QColor kInkDark(0x8c, 0x18, 0x18);

// A face like a cut-out of the form: light yellow, framed twice in the form's ink.
void drawFormFace(QPainter& p, QSizeF size)
{
    QLinearGradient face(0, 0, 0, size.height());
    face.setColorAt(0, kCardLight);
    face.setColorAt(1, kCardColour);
    p.fillRect(QRectF(QPointF(0, 0), size), face);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kFormInk, 1.4));
    p.drawRect(QRectF(2.5, 2.5, size.width() - 5, size.height() - 5));
    p.setPen(QPen(kFormInk, 0.6));
    p.drawRect(QRectF(4.5, 4.5, size.width() - 9, size.height() - 9));
}

void writeText(QPainter& p, const QRectF& area, int pixelHeight, const QColor& colour, const QString& text)
{
    p.setFont(JapaneseFonts::font(JapaneseFonts::kGothic, pixelHeight, 700));
    p.setPen(colour);
    p.drawText(area, Qt::AlignCenter | Qt::TextSingleLine, text);
}

} // namespace

void drawClear(QPainter& p)
{
    drawFormFace(p, kClearSize);
    // An eraser lying at a slant, its sleeve in the form's ink.
    p.save();
    p.translate(22, 15);
    p.rotate(-24);
    p.setPen(QPen(kInkDark, 0.8));
    p.setBrush(QColor(0xff, 0xf8, 0xf0));
    p.drawRoundedRect(QRectF(-13, -6, 14, 12), 2, 2);
    p.setBrush(kFormInk);
    p.drawRoundedRect(QRectF(1, -6, 12, 12), 1.5, 1.5);
    p.restore();
    // Crumbs of a rubbed-out mark.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x80, 0x80, 0x88));
    p.drawEllipse(QPointF(9, 24), 1, 1);
    p.drawEllipse(QPointF(13, 26), 0.8, 0.8);
    writeText(p, QRectF(5, 26, 34, 12), 10, kInkDark, QStringLiteral("クリア"));
}

void drawHandOver(QPainter& p)
{
    const QRectF face(QPointF(0, 0), QSizeF(kHandOverSize));
    QLinearGradient ink(0, 0, 0, face.height());
    ink.setColorAt(0, kFormInk.lighter(125));
    ink.setColorAt(1, kInkDark);
    p.fillRect(face, ink);
    p.setPen(QPen(kCardColour, 0.8));
    p.setBrush(Qt::NoBrush);
    p.drawRect(face.adjusted(3.5, 3.5, -3.5, -3.5));
    writeText(p, QRectF(7, 4, 66, 18), 11, Qt::white, QStringLiteral("データ入力へ"));
    QPainterPath arrow(QPointF(79, 8));
    arrow.lineTo(QPointF(88, 13));
    arrow.lineTo(QPointF(79, 18));
    arrow.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(kCardColour);
    p.drawPath(arrow);
}

} // namespace NumberCardPictures
