#include "gui/entry/BrowserChoice.h"

#include "core/store/PathSettings.h"
#include "gui/entry/BrowserService.h"
#include "gui/entry/BrowserText.h"
#include "gui/kit/MessageService.h"

namespace BrowserChoice {

std::optional<QString> browserToStart(const QString& registered)
{
    if (registered.isEmpty()) {
        MessageService::show(BrowserText::notRegistered(), MessageService::Buttons::Ok,
                             MessageService::Icon::Exclamation);
        return std::nullopt;
    }
    if (PathSettings::isWindowsPath(registered)) {
        MessageService::show(BrowserText::windowsBrowser(registered), MessageService::Buttons::Ok,
                             MessageService::Icon::Critical);
        return std::nullopt;
    }
    if (BrowserService::canStart(registered))
        return registered;
    const QString desktopBrowser = BrowserService::desktopBrowser();
    if (desktopBrowser.isEmpty()) {
        MessageService::show(BrowserText::browserMissing(registered), MessageService::Buttons::Ok,
                             MessageService::Icon::Critical);
        return std::nullopt;
    }
    if (MessageService::show(BrowserText::offerDesktopBrowser(registered), MessageService::Buttons::YesNo,
                             MessageService::Icon::Question)
        != MessageService::Answer::Yes)
        return std::nullopt;
    return desktopBrowser;
}

} // namespace BrowserChoice
