#include "gui/kit/ScreenScale.h"

#include <QGuiApplication>
#include <QScreen>

void ScreenScale::measure()
{
    if (s_measured)
        return;
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        s_size = screen->size();
    s_measured = true;
}

void ScreenScale::setScreenSize(QSize size)
{
    s_size = size;
    s_measured = true;
}

QRect ScreenScale::rect(int left, int top, int right, int bottom)
{
    return QRect(QPoint(x(left), y(top)), QPoint(x(right) - 1, y(bottom) - 1));
}
