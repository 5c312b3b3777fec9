#pragma once

#include "gui/kit/WeightingButton.h"

/** The latest-pattern dialog's weighting toggle: the view's button with a two-line caption. */
class PatternWeightingToggle : public WeightingButton {
    Q_OBJECT
public:
    PatternWeightingToggle(const QFont& font, QWidget* parent);

protected:
    void drawCaption(QPainter& painter) override;
};
