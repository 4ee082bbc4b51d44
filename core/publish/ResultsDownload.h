#pragma once

#include "db/Status.h"

#include <QString>

class Database;

// The results download: all standings of the championship in one file for publication.
namespace ResultsDownload {

enum class Format { Text, Html, Xml };

// "TXT", "HTML" or "XML": the type word the choice dialog hands over and the file ending.
QString TypeName(Format format);
// The championship file's path with its last three characters replaced by the type word.
QString PathFor(const QString& championshipPath, Format format);
// The whole file as written, line ends included.
QByteArray Bytes(const Database& db, const QString& championshipYear, Format format,
                 Status* status);
// Writes the file in one piece: an existing file is replaced only when the new one is complete.
Status WriteBytes(const QByteArray& bytes, const QString& path);
// The results download of that format, written as WriteBytes writes.
Status Write(const Database& db, const QString& championshipYear, Format format,
             const QString& path);

}  // namespace ResultsDownload
