#include "gui/patterns/AppearanceLayout.h"

#include "core/store/HistoryFormat.h"
#include "gui/kit/ScreenScale.h"

namespace AppearanceLayout {

int barX(int number)
{
    return 47 + 17 * (number - 1);
}

int labelX(int number)
{
    return number <= 9 ? 50 + 17 * (number - 1) : 199 + 17 * (number - 10);
}

int rawHeight(int count, int scale, int step)
{
    const qint64 v = count;
    if (scale > 2)
        return int(qMin<qint64>(v * scale, 1 << 30));
    return int(qMin<qint64>((scale == 2 ? 2 : 10) * v / step, 1 << 30));
}

int barHeight(int count, int scale, int step)
{
    if (count <= 0)
        return 0;
    const int height = rawHeight(count, scale, step);
    return height > kFullHeight - 1 ? kFullHeight : height;
}

bool inNumberRow(int pixelY)
{
    return ScreenScale::y(527) < pixelY && pixelY < ScreenScale::y(541);
}

int pickedNumber(int pixelX)
{
    int picked = 0;
    for (int n = 1; n <= kNumberCount; ++n) {
        if (ScreenScale::x(labelX(n)) < pixelX && pixelX < ScreenScale::x(labelX(n) + 15))
            picked = n;
    }
    return picked;
}

bool inHoverBox(int number, int pixelX)
{
    const int left = labelX(number) + (number <= 9 ? 0 : 3);
    const int right = labelX(number) + (number <= 9 ? 7 : 12);
    return ScreenScale::x(left) < pixelX && pixelX < ScreenScale::x(right);
}

bool inChart(QPoint pixel)
{
    const int w = ScreenScale::width();
    const int h = ScreenScale::height();
    return w / 16 < pixel.x() && pixel.x() < w * 77 / 80 && h / 12 < pixel.y() && pixel.y() < h * 5 / 6;
}

std::vector<GridLine> gridLines(int scale)
{
    int first = 100;
    int last = 1900;
    if (scale > 20) {
        first = 1;
        last = 17;
    } else if (scale > 2) {
        first = 10;
        last = 170;
    } else if (scale == 2) {
        first = 20;
        last = 260;
    }
    std::vector<GridLine> lines;
    for (int count = first; count <= last; count += first)
        lines.push_back({count, count == 100 || count == 200 || count == 1000});
    return lines;
}

bool gridLineShown(int rawHeight)
{
    return rawHeight <= kBase - 15;
}

bool gridLabelShown(int rawHeight)
{
    // Keeps the label, which stands 10 above its line, clear of the chart's top.
    return rawHeight < 462;
}

} // namespace AppearanceLayout
