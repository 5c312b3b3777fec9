#include "gui/kit/Pictures.h"

#include <QPainter>
#include <QPixmapCache>

#include "gui/kit/PicturesDrawings.h"

namespace {

const PicturesDrawings::Drawing& drawingOf(int id)
{
    const PicturesDrawings::Drawing* drawing = PicturesDrawings::find(id);
    return drawing ? *drawing : PicturesDrawings::placeholder();
}

QPixmap render(const PicturesDrawings::Drawing& drawing, QSize size)
{
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing | QPainter::SmoothPixmapTransform);
    painter.scale(qreal(size.width()) / drawing.size.width(), qreal(size.height()) / drawing.size.height());
    drawing.draw(painter);
    return pixmap;
}

} // namespace

QPixmap Pictures::bitmap(int id)
{
    const QString key = QStringLiteral("vemo-picture-%1").arg(id);
    QPixmap pixmap;
    if (!QPixmapCache::find(key, &pixmap)) {
        const PicturesDrawings::Drawing& drawing = drawingOf(id);
        pixmap = render(drawing, drawing.size);
        QPixmapCache::insert(key, pixmap);
    }
    return pixmap;
}

QCursor Pictures::cursor(int id)
{
    const PicturesDrawings::Drawing& drawing = drawingOf(id);
    return QCursor(bitmap(id), drawing.hotSpot.x(), drawing.hotSpot.y());
}

QIcon Pictures::icon(int id)
{
    const PicturesDrawings::Drawing& drawing = drawingOf(id);
    QIcon icon;
    for (const int side : {16, 24, 32, 48, 64, 128})
        icon.addPixmap(render(drawing, drawing.size.scaled(side, side, Qt::KeepAspectRatio)));
    return icon;
}

void Pictures::paint(QPainter& painter, const QRectF& target, int id)
{
    const PicturesDrawings::Drawing& drawing = drawingOf(id);
    painter.save();
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing | QPainter::SmoothPixmapTransform);
    painter.translate(target.topLeft());
    painter.scale(target.width() / drawing.size.width(), target.height() / drawing.size.height());
    drawing.draw(painter);
    painter.restore();
}
