#pragma once

#include <memory>

#include "UserMessage.h"
#include "patterns/PatternStats.h"
#include "store/Installation.h"
#include "store/PathSettings.h"
#include "store/Registrants.h"

/**
 * The program's data for the whole run: the installation folder, its draw history (held locked
 * until the document goes), the registrant names, the browser settings and the current-pattern
 * tables that several windows share.
 */
class CVemoDoc {
public:
    /** Opens the installation; installPathOption is the --install-path value, empty when not given. */
    static Result<std::unique_ptr<CVemoDoc>> open(const QString& installPathOption);

    const InstallPaths& paths() const { return m_installation.paths; }
    DrawHistory& history() { return *m_installation.history; }
    const DrawHistory& history() const { return *m_installation.history; }
    const RegistrantNames& registrantNames() const { return m_registrants; }
    const PathSettings& pathSettings() const { return m_pathSettings; }
    CurrentPatternTables& currentPatternTables() { return m_patternTables; }

private:
    explicit CVemoDoc(Installation installation);

    Installation m_installation;
    RegistrantNames m_registrants;
    PathSettings m_pathSettings;
    CurrentPatternTables m_patternTables;
};
