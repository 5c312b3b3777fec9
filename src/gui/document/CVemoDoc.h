#pragma once

#include <QObject>

#include <memory>

#include "UserMessage.h"
#include "document/LastEnteredPrediction.h"
#include "document/SelectionHandOver.h"
#include "entry/RegistrantSlots.h"
#include "patterns/PatternStats.h"
#include "store/Installation.h"
#include "store/PathSettings.h"

/**
 * The program's data for the whole run: the installation folder, its draw history (held locked
 * until the document goes), the registrants and their prediction files, the browser settings, and
 * what several windows share: the current-pattern tables, the ticks handed between the data-entry
 * dialog and the number card, and the prediction entered last. It says when the history, the registrants or
 * their predictions changed, so that the windows showing them follow without being called by the window that
 * changed them.
 */
class CVemoDoc : public QObject {
    Q_OBJECT
public:
    /** Opens the installation; installPathOption is the --install-path value, empty when not given. */
    static Result<std::unique_ptr<CVemoDoc>> open(const QString& installPathOption);

    const InstallPaths& paths() const { return m_installation.paths; }
    DrawHistory& history() { return *m_installation.history; }
    const DrawHistory& history() const { return *m_installation.history; }
    const RegistrantNames& registrantNames() const { return m_registrants.names(); }
    RegistrantSlots& registrants() { return m_registrants; }
    const PathSettings& pathSettings() const { return m_pathSettings; }
    /** Writes PathData.txt and takes the settings as read back from it; a failed write changes nothing. */
    Status storePathSettings(const PathSettings& settings);
    CurrentPatternTables& currentPatternTables() { return m_patternTables; }
    SelectionHandOver& selectionHandOver() { return m_selectionHandOver; }
    LastEnteredPrediction& lastEnteredPrediction() { return m_lastEnteredPrediction; }

    /** Says that the history changed, with a short note of what changed (empty for none). */
    void announceHistoryChange(const QString& note) { Q_EMIT historyChanged(note); }
    /** Says that someone was registered or removed. */
    void announceRegistrantsChange() { Q_EMIT registrantsChanged(); }
    /** Says that a registrant's prediction was entered or deleted. */
    void announcePredictionsChange() { Q_EMIT predictionsChanged(); }

Q_SIGNALS:
    void historyChanged(const QString& note);
    void registrantsChanged();
    void predictionsChanged();

private:
    explicit CVemoDoc(Installation installation);

    Installation m_installation;
    RegistrantSlots m_registrants;
    PathSettings m_pathSettings;
    CurrentPatternTables m_patternTables;
    SelectionHandOver m_selectionHandOver;
    LastEnteredPrediction m_lastEnteredPrediction;
};
