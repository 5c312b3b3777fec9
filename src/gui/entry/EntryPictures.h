#pragma once

#include <span>

#include "gui/kit/PicturesDrawings.h"

/** The pictures of the entry windows, as the table the shell adds to the program's pictures. */
namespace EntryPictures {

std::span<const PicturesDrawings::Drawing> drawings();

} // namespace EntryPictures
