#include "print/ScheduleReports.h"

#include "print/PersonName.h"
#include "print/RecordQuery.h"

namespace ScheduleReports {

namespace {

const QString kFont = QStringLiteral("Times New Roman");
// The team schedule's columns: the fencer's name, then one per round, each "Strip 12" wide.
constexpr double kFirstRoundLeft = 176;
constexpr double kRoundWidth = 52;
// The competitor schedule's opponents: a name as wide as most names need, then the school.
constexpr double kNameWidth = 320;
constexpr double kSchoolLeft = 410;

PrintFont font(double size, bool bold = false, bool italic = false) {
    return {kFont, size, bold, italic, false};
}

// "?,?,?" for binding a list of events.
QString placeholders(qsizetype count) {
    QStringList marks;
    for (qsizetype i = 0; i < count; ++i) {
        marks << QStringLiteral("?");
    }
    return marks.join(QLatin1Char(','));
}

SqlParams eventParams(const QList<int>& events) {
    SqlParams params;
    for (int event : events) {
        params.push_back(event);
    }
    return params;
}

QString yearTitle(const QString& year) {
    return year + QStringLiteral(" ORLE Championships");
}

// Runs the levels' queries and nests each level under the one above by its keys.
class LevelQuery final {
public:
    explicit LevelQuery(const Database& db) : m_db(db) {}

