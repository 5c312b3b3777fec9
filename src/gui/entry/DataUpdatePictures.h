#pragma once

#include <QSize>

class QPainter;

/** The pictures of the main-number update guide, each drawn in its own pixel size. */
namespace DataUpdatePictures {

/** Picture 403 at the guide's top left: a page of flags copied onto the clipboard. */
inline constexpr QSize kGuidePictureSize(64, 64);

void drawGuidePicture(QPainter& painter); // 403
void drawImportButton(QPainter& painter); // 402 "データ 更 新"
void drawCancelButton(QPainter& painter); // 401 "中　　止"

} // namespace DataUpdatePictures
