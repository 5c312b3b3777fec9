#pragma once

#include <QString>

#include "core/UserMessage.h"

/** Texts of the help window. */
namespace HelpText {

QString windowTitle();
QString contentsButton();
QString backButton();
QString forwardButton();
QString closeButton();

/** The context-help popup of a dialog's Cancel (close) button. */
QString cancelButtonPopup();

/** The context-help popup of a dialog's OK button. */
QString okButtonPopup();

/** The manual is not where the installation keeps it. */
UserMessage manualMissing(const QString& path);

} // namespace HelpText
