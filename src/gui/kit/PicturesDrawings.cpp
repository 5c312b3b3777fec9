#include "gui/kit/PicturesDrawings.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QRandomGenerator>

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <vector>

#include "gui/kit/PictureArt.h"

namespace PicturesDrawings {
namespace {

using namespace PictureArt;

void drawBlossom(QPainter& p, QPointF centre, qreal radius, const QColor& petal)
{
    p.setPen(Qt::NoPen);
    p.setBrush(petal);
    for (int i = 0; i < 5; ++i) {
        const qreal angle = -std::numbers::pi / 2 + i * 2 * std::numbers::pi / 5;
        p.drawEllipse(centre + QPointF(radius * 0.62 * std::cos(angle), radius * 0.62 * std::sin(angle)), radius * 0.5,
                      radius * 0.5);
    }
    p.setBrush(QColor(0xff, 0xd8, 0x40));
    p.drawEllipse(centre, radius * 0.22, radius * 0.22);
}

void drawLotteryBall(QPainter& p, QPointF centre, qreal radius, const QColor& colour, int number)
{
    QRadialGradient shade(centre - QPointF(radius * 0.4, radius * 0.45), radius * 1.5);
    shade.setColorAt(0, colour.lighter(170));
    shade.setColorAt(0.5, colour);
    shade.setColorAt(1, colour.darker(170));
    p.setPen(QPen(colour.darker(220), radius * 0.06));
    p.setBrush(shade);
    p.drawEllipse(centre, radius, radius);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 235));
    p.drawEllipse(centre, radius * 0.56, radius * 0.56);
    QFont font;
    font.setPixelSize(qMax(1, qRound(radius * 0.72)));
    font.setBold(true);
    p.setFont(font);
    p.setPen(QColor(0x20, 0x20, 0x40));
    p.drawText(QRectF(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius), Qt::AlignCenter,
               QString::number(number));
}

// --- 102: the opening picture, 400 × 300; the window writes the date on the paper panel. ---

void drawNightSky(QPainter& p)
{
    QLinearGradient sky(0, 0, 0, 300);
    sky.setColorAt(0.0, QColor(0x0e, 0x17, 0x44));
    sky.setColorAt(0.42, QColor(0x38, 0x2c, 0x74));
    sky.setColorAt(0.72, QColor(0xb8, 0x50, 0x70));
    sky.setColorAt(1.0, QColor(0xf2, 0xa8, 0x58));
    p.fillRect(QRectF(0, 0, 400, 300), sky);

    QRandomGenerator stars(1043);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 70; ++i) {
        const QPointF at(stars.bounded(400.0), stars.bounded(150.0));
        const qreal size = 0.4 + stars.bounded(0.9);
        p.setBrush(QColor(255, 255, 230, 120 + stars.bounded(130)));
        p.drawEllipse(at, size, size);
    }

    QRadialGradient glow(QPointF(342, 42), 46);
    glow.setColorAt(0, QColor(255, 240, 170, 170));
    glow.setColorAt(1, QColor(255, 240, 170, 0));
    p.setBrush(glow);
    p.drawEllipse(QPointF(342, 42), 46, 46);
    QRadialGradient moon(QPointF(336, 36), 24);
    moon.setColorAt(0, QColor(0xff, 0xfb, 0xe0));
    moon.setColorAt(1, QColor(0xff, 0xdc, 0x78));
    p.setBrush(moon);
    p.drawEllipse(QPointF(342, 42), 19, 19);
}

