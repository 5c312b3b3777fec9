#include "document/CVemoDoc.h"

Result<std::unique_ptr<CVemoDoc>> CVemoDoc::open(const QString& installPathOption)
{
    Result<Installation> installation = Installation::open(installPathOption);
    if (!installation.ok())
        return installation.error();
    return std::unique_ptr<CVemoDoc>(new CVemoDoc(std::move(installation).value()));
}

CVemoDoc::CVemoDoc(Installation installation)
    : m_installation(std::move(installation)), m_registrants(m_installation.paths),
      m_pathSettings(PathSettings::loadPathSettings(m_installation.paths.pathDataFile()))
{
}

Status CVemoDoc::storePathSettings(const PathSettings& settings)
{
    const QString file = m_installation.paths.pathDataFile();
    if (Status fault = settings.writePathData(file))
        return fault;
    m_pathSettings = PathSettings::loadPathSettings(file);
    return std::nullopt;
}
