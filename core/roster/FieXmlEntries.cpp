#include "roster/FieXmlEntries.h"

#include "db/Database.h"
#include "db/Snapshots.h"
#include "publish/FieCodes.h"
#include "roster/RosterStatus.h"

#include <QFile>
#include <QFileInfo>
#include <QXmlStreamReader>
#include <map>
#include <vector>

namespace {

const QString kRoot = QStringLiteral("CompetitionIndividuelle");
const QString kFencers = QStringLiteral("Tireurs");
const QString kFencer = QStringLiteral("Tireur");
// The root is depth 1, its list of fencers 2, each fencer 3.
constexpr int kFencersDepth = 2;
constexpr int kFencerDepth = 3;

// One fencer as the file gives it, with the line it starts on.
struct FileFencer {
    qint64 line = 0;
    QString family;
    QString given;
    QString club;
    QString status;
};

struct FileEntries {
    QString weapon;
    QString sex;
    std::vector<FileFencer> fencers;
};

// A name compared as people read it: case and accents aside ("École" is "ecole").
QString plainKey(const QString& text) {
    QString key;
    for (const QChar c : text.normalized(QString::NormalizationForm_D)) {
        if (c.category() != QChar::Mark_NonSpacing) {
            key += c;
        }
    }
    return key.simplified().toCaseFolded();
}

// Every name of every school, to the abbreviation that identifies it in a roster.
Result<std::map<QString, QString>> schoolsByName(const Database& db) {
    std::map<QString, QString> schools;
    Statement rows =
        db.prepare(QStringLiteral("SELECT Abbreviation, MediumTeamName, FullTeamName FROM Teams"));
    while (rows.next()) {
        for (int column = 0; column < 3; ++column) {
            schools.emplace(plainKey(rows.toText(column)), rows.toText(0));
        }
    }
    if (!rows.ok()) {
        return rows.status();
    }
    return schools;
}

QString attributeOf(const QXmlStreamReader& xml, const char* name) {
    return xml.attributes().value(QLatin1String(name)).toString();
}

QString where(const QXmlStreamReader& xml) {
    return QStringLiteral("line %1").arg(xml.lineNumber());
}

// Reads the whole document, so a file broken after its fencers is refused too.
Status readEntries(const QByteArray& bytes, FileEntries& out) {
    QXmlStreamReader xml(bytes);
    int depth = 0;
    bool inFencers = false;
    while (!xml.atEnd()) {
        switch (xml.readNext()) {
            case QXmlStreamReader::DTD:
                // A document type naming an outside file is harmless: nothing outside is ever
                // loaded. Entities of its own are what entity bombs are made of, and no
                // competition file needs one: refused before any could be expanded.
                if (!xml.entityDeclarations().isEmpty()) {
                    return Status::failure(
                        QStringLiteral("%1: the file declares entities (<!ENTITY>), which a "
                                       "competition file never does; it is not read")
                            .arg(where(xml)));
                }
                break;
            case QXmlStreamReader::StartElement:
                if (++depth > FieXmlEntries::kMaxDepth) {
                    return Status::failure(
                        QStringLiteral("%1: the elements nest more than %2 deep; this is not a "
                                       "competition file")
                            .arg(where(xml))
                            .arg(FieXmlEntries::kMaxDepth));
                }
                if (depth == 1 && xml.name() != kRoot) {
                    return Status::failure(
                        QStringLiteral("the file holds <%1>, not an individual competition "
                                       "(<%2>)")
                            .arg(xml.name().toString(), kRoot));
                }
                if (depth == 1) {
                    out.weapon = attributeOf(xml, "Arme");
                    out.sex = attributeOf(xml, "Sexe");
                }
                inFencers = inFencers || (depth == kFencersDepth && xml.name() == kFencers);
                if (inFencers && depth == kFencerDepth && xml.name() == kFencer) {
                    out.fencers.push_back({xml.lineNumber(), attributeOf(xml, "Nom"),
                                           attributeOf(xml, "Prenom"), attributeOf(xml, "Club"),
                                           attributeOf(xml, "Statut")});
                }
                break;
            case QXmlStreamReader::EndElement:
                inFencers = inFencers && depth != kFencersDepth;
                --depth;
                break;
            default:
                break;
        }
    }
    if (xml.hasError()) {
        return Status::failure(QStringLiteral("line %1, column %2: the file is not well-formed "
                                              "XML (%3)")
                                   .arg(xml.lineNumber())
                                   .arg(xml.columnNumber())
                                   .arg(xml.errorString()));
    }
    return Status::success();
}

// The roster's status entry for the file's: excluded, withdrawn, or competing.
QString statusEntryFor(const QString& status) {
    const QString code = status.trimmed().toUpper();
    if (code == FieCodes::kExcluded) {
        return RosterStatus::Entries().at(RosterStatus::InPool);
    }
    if (code == FieCodes::kWithdrawn) {
        return RosterStatus::Entries().at(RosterStatus::Injury);
    }
    return RosterStatus::Entries().at(RosterStatus::No);
}

Result<int> eventOf(const FileEntries& entries, std::optional<int> event) {
    if (event) {
        return *event;
    }
    if (const std::optional<int> named = FieCodes::EventFor(entries.weapon, entries.sex)) {
        return *named;
    }
    return Status::failure(QStringLiteral("the file names no event of ours (weapon \"%1\", sex "
                                          "\"%2\"): choose the event to import into")
                               .arg(entries.weapon, entries.sex));
}

// Everything the file says of its fencers, read whole before the championship is touched.
Result<FileEntries> parsed(const QByteArray& xml) {
    if (xml.size() > FieXmlEntries::kMaxFileBytes) {
        return Status::failure(
            QStringLiteral("the file is larger than %1 MB, far more than any competition file")
                .arg(FieXmlEntries::kMaxFileBytes / (1024 * 1024)));
    }
    FileEntries entries;
    if (Status read = readEntries(xml, entries); !read) {
        return read;
    }
    if (entries.fencers.empty()) {
        return Status::failure(QStringLiteral("the file lists no fencers (<Tireurs>)"));
    }
    return entries;
}

Status importParsed(const Database& db, const FileEntries& entries, std::optional<int> event,
                    RosterCsv::Imported* imported, RosterCsv::Duplicates duplicates) {
    const Result<int> into = eventOf(entries, event);
    const Result<std::map<QString, QString>> schools = schoolsByName(db);
    for (const Status& found : {into.status(), schools.status()}) {
        if (!found) {
            return found;
        }
    }
    std::vector<CsvText::Record> records;
    for (const FileFencer& fencer : entries.fencers) {
        const auto school = schools->find(plainKey(fencer.club));
        records.push_back({static_cast<int>(fencer.line),
                           {QString::number(*into), fencer.given, fencer.family,
                            school == schools->end() ? fencer.club : school->second,
                            statusEntryFor(fencer.status)}});
    }
    return RosterCsv(db).importRecords(records, imported, duplicates);
}

}  // namespace