void drawPlumBranch(QPainter& p)
{
    QPainterPath branch(QPointF(-4, 14));
    branch.cubicTo(QPointF(30, 8), QPointF(52, 40), QPointF(104, 30));
    branch.moveTo(QPointF(40, 20));
    branch.cubicTo(QPointF(52, 8), QPointF(66, 6), QPointF(78, 2));
    branch.moveTo(QPointF(70, 34));
    branch.cubicTo(QPointF(76, 46), QPointF(86, 52), QPointF(96, 56));
    p.setPen(QPen(QColor(0x3a, 0x22, 0x18), 2.6, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(branch);
    const std::array<QPointF, 7> blossoms{QPointF(22, 11),  QPointF(48, 22), QPointF(76, 4), QPointF(88, 32),
                                          QPointF(104, 29), QPointF(96, 56), QPointF(62, 12)};
    for (std::size_t i = 0; i < blossoms.size(); ++i)
        drawBlossom(p, blossoms[i], i % 3 == 0 ? 7 : 5.5,
                    i % 2 == 0 ? QColor(0xff, 0xb7, 0xc9) : QColor(0xff, 0xee, 0xf2));
}

void drawMountain(QPainter& p)
{
    QPainterPath mountain(QPointF(96, 300));
    mountain.lineTo(QPointF(188, 212));
    mountain.quadTo(QPointF(200, 204), QPointF(214, 206));
    mountain.lineTo(QPointF(226, 212));
    mountain.lineTo(QPointF(336, 300));
    mountain.closeSubpath();
    QLinearGradient rock(0, 204, 0, 300);
    rock.setColorAt(0, QColor(0x4a, 0x3c, 0x86));
    rock.setColorAt(1, QColor(0x24, 0x1e, 0x4c));
    p.setPen(Qt::NoPen);
    p.setBrush(rock);
    p.drawPath(mountain);

    QPainterPath snow(QPointF(176, 224));
    snow.lineTo(QPointF(188, 212));
    snow.quadTo(QPointF(200, 204), QPointF(214, 206));
    snow.lineTo(QPointF(226, 212));
    snow.lineTo(QPointF(240, 226));
    snow.lineTo(QPointF(230, 222));
    snow.lineTo(QPointF(222, 232));
    snow.lineTo(QPointF(212, 222));
    snow.lineTo(QPointF(202, 233));
    snow.lineTo(QPointF(193, 222));
    snow.lineTo(QPointF(184, 230));
    snow.closeSubpath();
    p.setBrush(QColor(0xf4, 0xf2, 0xff));
    p.drawPath(snow);
}

// Seigaiha (blue sea waves) along the bottom edge.
void drawWaves(QPainter& p)
{
    constexpr qreal radius = 13;
    int row = 0;
    for (qreal y = 268; y <= 312; y += radius / 2, ++row) {
        const qreal offset = row % 2 == 0 ? 0 : radius;
        for (qreal x = -radius + offset; x <= 400 + radius; x += 2 * radius) {
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(0x1d, 0x40, 0x80));
            p.drawEllipse(QPointF(x, y), radius, radius);
            p.setBrush(Qt::NoBrush);
            for (qreal r = radius - 1; r > 1; r -= 3) {
                p.setPen(QPen(QColor(0xdc, 0xe8, 0xff), 1.1));
                p.drawEllipse(QPointF(x, y), r, r);
            }
        }
    }
}

void drawPaperPanel(QPainter& p)
{
    // Scroll rollers left and right, then the paper the date is written on.
    p.setPen(QPen(QColor(0x5a, 0x10, 0x14), 1));
    QLinearGradient roller(0, 0, 12, 0);
    roller.setColorAt(0, QColor(0x7a, 0x14, 0x1a));
    roller.setColorAt(0.5, QColor(0xd8, 0x40, 0x40));
    roller.setColorAt(1, QColor(0x7a, 0x14, 0x1a));
    for (const qreal x : {34.0, 354.0}) {
        roller.setStart(x, 0);
        roller.setFinalStop(x + 12, 0);
        p.setBrush(roller);
        p.drawRoundedRect(QRectF(x, 72, 12, 84), 4, 4);
        p.setBrush(kGold);
        p.drawRoundedRect(QRectF(x + 1, 68, 10, 6), 2, 2);
        p.drawRoundedRect(QRectF(x + 1, 154, 10, 6), 2, 2);
    }
    p.setPen(QPen(kVermilion, 2));
    p.setBrush(kPaper);
    p.drawRect(QRectF(44, 78, 312, 72));
    p.setPen(QPen(kGold, 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(48.5, 82.5, 303, 63));
    // Small gold corner diamonds in the traditional manner.
    p.setPen(Qt::NoPen);
    p.setBrush(kGold);
    const std::array corners{QPointF(48.5, 82.5), QPointF(351.5, 82.5), QPointF(48.5, 145.5), QPointF(351.5, 145.5)};
    for (const QPointF corner : corners) {
        QPainterPath diamond(corner + QPointF(0, -3));
        diamond.lineTo(corner + QPointF(3, 0));
        diamond.lineTo(corner + QPointF(0, 3));
        diamond.lineTo(corner + QPointF(-3, 0));
        diamond.closeSubpath();
        p.drawPath(diamond);
    }
    // Below the date: a gold cord with a knot, and a faint row of lucky stars.
    p.setPen(QPen(kGold, 0.8));
    p.drawLine(QPointF(96, 116), QPointF(190, 116));
    p.drawLine(QPointF(96, 118.5), QPointF(190, 118.5));
    p.drawLine(QPointF(210, 116), QPointF(304, 116));
    p.drawLine(QPointF(210, 118.5), QPointF(304, 118.5));
    p.setPen(QPen(QColor(0xe8, 0x8a, 0x8a), 1.2)); // light, so the date above stays the darkest ink
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(195, 117.2), 4.5, 3);
    p.drawEllipse(QPointF(205, 117.2), 4.5, 3);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xe8, 0xb0, 0x28, 110));
    for (int i = 0; i < 9; ++i)
        p.drawPath(star(QPointF(80 + i * 30, 134), 4, 1.8));
}

