#pragma once

#include <QAbstractButton>

/**
 * The push-like picture button of a registrant slot: it shows whether the slot holds a prediction
 * file, and stays pushed in while its slot is the one being worked on (one of the five at a time).
 */
class SlotImageButton : public QAbstractButton {
    Q_OBJECT
public:
    /** The button of slot 1 … 5, named "slotButton1" … "slotButton5". */
    SlotImageButton(int slot, QWidget* parent);

    void setRegistered(bool registered);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    bool m_registered = false;
};
