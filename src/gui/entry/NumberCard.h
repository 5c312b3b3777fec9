#pragma once

#include <QDialog>
#include <QList>
#include <QPointer>

#include <array>

#include "core/store/HistoryFormat.h"
#include "gui/entry/SelectionHandOver.h"

class BitmapButton;
class QLabel;
class QPainter;
class QPushButton;
class NumberBox;

/**
 * The number card: a narrow, always-on-top, modeless card like the lottery's paper entry form, on
 * which the user ticks candidate numbers while studying the analyses. It takes the ticks the
 * data-entry dialog handed over and hands its own ticks back to that dialog. One card at a time.
 */
class NumberCard : public QDialog {
    Q_OBJECT

public:
    /**
     * Opens the card into card, centred on the screen, or brings the open one it holds to the front; either
     * way it shows the last hand-over, if there was one. The card belongs to parent's window.
     */
    static NumberCard* open(QPointer<NumberCard>& card, SelectionHandOver& handOver, QWidget* parent);

Q_SIGNALS:
    /** The ticks went to the hand-over; the card closes and the data-entry dialog follows. */
    void handedOver();
    /** The wheel button was clicked: a wheel is to be made with the ticked numbers as its pool. */
    void wheelRequested(const QList<int>& pool);
    /** The card moved; topLeft is its client area's corner on the screen. */
    void moved(const QPoint& topLeft);

protected:
    void paintEvent(QPaintEvent* event) override;
    void moveEvent(QMoveEvent* event) override;

private:
    NumberCard(SelectionHandOver& handOver, QWidget* owner);

    void createControls();
    void installHelp();
    void takeHandOver();
    void untickAll();
    void handOver();
    void showCount();
    void drawBlockFrames(QPainter& painter) const;
    std::array<bool, kNumberCount> ticks() const;
    QList<int> tickedNumbers() const;

    SelectionHandOver& m_handOver;
    std::array<NumberBox*, kNumberCount> m_boxes{};
    QLabel* m_count = nullptr;
    BitmapButton* m_clearButton = nullptr;
    BitmapButton* m_handOverButton = nullptr;
    BitmapButton* m_closeButton = nullptr;
    QPushButton* m_wheelButton = nullptr;
    int m_formLeft = 0;
};
