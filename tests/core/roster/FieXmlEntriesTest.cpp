#include "db/Snapshots.h"
#include "roster/FieXmlEntries.h"
#include "roster/RosterStore.h"
#include "support/TempChampionship.h"

#include <gtest/gtest.h>
#include <QElapsedTimer>
#include <QStringEncoder>
#include <QTemporaryDir>

namespace {

// A file of the given fencers for an event of that weapon and sex, with the attributes and
// elements other programs add around them.
QString competition(const QString& weapon, const QString& sex, const QString& fencers) {
    return QStringLiteral(
               "<CompetitionIndividuelle Version=\"3.3\" Championnat=\"USA\" ID=\"12\" "
               "Annee=\"2025/2026\" Arme=\"%1\" Sexe=\"%2\" Domaine=\"N\" Federation=\"USA\" "
               "Categorie=\"S\" Date=\"06.02.2026\" TitreCourt=\"X\" TitreLong=\"Open\">\n"
               "  <Arbitres><Arbitre ID=\"3\" Nom=\"REF\" Prenom=\"Rita\" Nation=\"USA\"/>"
               "</Arbitres>\n"
               "  <Tireurs>\n%3  </Tireurs>\n"
               "  <Phases><TourDePoules ID=\"1\"><Tireur REF=\"1\" RangInitial=\"1\"/>"
               "</TourDePoules></Phases>\n"
               "</CompetitionIndividuelle>\n")
        .arg(weapon, sex, fencers);
}

QString fencer(const QString& family, const QString& given, const QString& club,
               const QString& extra = QString()) {
    return QStringLiteral(
               "    <Tireur ID=\"7\" Nom=\"%1\" Prenom=\"%2\" DateNaissance=\"22.06.2004\" "
               "Sexe=\"F\" Lateralite=\"I\" Nation=\"USA\" dossard=\"2001\" "
               "IdOrigine=\"2380\" Club=\"%3\" %4/>\n")
        .arg(family, given, club, extra);
}

QByteArray utf8(const QString& text) {
    return QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n").toUtf8() + text.toUtf8();
}

// The roster of an event as "first last school status", fencers only.
QStringList rosterOf(const TempChampionship& file, int event) {
    QStringList rows;
    const Result<std::vector<RosterRow>> loaded = RosterStore(file.db()).load(event);
    EXPECT_TRUE(loaded.ok());
    for (const RosterRow& row : *loaded) {
        if (row.team >= 0) {
            rows << QStringLiteral("%1 %2 %3 %4")
                        .arg(row.first, row.last)
                        .arg(row.team)
                        .arg(row.status);
        }
    }
    return rows;
}

TEST(FieXmlEntriesTest, FilesInTheShapesOtherProgramsWriteImport) {
    QString crlf = QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n") +
                   competition("E", "F",
                               fencer(QStringLiteral("ÅSTRÖM"), "Ingrid",
                                      QStringLiteral("u.s. AIR force académy"), "Statut=\"A\"") +
                                   fencer(QStringLiteral("Петрова"), QStringLiteral("Анна"),
                                          "Bard College", "Statut=\"Q\""));
    crlf.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
    const QString latin1Text =
        QStringLiteral(
            "<?xml version='1.0' encoding='ISO-8859-1'?>\n<!DOCTYPE "
            "CompetitionIndividuelle SYSTEM \"http://example.invalid/c.dtd\">\n") +
        competition("s", "m", fencer(QStringLiteral("Müller"), "Jörg", "usaf", "Statut=\"E\""));
    const QString utf16Text =
        QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-16\"?>\n") +
        competition("F", "M", fencer("Ito", QStringLiteral("翔太"), "Brandeis"));
    QStringEncoder toUtf16(QStringEncoder::Utf16LE, QStringEncoder::Flag::WriteBom);
    const struct {
        const char* shape;
        QByteArray bytes;
        int event;
        QStringList roster;
    } cases[] = {
        {"UTF-8 with a byte-order mark and CRLF line ends",
         "\xEF\xBB\xBF" + crlf.toUtf8(),
         5,
         {QStringLiteral("Ingrid ÅSTRÖM 0 4"), QStringLiteral("Анна Петрова 1 0")}},
        {"ISO-8859-1 declared, an outside document type named",
         latin1Text.toLatin1(),
         0,
         {QStringLiteral("Jörg Müller 0 1")}},
        {"UTF-16 with a byte-order mark", toUtf16(utf16Text), 1, {QStringLiteral("翔太 Ito 3 0")}},
    };
    for (const auto& c : cases) {
        TempChampionship file;
        RosterCsv::Imported imported;
        const Status status = FieXmlEntries(file.db()).import(c.bytes, std::nullopt, &imported);
        ASSERT_TRUE(status.ok()) << c.shape << ": " << status.message().toStdString();
        EXPECT_EQ(imported.fencers, c.roster.size()) << c.shape;
        EXPECT_EQ(rosterOf(file, c.event), c.roster) << c.shape;
    }
}

