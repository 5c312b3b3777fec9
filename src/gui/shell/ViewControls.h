#pragma once

#include <QObject>

class QFont;
class QWidget;
class UpDownControl;
class WeightingButton;

/**
 * The view's own controls, children of the view: the number spin and the weighting button of the pattern
 * graph, and the zoom spin that the pattern graph and the appearance numbers share.
 */
class ViewControls : public QObject {
    Q_OBJECT
public:
    ViewControls(const QFont& buttonFont, QWidget& view);

    /** The pattern graph's controls in their places, above the picture, with the zoom spin. */
    void showPatternControls();
    void showZoomSpin();
    void hideAll();
    void showWeighting(bool on);

Q_SIGNALS:
    void numberStepped(int delta);
    void zoomStepped(int delta);
    void weightingClicked();

private:
    // Made in this order, which is their order above one another.
    UpDownControl* m_zoomSpin;
    UpDownControl* m_numberSpin;
    WeightingButton* m_weightingButton;
};
