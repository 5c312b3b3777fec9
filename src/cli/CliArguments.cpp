#include "cli/CliArguments.h"

std::optional<QString> CliArguments::word()
{
    if (atEnd())
        return std::nullopt;
    return m_words[m_next++];
}

std::optional<int> CliArguments::number()
{
    const auto text = word();
    if (!text)
        return std::nullopt;
    bool ok = false;
    const int value = text->toInt(&ok);
    return ok ? std::optional<int>(value) : std::nullopt;
}

std::optional<QList<int>> CliArguments::remainingNumbers()
{
    QList<int> values;
    while (!atEnd()) {
        const auto value = number();
        if (!value)
            return std::nullopt;
        values.append(*value);
    }
    return values;
}

bool CliArguments::takeFlag(const QString& flag)
{
    const qsizetype at = m_words.indexOf(flag, m_next);
    if (at < 0)
        return false;
    m_words.removeAt(at);
    return true;
}
