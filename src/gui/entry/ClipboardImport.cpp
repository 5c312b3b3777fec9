#include "gui/entry/ClipboardImport.h"

#include "core/store/DrawHistory.h"
#include "core/text/StoreText.h"
#include "gui/document/CVemoDoc.h"
#include "gui/entry/ClipboardText.h"
#include "gui/kit/MessageService.h"

namespace ClipboardImport {

bool importFromClipboard(CVemoDoc& doc)
{
    const std::optional<QString> text = ClipboardText::take(StoreText::clipboardEmpty());
    if (!text)
        return false;
    // The core checks the whole table, not only its tag and its length, before anything is written.
    const Result<FlagLines> lines = doc.history().checkImport(text->toUtf8());
    if (!lines.ok()) {
        MessageService::show(lines.error(), MessageService::Buttons::Ok, MessageService::Icon::Exclamation);
        return false;
    }
    if (!MessageService::confirm(StoreText::confirmImport()))
        return false;
    if (const Status fault = doc.replaceHistory(lines.value())) {
        MessageService::show(*fault, MessageService::Buttons::Ok, MessageService::Icon::Critical);
        return false;
    }
    MessageService::show(StoreText::importDone(), MessageService::Buttons::Ok, MessageService::Icon::Information);
    return true;
}

} // namespace ClipboardImport