TEST(FieXmlEntriesTest, MalformedHostileAndWrongFilesAreRefusedWholeInPlainWords) {
    QString full;
    for (int n = 0; n < 25; ++n) {
        full += fencer(QStringLiteral("Last%1").arg(n), "Ann", "BARD");
    }
    const QString laughs = QStringLiteral(
        "<?xml version=\"1.0\"?>\n<!DOCTYPE lolz [<!ENTITY lol \"lol\">"
        "<!ENTITY lol2 \"&lol;&lol;&lol;&lol;&lol;&lol;&lol;&lol;&lol;&lol;\">"
        "<!ENTITY lol3 \"&lol2;&lol2;&lol2;&lol2;&lol2;&lol2;&lol2;&lol2;&lol2;&lol2;\">"
        "<!ENTITY lol9 \"&lol3;&lol3;&lol3;&lol3;&lol3;&lol3;&lol3;&lol3;&lol3;&lol3;\">]>\n"
        "<CompetitionIndividuelle Arme=\"S\" Sexe=\"M\"><Tireurs>"
        "<Tireur Nom=\"&lol9;\" Club=\"BARD\"/></Tireurs></CompetitionIndividuelle>");
    const QString deep =
        QStringLiteral("<CompetitionIndividuelle>") + QStringLiteral("<a>").repeated(100000) +
        QStringLiteral("</a>").repeated(100000) + QStringLiteral("</CompetitionIndividuelle>");
    const struct {
        QByteArray bytes;
        const char* said;
    } cases[] = {
        {utf8(competition("S", "M",
                          fencer("Lee", "Ann", "BARD") + fencer("Ray", "Bo", "Nowhere U"))),
         "line 6: unknown school \"Nowhere U\""},
        {utf8(competition("S", "M", full)), "line 29: MS is full"},
        {utf8(competition("S", "M", fencer("Lee", "Ann", "BARD") + fencer("LEE", "ann", "bard"))),
         "line 6: ann LEE (BARD) is already on line 5"},
        {utf8(competition("S", "M", "<Tireur Nom=\"Lee\">")), "not well-formed XML"},
        {utf8(competition("X", "M", fencer("Lee", "Ann", "BARD"))), "names no event of ours"},
        {utf8(competition("S", "M", QString())), "lists no fencers"},
        {utf8("<CompetitionParEquipes Arme=\"S\" Sexe=\"M\"/>"), "not an individual competition"},
        {laughs.toUtf8(), "line 2: the file declares entities"},
        {deep.toUtf8(), "nest more than 32 deep"},
        {QByteArray(FieXmlEntries::kMaxFileBytes + 1, ' '), "larger than 5 MB"},
    };
    TempChampionship file;
    for (const auto& c : cases) {
        QElapsedTimer clock;
        clock.start();
        const Status status = FieXmlEntries(file.db()).import(c.bytes, std::nullopt);
        EXPECT_FALSE(status.ok()) << c.said;
        EXPECT_TRUE(status.message().contains(QLatin1String(c.said)))
            << status.message().toStdString();
        // Refused at once, not after expanding or walking what the file holds.
        EXPECT_LT(clock.elapsed(), 10000) << c.said;
    }
    EXPECT_EQ(file.count("SELECT COUNT(*) FROM Roster"), 0);

    QTemporaryDir dir;
    QFile big(dir.filePath("big.xml"));
    ASSERT_TRUE(big.open(QIODevice::WriteOnly));
    big.write(QByteArray(10 * 1024 * 1024, ' '));
    big.close();
    EXPECT_TRUE(FieXmlEntries::ReadFile(big.fileName()).status().message().contains("larger than"));

    // A file refused for what it is leaves no snapshot of the championship behind.
    QFile hostile(dir.filePath("laughs.xml"));
    ASSERT_TRUE(hostile.open(QIODevice::WriteOnly));
    hostile.write(laughs.toUtf8());
    hostile.close();
    EXPECT_FALSE(FieXmlEntries(file.db()).importFile(hostile.fileName(), 0).ok());
    const auto snapshots = Snapshots::List(file.path());
    ASSERT_TRUE(snapshots.ok());
    EXPECT_TRUE(snapshots->empty());
}

}  // namespace
