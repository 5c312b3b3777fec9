#pragma once

#include <QString>

#include <optional>

class CVemoDoc;
class QWidget;

/**
 * The data menu's CSV commands: the history written to a CSV file for a spreadsheet or another
 * program, and the history replaced by a CSV file after every line was checked and the user agreed.
 */
class CsvExchange {
public:
    CsvExchange(CVemoDoc& doc, QWidget* owner);

    void exportHistory();
    /** True when the history was replaced, which the document then says. */
    bool importHistory();

private:
    enum class Purpose { Export, Import };
    std::optional<QString> chooseFile(Purpose purpose) const;

    CVemoDoc& m_doc;
    QWidget* m_owner;
};
