#pragma once

#include <QObject>

class QWidget;

/**
 * Every window of the program as it comes up over the full-screen main window. It is transient for the
 * window it was opened from (for an always-on-top window, such as the number card, that window; else the main
 * window), so that a window manager keeps it above that window after a click on the main window; and it is
 * placed below the menu bar and the title line, which stay in sight.
 */
class OwnedWindows : public QObject {
    Q_OBJECT

public:
    /** Watches the application's windows for the main window frame, whose menu bar and title line stay clear. */
    OwnedWindows(QWidget& frame, const QWidget& menuBar, const QWidget& titleLine);

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    /** object, if it is one of the windows placed here. */
    QWidget* ownWindow(QObject* object) const;
    void takeOwnership(QWidget& window) const;
    void keepBelowHeader(QWidget& window);

    QWidget& m_frame;
    const QWidget& m_menuBar;
    const QWidget& m_titleLine;
    /** The height of the window manager's title bars, as far as they have been seen. */
    int m_frameTop = 32;
};
