#pragma once

#include <QWidget>

#include <optional>

#include "core/wheel/WheelResult.h"

class QLabel;
class QListWidget;
class QTableWidget;
class QTabWidget;
class WheelReturnPanel;
struct PrizeTable;
struct WheelPastDraws;

/**
 * What a made wheel comes to: its tickets, the proof of its guarantee and its exact odds, beside those of
 * as many tickets picked at random; on a second page what it pays back and how it did over the past draws.
 */
class WheelResultPanel : public QWidget {
    Q_OBJECT
public:
    /** The matches the odds table shows, from a small prize up. */
    static constexpr int kFirstOddsRow = 3;

    explicit WheelResultPanel(QWidget* parent = nullptr);

    /** Shows a wheel made for "t if p", with a note on how its search ended (empty when by itself). */
    void showWheel(const WheelResult& wheel, int drawnInPool, const QString& note);
    /** The second page for the wheel shown: its return under a table (none: no return) and its past draws. */
    void showReturn(const WheelResult& wheel, const std::optional<PrizeTable>& table, const WheelPastDraws& past);
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
    QTabWidget* m_pages = nullptr;
    WheelReturnPanel* m_return = nullptr;
};
