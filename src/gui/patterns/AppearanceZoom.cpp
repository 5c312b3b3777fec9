#include "gui/patterns/AppearanceZoom.h"

#include <algorithm>

#include "gui/patterns/AppearanceLayout.h"

AppearanceZoom AppearanceZoom::stepped(int delta) const
{
    AppearanceZoom zoom = *this;
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

AppearanceZoom AppearanceZoom::opening(int tallestCount)
{
    AppearanceZoom zoom{5, 1};
    while (AppearanceLayout::rawHeight(tallestCount, zoom.scale, zoom.step) >= AppearanceLayout::kFullHeight) {
        const AppearanceZoom out = zoom.stepped(1);
        if (out == zoom)
            break;
        zoom = out;
    }
    return zoom;
}
