#include "gui/oracle/RandomGodPictures.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <array>

#include "core/text/OracleText.h"
#include "gui/kit/JapaneseFonts.h"
#include "gui/kit/PictureArt.h"

namespace RandomGodPictures {
namespace {

using namespace PictureArt;

const QColor kCloud(255, 255, 255, 210);
const QColor kSkin(0xff, 0xe0, 0xc4);
const QColor kBeard(0xfa, 0xfa, 0xff);
const QColor kOutline(0x6a, 0x5a, 0x50);

struct ColourLook {
    int normal;
    int chosen;
    QColor colour;
};

// Index 0 is colour 1 (茶), as the seeds count them.
const std::array<ColourLook, 10> kColours{{
    {182, 190, QColor(0x8b, 0x5a, 0x2b)},
    {174, 177, QColor(0xe0, 0x22, 0x22)},
    {175, 179, QColor(0xff, 0x8c, 0xc0)},
    {180, 181, QColor(0xff, 0x8c, 0x1a)},
    {176, 178, QColor(0xff, 0xe0, 0x20)},
    {183, 192, QColor(0x2e, 0xa0, 0x40)},
    {184, 189, QColor(0x22, 0x60, 0xe0)},
    {185, 193, QColor(0x8a, 0x3c, 0xc0)},
    {187, 188, QColor(0xff, 0xff, 0xff)},
    {186, 191, QColor(0x22, 0x22, 0x22)},
}};

// A rectangle in the dialog's units; the background starts two units left of the client.
QRectF units(qreal x, qreal y, qreal width, qreal height)
{
    return {(x + 2) * kPixelsPerUnit, y * kPixelsPerUnit, width * kPixelsPerUnit, height * kPixelsPerUnit};
}

// The largest bold face, up to maxPixels, in which every line fits the room.
QFont fittedFont(const QStringList& lines, const QSizeF& room, int maxPixels)
{
    int pixels = maxPixels;
    for (; pixels > 8; --pixels) {
        const QFontMetricsF metrics(JapaneseFonts::font(JapaneseFonts::kGothic, pixels, 700));
        qreal widest = 0;
        for (const QString& line : lines)
            widest = qMax(widest, metrics.horizontalAdvance(line));
        if (widest <= room.width() && metrics.lineSpacing() * lines.size() <= room.height())
            break;
    }
    return JapaneseFonts::font(JapaneseFonts::kGothic, pixels, 700);
}

// The lines as one block in the middle of the box, each line aligned as asked.
void drawLines(QPainter& p, const QRectF& box, const QStringList& lines, int maxPixels, Qt::Alignment align)
{
    const QFont font = fittedFont(lines, box.size(), maxPixels);
    p.setFont(font);
    const qreal lineHeight = QFontMetricsF(font).lineSpacing();
    qreal top = box.center().y() - lineHeight * lines.size() / 2;
    for (const QString& line : lines) {
        p.drawText(QRectF(box.left(), top, box.width(), lineHeight), align | Qt::AlignVCenter | Qt::TextSingleLine,
                   line);
        top += lineHeight;
    }
}

void drawSky(QPainter& p, const QColor& top, const QColor& bottom)
{
    const QRectF all(QPointF(0, 0), kBackgroundSize);
    QLinearGradient sky(all.topLeft(), all.bottomLeft());
    sky.setColorAt(0, top);
    sky.setColorAt(1, bottom);
    p.fillRect(all, sky);
    p.setPen(Qt::NoPen);
    p.setBrush(kCloud);
    for (const QPointF centre : {QPointF(60, 240), QPointF(330, 252), QPointF(640, 236), QPointF(690, 30)}) {
        p.drawEllipse(centre, 46, 16);
        p.drawEllipse(centre + QPointF(-26, 4), 26, 12);
        p.drawEllipse(centre + QPointF(24, -6), 24, 14);
    }
}

void drawStars(QPainter& p, const QList<QPointF>& centres, const QColor& colour)
{
    p.setPen(QPen(colour.darker(140), 1));
    p.setBrush(colour);
    for (const QPointF centre : centres)
        p.drawPath(star(centre, 9, 4));
}

// The god on his cloud, drawn in a 100 × 120 box stretched over the target.
void drawGod(QPainter& p, const QRectF& target)
{
    p.save();
    p.translate(target.topLeft());
    p.scale(target.width() / 100, target.height() / 120);

    QRadialGradient halo(QPointF(50, 38), 40);
    halo.setColorAt(0, QColor(255, 240, 160, 230));
    halo.setColorAt(1, QColor(255, 240, 160, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(halo);
    p.drawEllipse(QPointF(50, 38), 40, 40);

    QPainterPath robe(QPointF(26, 62));
    robe.cubicTo(QPointF(34, 54), QPointF(66, 54), QPointF(74, 62));
    robe.lineTo(QPointF(84, 104));
    robe.lineTo(QPointF(16, 104));
    robe.closeSubpath();
    p.setPen(QPen(kOutline, 1.2));
    p.setBrush(QColor(0xf6, 0xf0, 0xff));
    p.drawPath(robe);

    p.setBrush(kSkin);
    p.drawEllipse(QPointF(50, 38), 19, 21);
    p.setBrush(kBeard);
    p.drawEllipse(QPointF(31, 36), 6, 9);
    p.drawEllipse(QPointF(69, 36), 6, 9);
    QPainterPath beard(QPointF(34, 44));
    beard.cubicTo(QPointF(36, 60), QPointF(42, 80), QPointF(50, 88));
    beard.cubicTo(QPointF(58, 80), QPointF(64, 60), QPointF(66, 44));
    beard.cubicTo(QPointF(60, 52), QPointF(40, 52), QPointF(34, 44));
    p.drawPath(beard);

    // Eyebrows and eyes that smile.
    p.setPen(QPen(kBeard.darker(115), 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(38, 29), QPointF(46, 28));
    p.drawLine(QPointF(54, 28), QPointF(62, 29));
    p.setPen(QPen(kOutline, 1.6, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(39, 32, 7, 5), 0, 180 * 16);
    p.drawArc(QRectF(54, 32, 7, 5), 0, 180 * 16);
    p.setPen(QPen(QColor(0xc8, 0x60, 0x60), 1.4, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(QRectF(45, 44, 10, 6), 200 * 16, 140 * 16);

    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 240));
    for (const QPointF centre :
         {QPointF(22, 106), QPointF(50, 110), QPointF(78, 106), QPointF(36, 100), QPointF(64, 100)})
        p.drawEllipse(centre, 20, 10);
    p.restore();
}

// A paper scroll with the god's words; the tail points at the god when there is one.
void drawSpeech(QPainter& p, const QRectF& box, const QStringList& lines, const QPointF& tail = {})
{
    p.setPen(QPen(kGoldDark, 2));
    p.setBrush(kPaper);
    if (!tail.isNull()) {
        QPainterPath pointer(tail);
        pointer.lineTo(QPointF(box.left() + 2, box.center().y() - 10));
        pointer.lineTo(QPointF(box.left() + 2, box.center().y() + 8));
        pointer.closeSubpath();
        p.drawPath(pointer);
    }
    p.drawRoundedRect(box, 14, 14);
    p.setPen(QPen(kGold, 1.5, Qt::DashLine));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(box.adjusted(6, 6, -6, -6), 10, 10);
    p.setPen(kNavy);
    drawLines(p, box.adjusted(20, 10, -20, -10), lines, 30, Qt::AlignLeft);
}

void drawLabel(QPainter& p, const QRectF& box, const QString& text, Qt::Alignment align)
{
    p.setPen(kNavy);
    drawLines(p, box, {text}, 24, align);
}

void drawGreeting(QPainter& p)
{
    drawSky(p, QColor(0xb8, 0xe0, 0xff), QColor(0xff, 0xf4, 0xd8));
    drawGod(p, units(4, 8, 66, 84));
    drawSpeech(p, units(76, 8, 270, 80), OracleText::greetingWords(), units(64, 40, 0, 0).topLeft());
}

void drawModeChoice(QPainter& p)
{
    drawSky(p, QColor(0xc8, 0xe8, 0xff), QColor(0xff, 0xf0, 0xe0));
    drawGod(p, units(4, 2, 56, 72));
    drawSpeech(p, units(70, 6, 276, 64), OracleText::modeChoiceWords(), units(56, 32, 0, 0).topLeft());
}

void drawBirthdayInput(QPainter& p)
{
    drawSky(p, QColor(0xff, 0xe0, 0xf0), QColor(0xff, 0xf8, 0xe0));
    drawGod(p, units(4, 2, 56, 72));
    drawSpeech(p, units(70, 6, 276, 64), OracleText::birthdayWords(), units(56, 32, 0, 0).topLeft());
    drawLabel(p, units(24, 80, 58, 14), OracleText::birthdayLabel(), Qt::AlignRight);
}

void drawColourInput(QPainter& p)
{
    drawSky(p, QColor(0xe0, 0xf0, 0xff), QColor(0xf0, 0xff, 0xe8));
    p.setPen(QPen(kGoldDark, 1.5));
    p.setBrush(QColor(255, 255, 255, 170));
    p.drawRoundedRect(units(16, 14, 237, 47), 12, 12);
    drawGod(p, units(290, 0, 44, 38));
    drawSpeech(p, units(14, 66, 254, 56), OracleText::colourWords());
}

void drawNumberInput(QPainter& p)
{
    drawSky(p, QColor(0xd8, 0xd8, 0xff), QColor(0xff, 0xf4, 0xe0));
    const std::array digitLefts{48, 141, 235};
    for (std::size_t place = 0; place < digitLefts.size(); ++place) {
        const qreal left = digitLefts[place];
        p.setPen(QPen(kGoldDark, 2));
        p.setBrush(kGoldLight);
        p.drawRoundedRect(units(left - 14, 26, 36, 28), 10, 10);
        drawLabel(p, units(left - 20, 56, 48, 12), OracleText::digitPlace(int(place)), Qt::AlignHCenter);
    }
    drawLabel(p, units(284, 9, 66, 13), OracleText::luckyNumberLabel(), Qt::AlignHCenter);
    p.setPen(QPen(kVermilion, 2));
    p.setBrush(Qt::white);
    p.drawRoundedRect(units(301, 23, 33, 22), 6, 6);
    drawStars(p, {units(20, 8, 0, 0).topLeft(), units(110, 10, 0, 0).topLeft(), units(200, 8, 0, 0).topLeft()}, kGold);
    drawSpeech(p, units(10, 70, 264, 36), OracleText::numberWords());
}

void drawAnswer(QPainter& p, int mode, const QColor& accent)
{
    drawSky(p, accent.lighter(150), QColor(0xff, 0xf6, 0xd8));
    drawGod(p, units(2, 2, 50, 58));
    drawSpeech(p, units(58, 4, 288, 52), OracleText::answerWords(mode), units(48, 28, 0, 0).topLeft());
    QLinearGradient band(units(36, 60, 0, 30).topLeft(), units(36, 60, 0, 30).bottomLeft());
    band.setColorAt(0, kGoldLight);
    band.setColorAt(1, kGold);
    p.setPen(QPen(kGoldDark, 2));
    p.setBrush(band);
    p.drawRoundedRect(units(36, 60, 284, 29), 12, 12);
    drawStars(p, {units(24, 74, 0, 0).topLeft(), units(332, 74, 0, 0).topLeft()}, accent);
}

void drawButton(QPainter& p, const QString& caption, const QColor& face)
{
    const QRectF all(QPointF(0, 0), kButtonSize);
    QLinearGradient shade(all.topLeft(), all.bottomLeft());
    shade.setColorAt(0, face.lighter(150));
    shade.setColorAt(0.55, face);
    shade.setColorAt(1, face.darker(125));
    p.setPen(QPen(face.darker(170), 2));
    p.setBrush(shade);
    p.drawRoundedRect(all.adjusted(1, 1, -1, -1), 12, 12);
    p.setPen(qGray(face.rgb()) > 150 ? kNavy : QColor(Qt::white));
    drawLines(p, all.adjusted(8, 4, -8, -4), caption.split(QLatin1Char('\n')), 24, Qt::AlignHCenter);
}

void drawColour(QPainter& p, int colour, bool chosen)
{
    const QRectF all(QPointF(0, 0), kColourSize);
    const QColor colourValue = kColours[std::size_t(colour - 1)].colour;
    p.fillRect(all, chosen ? kGold : QColor(0xf4, 0xee, 0xdc));
    if (chosen) {
        p.setPen(QPen(kGoldDark, 1));
        p.setBrush(kGoldLight);
        p.drawPath(star(QPointF(15, 8), 7, 3));
    }
    const QRectF swatch(4, 16, 22, 50);
    p.setPen(QPen(colourValue == Qt::white ? QColor(0x90, 0x90, 0x90) : colourValue.darker(150), 1.5));
    p.setBrush(colourValue);
    p.drawRoundedRect(swatch, 5, 5);
    p.setPen(qGray(colourValue.rgb()) > 150 ? QColor(0x20, 0x20, 0x20) : QColor(Qt::white));
    const QString name = OracleText::colourName(colour);
    QStringList letters;
    for (const QChar letter : name)
        letters.append(QString(letter));
    drawLines(p, swatch.adjusted(2, 3, -2, -3), letters, 16, Qt::AlignHCenter);
}

} // namespace

int normalColourPicture(int colour)
{
    return kColours.at(std::size_t(colour - 1)).normal;
}

int chosenColourPicture(int colour)
{
    return kColours.at(std::size_t(colour - 1)).chosen;
}

void draw(QPainter& p, int id)
{
    for (std::size_t i = 0; i < kColours.size(); ++i) {
        if (id == kColours[i].normal || id == kColours[i].chosen) {
            drawColour(p, int(i) + 1, id == kColours[i].chosen);
            return;
        }
    }
    switch (id) {
    case 155:
        return drawGreeting(p);
    case 159:
        return drawModeChoice(p);
    case 170:
        return drawBirthdayInput(p);
    case 173:
        return drawColourInput(p);
    case 197:
        return drawNumberInput(p);
    case 166:
        return drawAnswer(p, 0, QColor(0x40, 0x90, 0xe0));
    case 194:
        return drawAnswer(p, 1, QColor(0xe8, 0x60, 0xa0));
    case 195:
        return drawAnswer(p, 2, QColor(0x40, 0xb0, 0x60));
    case 196:
        return drawAnswer(p, 3, QColor(0xa0, 0x60, 0xe0));
    case 157:
        return drawButton(p, OracleText::understoodButton(), QColor(0x8c, 0xd0, 0x80));
    case 158:
        // The template's words on two lines, so that they stay as large as the other captions.
        return drawButton(p, OracleText::pleaseHelpButton().insert(3, QLatin1Char('\n')), QColor(0xff, 0xb0, 0x50));
    case 160:
        return drawButton(p, OracleText::momentButton(), QColor(0x50, 0x9c, 0xe8));
    case 161:
        return drawButton(p, OracleText::birthdayButton(), QColor(0xf0, 0x78, 0xb0));
    case 162:
        return drawButton(p, OracleText::colourButton(), QColor(0x50, 0xb8, 0x68));
    case 163:
        return drawButton(p, OracleText::numberButton(), QColor(0xa0, 0x70, 0xe0));
    case 172:
        return drawButton(p, OracleText::askButton(), kVermilion);
    case 164:
        return drawButton(p, OracleText::cancelButton(), QColor(0xc8, 0xcc, 0xd8));
    case 165:
        return drawButton(p, OracleText::thanksButton(), kGold);
    default:
        break;
    }
}

std::span<const PicturesDrawings::Drawing> drawings()
{
    using PicturesDrawings::Drawing;
    static const std::array kDrawings{
        Drawing{155, kBackgroundSize, drawPicture<155>, {}}, Drawing{159, kBackgroundSize, drawPicture<159>, {}},
        Drawing{170, kBackgroundSize, drawPicture<170>, {}}, Drawing{173, kBackgroundSize, drawPicture<173>, {}},
        Drawing{197, kBackgroundSize, drawPicture<197>, {}}, Drawing{166, kBackgroundSize, drawPicture<166>, {}},
        Drawing{194, kBackgroundSize, drawPicture<194>, {}}, Drawing{195, kBackgroundSize, drawPicture<195>, {}},
        Drawing{196, kBackgroundSize, drawPicture<196>, {}}, Drawing{157, kButtonSize, drawPicture<157>, {}},
        Drawing{158, kButtonSize, drawPicture<158>, {}},     Drawing{160, kButtonSize, drawPicture<160>, {}},
        Drawing{161, kButtonSize, drawPicture<161>, {}},     Drawing{162, kButtonSize, drawPicture<162>, {}},
        Drawing{163, kButtonSize, drawPicture<163>, {}},     Drawing{164, kButtonSize, drawPicture<164>, {}},
        Drawing{165, kButtonSize, drawPicture<165>, {}},     Drawing{172, kButtonSize, drawPicture<172>, {}},
        Drawing{174, kColourSize, drawPicture<174>, {}},     Drawing{175, kColourSize, drawPicture<175>, {}},
        Drawing{176, kColourSize, drawPicture<176>, {}},     Drawing{177, kColourSize, drawPicture<177>, {}},
        Drawing{178, kColourSize, drawPicture<178>, {}},     Drawing{179, kColourSize, drawPicture<179>, {}},
        Drawing{180, kColourSize, drawPicture<180>, {}},     Drawing{181, kColourSize, drawPicture<181>, {}},
        Drawing{182, kColourSize, drawPicture<182>, {}},     Drawing{183, kColourSize, drawPicture<183>, {}},
        Drawing{184, kColourSize, drawPicture<184>, {}},     Drawing{185, kColourSize, drawPicture<185>, {}},
        Drawing{186, kColourSize, drawPicture<186>, {}},     Drawing{187, kColourSize, drawPicture<187>, {}},
        Drawing{188, kColourSize, drawPicture<188>, {}},     Drawing{189, kColourSize, drawPicture<189>, {}},
        Drawing{190, kColourSize, drawPicture<190>, {}},     Drawing{191, kColourSize, drawPicture<191>, {}},
        Drawing{192, kColourSize, drawPicture<192>, {}},     Drawing{193, kColourSize, drawPicture<193>, {}},
    };
    return kDrawings;
}

} // namespace RandomGodPictures
