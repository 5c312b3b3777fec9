#include "kit/SpinSteps.h"

#include <algorithm>

#include "patterns/AppearanceLayout.h"
#include "store/HistoryFormat.h"

namespace SpinSteps {

int nextNumber(int number, int delta)
{
    if (delta > 0)
        return number >= kNumberCount ? 1 : number + 1;
    if (delta < 0)
        return number <= 1 ? kNumberCount : number - 1;
    return number;
}

int patternScale(int scale, int delta, int appearanceStep)
{
    if (delta > 0)
        return std::max(3, scale <= 10 ? scale - 1 : scale - 10);
    if (delta < 0) {
        if (scale > 9)
            scale += 10;
        else if (appearanceStep == 1)
            scale += 1;
        return std::min(430, scale);
    }
    return scale;
}

AppearanceZoom appearanceZoom(AppearanceZoom zoom, int delta)
{
    if (delta > 0) {
        zoom.scale = zoom.scale <= 10 ? zoom.scale - 1 : zoom.scale - 10;
        if (zoom.scale < 2) {
            zoom.scale = 1;
            if (zoom.step == 1)
                zoom.step = 10;
            else if (zoom.step < 36)
                zoom.step += 3;
        }
    } else if (delta < 0) {
        if (zoom.scale > 9)
            zoom.scale += 10;
        else if (zoom.step == 1)
            zoom.scale += 1;
        zoom.scale = std::min(90, zoom.scale);
        if (zoom.scale == 1) {
            if (zoom.step == 10)
                zoom = {2, 1};
            else if (zoom.step > 10)
                zoom.step -= 3;
        }
    }
    return zoom;
}

AppearanceZoom openingAppearanceZoom(int tallestCount)
{
    AppearanceZoom zoom{5, 1};
    while (AppearanceLayout::rawHeight(tallestCount, zoom.scale, zoom.step) >= AppearanceLayout::kFullHeight) {
        const AppearanceZoom out = appearanceZoom(zoom, 1);
        if (out == zoom)
            break;
        zoom = out;
    }
    return zoom;
}

} // namespace SpinSteps
