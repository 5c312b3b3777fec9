#pragma once

#include <QDialog>
#include <QList>

class CVemoDoc;
class QComboBox;
class QSpinBox;

/**
 * Puts a wheel's tickets on the record as bought: a registrant's predictions for a draw, all of them
 * in one change, so that the hit counts take them in once the draw is entered.
 */
class WheelPurchaseDialog : public QDialog {
    Q_OBJECT
public:
    /** Asks whose and which draw, then stores the tickets and says what became of them. */
    static void buy(CVemoDoc& doc, const QList<QList<int>>& tickets, QWidget* parent);

private:
    WheelPurchaseDialog(const CVemoDoc& doc, qsizetype tickets, QWidget* parent);

    QComboBox* m_registrant = nullptr;
    QSpinBox* m_draw = nullptr;
};
