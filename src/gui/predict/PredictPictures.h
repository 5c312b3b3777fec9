#pragma once

#include <span>

#include "gui/kit/PicturesDrawings.h"

/** The pictures of the prediction windows, as the table the shell adds to the program's pictures. */
namespace PredictPictures {

std::span<const PicturesDrawings::Drawing> drawings();

} // namespace PredictPictures
