#pragma once

#include <QString>

// Where this station keeps what it makes from a championship: downloads, Printouts/ and
// Backups/. A file's are beside it; a server championship's are in a folder of this computer,
// ~/Documents/ORLE/<database>/, as several stations share the championship but not a disk.
namespace StationFolder {

// The folder (absolute); for a server championship it may not exist yet.
QString For(const QString& place);

// The name files made from the championship begin with: the file's name without its ending,
// or the server database's name.
QString StemFor(const QString& place);

// The path of a file in the folder named after the championship with this ending
// ("ORLE2026.htm" beside ORLE2026.mdb).
QString FileFor(const QString& place, const QString& ending);

}  // namespace StationFolder
