#include "cli/CliContext.h"

int CliContext::refuse(const UserMessage& message)
{
    warn(message);
    return 1;
}

void CliContext::warn(const UserMessage& message)
{
    if (!message.caption.isEmpty())
        m_err << message.caption << '\n';
    m_err << message.text << '\n';
    m_err.flush();
}

int CliContext::usage(const QString& synopsis)
{
    m_err << QStringLiteral("引数が正しくありません。使い方: vemo-cli ") << synopsis << '\n';
    m_err.flush();
    return 2;
}
