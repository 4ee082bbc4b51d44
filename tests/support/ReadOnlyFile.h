#pragma once

#include <QString>

// Makes a file read-only for as long as it lives, for the superuser too (who writes to a
// file whatever its permission bits say): the immutable attribute where the file system
// has one. ok() tells whether the file really cannot be written.
class ReadOnlyFile final {
public:
    explicit ReadOnlyFile(const QString& path);
    ~ReadOnlyFile();
    ReadOnlyFile(const ReadOnlyFile&) = delete;
    ReadOnlyFile& operator=(const ReadOnlyFile&) = delete;

    bool ok() const { return m_ok; }

private:
    QString m_path;
    bool m_immutable = false;
    bool m_ok = false;
};
