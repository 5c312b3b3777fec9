#include "TestPixels.h"

#include <QWidget>

namespace TestPixels {

QImage grabOf(QWidget* widget)
{
    return widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

int count(const QImage& image, const Match& match)
{
    return count(image, match, image.rect());
}

int count(const QImage& image, const Match& match, const QRect& area)
{
    const QRect inside = area & image.rect();
    int found = 0;
    for (int y = inside.top(); y <= inside.bottom(); ++y) {
        for (int x = inside.left(); x <= inside.right(); ++x)
            found += match(image.pixel(x, y)) ? 1 : 0;
    }
    return found;
}

int count(QWidget* widget, const Match& match)
{
    return count(grabOf(widget), match);
}

Match colour(QRgb rgb)
{
    return [rgb](QRgb pixel) { return (pixel & 0xFFFFFF) == (rgb & 0xFFFFFF); };
}

bool isDark(QRgb pixel)
{
    return qGray(pixel) < 100;
}

bool isPatternBar(QRgb pixel)
{
    const QRgb rgb = pixel & 0xFFFFFF;
    return rgb == 0xFF0000 || rgb == 0x0000FF || rgb == 0x00FF00;
}

} // namespace TestPixels
