#pragma once

#include <QAbstractButton>

/**
 * One number of the number card: a flat tick box like a mark on the paper entry form, with the
 * number's two-digit label just right of it. Clicking the box or its label ticks and unticks it.
 */
class NumberBox : public QAbstractButton {
    Q_OBJECT
public:
    /** The box of number, named "numberBox" and the number. */
    NumberBox(int number, QWidget* parent);

    int number() const { return m_number; }
    /** The side of the square box; the label starts a pixel right of it. */
    int boxSide() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int m_number;
};
