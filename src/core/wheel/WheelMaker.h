#pragma once

#include "UserMessage.h"
#include "wheel/WheelControl.h"
#include "wheel/WheelResult.h"
#include "wheel/WheelSettings.h"

/** Makes wheels: checks the settings, searches, proves the guarantee and counts the odds. */
namespace WheelMaker {

/**
 * The smallest wheel the search finds that keeps the guarantee (proven, or refused with a
 * message), or in budget mode the tickets most likely to hold t. A guarantee whose lower bound
 * is above WheelSettings::kMaxTickets is refused. Runs in the calling thread for at most the
 * settings' time, plus the proof and the odds.
 */
Result<WheelResult> make(const WheelSettings& settings, const WheelControl& control = {});

} // namespace WheelMaker