Result<QByteArray> FieXmlEntries::ReadFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return Status::failure(QStringLiteral("%1: %2").arg(path, file.errorString()));
    }
    // A pipe or a device reports no size: reading one byte past the limit tells.
    const QByteArray bytes = file.read(kMaxFileBytes + 1);
    if (bytes.size() > kMaxFileBytes) {
        return Status::failure(QStringLiteral("%1 is larger than %2 MB, far more than any "
                                              "competition file; it is not read")
                                   .arg(QFileInfo(path).fileName())
                                   .arg(kMaxFileBytes / (1024 * 1024)));
    }
    if (file.error() != QFileDevice::NoError) {
        return Status::failure(QStringLiteral("%1: %2").arg(path, file.errorString()));
    }
    return bytes;
}

Status FieXmlEntries::import(const QByteArray& xml, std::optional<int> event,
                             RosterCsv::Imported* imported,
                             RosterCsv::Duplicates duplicates) const {
    const Result<FileEntries> entries = parsed(xml);
    return entries ? importParsed(m_db, *entries, event, imported, duplicates) : entries.status();
}

Status FieXmlEntries::importFile(const QString& path, std::optional<int> event,
                                 RosterCsv::Imported* imported,
                                 RosterCsv::Duplicates duplicates) const {
    const Result<QByteArray> bytes = ReadFile(path);
    if (!bytes) {
        return bytes.status();
    }
    // A file that is no competition file leaves no snapshot behind.
    const Result<FileEntries> entries = parsed(*bytes);
    if (!entries) {
        return entries.status();
    }
    if (Status kept = Snapshots::Before(m_db, QStringLiteral("import")); !kept) {
        return kept;
    }
    return importParsed(m_db, *entries, event, imported, duplicates);
}