void drawBallRow(QPainter& p)
{
    const std::array<QColor, 6> colours{QColor(0xe0, 0x30, 0x30), QColor(0xf0, 0x80, 0x20), QColor(0xe8, 0xc0, 0x20),
                                        QColor(0x30, 0xa0, 0x40), QColor(0x30, 0x60, 0xd0), QColor(0x90, 0x40, 0xc0)};
    const std::array<int, 6> numbers{3, 11, 19, 27, 35, 42};
    for (std::size_t i = 0; i < colours.size(); ++i) {
        const qreal x = 95 + 42 * qreal(i);
        const qreal y = 182 + (i % 2 == 0 ? 0 : -6);
        drawLotteryBall(p, QPointF(x, y), 14, colours[i], numbers[i]);
    }
}

void drawPetals(QPainter& p)
{
    QRandomGenerator petals(43);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 26; ++i) {
        const QPointF at(petals.bounded(400.0), 40 + petals.bounded(220.0));
        if (at.x() > 30 && at.x() < 370 && at.y() > 64 && at.y() < 164)
            continue; // keep the paper clear
        p.save();
        p.translate(at);
        p.rotate(petals.bounded(360.0));
        p.setBrush(QColor(0xff, 0xc0, 0xd0, 150 + petals.bounded(100)));
        p.drawEllipse(QPointF(0, 0), 3.2, 1.8);
        p.restore();
    }
}

void drawOpening(QPainter& p)
{
    drawNightSky(p);
    drawMountain(p);
    drawWaves(p);
    drawPlumBranch(p);
    drawPetals(p);
    drawPaperPanel(p);
    drawBallRow(p);
}

// --- 279, 285 … 288: a gold koban coin turning, 32 × 32; stage 0 faces the viewer, 4 is edge on. ---

void drawCoin(QPainter& p, int stage)
{
    const qreal width = qMax(0.14, std::cos(stage * std::numbers::pi / 8));
    const QRectF coin(16 - 11 * width, 2, 22 * width, 28);
    QLinearGradient metal(coin.left(), 0, coin.right(), 0);
    metal.setColorAt(0, kGoldDark);
    metal.setColorAt(0.35, kGoldLight);
    metal.setColorAt(0.7, kGold);
    metal.setColorAt(1, kGoldDark);
    p.setPen(QPen(QColor(0x70, 0x48, 0x00), 1.2));
    p.setBrush(metal);
    p.drawEllipse(coin);
    if (width > 0.5) {
        // The hammered ridges and the stamp of a koban.
        p.save();
        QPainterPath clip;
        clip.addEllipse(coin.adjusted(2, 2, -2, -2));
        p.setClipPath(clip);
        p.setPen(QPen(QColor(0xb0, 0x7c, 0x10, 150), 0.8));
        for (qreal y = 6; y < 28; y += 2.6)
            p.drawLine(QPointF(coin.left(), y), QPointF(coin.right(), y));
        p.restore();
        p.setPen(QPen(QColor(0x80, 0x50, 0x00), 1));
        p.setBrush(QColor(0xf8, 0xd8, 0x60));
        p.drawRoundedRect(QRectF(16 - 4 * width, 11, 8 * width, 10), 1.5, 1.5);
    }
    if (stage == 0) {
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        p.drawPath(star(QPointF(25, 6), 4, 1.2));
    }
}

// --- 280 … 284: a gold suzu bell swinging from one side (280) to the other (284), 32 × 32. ---

