#include "db/ReadOnlyLook.h"

#include <QFile>
#include <QFileInfo>

namespace {

constexpr qsizetype kHeaderBytes = 20;
constexpr qsizetype kWriteVersionByte = 18;
constexpr qsizetype kReadVersionByte = 19;
constexpr char kWalVersion = 2;

// The engine's header marks a file kept with a write-ahead log in bytes 18 and 19.
bool usesWriteAheadLog(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return false;
    }
    const QByteArray header = file.read(kHeaderBytes);
    return header.size() == kHeaderBytes && header.startsWith("SQLite format 3") &&
           header.at(kWriteVersionByte) == kWalVersion &&
           header.at(kReadVersionByte) == kWalVersion;
}

bool hasContent(const QString& path) {
    const QFileInfo info(path);
    return info.isFile() && info.size() > 0;
}

}  // namespace

ReadOnlyLook::ReadOnlyLook(const QString& path) {
    const bool wal = usesWriteAheadLog(path);
    const QString companion = path + (wal ? QStringLiteral("-wal") : QStringLiteral("-journal"));
    if (wal || hasContent(companion)) {
        // Changes still in a log, or a save cut short, are settled only by writing, and even
        // reading a file kept with a log leaves files beside it: the look is taken at a copy,
        // so the file itself stays as it is until accepted.
        copyForLook(path, companion);
        return;
    }
    m_db = Database::open(path, Database::Mode::ReadOnly, &m_error);
    m_readOnly = true;
}

void ReadOnlyLook::copyForLook(const QString& path, const QString& companion) {
    m_scratch = std::make_unique<QTemporaryDir>();
    const QString copy = m_scratch->filePath(QFileInfo(path).fileName());
    const QString companionCopy = copy + companion.mid(path.size());
    const auto writable = QFileDevice::ReadOwner | QFileDevice::WriteOwner;
    const bool withCompanion = QFileInfo::exists(companion);
    if (!m_scratch->isValid() || !QFile::copy(path, copy) ||
        !QFile::setPermissions(copy, writable) ||
        (withCompanion && (!QFile::copy(companion, companionCopy) ||
                           !QFile::setPermissions(companionCopy, writable)))) {
        m_error = QStringLiteral(
            "The file could not be copied to a temporary folder to check it; check the free "
            "space of the temporary folder.");
        return;
    }
    m_db = Database::open(copy, Database::Mode::ExistingFile, &m_error);
}
