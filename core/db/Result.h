#pragma once

#include "db/Status.h"

#include <optional>
#include <utility>

// A value read from the file, or the failure that kept it from being read.
template <class T>
class [[nodiscard]] Result final {
public:
    Result(T value) : m_value(std::move(value)), m_status(Status::success()) {}
    Result(Status failure) : m_status(std::move(failure)) {}

    bool ok() const { return m_status.ok(); }
    explicit operator bool() const { return ok(); }
    const Status& status() const { return m_status; }
    // Only meaningful when ok().
    const T& operator*() const { return *m_value; }
    const T* operator->() const { return &*m_value; }

private:
    std::optional<T> m_value;
    Status m_status;
};
