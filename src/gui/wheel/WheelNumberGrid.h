#pragma once

#include <QList>
#include <QWidget>

#include <array>

#include "core/store/HistoryFormat.h"

class QToolButton;

/**
 * The numbers 1 … 43 as buttons, each out of the pool, in it, or in it and fixed on every ticket;
 * a click moves a number on to the next of the three.
 */
class WheelNumberGrid : public QWidget {
    Q_OBJECT
public:
    enum class Mark { Out, Pool, Fixed };

    explicit WheelNumberGrid(QWidget* parent = nullptr);

    /** Puts exactly these numbers in the pool, none fixed; numbers outside 1 … 43 are left out. */
    void setPool(const QList<int>& pool);
    /** Every number in the pool, fixed ones included, ascending. */
    QList<int> pool() const;
    QList<int> fixed() const;

    QToolButton* button(int number) const { return m_buttons[std::size_t(number - 1)]; }

Q_SIGNALS:
    void marksChanged();

private:
    void setMark(int number, Mark mark);
    QList<int> numbersMarked(std::initializer_list<Mark> marks) const;

    std::array<QToolButton*, kNumberCount> m_buttons{};
    std::array<Mark, kNumberCount> m_marks{};
};
