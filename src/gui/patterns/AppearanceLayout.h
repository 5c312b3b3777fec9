#pragma once

#include <QPoint>

#include <vector>

/**
 * Where the appearance-number screen puts its bars, number row and grid, and what a pixel of the
 * number row hits. Positions in design units unless they are pixels.
 */
namespace AppearanceLayout {

inline constexpr int kBase = 525;
/** A bar this tall reaches the top of the chart. */
inline constexpr int kFullHeight = kBase - 23;

int barX(int number);
int labelX(int number);

/** Height of a count at a scale and second stage; taller than the chart gives the full height, none ≤ 0. */
int barHeight(int count, int scale, int step);
/** Height of a count before it is cut at the chart's top. */
int rawHeight(int count, int scale, int step);

/** Whether a pixel y lies in the number row. */
bool inNumberRow(int pixelY);
/** The number whose label a click at pixel x picks (a later range wins), 0 for none. */
int pickedNumber(int pixelX);
/** Whether the pointer at pixel x lies in a number's hover box. */
bool inHoverBox(int number, int pixelX);
/** Whether a click at this pixel falls in the chart, which drops the partner. */
bool inChart(QPoint pixel);

/** A grid line: its count, and whether it is one of the marked hundreds. */
struct GridLine {
    int count = 0;
    bool major = false;
};
/** The grid lines of a scale; each is drawn while it stays inside the chart. */
std::vector<GridLine> gridLines(int scale);
bool gridLineShown(int rawHeight);
bool gridLabelShown(int rawHeight);

} // namespace AppearanceLayout
