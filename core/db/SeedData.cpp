#include "db/SeedData.h"

#include "db/ProgramVersion.h"
#include "db/SqlStore.h"

#include <array>

namespace {

struct TeamSeed {
    const char* full;
    const char* medium;
    const char* abbreviation;
};

constexpr std::array<TeamSeed, 47> kTeams = {{
    {"U.S. Air Force Academy", "Air Force", "USAF"},
    {"Bard College", "Bard College", "BARD"},
    {"Boston College", "Boston College", "BC"},
    {"Brandeis University", "Brandeis", "BRAN"},
    {"Brown University", "Brown", "BROW"},
    {"City College of N.Y.", "C.C.N.Y.", "CCNY"},
    {"Cal State, Fullerton", "Cal St. Fullerton", "CSUF"},
    {"Cal Tech", "Cal Tech", "CALT"},
    {"Case Western Reserve", "Case Wstrn Rsv", "CWRU"},
    {"Cleveland State", "Cleveland State", "CLEV"},
    {"Columbia/Barnard", "Columbia/Barnard", "COLU"},
    {"Cornell University", "Cornell", "CORN"},
    {"Detroit Mercy, University of", "Detroit Mercy", "UDM"},
    {"Drew University", "Drew", "DREW"},
    {"Duke University", "Duke", "DUKE"},
    {"Fairleigh Dickinson", "Fairleigh Dcknsn", "FDU"},
    {"Harvard University", "Harvard", "HARV"},
    {"Haverford College", "Haverford", "HAVF"},
    {"Hollins University", "Hollins", "HOLL"},
    {"Hunter College", "Hunter College", "HUNT"},
    {"James Madison University", "James Madison", "JMU"},
    {"Johns Hopkins University", "Johns Hopkins", "JHU"},
    {"Lafayette College", "Lafayette", "LAFA"},
    {"Lawrence University", "Lawrence", "LAWR"},
    {"M.I.T.", "M.I.T.", "MIT"},
    {"NJ Institute of Technology", "N.J.I.T.", "NJIT"},
    {"New York University", "N.Y.U.", "NYU"},
    {"UNC, Chapel Hill", "North Carolina", "UNC"},
    {"Northwestern University", "Northwestern", "NW"},
    {"Notre Dame", "Notre Dame", "ND"},
    {"Ohio State University", "Ohio State", "OSU"},
    {"Pennsylvania State University", "Penn State", "PSU"},
    {"Pennsylvania, University of", "Pennsylvania", "PENN"},
    {"Princeton University", "Princeton", "PRIN"},
    {"Rutgers University", "Rutgers", "RUTG"},
    {"Sacred Heart University", "Sacred Heart", "SACR"},
    {"St. John's University", "St. John's", "SJU"},
    {"Stanford University", "Stanford", "STAN"},
    {"Stevens Tech", "Stevens Tech", "STEV"},
    {"Temple University", "Temple", "TEMP"},
    {"Tufts University", "Tufts", "TUFT"},
    {"U.C. San Diego", "U.C. San Diego", "UCSD"},
    {"Vassar College", "Vassar College", "VASS"},
    {"Wayne State University", "Wayne State", "WAYN"},
    {"Wellesley College", "Wellesley", "WELL"},
    {"Yale University", "Yale", "YALE"},
    {"Yeshiva University", "Yeshiva", "YESH"},
}};

// The dual pairings of rounds 1..7 as (left group, right group), by round and strip set.
constexpr std::array<std::array<std::array<int, 2>, 4>, 7> kPairings = {{
    {{{0, 1}, {2, 3}, {4, 5}, {7, 6}}},
    {{{0, 4}, {5, 7}, {6, 3}, {2, 1}}},
    {{{1, 4}, {5, 6}, {7, 2}, {3, 0}}},
    {{{7, 0}, {4, 6}, {2, 5}, {1, 3}}},
    {{{1, 7}, {6, 2}, {3, 4}, {5, 0}}},
    {{{0, 6}, {7, 3}, {2, 4}, {5, 1}}},
    {{{6, 1}, {4, 7}, {3, 5}, {0, 2}}},
}};

// Runs one insert for every row of values; stops at the first failure.
class RowWriter {
public:
    RowWriter(const SqlStore& db, const char* sql) : m_db(db), m_sql(QLatin1String(sql)) {}

