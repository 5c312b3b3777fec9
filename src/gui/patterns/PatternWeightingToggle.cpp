#include "gui/patterns/PatternWeightingToggle.h"

#include <QPainter>

#include "gui/kit/ScreenScale.h"
#include "gui/patterns/LatestPatternText.h"

PatternWeightingToggle::PatternWeightingToggle(const QFont& font, QWidget* parent) : WeightingButton(font, parent)
{
}

void PatternWeightingToggle::drawCaption(QPainter& painter)
{
    const QRect area = rect().adjusted(ScreenScale::width() / 400, 6 * ScreenScale::height() / 600, 0, 0);
    painter.drawText(area, Qt::AlignHCenter | Qt::AlignTop,
                     weighting() ? LatestPatternText::toggleOn() : LatestPatternText::toggleOff());
}
