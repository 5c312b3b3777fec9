#pragma once

#include <QString>

#include <optional>

class QWidget;

/** The text a control's help popup shows, carried by the control itself (see ContextHelpPopupFilter). */
namespace ControlHelp {

/** Gives control its help text; a control given an empty one shows an empty popup. */
void attach(QWidget* control, const QString& text);

/** The help of widget or of the nearest widget above it that has one, short of window; none when none has. */
std::optional<QString> find(const QWidget* widget, const QWidget* window);

} // namespace ControlHelp
