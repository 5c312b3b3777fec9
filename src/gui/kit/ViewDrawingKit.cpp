#include "gui/kit/ViewDrawingKit.h"

#include "gui/kit/JapaneseFonts.h"
#include "gui/kit/ScreenScale.h"

namespace {

// GDI fonts take an average character width; a half-width glyph of the gothic face is half its height.
QFont fontOfWidth(int height, int width, int weight = 400)
{
    QFont font = JapaneseFonts::font(JapaneseFonts::kGothic, height, weight);
    font.setStretch(qBound(1, width * 200 / qMax(1, height), 4000));
    return font;
}

} // namespace

ViewDrawingKit ViewDrawingKit::forScreen()
{
    const int h12 = ScreenScale::y(12);
    return {
        JapaneseFonts::font(JapaneseFonts::kGothic, h12),
        fontOfWidth(h12, ScreenScale::height() * 6 / 600),
        fontOfWidth(ScreenScale::y(16), ScreenScale::width() / 100),
        JapaneseFonts::font(JapaneseFonts::kGothic, h12, 100),
    };
}
