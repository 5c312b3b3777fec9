#pragma once

#include <QString>

#include "UserMessage.h"

/** Texts of the hand-off of web pages to the user's browser and of the shell's "open". */
namespace BrowserText {

/**
 * The browser could not be started.
 *
 * @param description the system's description of the failure, shown as the caption
 */
UserMessage startFailed(const QString& description);

/** A web page was asked for while no browser is registered. */
UserMessage notRegistered();

/**
 * Explanation of a result of the shell's "open": one of the fixed English sentences for the
 * failures 0 … 32, empty for a success (any other value).
 */
QString shellOpenExplanation(int result);

/** Trying out a browser to register failed with the given shell result. */
UserMessage browserRegistrationFailed(int result);

/** Trying out a home-page address to register failed with the given shell result. */
UserMessage homePageRegistrationFailed(int result);

} // namespace BrowserText