void drawBell(QPainter& p, int stage)
{
    const SuzuBell bell{.cordLength = 7,
                        .cordWidth = 2.2,
                        .bodyDrop = 19,
                        .bodyRadius = 9,
                        .shine = QPointF(-3, 15),
                        .slitDrop = 21,
                        .slitHalfWidth = 5.5,
                        .slitEnd = 26.5,
                        .slitWidth = 1.4,
                        .fineDetail = true};
    drawSuzuBell(p, bell, QPointF(16, 1), -20 + 10 * stage);
}

// --- 324: the pointing hand over the graph, 32 × 32, pointing with the tip of the index finger. ---

void drawHand(QPainter& p)
{
    QPainterPath hand;
    hand.addRoundedRect(QRectF(9, 1, 6, 18), 3, 3);        // index finger
    hand.addRoundedRect(QRectF(14, 10, 5, 10), 2.5, 2.5);  // middle finger
    hand.addRoundedRect(QRectF(18, 11, 5, 10), 2.5, 2.5);  // ring finger
    hand.addRoundedRect(QRectF(22, 13, 4.5, 9), 2.2, 2.2); // little finger
    hand.addRoundedRect(QRectF(9, 15, 17.5, 15), 4, 4);    // palm
    QPainterPath thumb;
    thumb.addRoundedRect(QRectF(-3, -2.5, 10, 5), 2.5, 2.5);
    hand = hand.united(QTransform().translate(8, 21).rotate(50).map(thumb)).simplified();
    p.setPen(QPen(Qt::black, 1.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::white);
    p.drawPath(hand);
    p.setPen(QPen(QColor(0x60, 0x60, 0x60), 0.8));
    for (const qreal x : {14.5, 18.5, 22.3})
        p.drawLine(QPointF(x, 16), QPointF(x, 20));
}

// --- 200: the window icon, a red lottery ball of the VEMO 6. ---

void drawIcon(QPainter& p)
{
    drawLotteryBall(p, QPointF(16, 16), 15, QColor(0xd8, 0x20, 0x20), 6);
}

// --- Result chart cells, 15 × 15 and columns of six cells, 15 × 90. ---

void drawCell(QPainter& p, const QRectF& cell, const QColor& top, const QColor& bottom, const QColor& border)
{
    QLinearGradient fill(cell.topLeft(), cell.bottomLeft());
    fill.setColorAt(0, top);
    fill.setColorAt(1, bottom);
    p.setPen(QPen(border, 1));
    p.setBrush(fill);
    p.drawRoundedRect(cell.adjusted(1, 1, -1, -1), 2, 2);
}

void drawNotYetDrawn(QPainter& p)
{
    p.fillRect(QRectF(0, 0, 15, 15), QColor(0xf4, 0xf4, 0xf4));
    p.setPen(QPen(QColor(0xb0, 0xb0, 0xb0), 1, Qt::DotLine));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(1.5, 1.5, 12, 12));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xa0, 0xa0, 0xa0));
    p.drawEllipse(QPointF(7.5, 7.5), 1.5, 1.5);
}

void drawFewHits(QPainter& p)
{
    p.fillRect(QRectF(0, 0, 15, 15), Qt::white);
    drawCell(p, QRectF(0, 0, 15, 15), QColor(0xc8, 0xf4, 0xb8), QColor(0x6c, 0xc8, 0x5c), QColor(0x38, 0x88, 0x30));
}

void drawManyHits(QPainter& p)
{
    p.fillRect(QRectF(0, 0, 15, 15), Qt::white);
    drawCell(p, QRectF(0, 0, 15, 15), QColor(0xff, 0xb8, 0x68), QColor(0xf0, 0x58, 0x20), QColor(0x98, 0x28, 0x08));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xff, 0xf0, 0x60));
    p.drawPath(star(QPointF(7.5, 8), 4.5, 1.9));
}

