#include "entry/ClipboardText.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

#include "app/MessageService.h"
#include "text/StoreText.h"

namespace ClipboardText {

std::optional<QString> take(const UserMessage& whenEmpty)
{
    QClipboard* clipboard = QGuiApplication::clipboard();
    // A platform without a clipboard gives no data at all, where an empty clipboard gives empty data.
    const QMimeData* data = clipboard->mimeData();
    if (!data) {
        MessageService::show(StoreText::clipboardOpenFailed(), MessageService::Buttons::Ok,
                             MessageService::Icon::Exclamation);
        return std::nullopt;
    }
    const QString text = data->hasText() ? data->text() : QString();
    if (text.trimmed().isEmpty()) {
        MessageService::show(whenEmpty, MessageService::Buttons::Ok, MessageService::Icon::Exclamation);
        return std::nullopt;
    }
    clipboard->clear();
    return text;
}

} // namespace ClipboardText
