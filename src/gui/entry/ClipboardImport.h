#pragma once

class CVemoDoc;

/**
 * The main-number update's import: the history replaced by the whole table the user copied from the
 * update page. The copy is taken off the clipboard whatever the checks decide, so that a refused table
 * is not taken again; the history changes only after every check and the user's Yes.
 */
namespace ClipboardImport {

/** Runs the import with its messages; true when the history was replaced. */
bool importFromClipboard(CVemoDoc& doc);

} // namespace ClipboardImport
