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
    /** Watches the application's windows for the main window frame; header is the part kept clear. */
    OwnedWindows(QWidget& frame, const QWidget& header);

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void takeOwnership(QWidget& window) const;
    void keepBelowHeader(QWidget& window) const;

    QWidget& m_frame;
    const QWidget& m_header;
};
