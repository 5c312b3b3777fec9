#include "gui/wheel/WheelNumberGrid.h"

#include <QGridLayout>
#include <QToolButton>

#include <algorithm>

namespace {

constexpr int kColumns = 7;
constexpr int kButtonSize = 30;

// The grid's colours: a pool number stands out, a fixed one more so.
QString styleOf(WheelNumberGrid::Mark mark)
{
    switch (mark) {
    case WheelNumberGrid::Mark::Pool:
        return QStringLiteral("QToolButton { background: #9cc8ff; color: black; }");
    case WheelNumberGrid::Mark::Fixed:
        return QStringLiteral("QToolButton { background: #e03030; color: white; font-weight: bold; }");
    case WheelNumberGrid::Mark::Out:
        break;
    }
    return QStringLiteral("QToolButton { background: white; color: #606060; }");
}

WheelNumberGrid::Mark nextMark(WheelNumberGrid::Mark mark)
{
    switch (mark) {
    case WheelNumberGrid::Mark::Out:
        return WheelNumberGrid::Mark::Pool;
    case WheelNumberGrid::Mark::Pool:
        return WheelNumberGrid::Mark::Fixed;
    case WheelNumberGrid::Mark::Fixed:
        break;
    }
    return WheelNumberGrid::Mark::Out;
}

} // namespace

WheelNumberGrid::WheelNumberGrid(QWidget* parent) : QWidget(parent)
{
    auto* layout = new QGridLayout(this);
    layout->setSpacing(2);
    layout->setContentsMargins(0, 0, 0, 0);
    for (int number = 1; number <= kNumberCount; ++number) {
        auto* button = new QToolButton(this);
        button->setObjectName(QStringLiteral("number%1").arg(number));
        button->setText(QString::number(number));
        button->setFixedSize(kButtonSize, kButtonSize);
        button->setStyleSheet(styleOf(Mark::Out));
        connect(button, &QToolButton::clicked, this, [this, number] {
            setMark(number, nextMark(m_marks[std::size_t(number - 1)]));
            Q_EMIT marksChanged();
        });
        layout->addWidget(button, (number - 1) / kColumns, (number - 1) % kColumns);
        m_buttons[std::size_t(number - 1)] = button;
    }
    m_marks.fill(Mark::Out);
}

void WheelNumberGrid::setPool(const QList<int>& pool)
{
    for (int number = 1; number <= kNumberCount; ++number)
        setMark(number, pool.contains(number) ? Mark::Pool : Mark::Out);
    Q_EMIT marksChanged();
}

QList<int> WheelNumberGrid::pool() const
{
    return numbersMarked({Mark::Pool, Mark::Fixed});
}

QList<int> WheelNumberGrid::fixed() const
{
    return numbersMarked({Mark::Fixed});
}

void WheelNumberGrid::setMark(int number, Mark mark)
{
    m_marks[std::size_t(number - 1)] = mark;
    button(number)->setStyleSheet(styleOf(mark));
}

QList<int> WheelNumberGrid::numbersMarked(std::initializer_list<Mark> marks) const
{
    QList<int> numbers;
    for (int number = 1; number <= kNumberCount; ++number) {
        if (std::find(marks.begin(), marks.end(), m_marks[std::size_t(number - 1)]) != marks.end())
            numbers.append(number);
    }
    return numbers;
}
