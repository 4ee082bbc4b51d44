#include "publish/FieXmlExport.h"

#include "db/Database.h"
#include "entry/BoutResults.h"
#include "publish/DownloadRules.h"
#include "publish/FieCodes.h"
#include "publish/HtmlEscape.h"
#include "publish/ResultsDownload.h"
#include "roster/RosterRow.h"
#include "roster/RosterStatus.h"
#include "roster/RosterStore.h"
#include "roster/TeamStore.h"
#include "standings/BuildLiveStandings.h"
#include "standings/EventCodes.h"
#include "standings/EventNames.h"
#include "standings/FinalFourEntry.h"

#include <QRegularExpression>
#include <QXmlStreamWriter>
#include <algorithm>
#include <map>
#include <vector>

namespace {

// The championship is fenced between American colleges.
const QString kNation = QStringLiteral("USA");
// Senior category, national competition.
const QString kCategory = QStringLiteral("S");
const QString kDomain = QStringLiteral("N");
const QString kFormatVersion = QStringLiteral("3.3");
const QString kPoolPhase = QStringLiteral("TourPoules1");
const QString kTablePhase = QStringLiteral("PhaseTableaux1");

constexpr int kSemifinalA = 0;
constexpr int kSemifinalB = 1;
constexpr int kGoldBout = 10;
constexpr int kBronzeBout = 11;
constexpr int kFinalFourSize = 4;

// A decided Final Four bout; the score is written winner's touches first.
struct FinalBout {
    int bout = 0;
    int top = 0;
    int bottom = 0;
    int winner = 0;
    QString score;

