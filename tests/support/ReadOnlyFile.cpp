#include "support/ReadOnlyFile.h"

#include <QFile>
#include <QProcess>

namespace {

bool changeAttribute(const QString& path, const char* change) {
    return QProcess::execute(QStringLiteral("chattr"), {QLatin1String(change), path}) == 0;
}

bool writable(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadWrite);
}

}  // namespace

ReadOnlyFile::ReadOnlyFile(const QString& path) : m_path(path) {
    QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
    if (writable(path)) {
        m_immutable = changeAttribute(path, "+i");
    }
    m_ok = !writable(path);
}

ReadOnlyFile::~ReadOnlyFile() {
    if (m_immutable) {
        changeAttribute(m_path, "-i");
    }
    QFile::setPermissions(
        m_path, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
}
