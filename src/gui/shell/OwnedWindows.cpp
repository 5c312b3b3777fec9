#include "gui/shell/OwnedWindows.h"

#include <QApplication>
#include <QEvent>
#include <QScreen>
#include <QWidget>
#include <QWindow>

#include <algorithm>

OwnedWindows::OwnedWindows(QWidget& frame, const QWidget& menuBar, const QWidget& titleLine)
    : QObject(&frame), m_frame(frame), m_menuBar(menuBar), m_titleLine(titleLine)
{
    qApp->installEventFilter(this);
}

bool OwnedWindows::eventFilter(QObject* watched, QEvent* event)
{
    // Show comes before the window is handed to the window system; its frame is known once it is exposed,
    // and its place after each move.
    const QEvent::Type type = event->type();
    if (type == QEvent::Show || type == QEvent::Move) {
        if (QWidget* window = ownWindow(watched)) {
            if (type == QEvent::Show)
                takeOwnership(*window);
            else if (window->isVisible())
                keepBelowHeader(*window);
        }
    } else if (type == QEvent::Expose && watched->isWindowType()) {
        const QList<QWidget*> windows = QApplication::topLevelWidgets();
        const auto exposed = std::find_if(windows.cbegin(), windows.cend(),
                                          [watched](const QWidget* w) { return w->windowHandle() == watched; });
        if (exposed != windows.cend() && ownWindow(*exposed) && (*exposed)->isVisible())
            keepBelowHeader(**exposed);
    }
    return QObject::eventFilter(watched, event);
}

QWidget* OwnedWindows::ownWindow(QObject* object) const
{
    if (!object->isWidgetType())
        return nullptr;
    auto* window = static_cast<QWidget*>(object);
    // Popups, tooltips and the opening window go where they are put.
    const Qt::WindowType type = window->windowType();
    const bool placed = type == Qt::Window || type == Qt::Dialog || type == Qt::Tool || type == Qt::Sheet;
    return window->isWindow() && window != &m_frame && placed && window->windowHandle() ? window : nullptr;
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

void OwnedWindows::keepBelowHeader(QWidget& window)
{
    // The menu bar and the title line under it; while the main window makes way for a browser, the strip
    // of its menu bar that is left.
    const QRect frame = m_frame.frameGeometry();
    const int menuBottom = m_menuBar.mapToGlobal(QPoint(0, m_menuBar.height())).y();
    const int lineBottom = m_titleLine.mapToGlobal(QPoint(0, m_titleLine.height())).y();
    const int bottom = lineBottom > menuBottom && lineBottom <= frame.bottom() + 1 ? lineBottom : menuBottom;
    // Frameless windows (the popups over the results) are put in their place over the view by the program.
    if (window.windowFlags().testFlag(Qt::FramelessWindowHint))
        return;
    // Until the window manager has told the frame, the window is taken to have one as tall as those seen,
    // and placed by its inside; the frame may come a little lower than it needs to, never over the bar.
    QRect placed = window.frameGeometry();
    const bool frameUnknown = placed == window.geometry();
    if (frameUnknown)
        placed.setTop(placed.top() - m_frameTop);
    else
        m_frameTop = std::max(m_frameTop, window.geometry().top() - placed.top());
    if (placed.top() >= bottom || placed.left() > frame.right() || placed.right() < frame.left())
        return;
    // A window too tall for the room below gives up height where its layout lets it.
    const int room = window.screen()->availableGeometry().bottom() + 1 - bottom;
    if (placed.height() > room)
        window.resize(window.width(), std::max(window.minimumHeight(), room - (placed.height() - window.height())));
    window.move(placed.left(), frameUnknown ? bottom + m_frameTop : bottom);
}
