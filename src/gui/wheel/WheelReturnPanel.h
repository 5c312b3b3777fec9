#pragma once

#include <QWidget>

#include <optional>

class QLabel;
struct PrizeTable;
struct WheelOdds;
struct WheelPastDraws;

/**
 * What a made wheel pays back on average under the player's prize table, beside as many random tickets,
 * and how it would have done over the stored draws beside chance.
 */
class WheelReturnPanel : public QWidget {
    Q_OBJECT
public:
    explicit WheelReturnPanel(QWidget* parent = nullptr);

    /** Without a table, only the past draws are shown. */
    void showReturn(const WheelOdds& odds, int tickets, const std::optional<PrizeTable>& table,
                    const WheelPastDraws& past);
    void clear();

private:
    QLabel* m_wheelReturn = nullptr;
    QLabel* m_randomReturn = nullptr;
    QLabel* m_returnNote = nullptr;
    QLabel* m_pastHeading = nullptr;
    QLabel* m_pastClasses = nullptr;
    QLabel* m_pastNote = nullptr;
};
