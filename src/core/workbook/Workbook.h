#pragma once

#include "core/UserMessage.h"
#include "core/entry/RegistrantSlots.h"
#include "core/store/Installation.h"
#include "core/store/PathSettings.h"
#include "core/store/PrizeTable.h"
#include "core/workbook/WorkbookChange.h"

/**
 * Everything the program keeps in an installation folder: the draw history (locked for as long as the
 * workbook lives), the registrants and their prediction files, and the browser settings. Others read
 * it through const views; every change goes through one of its verbs, which writes through the atomic
 * writer and says what changed, so that whoever shows the data can follow.
 */
class Workbook {
public:
    /**
     * Finds the installation as the installed program does (see Installation::open) and reads the
     * registrants and the browser settings.
     */
    static Result<Workbook> open(const QString& installPathOption,
                                 DrawHistory::Access access = DrawHistory::Access::Write);

    const InstallPaths& paths() const { return m_installation.paths; }
    const DrawHistory& history() const { return *m_installation.history; }
    const RegistrantSlots& registrants() const { return m_registrants; }
    const PathSettings& pathSettings() const { return m_pathSettings; }
    /** The prize table the player typed in; none when there is none or it could not be read. */
    const std::optional<PrizeTable>& prizeTable() const { return m_prizeTable; }
    /** Why the prize table in the data folder is not used; none when there is no file or it was read. */
    const Status& prizeTableFault() const { return m_prizeTableFault; }
    /** Whether the history is still the bundled example of random draws. */
    bool historyIsExample() const;

    /** Adds a draw after the newest. */
    WorkbookChange appendDraw(const DrawNumbers& numbers);
    /** Overwrites a draw; drawText is the draw number as the user typed it. */
    WorkbookChange modifyDraw(const QString& drawText, const DrawNumbers& numbers);
    WorkbookChange deleteLastDraw();
    /** Replaces the history by checked lines: a pasted table, a history file or a CSV. */
    WorkbookChange replaceHistory(const FlagLines& lines);
    /** Puts the newest kept version of the history back. */
    WorkbookChange undoHistoryChange();

    /** Registers a free slot 1 … 5 under a name, or renames a registered one (its predictions stay). */
    WorkbookChange nameRegistrant(int slot, const QString& name);
    /** Frees a registered slot; its predictions go to the backup folder. */
    WorkbookChange removeRegistrant(int slot);

    /** Stores six numbers as a registered slot's next prediction for a draw 1 … drawCount + 1. */
    WorkbookChange addPrediction(int slot, int draw, const QList<int>& numbers);
    /** Adds tickets (a wheel bought) as a registrant's predictions for a draw: all of them or none. */
    WorkbookChange addPredictions(int slot, int draw, const QList<QList<int>>& tickets);
    /** Removes prediction p of a draw from a registered slot's file; slot 0, the sample file, has none to delete. */
    WorkbookChange deletePrediction(int slot, int draw, int p);
    /** Puts the newest kept version of a registered slot's prediction file back. */
    WorkbookChange undoPredictionChange(int slot);

    /** Writes PathData.txt and takes the settings as read back from it; a failed write changes nothing. */
    WorkbookChange storePathSettings(const PathSettings& settings);

    /** Writes TousenKin.txt and takes the table as read back from it; a refused or failed write changes nothing. */
    WorkbookChange storePrizeTable(const PrizeTable& table);
    /** Removes TousenKin.txt: from then on nothing is shown but the odds. */
    WorkbookChange removePrizeTable();

private:
    explicit Workbook(Installation installation);

    /** Reads TousenKin.txt into the table, or the reason it is not used. */
    void loadPrizeTable();

    DrawHistory& writableHistory() { return *m_installation.history; }
    /** The file of a registered slot, or why the slot has none. */
    Result<PredictionFile> registeredFile(int slot) const;

    Installation m_installation;
    RegistrantSlots m_registrants;
    PathSettings m_pathSettings;
    std::optional<PrizeTable> m_prizeTable;
    Status m_prizeTableFault;
};
