#include "gui/kit/CanvasText.h"

#include <QPainter>
#include <QPalette>
#include <qdrawutil.h>

namespace CanvasText {
namespace {

QRect cell(const QPainter& painter, QPoint topLeft, const QString& text)
{
    const QFontMetrics metrics = painter.fontMetrics();
    return QRect(topLeft, QSize(metrics.horizontalAdvance(text), metrics.height()));
}

} // namespace

void draw(QPainter& painter, QPoint topLeft, const QString& text, const QColor& color, const QColor& background)
{
    if (background.isValid())
        painter.fillRect(cell(painter, topLeft, text), background);
    painter.setPen(color);
    painter.drawText(topLeft + QPoint(0, painter.fontMetrics().ascent()), text);
}

void drawEdge(QPainter& painter, const QRect& rect, bool sunken)
{
    // The classic 3-D colours, whatever style the desktop uses.
    QPalette palette;
    palette.setColor(QPalette::Light, Qt::white);
    palette.setColor(QPalette::Midlight, QColor(227, 227, 227));
    palette.setColor(QPalette::Dark, QColor(160, 160, 160));
    palette.setColor(QPalette::Shadow, QColor(105, 105, 105));
    palette.setColor(QPalette::Button, QColor(240, 240, 240));
    qDrawWinPanel(&painter, rect, palette, sunken);
}

int byteLength(const QString& text)
{
    int bytes = 0;
    for (const QChar c : text)
        bytes += c.unicode() < 0x80 ? 1 : 2;
    return bytes;
}

} // namespace CanvasText
