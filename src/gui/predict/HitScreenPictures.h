#pragma once

#include <QSize>

class QPainter;

/** The pictures of the hit-count screen, each drawn in its own pixel size. */
namespace HitScreenPictures {

/** 269: the captions of the four count lines (6, 5, 4 and 3 hits), dark on white for an AND copy. */
inline constexpr QSize kRowCaptionSize{50, 54};

void drawRowCaptions(QPainter& p);

} // namespace HitScreenPictures
