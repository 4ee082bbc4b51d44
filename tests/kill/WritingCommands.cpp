#include "WritingCommands.h"

#include "FileState.h"

#include <QDir>
#include <QFile>
#include <QProcess>

namespace {

constexpr int kEvents = 6;
constexpr int kFencersPerEvent = 24;
constexpr int kCommandTimeoutMs = 60000;

QStringList withFile(QStringList words, const QString& path) {
    words.replaceInStrings(QStringLiteral("{db}"), path);
    return words;
}

}  // namespace

QString WritingCommands::file(const QString& name) const {
    return QDir(m_folder).filePath(name);
}

bool WritingCommands::run(const QStringList& words, QString* error) const {
    QProcess process;
    process.start(m_cli, words);
    if (!process.waitForFinished(kCommandTimeoutMs) ||
        process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
        *error = QStringLiteral("orle-cli %1 failed: %2")
                     .arg(words.join(QLatin1Char(' ')),
                          QString::fromUtf8(process.readAllStandardError()));
        return false;
    }
    return true;
}

bool WritingCommands::stage(const QString& from, const QString& name,
                            const std::vector<QStringList>& steps, QString* error) const {
    if (!QFile::copy(file(from), file(name))) {
        *error = QStringLiteral("cannot copy %1").arg(file(from));
        return false;
    }
    for (const QStringList& words : steps) {
        if (!run(withFile(words, file(name)), error)) {
            return false;
        }
    }
    return true;
}

// Every event full, each fencer from another school, in the schools the new file holds.
QString WritingCommands::writeRosterFile() const {
    const QString path = file(QStringLiteral("roster.csv"));
    QFile csv(path);
    if (!csv.open(QIODevice::WriteOnly)) {
        return QString();
    }
    const QString empty = file(QStringLiteral("empty.mdb"));
    QStringList schools;
    for (int n = 0; n < kFencersPerEvent; ++n) {
        schools << FileState::Query(
            empty, QStringLiteral("SELECT Abbreviation FROM Teams ORDER BY Team LIMIT 1 OFFSET %1")
                       .arg(n));
    }
    schools.removeAll(QString());
    if (schools.isEmpty()) {
        return QString();
    }
    csv.write("event,first,last,school\n");
    for (int event = 0; event < kEvents; ++event) {
        for (int n = 0; n < kFencersPerEvent; ++n) {
            csv.write(QStringLiteral("%1,Given%2,Family%3,%4\n")
                          .arg(event)
                          .arg(n)
                          .arg(event)
                          .arg(schools[n % schools.size()])
                          .toUtf8());
        }
    }
    return path;
}

bool WritingCommands::prepare(QString* error) {
    if (!run({QStringLiteral("new"), file(QStringLiteral("empty.mdb"))}, error)) {
        return false;
    }
    const QString csv = writeRosterFile();
    if (csv.isEmpty()) {
        *error = QStringLiteral("cannot write the roster file");
        return false;
    }
    std::vector<QStringList> draws;
    for (int event = 0; event < kEvents; ++event) {
        draws.push_back({"draw", "--db", "{db}", "--event", QString::number(event), "--seed", "1"});
    }
    if (!stage("empty.mdb", "rostered.mdb", {{"roster", "import", "--db", "{db}", csv}}, error) ||
        !stage("rostered.mdb", "drawn.mdb", draws, error) ||
        !stage("drawn.mdb", "fenced.mdb", {{"simulate", "--db", "{db}", "--seed", "7"}}, error) ||
        !stage("fenced.mdb", "seeded.mdb", {{"seed", "--db", "{db}", "--event", "MS"}}, error)) {
        return false;
    }
    const QString topSeed = FileState::Query(
        file("seeded.mdb"), "SELECT TopFencer FROM FinalFour WHERE Weapon = 0 AND Bout = 0");
    m_commands = {
        {"new", QString(), {"new", "{db}"}},
        {"roster import", file("empty.mdb"), {"roster", "import", "--db", "{db}", csv}},
        {"draw", file("rostered.mdb"), {"draw", "--db", "{db}", "--event", "MF", "--seed", "3"}},
        {"draw --force",
         file("fenced.mdb"),
         {"draw", "--db", "{db}", "--event", "MS", "--seed", "3", "--force"}},
        {"bout",
         file("drawn.mdb"),
         {"bout", "--db", "{db}", "--event", "MS", "--left", "0", "--right", "1", "--score",
          "5-3"}},
        {"simulate", file("drawn.mdb"), {"simulate", "--db", "{db}", "--seed", "7"}},
        {"seed", file("fenced.mdb"), {"seed", "--db", "{db}", "--event", "WE"}},
        {"seed --force", file("seeded.mdb"), {"seed", "--db", "{db}", "--event", "MS", "--force"}},
        {"final",
         file("seeded.mdb"),
         {"final", "--db", "{db}", "--event", "MS", "--bout", "0", "--winner", topSeed}},
        {"reset --results", file("seeded.mdb"), {"reset", "--db", "{db}", "--results"}},
        {"reset --rosters", file("seeded.mdb"), {"reset", "--db", "{db}", "--rosters"}},
    };
    return true;
}
