#include "core/workbook/Workbook.h"

#include "core/store/ExampleHistory.h"
#include "core/text/EntryText.h"
#include "core/text/StoreText.h"

using Part = WorkbookChange::Part;

Result<Workbook> Workbook::open(const QString& installPathOption, DrawHistory::Access access)
{
    Result<Installation> installation = Installation::open(installPathOption, access);
    if (!installation.ok())
        return installation.error();
    return Workbook(std::move(installation).value());
}

Workbook::Workbook(Installation installation)
    : m_installation(std::move(installation)), m_registrants(m_installation.paths),
      m_pathSettings(PathSettings::loadPathSettings(m_installation.paths.pathDataFile()))
{
    loadPrizeTable();
}

void Workbook::loadPrizeTable()
{
    Result<std::optional<PrizeTable>> table = PrizeTable::load(paths().prizeTableFile());
    m_prizeTable = table.ok() ? table.value() : std::nullopt;
    m_prizeTableFault = table.ok() ? Status() : table.error();
}

WorkbookChange Workbook::appendDraw(const DrawNumbers& numbers)
{
    const Status status = writableHistory().appendDraw(numbers);
    return WorkbookChange::of(Part::History, status, StoreText::drawAppendedNote(history().drawCount()));
}

WorkbookChange Workbook::modifyDraw(const QString& drawText, const DrawNumbers& numbers)
{
    const Status status = writableHistory().modifyDraw(drawText, numbers);
    return WorkbookChange::of(Part::History, status, StoreText::drawModifiedNote(drawText.trimmed().toInt()));
}

WorkbookChange Workbook::deleteLastDraw()
{
    const int deleted = history().drawCount();
    return WorkbookChange::of(Part::History, writableHistory().deleteLastDraw(), StoreText::drawDeletedNote(deleted));
}

WorkbookChange Workbook::replaceHistory(const FlagLines& lines)
{
    return WorkbookChange::of(Part::History, writableHistory().replaceAll(lines));
}

WorkbookChange Workbook::undoHistoryChange()
{
    const Status status = writableHistory().undoLastChange();
    return WorkbookChange::of(Part::History, status, StoreText::undoneNote(history().drawCount()));
}

WorkbookChange Workbook::nameRegistrant(int slot, const QString& name)
{
    return WorkbookChange::of(Part::Registrants, m_registrants.setName(slot, name));
}

WorkbookChange Workbook::removeRegistrant(int slot)
{
    return WorkbookChange::of(Part::Registrants, m_registrants.remove(slot));
}

Result<PredictionFile> Workbook::registeredFile(int slot) const
{
    if (!m_registrants.isRegistered(slot))
        return EntryText::registrantNotRegistered(slot);
    return m_registrants.predictionFile(slot);
}

WorkbookChange Workbook::addPrediction(int slot, int draw, const QList<int>& numbers)
{
    return addPredictions(slot, draw, {numbers});
}

WorkbookChange Workbook::addPredictions(int slot, int draw, const QList<QList<int>>& tickets)
{
    Result<PredictionFile> file = registeredFile(slot);
    if (!file.ok())
        return WorkbookChange::failed(file.error());
    const auto stored = file.value().appendPredictions(draw, tickets, history().drawCount());
    return stored.ok() ? WorkbookChange::made(Part::Predictions) : WorkbookChange::failed(stored.error());
}

WorkbookChange Workbook::deletePrediction(int slot, int draw, int p)
{
    // Only a registrant's own predictions can be deleted; the sample file stands in while nobody is registered.
    if (slot == 0)
        return WorkbookChange::failed(EntryText::nothingToDelete());
    Result<PredictionFile> file = registeredFile(slot);
    if (!file.ok())
        return WorkbookChange::failed(file.error());
    return WorkbookChange::of(Part::Predictions, file.value().deletePrediction(draw, p));
}

WorkbookChange Workbook::undoPredictionChange(int slot)
{
    Result<PredictionFile> file = registeredFile(slot);
    if (!file.ok())
        return WorkbookChange::failed(file.error());
    return WorkbookChange::of(Part::Predictions, file.value().undoLastChange());
}

WorkbookChange Workbook::storePathSettings(const PathSettings& settings)
{
    const QString file = paths().pathDataFile();
    if (Status fault = settings.writePathData(file))
        return WorkbookChange::failed(*fault);
    m_pathSettings = PathSettings::loadPathSettings(file);
    return WorkbookChange::made(Part::Settings);
}

WorkbookChange Workbook::storePrizeTable(const PrizeTable& table)
{
    if (Status fault = table.store(paths().prizeTableFile()))
        return WorkbookChange::failed(*fault);
    loadPrizeTable();
    return WorkbookChange::made(Part::Prizes);
}

WorkbookChange Workbook::removePrizeTable()
{
    if (Status fault = PrizeTable::remove(paths().prizeTableFile()))
        return WorkbookChange::failed(*fault);
    loadPrizeTable();
    return WorkbookChange::made(Part::Prizes);
}

bool Workbook::historyIsExample() const
{
    return ExampleHistory::inUse(paths().historyFile());
}
