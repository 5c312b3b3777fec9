#include "gui/kit/UpDownControl.h"

#include <QToolButton>

UpDownControl::UpDownControl(Qt::Orientation orientation, const QString& name, QWidget* parent)
    : QWidget(parent), m_orientation(orientation)
{
    setObjectName(name);
    if (orientation == Qt::Horizontal) {
        m_first = addArrow(Qt::LeftArrow, QStringLiteral("leftArrow"), -1);
        m_second = addArrow(Qt::RightArrow, QStringLiteral("rightArrow"), +1);
    } else {
        m_first = addArrow(Qt::UpArrow, QStringLiteral("upArrow"), -1);
        m_second = addArrow(Qt::DownArrow, QStringLiteral("downArrow"), +1);
    }
}

QToolButton* UpDownControl::addArrow(Qt::ArrowType arrow, const QString& name, int delta)
{
    auto* button = new QToolButton(this);
    button->setObjectName(name);
    button->setArrowType(arrow);
    button->setAutoRepeat(true);
    // The view keeps the keyboard: its arrow keys move the pointer.
    button->setFocusPolicy(Qt::NoFocus);
    connect(button, &QToolButton::clicked, this, [this, delta] { Q_EMIT stepped(delta); });
    return button;
}

void UpDownControl::resizeEvent(QResizeEvent*)
{
    if (m_orientation == Qt::Horizontal) {
        const int half = width() / 2;
        m_first->setGeometry(0, 0, half, height());
        m_second->setGeometry(half, 0, width() - half, height());
    } else {
        const int half = height() / 2;
        m_first->setGeometry(0, 0, width(), half);
        m_second->setGeometry(0, half, width(), height() - half);
    }
}