    void add(const SqlParams& row) {
        if (m_status) {
            m_status = m_db.exec(m_sql, row);
        }
    }
    Status status() const { return m_status; }

private:
    const SqlStore& m_db;
    QString m_sql;
    Status m_status = Status::success();
};

Status insertWeapons(const SqlStore& db) {
    RowWriter rows(db, "INSERT INTO Weapons (Weapon, Abbreviation, WeaponName) VALUES (?, ?, ?)");
    const char* names[] = {"Men's Saber", "Men's Foil", "Men's Ep\u00e9e"};
    const char* abbreviations[] = {"MS", "MF", "ME"};
    for (int w = 0; w < 6; ++w) {
        QString name = QString::fromUtf8(names[w % 3]);
        QString abbreviation = QLatin1String(abbreviations[w % 3]);
        if (w > 2) {
            name.replace(QLatin1String("Men"), QLatin1String("Women"));
            abbreviation.replace(QLatin1Char('M'), QLatin1Char('W'));
        }
        rows.add({w, abbreviation, name});
    }
    rows.add({101, "TEAM", "Team"});
    return rows.status();
}

Status insertStripNumbers(const SqlStore& db) {
    RowWriter rows(db, "INSERT INTO StripNumbers (Weapon, StripSet, StripName) VALUES (?, ?, ?)");
    for (int w = 0; w < 6; ++w) {
        for (int s = 0; s < 4; ++s) {
            rows.add({w, s, QString::number((w % 3) * 4 + s + 1)});
        }
    }
    return rows.status();
}

Status insertGroupsAndNumbers(const SqlStore& db) {
    RowWriter groups(db, "INSERT INTO Groups (\"Group\", GroupName) VALUES (?, ?)");
    for (int g = 0; g < 8; ++g) {
        groups.add({g, QStringLiteral("Group ") + QChar(65 + g)});
    }
    groups.add({99, "Unassigned"});
    RowWriter subgroups(db, "INSERT INTO Subgroups (Subgroup) VALUES (?)");
    for (int s = 0; s < 3; ++s) {
        subgroups.add({s});
    }
    RowWriter numbers(db, "INSERT INTO FencerNumbers (FencerNumber) VALUES (?)");
    for (int n = 0; n < 24; ++n) {
        numbers.add({n});
    }
    RowWriter bouts(db, "INSERT INTO FinalFourBouts (Bout, BoutName) VALUES (?, ?)");
    bouts.add({0, "Semifinal A"});
    bouts.add({1, "Semifinal B"});
    bouts.add({10, "Gold Medal Bout"});
    bouts.add({11, "Bronze Medal Bout"});
    for (const Status& s :
         {groups.status(), subgroups.status(), numbers.status(), bouts.status()}) {
        if (!s) {
            return s;
        }
    }
    return Status::success();
}

// Every left position meets every right position once over three sub-rounds.
Status insertSuborder(const SqlStore& db) {
    RowWriter rows(
        db, "INSERT INTO Suborder (Subround, Bout, Subgroup1, Subgroup2) VALUES (?, ?, ?, ?)");
    std::array<int, 3> left = {2, 0, 1};
    std::array<int, 3> right = {5, 4, 3};
    for (int subround = 0; subround < 3; ++subround) {
        if (subround == 1) {
            std::swap(left[0], left[1]);
            std::swap(right[1], right[2]);
        } else if (subround == 2) {
            std::swap(left[1], left[2]);
            std::swap(right[0], right[1]);
        }
        for (int bout = 0; bout < 3; ++bout) {
            rows.add({subround, bout, left[static_cast<size_t>(bout)],
                      right[static_cast<size_t>(bout)]});
        }
    }
    return rows.status();
}

Status insertSchedule(const SqlStore& db) {
    RowWriter rows(db,
                   "INSERT INTO Schedule (Round, Group1, Group2, Stripset) VALUES (?, ?, ?, ?)");
    for (int g = 0; g < 8; ++g) {
        rows.add({0, g, g, g / 2});
    }
    for (int round = 0; round < 7; ++round) {
        for (int strip = 0; strip < 4; ++strip) {
            const auto& pair = kPairings[static_cast<size_t>(round)][static_cast<size_t>(strip)];
            rows.add({round, pair[0], pair[1], strip});
        }
    }
    return rows.status();
}

Status insertTeams(const SqlStore& db) {
    RowWriter rows(db,
                   "INSERT INTO Teams (Team, FullTeamName, MediumTeamName, Abbreviation) "
                   "VALUES (?, ?, ?, ?)");
    for (int t = 0; t < static_cast<int>(kTeams.size()); ++t) {
        const TeamSeed& team = kTeams[static_cast<size_t>(t)];
        rows.add({t, team.full, team.medium, team.abbreviation});
    }
    return rows.status();
}

}  // namespace

Status InsertSeedRows(const SqlStore& db) {
    if (Status s = db.exec(QStringLiteral("INSERT INTO VersionInfo (DatabaseVersion) VALUES (?)"),
                           {ProgramVersion::DatabaseVersionText()});
        !s) {
        return s;
    }
    for (auto step : {insertWeapons, insertStripNumbers, insertGroupsAndNumbers, insertSuborder,
                      insertSchedule, insertTeams}) {
        if (Status s = step(db); !s) {
            return s;
        }
    }
    return Status::success();
}
