#pragma once

#include <QString>

#include <optional>

#include "UserMessage.h"

/**
 * Takes the text the user copied for a command: the text, with the clipboard emptied, so that the
 * same copy is not taken twice; nothing, after a message, when there is no text or no clipboard.
 */
namespace ClipboardText {

std::optional<QString> take(const UserMessage& whenEmpty);

} // namespace ClipboardText
