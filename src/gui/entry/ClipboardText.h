#pragma once

#include <QString>

#include <optional>

#include "core/UserMessage.h"

/**
 * Takes the text the user copied for a command: the text, with the clipboard emptied, so that the
 * same copy is not taken twice; nothing, after the given message, when there is no text. Qt's
 * clipboard has no opening step that could fail, unlike the one the texts were written for.
 */
namespace ClipboardText {

std::optional<QString> take(const UserMessage& whenEmpty);

} // namespace ClipboardText
