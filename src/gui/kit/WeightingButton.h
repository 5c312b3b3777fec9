#pragma once

#include <QAbstractButton>

/** The button that shows and toggles the pattern weighting: its colours and text tell the state. */
class WeightingButton : public QAbstractButton {
    Q_OBJECT
public:
    WeightingButton(const QFont& font, QWidget* parent);

    void setWeighting(bool on);
    bool weighting() const { return m_weighting; }

protected:
    void paintEvent(QPaintEvent* event) override;
    /** Writes the state's text over the filled and framed face. */
    virtual void drawCaption(QPainter& painter);

private:
    bool m_weighting = false;
};
