#include "gui/patterns/LatestPatternPictures.h"

#include <QLinearGradient>
#include <QPainter>

#include <array>

#include "gui/kit/JapaneseFonts.h"

namespace LatestPatternPictures {
namespace {

struct TabColours {
    QColor face;
    QColor ink;
};

// A colour per order, from warm short orders to cool long ones, so a tab is told apart at a glance.
const std::array<TabColours, kTabCount> kColours{{
    {QColor(0xff, 0x6b, 0x6b), QColor(0xff, 0xff, 0xff)},
    {QColor(0xff, 0xa5, 0x3c), QColor(0x40, 0x18, 0x00)},
    {QColor(0xf5, 0xd9, 0x3a), QColor(0x4a, 0x38, 0x00)},
    {QColor(0x7c, 0xd1, 0x5a), QColor(0x0c, 0x3a, 0x08)},
    {QColor(0x3c, 0xc8, 0xc0), QColor(0x04, 0x30, 0x30)},
    {QColor(0x4a, 0x8c, 0xf0), QColor(0xff, 0xff, 0xff)},
    {QColor(0x7a, 0x5c, 0xe0), QColor(0xff, 0xff, 0xff)},
    {QColor(0xc0, 0x48, 0xc8), QColor(0xff, 0xff, 0xff)},
}};

void drawTab(QPainter& p, const QRectF& area, int order, const TabColours& colours)
{
    QLinearGradient face(area.topLeft(), area.bottomLeft());
    face.setColorAt(0, colours.face.lighter(135));
    face.setColorAt(1, colours.face);
    p.setPen(QPen(colours.face.darker(150), 1));
    p.setBrush(face);
    p.drawRoundedRect(area.adjusted(0.5, 0.5, -0.5, -0.5), 3, 3);
    p.setPen(colours.ink);
    p.drawText(area, Qt::AlignCenter | Qt::TextSingleLine, QString::number(order) + QStringLiteral("データ"));
}

} // namespace

void drawTabStrip(QPainter& p)
{
    p.setRenderHint(QPainter::Antialiasing);
    p.setFont(JapaneseFonts::font(JapaneseFonts::kGothic, 13, 700));
    for (int tab = 0; tab < kTabCount; ++tab) {
        const QRectF area(tab * kTabSize.width(), 0, kTabSize.width(), kTabSize.height());
        drawTab(p, area, tab + 2, kColours[std::size_t(tab)]);
    }
}

std::span<const PicturesDrawings::Drawing> drawings()
{
    using PicturesDrawings::Drawing;
    static const std::array kDrawings{
        Drawing{147, kTabStripSize, drawTabStrip, {}},
    };
    return kDrawings;
}

} // namespace LatestPatternPictures
