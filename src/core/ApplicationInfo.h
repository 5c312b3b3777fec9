#pragma once

#include <QCoreApplication>

/** Names under which the program's settings and user data folder are kept. */
inline void setApplicationIdentity()
{
    QCoreApplication::setOrganizationName(QStringLiteral("Quorvanex"));
    QCoreApplication::setApplicationName(QStringLiteral("ヌルガタ"));
}
