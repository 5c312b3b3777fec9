#pragma once

#include "UserMessage.h"

/** Texts of the random god. */
namespace OracleText {

/** Asked by lucky colour without choosing one. */
UserMessage noColourChosen();

} // namespace OracleText