    int loser() const { return top + bottom - winner; }
};

// Everything one event's file holds, read before a line is written.
struct EventFile {
    int event = 0;
    QString eventName;
    QString year;
    QDate day;
    std::vector<RosterRow> fencers;
    std::map<int, QString> clubs;
    std::map<int, LiveStandingsRow> standings;
    std::vector<BoutEntry> bouts;
    std::vector<FinalBout> finalBouts;
    // Seed (1..4) by fencer number, once the Final Four is seeded.
    std::map<int, int> seeds;
};

// A fencer is known in the file by the number the staff and orle-cli give him in the event.
QString idOf(int fencerNumber) {
    return QString::number(fencerNumber);
}

Status readFinalBouts(const Database& db, int event, std::vector<FinalBout>& out) {
    Statement rows =
        db.prepare(QStringLiteral("SELECT Bout, TopFencer, BottomFencer, Winner, ifnull(Score,'') "
                                  "FROM FinalFour WHERE Weapon=? AND Winner<>? ORDER BY Bout"),
                   {event, static_cast<int>(FinalFourEntry::kEmpty)});
    while (rows.next()) {
        out.push_back({rows.toInt(0), rows.toInt(1), rows.toInt(2), rows.toInt(3), rows.toText(4)});
    }
    return rows.ok() ? Status::success() : Status::failure(rows.errorString());
}

// Seed k of the Final Four: 1 and 4 meet in Semifinal A, 3 and 2 in Semifinal B.
Status readSeeds(const Database& db, int event, std::map<int, int>& seeds) {
    Statement rows = db.prepare(QStringLiteral("SELECT Bout, TopFencer, BottomFencer FROM "
                                               "FinalFour WHERE Weapon=? AND Bout IN (?, ?)"),
                                {event, kSemifinalA, kSemifinalB});
    while (rows.next()) {
        const int bout = rows.toInt(0);
        seeds[rows.toInt(1)] = 2 * bout + 1;
        seeds[rows.toInt(2)] = kFinalFourSize - 2 * bout;
    }
    return rows.ok() ? Status::success() : Status::failure(rows.errorString());
}

Status readClubs(const Database& db, const std::vector<RosterRow>& fencers,
                 std::map<int, QString>& clubs) {
    const TeamStore teams(db);
    for (const RosterRow& fencer : fencers) {
        if (clubs.count(fencer.team)) {
            continue;
        }
        const Result<std::optional<TeamNames>> names = teams.load(fencer.team);
        if (!names) {
            return names.status();
        }
        clubs[fencer.team] = *names ? (*names)->full : QString();
    }
    return Status::success();
}

Result<EventFile> readEvent(const Database& db, int event, const QString& year, const QDate& day) {
    EventFile file{event, {}, year, day, {}, {}, {}, {}, {}, {}};
    EventNames names;
    const Result<std::vector<RosterRow>> roster = RosterStore(db).load(event);
    const Result<std::vector<BoutEntry>> bouts = BoutResults::ReadAll(db, event);
    LiveStandings standings;
    for (const Status& read :
         {names.load(db), roster.status(), bouts.status(), BuildLiveStandings(db, event, standings),
          readFinalBouts(db, event, file.finalBouts), readSeeds(db, event, file.seeds)}) {
        if (!read) {
            return read;
        }
    }
    file.eventName = names.name(event);
    for (const RosterRow& row : *roster) {
        if (row.team >= 0) {
            file.fencers.push_back(row);
        }
    }
    // By number, so that an import into an empty event gives every fencer the same number.
    std::sort(file.fencers.begin(), file.fencers.end(), [](const RosterRow& a, const RosterRow& b) {
        return a.fencerNumber < b.fencerNumber;
    });
    if (Status read = readClubs(db, file.fencers, file.clubs); !read) {
        return read;
    }
    for (const LiveStandingsRow& row : standings.Rows) {
        file.standings.emplace(row.FencerNumber, row);
    }
    file.bouts = *bouts;
    return file;
}

// Attributes are written as the text allows in XML 1.0; a stray control character that an
// older file holds is dropped rather than ending the document for every reader.
void attribute(QXmlStreamWriter& xml, const char* name, const QString& value) {
    xml.writeAttribute(QLatin1String(name), XmlCharacters(value));
}

void attribute(QXmlStreamWriter& xml, const char* name, int value) {
    xml.writeAttribute(QLatin1String(name), QString::number(value));
}

// The final place as a number; none while it is still open (the Final Four not fenced).
std::optional<int> placeOf(const EventFile& file, int fencerNumber) {
    const auto found = file.standings.find(fencerNumber);
    if (found == file.standings.end() ||
        DownloadRules::IsFinalFourPending(found->second.PlaceText)) {
        return std::nullopt;
    }
    bool ok = false;
    const int place = DownloadRules::PlaceWithoutTie(found->second.PlaceText).toInt(&ok);
    return ok ? std::optional<int>(place) : std::nullopt;
}

// Exclusion or withdrawal; empty for a fencer who competes.
QString withdrawalOf(const RosterRow& fencer) {
    const RosterStatus::Flags flags = RosterStatus::FlagsFor(fencer.status);
    if (flags.excluded || flags.excludedButCount) {
        return FieCodes::kExcluded;
    }
    return flags.injury ? FieCodes::kWithdrawn : QString();
}

void writeFencers(QXmlStreamWriter& xml, const EventFile& file) {
    xml.writeStartElement(QStringLiteral("Tireurs"));
    for (const RosterRow& fencer : file.fencers) {
        xml.writeEmptyElement(QStringLiteral("Tireur"));
        attribute(xml, "ID", idOf(fencer.fencerNumber));
        attribute(xml, "Nom", fencer.last.trimmed());
        attribute(xml, "Prenom", fencer.first.trimmed());
        attribute(xml, "Sexe", FieCodes::SexLetter(file.event));
        attribute(xml, "Nation", kNation);
        attribute(xml, "Club", file.clubs.at(fencer.team));
        if (const std::optional<int> place = placeOf(file, fencer.fencerNumber)) {
            attribute(xml, "Classement", *place);
        }
        if (const QString status = withdrawalOf(fencer); !status.isEmpty()) {
            attribute(xml, "Statut", status);
        }
    }
    xml.writeEndElement();
}

void writeMatchFencer(QXmlStreamWriter& xml, int fencerNumber, std::optional<int> touches,
                      bool won) {
    xml.writeEmptyElement(QStringLiteral("Tireur"));
    attribute(xml, "REF", idOf(fencerNumber));
    if (touches) {
        attribute(xml, "Score", *touches);
    }
    attribute(xml, "Statut", won ? FieCodes::kVictory : FieCodes::kDefeat);
}

void writeMatch(QXmlStreamWriter& xml, int id, int left, int right,
                std::optional<std::pair<int, int>> touches, bool leftWins) {
    xml.writeStartElement(QStringLiteral("Match"));
    attribute(xml, "ID", id);
    writeMatchFencer(xml, left, touches ? std::optional(touches->first) : std::nullopt, leftWins);
    writeMatchFencer(xml, right, touches ? std::optional(touches->second) : std::nullopt,
                     !leftWins);
    xml.writeEndElement();
}

// Whether a fencer goes on from the round robin: the four finalists once they are seeded.
QString poolStatusOf(const EventFile& file, const RosterRow& fencer) {
    if (const QString status = withdrawalOf(fencer); !status.isEmpty()) {
        return status;
    }
    if (file.seeds.empty()) {
        return QString();
    }
    return file.seeds.count(fencer.fencerNumber) ? FieCodes::kQualified : FieCodes::kNotQualified;
}

void writePoolFigures(QXmlStreamWriter& xml, const EventFile& file, const RosterRow& fencer,
                      int numberInPool) {
    xml.writeEmptyElement(QStringLiteral("Tireur"));
    attribute(xml, "REF", idOf(fencer.fencerNumber));
    attribute(xml, "NoDansLaPoule", numberInPool);
    const auto found = file.standings.find(fencer.fencerNumber);
    if (found == file.standings.end()) {
        return;
    }
    const LiveStandingsRow& row = found->second;
    attribute(xml, "NbVictoires", row.V);
    attribute(xml, "NbMatches", row.Bouts);
    attribute(xml, "TD", row.TS);
    attribute(xml, "TR", row.TR);
    if (const std::optional<int> place = placeOf(file, fencer.fencerNumber)) {
        attribute(xml, "RangPoule", *place);
    }
}

void writePoolRound(QXmlStreamWriter& xml, const EventFile& file) {
    xml.writeStartElement(QStringLiteral("TourDePoules"));
    attribute(xml, "PhaseID", kPoolPhase);
    attribute(xml, "ID", 1);
    attribute(xml, "NbDePoules", 1);
    for (const RosterRow& fencer : file.fencers) {
        xml.writeEmptyElement(QStringLiteral("Tireur"));
        attribute(xml, "REF", idOf(fencer.fencerNumber));
        if (const std::optional<int> place = placeOf(file, fencer.fencerNumber)) {
            attribute(xml, "RangFinal", *place);
        }
        if (const QString status = poolStatusOf(file, fencer); !status.isEmpty()) {
            attribute(xml, "Statut", status);
        }
    }
    xml.writeStartElement(QStringLiteral("Poule"));
    attribute(xml, "ID", 1);
    int numberInPool = 0;
    for (const RosterRow& fencer : file.fencers) {
        writePoolFigures(xml, file, fencer, ++numberInPool);
    }
    int matchId = 0;
    for (const BoutEntry& bout : file.bouts) {
        writeMatch(xml, ++matchId, bout.fencer, bout.opponent,
                   std::pair{bout.score->leftTouches, bout.score->rightTouches},
                   bout.score->leftWins);
    }
    xml.writeEndElement();
    xml.writeEndElement();
}

// Winner's and loser's touches from the typed score ("15-12"); none when it does not read so.
std::optional<std::pair<int, int>> touchesOf(const QString& score) {
    static const QRegularExpression twoNumbers(QStringLiteral("^\\s*(\\d+)\\s*-\\s*(\\d+)\\s*$"));
    const QRegularExpressionMatch match = twoNumbers.match(score);
    if (!match.hasMatch()) {
        return std::nullopt;
    }
    return std::pair{match.captured(1).toInt(), match.captured(2).toInt()};
}

void writeTable(QXmlStreamWriter& xml, const EventFile& file, const QString& id,
                const QString& title, int size, std::initializer_list<int> boutCodes) {
    xml.writeStartElement(QStringLiteral("Tableau"));
    attribute(xml, "ID", id);
    attribute(xml, "Titre", title);
    attribute(xml, "Taille", size);
    int matchId = 0;
    for (const int code : boutCodes) {
        for (const FinalBout& bout : file.finalBouts) {
            if (bout.bout == code) {
                writeMatch(xml, ++matchId, bout.winner, bout.loser(), touchesOf(bout.score), true);
            }
        }
    }
    xml.writeEndElement();
}

void writeSuite(QXmlStreamWriter& xml, const QString& id, const QString& title, int tables) {
    xml.writeStartElement(QStringLiteral("SuiteDeTableaux"));
    attribute(xml, "ID", id);
    attribute(xml, "Titre", title);
    attribute(xml, "NbDeTableaux", tables);
}

void writeFinalFour(QXmlStreamWriter& xml, const EventFile& file) {
    xml.writeStartElement(QStringLiteral("PhaseDeTableaux"));
    attribute(xml, "PhaseID", kTablePhase);
    attribute(xml, "ID", 2);
    attribute(xml, "NbDeTableaux", 2);
    for (const auto& [fencerNumber, seed] : file.seeds) {
        xml.writeEmptyElement(QStringLiteral("Tireur"));
        attribute(xml, "REF", idOf(fencerNumber));
        attribute(xml, "RangInitial", seed);
        if (const std::optional<int> place = placeOf(file, fencerNumber)) {
            attribute(xml, "RangFinal", *place);
        }
    }
    writeSuite(xml, QStringLiteral("A"), QStringLiteral("Final Four"), 2);
    writeTable(xml, file, QStringLiteral("A4"), QStringLiteral("Semifinals"), kFinalFourSize,
               {kSemifinalA, kSemifinalB});
    writeTable(xml, file, QStringLiteral("A2"), QStringLiteral("Gold Medal Bout"), 2, {kGoldBout});
    xml.writeEndElement();
    writeSuite(xml, QStringLiteral("B"), QStringLiteral("Bronze Medal Bout"), 1);
    writeTable(xml, file, QStringLiteral("B2"), QStringLiteral("Bronze Medal Bout"), 2,
               {kBronzeBout});
    xml.writeEndElement();
    xml.writeEndElement();
}

void writeCompetition(QXmlStreamWriter& xml, const EventFile& file) {
    xml.writeStartDocument();
    xml.writeStartElement(QStringLiteral("CompetitionIndividuelle"));
    attribute(xml, "Version", kFormatVersion);
    attribute(xml, "ID", EventCode(file.event));
    attribute(xml, "Annee", file.year);
    attribute(xml, "Arme", FieCodes::WeaponLetter(file.event));
    attribute(xml, "Sexe", FieCodes::SexLetter(file.event));
    attribute(xml, "Domaine", kDomain);
    attribute(xml, "Categorie", kCategory);
    attribute(xml, "Date", file.day.toString(QStringLiteral("dd.MM.yyyy")));
    attribute(xml, "TitreCourt", EventCode(file.event));
    attribute(xml, "TitreLong",
              QStringLiteral("%1 ORLE Championships, %2").arg(file.year, file.eventName));
    writeFencers(xml, file);
    xml.writeStartElement(QStringLiteral("Phases"));
    writePoolRound(xml, file);
    if (!file.seeds.empty()) {
        writeFinalFour(xml, file);
    }
    xml.writeEndElement();
    xml.writeEndElement();
    xml.writeEndDocument();
}

}  // namespace

namespace FieXmlExport {

Result<QByteArray> Bytes(const Database& db, int event, const QString& championshipYear,
                         const QDate& day) {
    const Result<EventFile> file = readEvent(db, event, championshipYear, day);
    if (!file) {
        return file.status();
    }
    QByteArray bytes;
    QXmlStreamWriter xml(&bytes);
    xml.setAutoFormatting(true);
    xml.setAutoFormattingIndent(1);
    writeCompetition(xml, *file);
    if (xml.hasError()) {
        return Status::failure(
            QStringLiteral("The FIE XML file of %1 could not be made.").arg(file->eventName));
    }
    return bytes;
}

QString FileName(int event) {
    return EventCode(event) + QStringLiteral(".xml");
}

Status Write(const Database& db, int event, const QString& championshipYear, const QDate& day,
             const QString& path) {
    const Result<QByteArray> bytes = Bytes(db, event, championshipYear, day);
    return bytes ? ResultsDownload::WriteBytes(*bytes, path) : bytes.status();
}

}  // namespace FieXmlExport
