#include "gui/entry/DataEntryDrawings.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <functional>

#include "core/text/EntryText.h"
#include "gui/entry/RegistrantColours.h"
#include "gui/kit/JapaneseFonts.h"

namespace DataEntryDrawings {
namespace {

const QRectF kFace(0, 0, kButtonSize.width(), kButtonSize.height());
// The icon sits in a square at the left; the words fill the rest.
const QRectF kIconBox(4, 4, 24, 24);
const QRectF kTextBox(30, 0, kButtonSize.width() - 33, kButtonSize.height());

void drawRow(QPainter& p, const QColor& mark)
{
    // A history row: a strip of cells, the newest one marked.
    p.setPen(QPen(QColor(60, 60, 60), 1));
    for (int i = 0; i < 4; ++i) {
        p.setBrush(i == 3 ? mark : QColor(255, 255, 255));
        p.drawRect(QRectF(0.5 + i * 6, 8.5, 5, 7));
    }
}

void drawCross(QPainter& p, QPointF centre, qreal half)
{
    p.setPen(QPen(QColor(200, 0, 0), 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(centre + QPointF(-half, -half), centre + QPointF(half, half));
    p.drawLine(centre + QPointF(half, -half), centre + QPointF(-half, half));
}

void drawPencil(QPainter& p)
{
    QPainterPath pencil(QPointF(4, 22));
    pencil.lineTo(QPointF(6, 15));
    pencil.lineTo(QPointF(19, 2));
    pencil.lineTo(QPointF(24, 7));
    pencil.lineTo(QPointF(11, 20));
    pencil.closeSubpath();
    p.setPen(QPen(QColor(90, 60, 0), 1));
    p.setBrush(QColor(255, 200, 40));
    p.drawPath(pencil);
    p.setBrush(QColor(40, 40, 40));
    p.drawEllipse(QPointF(5, 21), 1.5, 1.5);
}

void drawBall(QPainter& p, QPointF centre, qreal radius, const QColor& colour)
{
    p.setPen(QPen(colour.darker(160), 1));
    p.setBrush(colour);
    p.drawEllipse(centre, radius, radius);
    p.setBrush(QColor(255, 255, 255, 200));
    p.setPen(Qt::NoPen);
    p.drawEllipse(centre - QPointF(radius / 3, radius / 3), radius / 3, radius / 3);
}

} // namespace

void drawFace(QPainter& p, const Face& face, const QString& words, const std::function<void(QPainter&)>& icon)
{
    QLinearGradient shade(0, 0, 0, kFace.height());
    shade.setColorAt(0, face.light);
    shade.setColorAt(1, face.dark);
    p.setPen(QPen(face.dark.darker(150), 1));
    p.setBrush(shade);
    p.drawRoundedRect(kFace.adjusted(0.5, 0.5, -0.5, -0.5), 5, 5);
    p.save();
    p.translate(kIconBox.topLeft());
    icon(p);
    p.restore();
    QFont font = JapaneseFonts::font(JapaneseFonts::kPGothic, 14, 700);
    p.setFont(font);
    // Long words shrink rather than lose their ends.
    while (font.pixelSize() > 8 && p.fontMetrics().horizontalAdvance(words) > kTextBox.width()) {
        font.setPixelSize(font.pixelSize() - 1);
        p.setFont(font);
    }
    p.setPen(face.ink);
    p.drawText(kTextBox, Qt::AlignCenter | Qt::TextSingleLine, words);
}

void drawEntryButton(QPainter& p)
{
    drawFace(p, {QColor(200, 225, 255), QColor(90, 140, 220), QColor(0, 0, 70)}, EntryText::appendCaption(),
             [](QPainter& icon) {
                 drawRow(icon, QColor(255, 60, 60));
                 drawPencil(icon);
             });
}

void drawAverageButton(QPainter& p)
{
    drawFace(p, {QColor(215, 255, 215), QColor(80, 170, 90), QColor(0, 50, 0)}, EntryText::averageCaption(),
             [](QPainter& icon) {
                 icon.setPen(QPen(QColor(0, 90, 0), 1.5));
                 icon.setBrush(Qt::NoBrush);
                 QPainterPath bell(QPointF(0, 22));
                 bell.cubicTo(QPointF(8, 22), QPointF(8, 2), QPointF(12, 2));
                 bell.cubicTo(QPointF(16, 2), QPointF(16, 22), QPointF(24, 22));
                 icon.drawPath(bell);
                 icon.drawLine(QPointF(12, 2), QPointF(12, 23));
             });
}

void drawDeleteLastButton(QPainter& p)
{
    const Face face{QColor(255, 225, 215), QColor(220, 120, 100), QColor(80, 0, 0)};
    drawFace(p, face, EntryText::dataEntryPictureLabel(148), [](QPainter& icon) {
        drawRow(icon, QColor(255, 255, 255));
        drawCross(icon, QPointF(21, 12), 4);
    });
}

void drawModifyButton(QPainter& p)
{
    const Face face{QColor(255, 245, 200), QColor(220, 170, 60), QColor(70, 40, 0)};
    drawFace(p, face, EntryText::dataEntryPictureLabel(149), [](QPainter& icon) {
        drawRow(icon, QColor(120, 200, 255));
        drawPencil(icon);
    });
}

void drawCardButton(QPainter& p)
{
    drawFace(p, {QColor(255, 235, 245), QColor(220, 130, 170), QColor(80, 0, 40)}, EntryText::numberCardCaption(),
             [](QPainter& icon) {
                 icon.setPen(QPen(QColor(150, 40, 80), 1));
                 icon.setBrush(QColor(255, 255, 255));
                 icon.drawRect(QRectF(3.5, 0.5, 17, 23));
                 icon.setBrush(QColor(230, 60, 100));
                 for (int row = 0; row < 4; ++row)
                     for (int column = 0; column < 3; ++column)
                         if ((row + column) % 2 == 0)
                             icon.drawRect(QRectF(6.5 + column * 5, 3.5 + row * 5, 3, 3));
             });
}

void drawHomePageButton(QPainter& p)
{
    drawFace(p, {QColor(255, 250, 215), QColor(230, 180, 40), QColor(70, 30, 0)}, EntryText::homePageCaption(),
             [](QPainter& icon) {
                 drawBall(icon, QPointF(12, 12), 11, QColor(60, 140, 230));
                 icon.setPen(QPen(QColor(255, 255, 255), 1));
                 icon.setBrush(Qt::NoBrush);
                 icon.drawEllipse(QPointF(12, 12), 5, 11);
                 icon.drawLine(QPointF(1, 12), QPointF(23, 12));
             });
}

void drawDeletePredictionButton(QPainter& p)
{
    const Face face{QColor(245, 225, 255), QColor(170, 110, 210), QColor(50, 0, 70)};
    drawFace(p, face, EntryText::dataEntryPictureLabel(335), [](QPainter& icon) {
        drawBall(icon, QPointF(9, 12), 8, QColor(250, 200, 60));
        drawCross(icon, QPointF(18, 14), 5);
    });
}

void drawCancelButton(QPainter& p)
{
    drawFace(p, {QColor(245, 245, 245), QColor(160, 160, 170), QColor(20, 20, 30)}, EntryText::dataEntryCancelCaption(),
             [](QPainter& icon) {
                 icon.setPen(QPen(QColor(60, 60, 80), 2.5, Qt::SolidLine, Qt::RoundCap));
                 icon.setBrush(Qt::NoBrush);
                 // A door with an arrow leaving it.
                 icon.drawRect(QRectF(2, 2, 12, 20));
                 icon.drawLine(QPointF(10, 12), QPointF(23, 12));
                 icon.drawLine(QPointF(19, 8), QPointF(23, 12));
                 icon.drawLine(QPointF(19, 16), QPointF(23, 12));
             });
}

void drawRegistrantChip(QPainter& p, int slot)
{
    const QColor fill = registrantColour(slot);
    const QRectF chip(0.5, 0.5, kChipSize.width() - 1, kChipSize.height() - 1);
    QLinearGradient shade(0, 0, 0, chip.height());
    shade.setColorAt(0, fill.lighter(140));
    shade.setColorAt(1, fill);
    p.setPen(QPen(fill.darker(170), 1));
    p.setBrush(shade);
    p.drawRoundedRect(chip, 4, 4);
    p.setFont(JapaneseFonts::font(JapaneseFonts::kGothic, 15, 700));
    p.setPen(Qt::white);
    p.drawText(chip, Qt::AlignCenter | Qt::TextSingleLine, EntryText::registrantRadioCaption(slot));
}

} // namespace DataEntryDrawings
