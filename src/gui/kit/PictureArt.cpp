#include "gui/kit/PictureArt.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

#include <cmath>
#include <numbers>

#include "gui/kit/JapaneseFonts.h"

namespace PictureArt {

void drawSuzuBell(QPainter& p, const SuzuBell& bell, QPointF hook, qreal angle)
{
    p.save();
    p.translate(hook);
    p.rotate(angle);
    p.setPen(QPen(kVermilion, bell.cordWidth, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(0, 0), QPointF(0, bell.cordLength));
    if (bell.fineDetail) {
        p.setPen(QPen(kGoldDark, 1.2));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QPointF(0, bell.cordLength + 0.5), 2, 2);
    }
    QRadialGradient metal(bell.shine, bell.bodyRadius + 4);
    metal.setColorAt(0, kGoldLight);
    metal.setColorAt(0.6, kGold);
    metal.setColorAt(1, kGoldDark);
    p.setPen(QPen(QColor(0x70, 0x48, 0x00), 1));
    p.setBrush(metal);
    p.drawEllipse(QPointF(0, bell.bodyDrop), bell.bodyRadius, bell.bodyRadius);
    const QColor slitColour(0x50, 0x30, 0x00);
    const QPointF slitLeft(-bell.slitHalfWidth, bell.slitDrop);
    const QPointF slitRight(bell.slitHalfWidth, bell.slitDrop);
    p.setPen(QPen(slitColour, bell.slitWidth, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(slitLeft, slitRight);
    p.drawLine(QPointF(0, bell.slitDrop), QPointF(0, bell.slitEnd));
    if (bell.fineDetail) {
        p.setBrush(slitColour);
        p.drawEllipse(slitLeft, 1.2, 1.2);
        p.drawEllipse(slitRight, 1.2, 1.2);
    }
    p.restore();
}

QPainterPath star(QPointF centre, qreal outer, qreal inner)
{
    QPainterPath path;
    for (int i = 0; i < 10; ++i) {
        const qreal radius = i % 2 == 0 ? outer : inner;
        const qreal angle = -std::numbers::pi / 2 + i * std::numbers::pi / 5;
        const QPointF point = centre + QPointF(radius * std::cos(angle), radius * std::sin(angle));
        if (i == 0)
            path.moveTo(point);
        else
            path.lineTo(point);
    }
    path.closeSubpath();
    return path;
}

void drawCaptionedFace(QPainter& p, QSize size, const QColor& top, const QColor& bottom, const QString& caption,
                       int pixels, qreal corner)
{
    const QRectF face(0.5, 0.5, size.width() - 1, size.height() - 1);
    QLinearGradient shade(0, 0, 0, size.height());
    shade.setColorAt(0, top);
    shade.setColorAt(1, bottom);
    p.setPen(QPen(bottom.darker(150), 1));
    p.setBrush(shade);
    p.drawRoundedRect(face, corner, corner);
    p.setFont(JapaneseFonts::font(JapaneseFonts::kPGothic, pixels, 700));
    p.setPen(kNavy);
    p.drawText(face, Qt::AlignCenter, caption);
}

} // namespace PictureArt
