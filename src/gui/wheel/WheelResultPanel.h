#pragma once

#include <QWidget>

#include "core/wheel/WheelResult.h"

class QLabel;
class QListWidget;
class QTableWidget;

/**
 * What a made wheel comes to: its tickets, the proof of its guarantee and its exact odds, beside those of
 * as many tickets picked at random.
 */
class WheelResultPanel : public QWidget {
    Q_OBJECT
public:
    /** The matches the odds table shows, from a small prize up. */
    static constexpr int kFirstOddsRow = 3;

    explicit WheelResultPanel(QWidget* parent = nullptr);

    /** Shows a wheel made for "t if p", with a note on how its search ended (empty when by itself). */
    void showWheel(const WheelResult& wheel, int drawnInPool, const QString& note);
    void clear();

private:
    QLabel* m_summary = nullptr;
    QListWidget* m_tickets = nullptr;
    QLabel* m_proof = nullptr;
    QTableWidget* m_odds = nullptr;
    QLabel* m_anyPrize = nullptr;
    QLabel* m_randomOdds = nullptr;
    QLabel* m_expectedTickets = nullptr;
    QLabel* m_wheelNote = nullptr;
};
