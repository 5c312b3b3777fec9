#include "gui/kit/ControlHelp.h"

#include <QVariant>
#include <QWidget>

namespace ControlHelp {
namespace {

const char* const kHelpTextProperty = "helpText";

} // namespace

void attach(QWidget* control, const QString& text)
{
    control->setProperty(kHelpTextProperty, text);
}

std::optional<QString> find(const QWidget* widget, const QWidget* window)
{
    for (const QWidget* w = widget; w && w != window; w = w->parentWidget()) {
        const QVariant text = w->property(kHelpTextProperty);
        if (text.isValid())
            return text.toString();
    }
    return std::nullopt;
}

} // namespace ControlHelp
