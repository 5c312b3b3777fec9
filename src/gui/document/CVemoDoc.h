#pragma once

#include <QObject>

#include <memory>

#include "core/UserMessage.h"
#include "core/workbook/Workbook.h"

/**
 * The program's data for the whole run, a thin layer over the workbook: it hands out const views of the
 * installation, its draw history, the registrants and the browser settings, and makes every change through
 * one of the workbook's verbs, after which it says what changed, so that the windows showing it follow
 * without being called by the window that changed it.
 */
class CVemoDoc : public QObject {
    Q_OBJECT
public:
    /** Opens the installation; installPathOption is the --install-path value, empty when not given. */
    static Result<std::unique_ptr<CVemoDoc>> open(const QString& installPathOption);

    const InstallPaths& paths() const { return m_workbook.paths(); }
    const DrawHistory& history() const { return m_workbook.history(); }
    const RegistrantSlots& registrants() const { return m_workbook.registrants(); }
    const RegistrantNames& registrantNames() const { return m_workbook.registrants().names(); }
    const PathSettings& pathSettings() const { return m_workbook.pathSettings(); }
    const std::optional<PrizeTable>& prizeTable() const { return m_workbook.prizeTable(); }
    const Status& prizeTableFault() const { return m_workbook.prizeTableFault(); }
    bool historyIsExample() const { return m_workbook.historyIsExample(); }

    // The workbook's verbs; see Workbook for what each does.
    Status appendDraw(const DrawNumbers& numbers) { return follow(m_workbook.appendDraw(numbers)); }
    Status modifyDraw(const QString& drawText, const DrawNumbers& numbers)
    {
        return follow(m_workbook.modifyDraw(drawText, numbers));
    }
    Status deleteLastDraw() { return follow(m_workbook.deleteLastDraw()); }
    Status replaceHistory(const FlagLines& lines) { return follow(m_workbook.replaceHistory(lines)); }
    Status undoHistoryChange() { return follow(m_workbook.undoHistoryChange()); }
    Status nameRegistrant(int slot, const QString& name) { return follow(m_workbook.nameRegistrant(slot, name)); }
    Status removeRegistrant(int slot) { return follow(m_workbook.removeRegistrant(slot)); }
    Status addPrediction(int slot, int draw, const QList<int>& numbers)
    {
        return follow(m_workbook.addPrediction(slot, draw, numbers));
    }
    Status addPredictions(int slot, int draw, const QList<QList<int>>& tickets)
    {
        return follow(m_workbook.addPredictions(slot, draw, tickets));
    }
    Status deletePrediction(int slot, int draw, int p) { return follow(m_workbook.deletePrediction(slot, draw, p)); }
    Status storePathSettings(const PathSettings& settings) { return follow(m_workbook.storePathSettings(settings)); }
    Status storePrizeTable(const PrizeTable& table) { return follow(m_workbook.storePrizeTable(table)); }
    Status removePrizeTable() { return follow(m_workbook.removePrizeTable()); }

Q_SIGNALS:
    /** The history changed; note says how in a few words (empty for an import). */
    void historyChanged(const QString& note);
    /** Someone was registered, renamed or removed. */
    void registrantsChanged();
    /** A registrant's prediction was entered or deleted. */
    void predictionsChanged();
    /** The prize table was typed in, changed or removed. */
    void prizeTableChanged();

private:
    explicit CVemoDoc(Workbook workbook) : m_workbook(std::move(workbook)) {}

    /** Says what a verb changed; the verb's failure, if any. */
    Status follow(const WorkbookChange& change);

    Workbook m_workbook;
};
