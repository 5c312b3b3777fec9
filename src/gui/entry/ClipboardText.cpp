#include "gui/entry/ClipboardText.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

#include "gui/kit/MessageService.h"

namespace ClipboardText {

std::optional<QString> take(const UserMessage& whenEmpty)
{
    QClipboard* clipboard = QGuiApplication::clipboard();
    // A cleared clipboard gives no data at all.
    const QMimeData* data = clipboard->mimeData();
    const QString text = data && data->hasText() ? data->text() : QString();
    if (text.trimmed().isEmpty()) {
        MessageService::show(whenEmpty, MessageService::Buttons::Ok, MessageService::Icon::Exclamation);
        return std::nullopt;
    }
    clipboard->clear();
    return text;
}

} // namespace ClipboardText
