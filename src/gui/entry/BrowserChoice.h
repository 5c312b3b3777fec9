#pragma once

#include <QString>

#include <optional>

/** Which browser a web page is to open in, asked of the player where the registered one cannot start. */
namespace BrowserChoice {

/**
 * The registered browser where it can start; else, as on any Linux desktop, the desktop's own browser for this
 * time, offered first. Without either, or declined, a message has said why and there is none.
 */
std::optional<QString> browserToStart(const QString& registered);

} // namespace BrowserChoice
