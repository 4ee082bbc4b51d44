#include "StandingsFixture.h"

#include "standings/BuildLiveTeamStandings.h"
#include "standings/FillTeamScratchpad.h"

namespace {

// Air Force (school 0) wins twice in men's saber, once against an injured fencer of Boston
// College (2); Bard College (1) wins once, against him too; Brandeis (3) wins once in women's
// saber, against an Air Force fencer.
class TeamStandingsTest : public StandingsFixture {
protected:
    void SetUp() override {
        fencer(0, 0, false, false, false, 0);
        fencer(0, 1, false, false, false, 1);
        fencer(0, 2, false, false, /*injury=*/true, 2);
        fencer(0, 3, false, false, false, 0);
        fencer(3, 0, false, false, false, 3);
        fencer(3, 1, false, false, false, 0);
        win(0, 0, 1), win(0, 1, 2), win(0, 3, 2);
        win(3, 0, 1);
    }
    QStringList live(TeamVariant variant) {
        std::vector<TeamStandingsRow> rows;
        EXPECT_TRUE(BuildLiveTeamStandings(file.db(), variant, rows).ok());
        QStringList out;
        for (const TeamStandingsRow& r : rows) {
            QStringList events;
            for (const std::optional<int>& v : r.Events) {
                events << (v ? QString::number(*v) : QStringLiteral("-"));
            }
            out << QStringLiteral("%1 %2 %3 %4 %5")
                       .arg(r.PlaceText, r.School)
                       .arg(r.Total)
                       .arg(r.Left)
                       .arg(events.join(QLatin1Char(',')));
        }
        return out;
    }
    // A school's points in an event, "-" where it has no fencer there.
    static QString orDash(const Statement& q, int column) {
        return q.isNull(column) ? QStringLiteral("-") : q.toText(column);
    }
    QStringList report(TeamVariant variant) {
        EXPECT_TRUE(FillTeamScratchpad(file.db(), variant).ok());
        Statement q = file.db().prepare(QStringLiteral(
            "SELECT FullTeamName, (SELECT COUNT(FullTeamName) FROM TeamScratchpad WHERE "
            "TSP.Points < Points) + 1, Points, MS, WS "
            "FROM TeamScratchpad TSP ORDER BY 3 DESC, 1"));
        QStringList out;
        while (q.next()) {
            out << QStringLiteral("%1 %2 %3 %4 %5")
                       .arg(q.toText(1), q.toText(0), q.toText(2), orDash(q, 3), orDash(q, 4));
        }
        return out;
    }
};

TEST_F(TeamStandingsTest, LiveStandingsCountInjuredBoutsAndTieOnTheTotal) {
    EXPECT_EQ(
        live(TeamVariant::AllEvents),
        QStringList({"1 U.S. Air Force Academy 2 64 2,-,-,-,-,-",
                     "2T Bard College 1 21 1,-,-,-,-,-", "2T Brandeis University 1 22 -,-,-,1,-,-",
                     "4 Boston College 0 21 -,-,-,-,-,-"}));
}

TEST_F(TeamStandingsTest, MensVariantListsOnlySchoolsWithMensResults) {
    EXPECT_EQ(live(TeamVariant::Men), QStringList({"1 U.S. Air Force Academy 2 42 2,-,-,-,-,-",
                                                   "2 Bard College 1 21 1,-,-,-,-,-",
                                                   "3 Boston College 0 21 -,-,-,-,-,-"}));
    EXPECT_EQ(live(TeamVariant::Women), QStringList({"1 Brandeis University 1 22 -,-,-,1,-,-",
                                                     "2 U.S. Air Force Academy 0 22 -,-,-,-,-,-"}));
}

TEST_F(TeamStandingsTest, ReportLeavesOutInjuredBoutsAndListsEverySchoolWithPoints) {
    EXPECT_EQ(report(TeamVariant::AllEvents),
              QStringList({"1 Brandeis University 1 - 1", "1 U.S. Air Force Academy 1 1 0",
                           "3 Bard College 0 0 -"}));
    EXPECT_EQ(report(TeamVariant::Men),
              QStringList({"1 U.S. Air Force Academy 1 1 -", "2 Bard College 0 0 -",
                           "2 Brandeis University 0 - -"}));
    EXPECT_EQ(report(TeamVariant::Women),
              QStringList({"1 Brandeis University 1 - 1", "2 Bard College 0 - -",
                           "2 U.S. Air Force Academy 0 - 0"}));
}

TEST_F(TeamStandingsTest, ExcludedFencersBoutsCountForNobody) {
    file.exec(
        QStringLiteral("UPDATE Roster SET Excluded = -1 WHERE Weapon = 3 AND FencerNumber = 1"));
    EXPECT_EQ(live(TeamVariant::Women), QStringList());
}

}  // namespace
