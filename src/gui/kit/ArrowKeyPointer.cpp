#include "gui/kit/ArrowKeyPointer.h"

#include <QCursor>
#include <QKeyEvent>

namespace ArrowKeyPointer {

void move(const QKeyEvent& event)
{
    const int unit = event.modifiers() & Qt::ShiftModifier ? 6 : 1;
    QPoint step;
    switch (event.key()) {
    case Qt::Key_Left:
        step = {-unit, 0};
        break;
    case Qt::Key_Right:
        step = {unit, 0};
        break;
    case Qt::Key_Up:
        step = {0, -unit};
        break;
    case Qt::Key_Down:
        step = {0, unit};
        break;
    default:
        return;
    }
    QCursor::setPos(QCursor::pos() + step);
}

} // namespace ArrowKeyPointer
