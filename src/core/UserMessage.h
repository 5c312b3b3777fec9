#pragma once

#include <QString>

#include <optional>
#include <utility>

/**
 * A message for the user, with the caption and text the program shows in its message box
 * (the command-line front end prints the text).
 */
struct UserMessage {
    QString caption;
    QString text;
};

/** Outcome of an operation that returns nothing: empty on success, the message on failure. */
using Status = std::optional<UserMessage>;

/** A value, or the message that says why there is none. */
template <typename T>
class Result {
public:
    Result(T value) : m_value(std::move(value)) {}
    Result(UserMessage error) : m_error(std::move(error)) {}

    bool ok() const { return m_value.has_value(); }
    const T& value() const& { return *m_value; }
    T& value() & { return *m_value; }
    T&& value() && { return std::move(*m_value); }
    const UserMessage& error() const { return m_error; }

private:
    std::optional<T> m_value;
    UserMessage m_error;
};
