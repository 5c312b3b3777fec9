#include "gui/predict/DataGodPictures.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <array>
#include <cmath>
#include <numbers>

#include "gui/kit/JapaneseFonts.h"
#include "gui/kit/PictureArt.h"
#include "gui/predict/DataGodText.h"

namespace DataGodPictures {
namespace {

using namespace PictureArt;
const std::array kBallColours{QColor(0xe0, 0x30, 0x30), QColor(0xf0, 0x80, 0x20), QColor(0xe8, 0xc0, 0x20),
                              QColor(0x30, 0xa0, 0x40), QColor(0x30, 0x60, 0xd0), QColor(0x90, 0x40, 0xc0)};
constexpr qreal kTau = 2 * std::numbers::pi;

void drawFace(QPainter& p, QSize size, const QColor& top, const QColor& bottom, const QString& caption, int pixels)
{
    drawCaptionedFace(p, size, top, bottom, caption, pixels, 6);
}

void drawBall(QPainter& p, QPointF centre, qreal radius, const QColor& colour)
{
    QRadialGradient shade(centre - QPointF(radius * 0.4, radius * 0.4), radius * 1.6);
    shade.setColorAt(0, colour.lighter(170));
    shade.setColorAt(1, colour.darker(150));
    p.setPen(Qt::NoPen);
    p.setBrush(shade);
    p.drawEllipse(centre, radius, radius);
}

// 379: the lottery drum turning, its six balls tumbling round.
void drawDrum(QPainter& p, qreal turn)
{
    const QPointF centre(20, 20);
    p.setPen(QPen(kGoldDark, 2));
    p.setBrush(QColor(0xff, 0xfa, 0xe8));
    p.drawEllipse(centre, 17, 17);
    p.setPen(QPen(kGold, 1));
    for (int i = 0; i < 4; ++i) {
        const qreal angle = turn * kTau + i * kTau / 8;
        const QPointF spoke(15 * std::cos(angle), 15 * std::sin(angle));
        p.drawLine(centre - spoke, centre + spoke);
    }
    for (std::size_t i = 0; i < kBallColours.size(); ++i) {
        const qreal angle = -turn * kTau * 2 + qreal(i) * kTau / 6;
        drawBall(p, centre + QPointF(10 * std::cos(angle), 10 * std::sin(angle)), 3.6, kBallColours[i]);
    }
    p.setPen(QPen(kVermilion, 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(10, 42), QPointF(30, 42));
    p.drawLine(QPointF(20, 37), QPointF(20, 42));
}

// 380: a gold suzu bell swinging, its ring shown by arcs.
void drawSwingingBell(QPainter& p, qreal turn)
{
    const qreal swing = 28 * std::sin(turn * kTau);
    const SuzuBell bell{.cordLength = 10,
                        .cordWidth = 2.4,
                        .bodyDrop = 22,
                        .bodyRadius = 11,
                        .shine = QPointF(-4, 19),
                        .slitDrop = 24,
                        .slitHalfWidth = 7,
                        .slitEnd = 31,
                        .slitWidth = 1.6};
    drawSuzuBell(p, bell, QPointF(20, 3), swing);
    // The ring sounds at both ends of the swing.
    const qreal strength = std::abs(std::sin(turn * kTau));
    p.setPen(QPen(QColor(0xe8, 0xb0, 0x28, int(255 * strength)), 1.4));
    p.setBrush(Qt::NoBrush);
    const bool right = swing > 0;
    for (int i = 1; i <= 2; ++i) {
        const QRectF arc(right ? 24 + 4 * i : -4 - 4 * i, 14 - 4 * i, 12 + 8 * i, 12 + 8 * i);
        p.drawArc(arc.translated(right ? -10 : 6, 0), right ? -40 * 16 : 140 * 16, 80 * 16);
    }
}

// 382: a koban coin turning over, a star flashing on its face.
void drawTurningCoin(QPainter& p, qreal turn)
{
    const qreal facing = std::cos(turn * kTau);
    const qreal width = qMax(0.12, std::abs(facing));
    const QRectF coin(20 - 13 * width, 6, 26 * width, 32);
    QLinearGradient metal(coin.left(), 0, coin.right(), 0);
    metal.setColorAt(0, kGoldDark);
    metal.setColorAt(0.35, facing > 0 ? kGoldLight : kGold);
    metal.setColorAt(1, kGoldDark);
    p.setPen(QPen(QColor(0x70, 0x48, 0x00), 1.2));
    p.setBrush(metal);
    p.drawEllipse(coin);
    if (width > 0.45) {
        p.setPen(QPen(QColor(0x80, 0x50, 0x00), 1));
        p.setBrush(facing > 0 ? QColor(0xf8, 0xd8, 0x60) : QColor(0xd0, 0x98, 0x30));
        p.drawRoundedRect(QRectF(20 - 5 * width, 16, 10 * width, 12), 1.5, 1.5);
    }
    if (facing > 0.9) {
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        p.drawPath(star(QPointF(31, 9), 5, 1.5));
    }
}

// 383: the crystal ball, a light circling inside it.
void drawCrystalBall(QPainter& p, qreal turn)
{
    const QPointF centre(20, 18);
    QRadialGradient glass(centre - QPointF(5, 5), 20);
    glass.setColorAt(0, QColor(0xf0, 0xf4, 0xff));
    glass.setColorAt(0.7, QColor(0x88, 0x9c, 0xe8));
    glass.setColorAt(1, QColor(0x3c, 0x40, 0x9c));
    p.setPen(QPen(kNavy, 1));
    p.setBrush(glass);
    p.drawEllipse(centre, 15, 15);
    const QPointF light = centre + QPointF(8 * std::cos(turn * kTau), 5 * std::sin(turn * kTau));
    QRadialGradient glow(light, 8);
    glow.setColorAt(0, QColor(0xff, 0xf0, 0xa0, 240));
    glow.setColorAt(1, QColor(0xff, 0xf0, 0xa0, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(light, 8, 8);
    p.setBrush(QColor(255, 255, 255, 200));
    p.drawEllipse(centre + QPointF(-6, -7), 3, 2);
    // The stand.
    QPainterPath stand(QPointF(9, 42));
    stand.lineTo(QPointF(13, 32));
    stand.lineTo(QPointF(27, 32));
    stand.lineTo(QPointF(31, 42));
    stand.closeSubpath();
    p.setBrush(kVermilion);
    p.setPen(QPen(kVermilion.darker(160), 1));
    p.drawPath(stand);
}

// 384: lucky stars falling across a night sky.
void drawFallingStars(QPainter& p, qreal turn)
{
    p.setPen(Qt::NoPen);
    p.setBrush(kNavy);
    p.drawRoundedRect(QRectF(1, 1, 38, 42), 5, 5);
    for (int i = 0; i < 3; ++i) {
        const qreal phase = std::fmod(turn + i / 3.0, 1.0);
        const QPointF at(6 + 30 * phase + 6 * i - 6, 4 + 36 * phase);
        QLinearGradient trail(at, at - QPointF(9, 11));
        trail.setColorAt(0, QColor(0xff, 0xf0, 0x90, 200));
        trail.setColorAt(1, QColor(0xff, 0xf0, 0x90, 0));
        p.setPen(QPen(QBrush(trail), 2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(at, at - QPointF(9, 11));
        p.setPen(Qt::NoPen);
        p.setBrush(i == 1 ? QColor(0xff, 0xd8, 0x40) : QColor(0xff, 0xf8, 0xe0));
        p.drawPath(star(at, 4.5, 1.9));
    }
}

} // namespace

void drawShowResults(QPainter& p)
{
    drawFace(p, kShowResultsSize, QColor(0xff, 0xf6, 0xd8), QColor(0xf0, 0xc8, 0x60), DataGodText::showResultsButton(),
             18);
}

void drawBanner(QPainter& p)
{
    QLinearGradient band(0, 0, kBannerSize.width(), 0);
    band.setColorAt(0, kVermilion.darker(130));
    band.setColorAt(0.5, kVermilion);
    band.setColorAt(1, kVermilion.darker(130));
    p.fillRect(QRectF(QPointF(0, 0), QSizeF(kBannerSize)), band);
    p.setPen(QPen(kGold, 1));
    p.drawLine(QPointF(0, 0.5), QPointF(kBannerSize.width(), 0.5));
    p.drawLine(QPointF(0, kBannerSize.height() - 0.5), QPointF(kBannerSize.width(), kBannerSize.height() - 0.5));
    p.setPen(Qt::NoPen);
    p.setBrush(kGoldLight);
    for (const qreal x : {12.0, qreal(kBannerSize.width()) - 12})
        p.drawPath(star(QPointF(x, 8.5), 5.5, 2.2));
    p.setFont(JapaneseFonts::font(JapaneseFonts::kPGothic, 13, 700));
    p.setPen(QColor(0xff, 0xf8, 0xe0));
    p.drawText(QRectF(QPointF(0, 0), QSizeF(kBannerSize)), Qt::AlignCenter, DataGodText::predictingBanner());
}

void drawPredictingCancel(QPainter& p)
{
    drawFace(p, kPredictingCancelSize, QColor(0xff, 0xee, 0xee), QColor(0xf0, 0xb4, 0xb4),
             DataGodText::predictingCancel(), 16);
}

void drawClipFrame(QPainter& p, int clipId, int frame)
{
    const qreal turn = qreal(frame % kClipFrames) / kClipFrames;
    switch (clipId) {
    case 379:
        drawDrum(p, turn);
        break;
    case 380:
        drawSwingingBell(p, turn);
        break;
    case 382:
        drawTurningCoin(p, turn);
        break;
    case 383:
        drawCrystalBall(p, turn);
        break;
    case 384:
        drawFallingStars(p, turn);
        break;
    default:
        break;
    }
}

} // namespace DataGodPictures
