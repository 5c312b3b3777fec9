#include "gui/document/CVemoDoc.h"

Result<std::unique_ptr<CVemoDoc>> CVemoDoc::open(const QString& installPathOption)
{
    Result<Workbook> workbook = Workbook::open(installPathOption);
    if (!workbook.ok())
        return workbook.error();
    return std::unique_ptr<CVemoDoc>(new CVemoDoc(std::move(workbook).value()));
}

Status CVemoDoc::follow(const WorkbookChange& change)
{
    if (change.parts.testFlag(WorkbookChange::Part::History))
        Q_EMIT historyChanged(change.historyNote);
    if (change.parts.testFlag(WorkbookChange::Part::Registrants))
        Q_EMIT registrantsChanged();
    if (change.parts.testFlag(WorkbookChange::Part::Predictions))
        Q_EMIT predictionsChanged();
    if (change.parts.testFlag(WorkbookChange::Part::Prizes))
        Q_EMIT prizeTableChanged();
    return change.fault;
}
