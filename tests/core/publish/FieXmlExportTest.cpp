#include "entry/BoutResults.h"
#include "publish/DownloadRules.h"
#include "publish/FieXmlExport.h"
#include "standings/BuildLiveStandings.h"
#include "support/ChampionshipBuilder.h"
#include "support/FieXmlElements.h"
#include "support/FullEventResults.h"
#include "support/TempChampionship.h"

#include <gtest/gtest.h>
#include <map>

namespace {

constexpr int kEvent = 0;  // men's saber

QString mark(bool won) {
    return won ? QStringLiteral("V") : QStringLiteral("D");
}

class FieXmlExportTest : public ::testing::Test {
protected:
    QByteArray exported() {
        const Result<QByteArray> bytes =
            FieXmlExport::Bytes(file.db(), kEvent, QStringLiteral("2004"), QDate(2004, 3, 20));
        EXPECT_TRUE(bytes.ok()) << bytes.status().message().toStdString();
        const QByteArray xml = bytes ? *bytes : QByteArray();
        EXPECT_EQ(XmllintComplaint(xml), QString());
        return xml;
    }
    // Every stored bout as the file writes it: "REF score V|D, REF score V|D", lower first.
    QStringList storedBouts() {
        const Result<std::vector<BoutEntry>> bouts = BoutResults::ReadAll(file.db(), kEvent);
        EXPECT_TRUE(bouts.ok());
        QStringList lines;
        for (const BoutEntry& bout : *bouts) {
            lines << QStringLiteral("%1 %2 %3, %4 %5 %6")
                         .arg(bout.fencer)
                         .arg(bout.score->leftTouches)
                         .arg(mark(bout.score->leftWins))
                         .arg(bout.opponent)
                         .arg(bout.score->rightTouches)
                         .arg(mark(!bout.score->leftWins));
        }
        return lines;
    }
    // The matches under `pathEnd` ("Poule/Match/Tireur"), read as storedBouts() writes them.
    static QStringList matches(const QByteArray& xml, const QString& pathEnd) {
        const auto sides = FieElements(xml, pathEnd);
        QStringList lines;
        for (size_t i = 0; i + 1 < sides.size(); i += 2) {
            const auto side = [&](size_t k) {
                return QStringLiteral("%1 %2 %3")
                    .arg(sides[k]["REF"], sides[k]["Score"], sides[k]["Statut"]);
            };
            lines << side(i) + QStringLiteral(", ") + side(i + 1);
        }
        return lines;
    }

    TempChampionship file;
    ChampionshipBuilder builder{file};
};

TEST_F(FieXmlExportTest, AFullyFencedEventEqualsTheStoredBoutsAndTheStandings) {
    builder.drawFullEvent(kEvent);
    FullEventResults(file).fenceAllRounds(kEvent);
    file.exec("UPDATE Roster SET Injury = -1 WHERE Weapon = 0 AND FencerNumber = 7");
    file.exec("UPDATE Roster SET Advanced = -1 WHERE Weapon = 0 AND FencerNumber < 4");
    file.exec(
        "INSERT INTO FinalFour VALUES (0, 0, 0, 3, 0, '15-7'), (0, 1, 2, 1, 1, '15-14'), "
        "(0, 10, 0, 1, 1, '15-12'), (0, 11, 3, 2, 3, '15-10')");
    const QByteArray xml = exported();

    EXPECT_EQ(matches(xml, "Poule/Match/Tireur"), storedBouts());
    EXPECT_EQ(storedBouts().size(), 276);
    LiveStandings standings;
    ASSERT_TRUE(BuildLiveStandings(file.db(), kEvent, standings).ok());
    std::map<QString, QString> expected, written;
    for (const LiveStandingsRow& row : standings.Rows) {
        expected[QString::number(row.FencerNumber)] =
            QStringLiteral("%1/%2 %3-%4 #%5")
                .arg(row.V)
                .arg(row.Bouts)
                .arg(row.TS)
                .arg(row.TR)
                .arg(DownloadRules::PlaceWithoutTie(row.PlaceText));
    }
    for (auto& f : FieElements(xml, "Poule/Tireur")) {
        written[f["REF"]] =
            QStringLiteral("%1/%2 %3-%4 #%5")
                .arg(f["NbVictoires"], f["NbMatches"], f["TD"], f["TR"], f["RangPoule"]);
    }
    EXPECT_EQ(written, expected);

    // Gold to fencer 1, silver 0, bronze 3, fourth 2; the injured one withdrew.
    const auto fencers = FieElements(xml, "Tireurs/Tireur");
    ASSERT_EQ(fencers.size(), 24u);
    EXPECT_EQ(fencers[1]["Classement"], "1");
    EXPECT_EQ(fencers[0]["Classement"], "2");
    EXPECT_EQ(fencers[3]["Classement"], "3");
    EXPECT_EQ(fencers[2]["Classement"], "4");
    EXPECT_EQ(fencers[7]["Statut"], "A");
    EXPECT_EQ(fencers[5]["Club"], file.text("SELECT FullTeamName FROM Teams WHERE Team = 5"));
    EXPECT_EQ(matches(xml, "Tableau/Match/Tireur"),
              QStringList({"0 15 V, 3 7 D", "1 15 V, 2 14 D", "1 15 V, 0 12 D", "3 15 V, 2 10 D"}));
}

TEST_F(FieXmlExportTest, AFileWrittenMidDayHoldsOnlyTheFencedBoutsAndAnyName) {
    builder.drawFullEvent(kEvent);
    FullEventResults(file).fenceRound(kEvent, 0);
    file.exec("UPDATE Roster SET LName = ?, FName = ? WHERE Weapon = 0 AND FencerNumber = 4",
              {QStringLiteral("O'Brien & <Sons>\x01"), QStringLiteral("Łukasz \"Ю\" 山田")});
    const QByteArray xml = exported();

    EXPECT_EQ(matches(xml, "Poule/Match/Tireur"), storedBouts());
    EXPECT_TRUE(FieElements(xml, "PhaseDeTableaux").empty());
    const auto fencers = FieElements(xml, "Tireurs/Tireur");
    ASSERT_EQ(fencers.size(), 24u);
    EXPECT_EQ(fencers[4]["Nom"], "O'Brien & <Sons>");
    EXPECT_EQ(fencers[4]["Prenom"], QStringLiteral("Łukasz \"Ю\" 山田"));
    const auto competition = FieElements(xml, "CompetitionIndividuelle").front();
    EXPECT_EQ(competition["Arme"] + competition["Sexe"] + competition["Annee"], "SM2004");
}

}  // namespace
