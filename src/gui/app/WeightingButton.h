#pragma once

#include <QAbstractButton>

/** The button that shows and toggles the pattern weighting: its colours and text tell the state. */
class WeightingButton : public QAbstractButton {
    Q_OBJECT
public:
    WeightingButton(const QFont& font, QWidget* parent);

    void setWeighting(bool on);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    bool m_weighting = false;
};
