#pragma once

#include <QRect>
#include <QSize>

/**
 * Positions and sizes are laid out on an 800 × 600 design screen and scaled to the real one:
 * x × W / 800 and y × H / 600 in integers, multiplying first. W × H is measured once.
 */
class ScreenScale {
public:
    /** Measures the primary screen; later calls keep the first measure. */
    static void measure();
    /** Sets the screen size directly (tests, and screenshots at a chosen size). */
    static void setScreenSize(QSize size);

    static int width() { return s_size.width(); }
    static int height() { return s_size.height(); }
    static int x(int designX) { return designX * s_size.width() / 800; }
    static int y(int designY) { return designY * s_size.height() / 600; }
    /** A rectangle given by its design corners (left, top) and (right, bottom). */
    static QRect rect(int left, int top, int right, int bottom);

private:
    static inline QSize s_size{800, 600};
    static inline bool s_measured = false;
};
