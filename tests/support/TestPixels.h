#pragma once

#include <QImage>
#include <QRect>

#include <functional>

class QWidget;

// The pixels the windows paint, as the GUI suites look at them.
namespace TestPixels {

using Match = std::function<bool(QRgb)>;

// The widget as it paints itself, in 32-bit RGB.
QImage grabOf(QWidget* widget);
// How many pixels of the image match, of all or of those within the area.
int count(const QImage& image, const Match& match);
int count(const QImage& image, const Match& match, const QRect& area);
// How many pixels of the widget, as it paints itself, match.
int count(QWidget* widget, const Match& match);
// One colour exactly, whatever the alpha.
Match colour(QRgb rgb);
// Text and lines in a dark ink.
bool isDark(QRgb pixel);
// The pattern graph's bars: red, blue or green.
bool isPatternBar(QRgb pixel);

} // namespace TestPixels
