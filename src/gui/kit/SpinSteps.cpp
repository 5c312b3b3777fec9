#include "gui/kit/SpinSteps.h"

#include <algorithm>

#include "core/store/HistoryFormat.h"

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

} // namespace SpinSteps
