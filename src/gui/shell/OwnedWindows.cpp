#include "shell/OwnedWindows.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>
#include <QScreen>
#include <QWindow>

#include <algorithm>

OwnedWindows::OwnedWindows(QWidget& frame, const QWidget& header) : QObject(&frame), m_frame(frame), m_header(header)
{
    qApp->installEventFilter(this);
}

bool OwnedWindows::eventFilter(QObject* watched, QEvent* event)
{
    // Show comes before the window is handed to the window system, Move once it has been placed there.
    if ((event->type() == QEvent::Show || event->type() == QEvent::Move) && watched->isWidgetType()) {
        auto* window = static_cast<QWidget*>(watched);
        const Qt::WindowType type = window->windowType();
        // Of plain windows only dialog and tool windows are given an owner by the window system.
        const bool ownWindow = type == Qt::Window || type == Qt::Dialog || type == Qt::Tool || type == Qt::Sheet;
        if (window->isWindow() && window != &m_frame && ownWindow && window->windowHandle()) {
            if (event->type() == QEvent::Show)
                takeOwnership(*window);
            keepBelowHeader(*window);
        }
    }
    return QObject::eventFilter(watched, event);
}

void OwnedWindows::takeOwnership(QWidget& window) const
{
    // A window that stays on top itself needs no owner to stay in sight; boxes are given theirs as they open.
    if (window.windowFlags().testFlag(Qt::WindowStaysOnTopHint))
        return;
    // Frameless windows (the popups over the results) come up by themselves, not from the window in front.
    QWidget* from = QApplication::activeWindow();
    if (!from || from == &window || !from->windowFlags().testFlag(Qt::WindowStaysOnTopHint)
        || window.windowFlags().testFlag(Qt::FramelessWindowHint))
        from = &m_frame;
    m_frame.winId();
    window.windowHandle()->setTransientParent(from->windowHandle());
}

void OwnedWindows::keepBelowHeader(QWidget& window) const
{
    // The menu bar and the title line under it; while the main window makes way for a browser, the strip
    // of its menu bar that is left.
    const QRect frame = m_frame.frameGeometry();
    const int bottom = std::min(m_header.mapToGlobal(QPoint(0, m_header.height())).y(), frame.bottom() + 1);
    const QRect placed = window.frameGeometry();
    if (placed.top() < bottom && placed.left() <= frame.right() && placed.right() >= frame.left()
        && placed.height() <= window.screen()->availableGeometry().height() - bottom)
        window.move(placed.left(), bottom);
}
