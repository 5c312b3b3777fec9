#include "kit/PictureArt.h"

#include <QLinearGradient>
#include <QPainter>

#include <cmath>
#include <numbers>

#include "kit/JapaneseFonts.h"

namespace PictureArt {

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
