#pragma once

#include <QPixmap>
#include <QPointer>
#include <QRegion>
#include <QTimer>
#include <QWidget>

#include <chrono>

/**
 * The full-screen window shown for four seconds at start-up: the opening picture, today's date with
 * its weekday and rokuyō, and two small animations. Painting it builds the date text, which the main
 * window takes to end every title. Input does not close it; the main window keeps running behind it.
 */
class COpeningWnd : public QWidget {
    Q_OBJECT

public:
    /** A window of mainWindow; it deletes itself when its time is over. */
    explicit COpeningWnd(QWidget* mainWindow);
    /** Shows the window over the whole screen, painted at once, for its display time. */
    void showOpening();
    /** The date text built at the last paint; empty before the first. */
    const QString& dateText() const { return m_dateText; }
    /** How long the window stays; tests shorten the four seconds. */
    static void setDisplayTime(std::chrono::milliseconds time) { s_displayTime = time; }

    ~COpeningWnd() override;

Q_SIGNALS:
    /** The window has gone; the main window may take its first title. */
    void finished();
    /** A paint built a date text other than the one before. */
    void dateTextChanged(const QString& text);

protected:
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void handleDisplayTimeOver();
    void restoreCursor();
    void buildDateText();
    void drawDateText(QPainter& painter) const;
    void drawAnimation(QPainter& painter) const;

    QPointer<QWidget> m_mainWindow;
    QPixmap m_picture;
    QFont m_headingFont;
    QRegion m_animationRegion;
    QTimer m_closeTimer;
    QTimer m_animationTimer;
    QString m_dateText;
    bool m_closing = false;
    bool m_cursorHidden = false;

    static inline int s_animationFrame = 0;
    static inline std::chrono::milliseconds s_displayTime{4000};
};