void drawNoHitColumn(QPainter& p)
{
    p.fillRect(QRectF(0, 0, 15, 90), QColor(0xe6, 0xea, 0xf2));
    p.setPen(QPen(QColor(0xc0, 0xc8, 0xd8), 1));
    for (int i = 1; i < 6; ++i)
        p.drawLine(QPointF(2, 15 * i + 0.5), QPointF(13, 15 * i + 0.5));
    p.setPen(QPen(QColor(0xa0, 0xa8, 0xb8), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(0.5, 0.5, 14, 89));
}

void drawSixHitColumn(QPainter& p)
{
    QLinearGradient gold(0, 0, 15, 0);
    gold.setColorAt(0, kGoldDark);
    gold.setColorAt(0.4, kGoldLight);
    gold.setColorAt(1, kGold);
    p.fillRect(QRectF(0, 0, 15, 90), gold);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    for (int i = 0; i < 6; ++i)
        p.drawPath(star(QPointF(7.5, 8 + 15 * i), 5, 2));
    p.setPen(QPen(kGoldDark, 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(0.5, 0.5, 14, 89));
}

void drawEndMark(QPainter& p)
{
    p.fillRect(QRectF(0, 0, 15, 90), kNavy);
    p.setPen(QPen(QColor(0x90, 0xa8, 0xe0), 1));
    p.drawLine(QPointF(2.5, 3), QPointF(2.5, 87));
    p.drawLine(QPointF(12.5, 3), QPointF(12.5, 87));
    QPainterPath arrow(QPointF(5, 37));
    arrow.lineTo(QPointF(11, 45));
    arrow.lineTo(QPointF(5, 53));
    arrow.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawPath(arrow);
}

void drawPlaceholder(QPainter& p)
{
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x)
            p.fillRect(QRectF(x * 8, y * 8, 8, 8), (x + y) % 2 == 0 ? QColor(0xff, 0x00, 0xff) : Qt::black);
    p.setPen(QPen(Qt::white, 2));
    p.drawLine(QPointF(4, 4), QPointF(28, 28));
    p.drawLine(QPointF(28, 4), QPointF(4, 28));
}

const QSize kFrameSize(32, 32);
const QSize kCellSize(15, 15);
const QSize kColumnSize(15, 90);

const std::array kDrawings{
    Drawing{102, QSize(400, 300), drawOpening, {}},
    Drawing{279, kFrameSize, [](QPainter& p) { drawCoin(p, 0); }, {}},
    Drawing{285, kFrameSize, [](QPainter& p) { drawCoin(p, 1); }, {}},
    Drawing{286, kFrameSize, [](QPainter& p) { drawCoin(p, 2); }, {}},
    Drawing{287, kFrameSize, [](QPainter& p) { drawCoin(p, 3); }, {}},
    Drawing{288, kFrameSize, [](QPainter& p) { drawCoin(p, 4); }, {}},
    Drawing{280, kFrameSize, [](QPainter& p) { drawBell(p, 0); }, {}},
    Drawing{281, kFrameSize, [](QPainter& p) { drawBell(p, 1); }, {}},
    Drawing{282, kFrameSize, [](QPainter& p) { drawBell(p, 2); }, {}},
    Drawing{283, kFrameSize, [](QPainter& p) { drawBell(p, 3); }, {}},
    Drawing{284, kFrameSize, [](QPainter& p) { drawBell(p, 4); }, {}},
    Drawing{324, QSize(32, 32), drawHand, QPoint(12, 1)},
    Drawing{200, QSize(32, 32), drawIcon, {}},
    Drawing{312, kCellSize, drawNotYetDrawn, {}},
    Drawing{248, kCellSize, drawFewHits, {}},
    Drawing{314, kCellSize, drawManyHits, {}},
    Drawing{313, kColumnSize, drawNoHitColumn, {}},
    Drawing{315, kColumnSize, drawSixHitColumn, {}},
    Drawing{389, kColumnSize, drawEndMark, {}},
};

const Drawing kPlaceholder{0, QSize(32, 32), drawPlaceholder, {}};

// The kit's own table first, then the features' tables in the order they were added.
std::vector<std::span<const Drawing>>& tables()
{
    static std::vector<std::span<const Drawing>> added{kDrawings};
    return added;
}

} // namespace

void add(std::span<const Drawing> drawings)
{
    std::vector<std::span<const Drawing>>& added = tables();
    const auto sameTable = [&drawings](std::span<const Drawing> table) { return table.data() == drawings.data(); };
    if (std::none_of(added.cbegin(), added.cend(), sameTable))
        added.push_back(drawings);
}

const Drawing* find(int id)
{
    for (const std::span<const Drawing> table : tables()) {
        for (const Drawing& drawing : table) {
            if (drawing.id == id)
                return &drawing;
        }
    }
    return nullptr;
}

const Drawing& placeholder()
{
    return kPlaceholder;
}

} // namespace PicturesDrawings
