#pragma once

#include <QAbstractButton>

/**
 * A registrant's prediction button: the registrant's name in the slot's colours, raised, and sunken
 * while the left button holds it down. A free slot's button shows no name and takes no clicks.
 */
class RegistrantButton : public QAbstractButton {
    Q_OBJECT
public:
    /** The button of slot 1 … 5, named "registrantButton" and the slot. */
    RegistrantButton(int slot, QWidget* parent);

    int slot() const { return m_slot; }
    /** Shows the registrant's name; an empty name disables the button. */
    void setRegistrant(const QString& name);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int m_slot;
    QString m_name;
};
