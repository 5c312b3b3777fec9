#pragma once

#include <QStringList>

#include <optional>

/** The words after the command name, read one at a time with strict number checks. */
class CliArguments {
public:
    explicit CliArguments(QStringList words) : m_words(std::move(words)) {}

    bool atEnd() const { return m_next >= m_words.size(); }
    /** The next word, or nothing when none is left. */
    std::optional<QString> word();
    /** The next word as a decimal integer, or nothing when it is missing or not a number. */
    std::optional<int> number();
    /** All words that are left, as integers; nothing if one is not a number. */
    std::optional<QList<int>> remainingNumbers();
    /** Whether a flag such as "--weighted" is among the words left; it is taken out. */
    bool takeFlag(const QString& flag);

private:
    QStringList m_words;
    qsizetype m_next = 0;
};
