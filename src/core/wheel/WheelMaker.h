#pragma once

#include "core/UserMessage.h"
#include "core/wheel/WheelControl.h"
#include "core/wheel/WheelResult.h"
#include "core/wheel/WheelSettings.h"

/** Makes wheels: checks the settings, searches, proves the guarantee and counts the odds. */
namespace WheelMaker {

/**
 * The smallest wheel the search finds that keeps the guarantee (proven, or refused with a
 * message), or in budget mode the tickets most likely to hold t. A guarantee whose lower bound
 * is above the settings' maxTickets is refused, and so is a wheel found with more tickets. Two
 * searches run side by side, the calling thread and one more, for at most the settings' time;
 * then the proof and the odds.
 */
Result<WheelResult> make(const WheelSettings& settings, const WheelControl& control = {});

} // namespace WheelMaker
