#pragma once

#include <QCoreApplication>

/** The program's version, set by the build from the project's version. */
inline QString applicationVersion()
{
    return QStringLiteral(VEMO_VERSION);
}

/** Names under which the program's settings and user data folder are kept. */
inline void setApplicationIdentity()
{
    QCoreApplication::setOrganizationName(QStringLiteral("Quorvanex"));
    QCoreApplication::setApplicationName(QStringLiteral("ヌルガタ"));
    QCoreApplication::setApplicationVersion(applicationVersion());
}
