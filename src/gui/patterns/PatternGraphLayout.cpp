#include "gui/patterns/PatternGraphLayout.h"

#include <algorithm>
#include <array>

#include "gui/kit/ScreenScale.h"

namespace PatternGraphLayout {
namespace {

constexpr BarGroup kOrders2To7[] = {
    {2, 0, 4, 33, 31, 44, true},      {3, 0, 8, 46, 43, 68, false},    {4, 0, 16, 71, 67, 116, true},
    {5, 0, 32, 120, 115, 212, false}, {6, 0, 64, 217, 211, 404, true}, {7, 0, 128, 410, 403, 788, false},
};
constexpr BarGroup kOrder8[] = {{8, 0, 256, 33, 0, 800, false}};
constexpr BarGroup kOrder9Low[] = {{9, 0, 256, 33, 0, 800, false}};
constexpr BarGroup kOrder9High[] = {{9, 256, 256, 33, 0, 800, false}};

struct PageBox {
    int page;
    int labelX;
    int left;
    int right;
};
constexpr PageBox kPageBoxes[] = {{7, 435, 435, 515}, {8, 532, 532, 578}, {91, 592, 592, 674}, {92, 688, 680, 770}};

constexpr ScaleMark kTens[] = {{10, 461}, {20, 231}, {30, 154}, {40, 116}, {50, 93},  {60, 77},
                               {70, 66},  {80, 58},  {90, 52},  {110, 42}, {120, 39}, {130, 36},
                               {140, 33}, {150, 31}, {160, 29}, {170, 28}, {180, 26}, {190, 25}};
constexpr ScaleMark kHundreds[] = {{100, 47}, {200, 24}, {300, 16}, {400, 12}, {500, 10}, {600, 8},
                                   {700, 7},  {800, 6},  {900, 6},  {1000, 5}, {1100, 5}, {1200, 4},
                                   {1300, 4}, {1400, 4}, {1500, 4}, {1600, 3}};

bool insideScaled(int pixelX, int left, int right)
{
    return ScreenScale::x(left) < pixelX && pixelX < ScreenScale::x(right);
}

} // namespace

std::span<const BarGroup> groups(int page)
{
    switch (page) {
    case 8:
        return kOrder8;
    case 91:
        return kOrder9Low;
    case 92:
        return kOrder9High;
    default:
        return kOrders2To7;
    }
}

const BarGroup* groupAt(int page, int pixelX)
{
    const std::span<const BarGroup> all = groups(page);
    if (page != 7)
        return all.data();
    // The ranges of orders 4 to 7 end on or before their last bar; that bar belongs to its group all the same.
    const auto it = std::find_if(all.begin(), all.end(), [pixelX](const BarGroup& g) {
        return insideScaled(pixelX, g.left, std::max(g.right, g.slotX(g.patternCount - 1) + 1));
    });
    return it == all.end() ? nullptr : &*it;
}

int slotBase(int page)
{
    return page == 92 ? 282 : 26;
}

int hoverSlot(int page, int pixelX)
{
    const BarGroup* group = groupAt(page, pixelX);
    if (!group)
        return 0;
    for (int i = 0; i < group->patternCount; ++i) {
        if (ScreenScale::x(group->slotX(i)) == pixelX)
            return slotBase(page) + i;
    }
    return 0;
}

int pointedOrder(int pixelX)
{
    int order = 0;
    for (const BarGroup& g : kOrders2To7) {
        if (insideScaled(pixelX, g.left, g.right))
            order = g.order;
    }
    return order;
}

int pageLabelX(int page)
{
    for (const PageBox& box : kPageBoxes) {
        if (box.page == page)
            return box.labelX;
    }
    return 0;
}

int pageAt(int pixelX, int pixelY)
{
    if (pixelY <= ScreenScale::y(1) || pixelY >= ScreenScale::y(16))
        return 0;
    for (const PageBox& box : kPageBoxes) {
        if (insideScaled(pixelX, box.left, box.right))
            return box.page;
    }
    return 0;
}

int barHeight(qint64 value, int scale, int graphTop)
{
    const qint64 height = value * scale / 10;
    // The cap compares design units with the pixel graphTop, as the graph always has.
    return int(std::min<qint64>(height, kBarBase - graphTop));
}

bool isBarColour(QRgb pixel)
{
    const QRgb rgb = pixel & 0xFFFFFF;
    return rgb == 0xFF0000 || rgb == 0x0000FF || rgb == 0x00FF00;
}

std::span<const ScaleMark> tens()
{
    return kTens;
}

std::span<const ScaleMark> hundreds()
{
    return kHundreds;
}

} // namespace PatternGraphLayout