    QList<ReportRecord> rows(const QString& sql, const SqlParams& params) {
        if (!m_status) {
            return {};
        }
        return RecordQuery::Rows(m_db, sql, params, &m_status);
    }
    const Status& status() const { return m_status; }

private:
    const Database& m_db;
    Status m_status = Status::success();
};

// Fencer name of a Roster alias, first name first, without stray blanks.
QString nameOf(const char* alias) {
    return QStringLiteral("trim(trim(ifnull(%1.FName,'')) || ' ' || trim(ifnull(%1.LName,'')))")
        .arg(QLatin1String(alias));
}

void designCompetitorSchedules(BandedReport& report, const QString& year) {
    report = BandedReport(QStringLiteral("Competitor Schedules"));
    report.pageFooter().height = 28;
    report.pageFooter().add(ReportElement::label(
        QStringLiteral("lNote"),
        QStringLiteral("Note: The bout order within each round may not be exactly as shown above."),
        0, 8, 540, font(10, false, true), TextAlign::Centre));

    BandedReport::Group fencer;
    fencer.header.name = QStringLiteral("CompetitorSchedules");
    fencer.header.newPageBefore = true;
    fencer.header.height = 150;
    fencer.header
        .add(ReportElement::label(QStringLiteral("lTournamentYear"), yearTitle(year), 0, 0, 540,
                                  font(18, true), TextAlign::Centre))
        .add(ReportElement::line(0, 30, 540, 1))
        .add(ReportElement::field(QStringLiteral("FencerName"), 0, 40, 540, font(22, true),
                                  TextAlign::Centre)
                 .initialled(QStringLiteral("FencerNameShort")))
        .add(ReportElement::field(QStringLiteral("TeamWeapon"), 0, 72, 540, font(14),
                                  TextAlign::Centre))
        .add(ReportElement::label(QStringLiteral("lTraveling"),
                                  QStringLiteral("You will be traveling with:"), 40, 96, 300,
                                  font(12, false, true)))
        .add(ReportElement::field(QStringLiteral("GroupMate1Name"), 80, 112, kNameWidth,
                                  font(12, true)))
        .add(ReportElement::field(QStringLiteral("GroupMate1Team"), kSchoolLeft, 112, 80, font(12)))
        .add(ReportElement::field(QStringLiteral("GroupMate2Name"), 80, 128, kNameWidth,
                                  font(12, true)))
        .add(ReportElement::field(QStringLiteral("GroupMate2Team"), kSchoolLeft, 128, 80, font(12)))
        .initialled(QStringLiteral("GroupMate1Name"), QStringLiteral("GroupMate1Short"))
        .initialled(QStringLiteral("GroupMate2Name"), QStringLiteral("GroupMate2Short"));
    BandedReport::Group round;
    round.header.name = QStringLiteral("CS_Strips");
    round.header.height = 24;
    round.header.add(ReportElement::field(QStringLiteral("RoundStrip"), 40, 6, 400, font(13, true)))
        .add(ReportElement::line(40, 23, 460, 0.5));
    round.footer.height = 4;
    report.groups() << fencer << round;
    report.detail().name = QStringLiteral("CS_Opponents");
    report.detail().height = 14.5;
    report.detail()
        .add(ReportElement::field(QStringLiteral("OpponentName"), 80, 0, kNameWidth, font(12)))
        .add(ReportElement::field(QStringLiteral("Abbreviation"), kSchoolLeft, 0, 80, font(12)))
        .initialled(QStringLiteral("OpponentName"), QStringLiteral("OpponentShort"));
}

void designTeamSchedules(BandedReport& report, const QString& year) {
    report = BandedReport(QStringLiteral("Team Schedules"));
    report.pageFooter().height = 20;
    report.pageFooter().add(ReportElement::label(QStringLiteral("lPage"),
                                                 QStringLiteral("Page %p of %P"), 0, 6, 540,
                                                 font(9), TextAlign::Right));
    BandedReport::Group school;
    school.header.name = QStringLiteral("TeamSchedules");
    school.header.newPageBefore = true;
    school.header.height = 118;
    school.header
        .add(ReportElement::field(QStringLiteral("FullTeamName"), 0, 0, 540, font(20, true),
                                  TextAlign::Centre))
        .add(ReportElement::label(QStringLiteral("lTournamentYear"), yearTitle(year), 0, 32, 540,
                                  font(14), TextAlign::Centre))
        .add(ReportElement::label(QStringLiteral("lLocations"),
                                  QStringLiteral("Fencer locations by round"), 0, 56, 540,
                                  font(12, false, true), TextAlign::Centre));
    for (int round = 1; round <= 7; ++round) {
        school.header.add(ReportElement::label(QStringLiteral("lRound%1").arg(round),
                                               QStringLiteral("Round #%1").arg(round),
                                               kFirstRoundLeft + (round - 1) * kRoundWidth, 94,
                                               kRoundWidth, font(10, true), TextAlign::Centre));
    }
    school.header.add(ReportElement::line(0, 113, 540, 1));
    BandedReport::Group event;
    event.header.name = QStringLiteral("TS_Weapon");
    event.header.height = 28;
    event.header.add(ReportElement::field(QStringLiteral("WeaponName"), 0, 8, 300, font(13, true)));
    report.groups() << school << event;
    report.detail().name = QStringLiteral("TS_Fencers");
    report.detail().height = 16;
    report.detail().add(
        ReportElement::field(QStringLiteral("FencerName"), 12, 0, kFirstRoundLeft - 12, font(10))
            .initialled(QStringLiteral("FencerNameShort")));
    for (int round = 1; round <= 7; ++round) {
        report.detail().add(ReportElement::field(QStringLiteral("Round #%1").arg(round),
                                                 kFirstRoundLeft + (round - 1) * kRoundWidth, 0,
                                                 kRoundWidth, font(10), TextAlign::Centre));
    }
}

}  // namespace

Status CompetitorSchedules(const Database& db, const QList<int>& events, int team, int fencer,
                           const QString& championshipYear, BandedReport& report) {
    designCompetitorSchedules(report, championshipYear);
    // One fencer is printed whatever events are checked: his rounds come from his event.
    const QList<int> levelEvents = fencer == kAll ? events : QList<int>{fencer / 100};
    const QString inEvents = QStringLiteral(" IN (%1)").arg(placeholders(levelEvents.size()));
    QString chosen;
    SqlParams params;
    if (fencer == kAll) {
        chosen = QStringLiteral("Roster.Weapon") + inEvents;
        params = eventParams(events);
        if (team != kAll) {
            chosen += QStringLiteral(" AND Roster.Team=?");
            params.push_back(team);
        }
    } else {
        chosen = QStringLiteral("Roster.Weapon=? AND Roster.FencerNumber=?");
        params = {fencer / 100, fencer % 100};
    }
    LevelQuery query(db);
    // A fencer not yet drawn into a group travels with nobody.
    QList<ReportRecord> fencers = query.rows(
        QStringLiteral(
            "SELECT Teams.FullTeamName || ' - ' || Weapons.WeaponName AS TeamWeapon, Teams.Team, "
            "%1 AS FencerName, Roster.Weapon, Roster.FencerNumber, "
            "T1.Abbreviation AS GroupMate1Team, %2 AS GroupMate1Name, "
            "T2.Abbreviation AS GroupMate2Team, %3 AS GroupMate2Name, "
            "trim(ifnull(Roster.FName,'')) AS Given, trim(ifnull(RO1.FName,'')) AS Given1, "
            "trim(ifnull(RO2.FName,'')) AS Given2 "
            "FROM Roster JOIN Teams ON Teams.Team = Roster.Team "
            "JOIN Weapons ON Roster.Weapon = Weapons.Weapon "
            "JOIN Roster AS RO1 ON RO1.\"Group\" = Roster.\"Group\" AND RO1.Weapon = Roster.Weapon "
            "JOIN Roster AS RO2 ON RO2.\"Group\" = Roster.\"Group\" AND RO2.Weapon = Roster.Weapon "
            "JOIN Teams AS T1 ON RO1.Team = T1.Team JOIN Teams AS T2 ON RO2.Team = T2.Team "
            "WHERE %4 AND Roster.\"Group\"<>99 AND Roster.FencerNumber<>RO1.FencerNumber "
            "AND Roster.FencerNumber<>RO2.FencerNumber AND RO1.Subgroup<RO2.Subgroup "
            "ORDER BY Teams.FullTeamName, Roster.LName, Roster.FName")
            .arg(nameOf("Roster"), nameOf("RO1"), nameOf("RO2"), chosen),
        params);
    // The pool round's two schedule rows of a group share its strip: DISTINCT merges them.
    QList<ReportRecord> strips = query.rows(
        QStringLiteral("SELECT DISTINCT Roster.Team, Roster.Weapon, Roster.FencerNumber, "
                       "Schedule.Round, 'Round #' || (Schedule.Round+1) || ', Strip #' || "
                       "ifnull(StripNumbers.StripName,'') AS RoundStrip "
                       "FROM Roster JOIN StripNumbers ON Roster.Weapon = StripNumbers.Weapon "
                       "JOIN Schedule ON Schedule.Stripset = StripNumbers.StripSet "
                       "WHERE Roster.Weapon%1 AND (Roster.\"Group\"=Schedule.Group1 "
                       "OR Roster.\"Group\"=Schedule.Group2) "
                       "ORDER BY Roster.Weapon, Roster.FencerNumber, Schedule.Round")
            .arg(inEvents),
        eventParams(levelEvents));
    // Group-mates first (the pool round), then the other group by place.
    QList<ReportRecord> opponents = query.rows(
        QStringLiteral("SELECT Roster.Team, Roster.Weapon, Roster.FencerNumber, Schedule.Round, "
                       "%1 AS OpponentName, T1.Abbreviation, "
                       "trim(ifnull(RO1.FName,'')) AS Given "
                       "FROM Schedule, Roster JOIN Roster AS RO1 ON Roster.Weapon = RO1.Weapon "
                       "JOIN Teams AS T1 ON RO1.Team = T1.Team "
                       "WHERE Roster.Weapon%2 AND Roster.FencerNumber<>RO1.FencerNumber "
                       "AND ((Roster.\"Group\"=Schedule.Group1 AND RO1.\"Group\"=Schedule.Group2) "
                       "OR (Roster.\"Group\"=Schedule.Group2 AND RO1.\"Group\"=Schedule.Group1)) "
                       "ORDER BY Roster.Team, Roster.Weapon, Roster.FencerNumber, Schedule.Round, "
                       "(Roster.\"Group\"=RO1.\"Group\") DESC, RO1.Subgroup")
            .arg(nameOf("RO1"), inEvents),
        eventParams(levelEvents));
    const QStringList fencerKeys{QStringLiteral("Team"), QStringLiteral("Weapon"),
                                 QStringLiteral("FencerNumber")};
    PersonName::AddInitialled(fencers, QStringLiteral("FencerName"), QStringLiteral("Given"),
                              QStringLiteral("FencerNameShort"));
    PersonName::AddInitialled(fencers, QStringLiteral("GroupMate1Name"), QStringLiteral("Given1"),
                              QStringLiteral("GroupMate1Short"));
    PersonName::AddInitialled(fencers, QStringLiteral("GroupMate2Name"), QStringLiteral("Given2"),
                              QStringLiteral("GroupMate2Short"));
    PersonName::AddInitialled(opponents, QStringLiteral("OpponentName"), QStringLiteral("Given"),
                              QStringLiteral("OpponentShort"));
    RecordQuery::Relate(strips, opponents, fencerKeys + QStringList{QStringLiteral("Round")});
    RecordQuery::Relate(fencers, strips, fencerKeys);
    report.setRecords(std::move(fencers));
    return query.status();
}

Status TeamSchedules(const Database& db, const QList<int>& events, int team,
                     const QString& championshipYear, BandedReport& report) {
    designTeamSchedules(report, championshipYear);
    const QString inEvents = QStringLiteral(" IN (%1)").arg(placeholders(events.size()));
    SqlParams schoolParams = eventParams(events);
    QString oneSchool;
    if (team != kAll) {
        oneSchool = QStringLiteral(" AND Teams.Team=?");
        schoolParams.push_back(team);
    }
    LevelQuery query(db);
    QList<ReportRecord> schools =
        query.rows(QStringLiteral("SELECT DISTINCT Teams.FullTeamName, Teams.Team FROM Teams "
                                  "JOIN Roster ON Teams.Team = Roster.Team "
                                  "WHERE Roster.Weapon%1%2 ORDER BY Teams.FullTeamName")
                       .arg(inEvents, oneSchool),
                   schoolParams);
    QList<ReportRecord> schoolEvents =
        query.rows(QStringLiteral("SELECT DISTINCT Roster.Team, Roster.Weapon, Weapons.WeaponName "
                                  "FROM Roster JOIN Weapons ON Roster.Weapon = Weapons.Weapon "
                                  "WHERE Roster.Weapon%1 ORDER BY Roster.Team, Roster.Weapon")
                       .arg(inEvents),
                   eventParams(events));
    // A fencer not yet on the schedule is listed with empty rounds.
    QString rounds;
    for (int round = 1; round <= 7; ++round) {
        rounds += QStringLiteral(", vLocatorCT.\"Round #%1\"").arg(round);
    }
    QList<ReportRecord> fencers = query.rows(
        QStringLiteral("SELECT Roster.Team, Roster.Weapon, Roster.FencerNumber, %1 AS FencerName"
                       "%2, trim(ifnull(Roster.FName,'')) AS Given "
                       "FROM Roster LEFT JOIN vLocatorCT ON vLocatorCT.Weapon = Roster.Weapon "
                       "AND vLocatorCT.FencerNumber = Roster.FencerNumber "
                       "WHERE Roster.Weapon%3 "
                       "ORDER BY Roster.Team, Roster.Weapon, Roster.LName, Roster.FName")
            .arg(nameOf("Roster"), rounds, inEvents),
        eventParams(events));
    PersonName::AddInitialled(fencers, QStringLiteral("FencerName"), QStringLiteral("Given"),
                              QStringLiteral("FencerNameShort"));
    RecordQuery::Relate(schoolEvents, fencers, {QStringLiteral("Team"), QStringLiteral("Weapon")});
    RecordQuery::Relate(schools, schoolEvents, {QStringLiteral("Team")});
    report.setRecords(std::move(schools));
    return query.status();
}

}  // namespace ScheduleReports
