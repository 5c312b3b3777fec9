#pragma once

#include <QColor>
#include <QtGlobal>

#include <span>

/** A run of bars of one order on a page of the pattern graph; x in design units. */
struct BarGroup {
    int order = 0;
    /** The first pattern shown: 256 on the second half of order 9, else 0. */
    int firstPattern = 0;
    int patternCount = 0;
    int firstX = 0;
    /** Open x range of the group on the page of orders 2 to 7; the whole graph elsewhere. */
    int left = 0;
    int right = 0;
    bool green = false;

    int slotX(int index) const { return firstX + 3 * index; }
};

/**
 * Where the pattern graph puts its bars, labels and scale, and which bar or label a pixel hits.
 * Pages: 7 (orders 2 to 7), 8 (order 8), 91 and 92 (order 9, patterns 0–255 and 256–511).
 */
namespace PatternGraphLayout {

inline constexpr int kPages[] = {7, 8, 91, 92};
/** Base line of the bars and the axis, in design units. */
inline constexpr int kBarBase = 524;
inline constexpr int kAxisY = 525;

/** The bar groups of a page, in increasing order. */
std::span<const BarGroup> groups(int page);

/** The group that handles pixel x: on page 7 the first whose scaled open range holds it; null if none. */
const BarGroup* groupAt(int page, int pixelX);

/** Slot codes: 26 + bar index, 282 + index on the second half of order 9. */
int slotBase(int page);

/** The slot code of the bar column exactly at pixel x, 0 when x is not on one. */
int hoverSlot(int page, int pixelX);

/** Order whose group lies under pixel x for the title box of page 7 (a later range wins); 0 outside. */
int pointedOrder(int pixelX);

/** Design x of a page's selector label. */
int pageLabelX(int page);

/** The page whose selector label holds the pixel (open boxes), 0 for none. */
int pageAt(int pixelX, int pixelY);

/** Whether a pixel of the drawn graph is a bar's: red, blue or green. */
bool isBarColour(QRgb pixel);

/** Bar height in design units for a value, cut where its top would rise above graphTop (pixels). */
int barHeight(qint64 value, int scale, int graphTop);

/** A value of the vertical scale with its label and the scale from which the label is left out. */
struct ScaleMark {
    int value = 0;
    int labelLimit = 0;
};
/** Tens (drawn while 2 × scale > 50), then hundreds (always drawn). */
std::span<const ScaleMark> tens();
std::span<const ScaleMark> hundreds();

} // namespace PatternGraphLayout
