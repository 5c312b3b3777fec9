#pragma once

#include <QString>

/** Texts of data entry and the registrants' predictions. */
namespace EntryText {

/** Shown in place of a draw's result when it is missing or incomplete. */
QString missingResult();

} // namespace EntryText
