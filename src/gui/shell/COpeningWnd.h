#pragma once

#include <QPixmap>
#include <QPointer>
#include <QRegion>
#include <QTimer>
#include <QWidget>

#include <chrono>

/**
 * The full-screen window shown for four seconds at start-up: the opening picture, today's date with
 * its weekday and rokuyō, and two small animations. Painting it builds the date text that ends every
 * main-window title. Input does not close it; the main window keeps running behind it.
 */
class COpeningWnd : public QWidget {
    Q_OBJECT

public:
    /** Shows the window over mainWindow; does nothing and gives nullptr while one is showing. */
    static COpeningWnd* showOpening(QWidget* mainWindow);
    /** The date text built at the last paint; empty before the first. */
    static QString titleSuffix() { return s_titleSuffix; }
    /** How long the window stays; tests shorten the four seconds. */
    static void setDisplayTime(std::chrono::milliseconds time) { s_displayTime = time; }

    ~COpeningWnd() override;

Q_SIGNALS:
    /** The window has gone; the main window may take its first title. */
    void finished();

protected:
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    explicit COpeningWnd(QWidget* mainWindow);

    void handleDisplayTimeOver();
    void restoreCursor();
    void drawDateText(QPainter& painter) const;
    void drawAnimation(QPainter& painter) const;

    QPointer<QWidget> m_mainWindow;
    QPixmap m_picture;
    QFont m_headingFont;
    QRegion m_animationRegion;
    QTimer m_closeTimer;
    QTimer m_animationTimer;
    bool m_closing = false;
    bool m_cursorHidden = false;

    static inline QPointer<COpeningWnd> s_window;
    static inline QString s_titleSuffix;
    static inline int s_animationFrame = 0;
    static inline std::chrono::milliseconds s_displayTime{4000};
};
