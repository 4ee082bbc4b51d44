#pragma once

#include <QString>

// The outcome of a core operation: success, or a failure with a message for the user.
// A result the staff must trust is never dropped unread, so the compiler insists it is used.
class [[nodiscard]] Status final {
public:
    static Status success() { return Status(); }
    static Status failure(const QString& message) { return Status(message); }

    bool ok() const { return m_failed == false; }
    explicit operator bool() const { return ok(); }
    const QString& message() const { return m_message; }

private:
    Status() = default;
    explicit Status(const QString& message) : m_failed(true), m_message(message) {}

    bool m_failed = false;
    QString m_message;
};
