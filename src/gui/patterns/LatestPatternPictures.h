#pragma once

#include <QSize>

#include <span>

#include "gui/kit/PicturesDrawings.h"

class QPainter;

/** The latest-pattern dialog's tab pictures. */
namespace LatestPatternPictures {

/** One tab's picture; the strip holds the eight side by side. */
inline constexpr QSize kTabSize{70, 17};
inline constexpr int kTabCount = 8;
inline constexpr QSize kTabStripSize{kTabSize.width() * kTabCount, kTabSize.height()};

/** 147: "2データ" … "9データ", each order in its own colours. */
void drawTabStrip(QPainter& p);

/** The table of these pictures, which the shell adds to the program's pictures at start. */
std::span<const PicturesDrawings::Drawing> drawings();

} // namespace LatestPatternPictures
