#pragma once

#include <QColor>
#include <QFont>

#include "gui/kit/Colors.h"

/** The main view's fonts, built once for the measured screen. */
struct ViewDrawingKit {
    /** (a) labels and titles: "ＭＳ ゴシック", height H × 12 / 600. */
    QFont text;
    /** (b) the same height at half its width, H × 6 / 600. */
    QFont narrow;
    /** (c) hover texts: height H × 16 / 600, character width W / 100. */
    QFont hover;
    /** (d) the weighting button: height H × 12 / 600, thin. */
    QFont button;

    static ViewDrawingKit forScreen();
};

/** Colours of the main view's pens, brushes and texts. */
namespace ViewColors {
inline const QColor kRed = fromColorRef(0x0000FF);
inline const QColor kBlue = fromColorRef(0xFF0000);
inline const QColor kLime = fromColorRef(0x00FF00);
inline const QColor kCyan = fromColorRef(0xFFFF00);
inline const QColor kGreen = fromColorRef(0x008000);
inline const QColor kMagenta = fromColorRef(0xFF00FF);
inline const QColor kYellow = fromColorRef(0x00FFFF);
inline const QColor kLightYellow = fromColorRef(0x80FFFF);
inline const QColor kLightGreen = fromColorRef(0xC0FFC0);
inline const QColor kTeal = fromColorRef(0x808000);
inline const QColor kBackground = Qt::white;
} // namespace ViewColors
