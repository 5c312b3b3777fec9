#pragma once

#include <QPointer>
#include <QWidget>

/** Shows a modeless window, or brings it back in front and gives it the keyboard when it is open. */
inline void bringForward(QWidget& window)
{
    window.show();
    window.raise();
    window.activateWindow();
}

/** The window held, while it shows; a closed one lingers until its deletion comes round and no longer counts. */
template <typename Window>
Window* showing(const QPointer<Window>& window)
{
    return window && window->isVisible() ? window.data() : nullptr;
}
