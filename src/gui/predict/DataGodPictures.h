#pragma once

#include <QSize>

#include "gui/entry/RegistrantPictures.h"

class QPainter;

/** The pictures of the data-god settings dialog and the predicting window, each
 * in its own pixel size. */
namespace DataGodPictures {

/** 385: the settings dialog's OK face with its caption. */
inline constexpr QSize kShowResultsSize{234, 38};
/** 386, shared with the registrant dialog: the Cancel face. */
inline constexpr QSize kCancelFaceSize = RegistrantPictures::kButtonFaceSize;
/** 343: the predicting window's banner. */
inline constexpr QSize kBannerSize{305, 17};
/** 344: the predicting window's Cancel face. */
inline constexpr QSize kPredictingCancelSize{68, 38};

void drawShowResults(QPainter& p);
void drawBanner(QPainter& p);
void drawPredictingCancel(QPainter& p);

/** The predicting window's animations 379, 380, 382, 383 and 384: frames of
 * this size, looping. */
inline constexpr QSize kClipSize{40, 44};
inline constexpr int kClipFrames = 16;
/** Frame 0 … kClipFrames − 1 of a clip; an unknown clip draws nothing. */
void drawClipFrame(QPainter& p, int clipId, int frame);

} // namespace DataGodPictures
