#include "gui/entry/DataUpdatePictures.h"

#include <QPainter>
#include <QPainterPath>

#include <cmath>

#include "core/text/StoreText.h"
#include "gui/entry/DataEntryDrawings.h"
#include "gui/kit/PictureArt.h"

namespace DataUpdatePictures {
namespace {

using namespace PictureArt;

void drawClipboard(QPainter& p, const QRectF& board)
{
    p.setPen(QPen(kGoldDark, 1.5));
    p.setBrush(QColor(0xc8, 0x96, 0x50));
    p.drawRoundedRect(board, 3, 3);
    p.setBrush(Qt::white);
    p.drawRect(
        board.adjusted(board.width() * 0.15, board.height() * 0.15, -board.width() * 0.15, -board.width() * 0.1));
    p.setBrush(QColor(0x90, 0x90, 0x98));
    const qreal clipWidth = board.width() * 0.45;
    p.drawRoundedRect(QRectF(board.center().x() - clipWidth / 2, board.top() - 2, clipWidth, board.height() * 0.16), 2,
                      2);
}

void drawArrow(QPainter& p, QPointF from, QPointF to, const QColor& colour, qreal width)
{
    p.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawLine(from, to);
    const QPointF along = (to - from) / std::hypot(to.x() - from.x(), to.y() - from.y());
    const QPointF across(-along.y(), along.x());
    const qreal head = width * 2.2;
    p.drawPolyline(QPolygonF{to - along * head + across * head, to, to - along * head - across * head});
}

} // namespace

void drawGuidePicture(QPainter& p)
{
    p.setRenderHint(QPainter::Antialiasing);
    // A browser page holding rows of flags …
    const QRectF page(2, 4, 40, 34);
    p.setPen(QPen(kNavy, 1.5));
    p.setBrush(kPaper);
    p.drawRoundedRect(page, 3, 3);
    p.setBrush(kNavy);
    p.drawRect(QRectF(page.left(), page.top(), page.width(), 6));
    p.setPen(Qt::NoPen);
    for (int row = 0; row < 4; ++row) {
        for (int column = 0; column < 7; ++column) {
            const bool hit = (row * 3 + column * 5) % 7 == 0;
            p.setBrush(hit ? kVermilion : QColor(0xb8, 0xc4, 0xdc));
            p.drawRect(QRectF(page.left() + 4 + column * 5, page.top() + 10 + row * 6, 4, 4));
        }
    }
    // … copied onto the clipboard, which goes into the history.
    drawArrow(p, QPointF(26, 40), QPointF(36, 48), QColor(0x20, 0x90, 0x40), 2.5);
    drawClipboard(p, QRectF(38, 30, 24, 32));
    p.setPen(Qt::NoPen);
    p.setBrush(kGold);
    p.drawPath(star(QPointF(50, 48), 7, 3));
}

void drawImportButton(QPainter& p)
{
    const DataEntryDrawings::Face face{QColor(210, 245, 225), QColor(60, 160, 100), QColor(0, 50, 20)};
    DataEntryDrawings::drawFace(p, face, StoreText::updateGuideImportButton(), [](QPainter& icon) {
        icon.setRenderHint(QPainter::Antialiasing);
        drawClipboard(icon, QRectF(1, 4, 15, 19));
        drawArrow(icon, QPointF(12, 13), QPointF(22, 13), QColor(0x10, 0x60, 0x30), 2);
    });
}

void drawCancelButton(QPainter& p)
{
    const DataEntryDrawings::Face face{QColor(255, 238, 238), QColor(210, 120, 120), QColor(80, 0, 0)};
    DataEntryDrawings::drawFace(p, face, StoreText::updateGuideCancelButton(), [](QPainter& icon) {
        icon.setRenderHint(QPainter::Antialiasing);
        // A stop sign: the update is called off.
        icon.setPen(QPen(Qt::white, 1.5));
        icon.setBrush(kVermilion);
        icon.drawEllipse(QRectF(2, 2, 20, 20));
        icon.setPen(Qt::NoPen);
        icon.setBrush(Qt::white);
        icon.drawRect(QRectF(6, 10.5, 12, 3));
    });
}

} // namespace DataUpdatePictures
