#include "gui/predict/HitScreenPictures.h"

#include <QPainter>

#include "core/text/PredictText.h"
#include "gui/kit/JapaneseFonts.h"

namespace HitScreenPictures {

void drawRowCaptions(QPainter& p)
{
    // White lets the panel show through the AND copy; only the dark words remain.
    p.fillRect(QRect(QPoint(0, 0), kRowCaptionSize), Qt::white);
    const int rowHeight = kRowCaptionSize.height() / 4;
    const int textLeft = 8;
    QFont font = JapaneseFonts::font(JapaneseFonts::kGothic, 12, 700);
    p.setFont(font);
    while (font.pixelSize() > 7
           && p.fontMetrics().horizontalAdvance(PredictText::hitRowCaption(6)) > kRowCaptionSize.width() - textLeft) {
        font.setPixelSize(font.pixelSize() - 1);
        p.setFont(font);
    }
    const QColor ink(0x30, 0x30, 0x30);
    for (int row = 0; row < 4; ++row) {
        const QRect line(0, row * rowHeight, kRowCaptionSize.width(), rowHeight);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0xc8, 0xc8, 0xc8));
        p.drawEllipse(QRectF(1, line.top() + 4.5, 5, 5));
        p.setPen(ink);
        p.drawText(line.adjusted(textLeft, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                   PredictText::hitRowCaption(6 - row));
    }
}

} // namespace HitScreenPictures
