#include "roster/GroupDraw.h"

#include "roster/SchoolList.h"

#include <QTime>
#include <algorithm>
#include <cmath>
#include <map>
#include <memory>
#include <random>

namespace {

struct WorkRow {
    int rosterRow = 0;
    int team = 0;
    int group = 0;
    int subgroup = 0;
    double key = 0;
};

// Keys are held with four decimals, as the draw table keeps them.
double fourDecimals(double value) {
    return std::round(value * 10000.0) / 10000.0;
}

// Teammates share one negative key, so they sort first and stay adjacent; single fencers
// keep a positive key of their own.
void assignKeys(std::vector<WorkRow>& work, const GroupDraw::Random& random) {
    int previous = -9999;
    for (size_t i = 0; i < work.size(); ++i) {
        if (work[i].team == previous) {
            double key = work[i - 1].key;
            if (key > 0) {
                key = -key;
                work[i - 1].key = key;
            }
            work[i].key = key;
        } else {
            work[i].key = fourDecimals(random());
            previous = work[i].team;
        }
    }
}

// With g groups left from `first` on, positions 1..2g fill places 0 and 1 of those groups in
// pairs and the rest fill place 2 from the last group back; with all eight groups that is
// positions 1..16 in pairs and 17..24 in place 2 of groups 7 down to 0.
void assignPlaces(std::vector<WorkRow>& rows, int first) {
    const int groups = static_cast<int>(rows.size()) / 3;
    for (size_t p = 0; p < rows.size(); ++p) {
        const int i = static_cast<int>(p) + 1;
        if (i <= 2 * groups) {
            rows[p].group = first + (i - 1) / 2;
            rows[p].subgroup = (i - 1) % 2;
        } else {
            rows[p].group = first + 3 * groups - i;
            rows[p].subgroup = 2;
        }
    }
}

// A school with three or more fencers fills a whole group with each three of them, from
// group 0 on; the others are placed over the remaining groups. A fencer left alone by
// that is drawn as a single fencer. Returns the number of whole groups.
int placeInGroups(std::vector<WorkRow>& work) {
    std::map<int, int> size;
    for (const WorkRow& w : work) {
        ++size[w.team];
    }
    std::map<int, int> taken;
    std::vector<WorkRow> whole;
    std::vector<WorkRow> rest;
    for (const WorkRow& w : work) {
        if (taken[w.team] < size[w.team] / 3 * 3) {
            ++taken[w.team];
            whole.push_back(w);
        } else {
            rest.push_back(w);
        }
    }
    for (WorkRow& w : rest) {
        if (size[w.team] % 3 == 1 && size[w.team] > 1) {
            w.key = -w.key;
        }
    }
    std::stable_sort(rest.begin(), rest.end(), [](const WorkRow& a, const WorkRow& b) {
        return a.key != b.key ? a.key < b.key : a.team < b.team;
    });
    for (size_t p = 0; p < whole.size(); ++p) {
        whole[p].group = static_cast<int>(p) / 3;
        whole[p].subgroup = static_cast<int>(p) % 3;
    }
    const int wholeGroups = static_cast<int>(whole.size()) / 3;
    assignPlaces(rest, wholeGroups);
    work = whole;
    work.insert(work.end(), rest.begin(), rest.end());
    return wholeGroups;
}

QStringList splitTeams(const GroupSlotArray& groupSlots, const std::vector<RosterRow>& rows,
                       const SchoolList& schools) {
    std::map<int, const RosterRow*> byNumber;
    for (const RosterRow& row : rows) {
        byNumber[row.fencerNumber] = &row;
    }
    std::map<int, std::vector<int>> slotsOfTeam;
    for (int k = 0; k < 24; ++k) {
        const auto it = byNumber.find(groupSlots[static_cast<size_t>(k)].fencerNumber);
        if (it != byNumber.end()) {
            slotsOfTeam[it->second->team].push_back(k);
        }
    }
    QStringList lines;
    for (const auto& [team, teamSlots] : slotsOfTeam) {
        const bool oneGroup = std::all_of(teamSlots.begin(), teamSlots.end(),
                                          [&](int k) { return k / 3 == teamSlots.front() / 3; });
        if (oneGroup) {
            continue;
        }
        QStringList names;
        for (int k : teamSlots) {
            const RosterRow& row = *byNumber.at(groupSlots[static_cast<size_t>(k)].fencerNumber);
            names
                << QStringLiteral("%1 (Group %2)").arg(row.displayName()).arg(QChar(u'A' + k / 3));
        }
        lines << QStringLiteral("%1: %2").arg(schools.abbreviationOf(team),
                                              names.join(QStringLiteral(", ")));
    }
    return lines;
}

}  // namespace

QString GroupDraw::Result::warning() const {
    if (!moreThanEightPairs && splitTeams.isEmpty()) {
        return QString();
    }
    QString text = moreThanEightPairs ? QStringLiteral(
                                            "There are more than 8 pairs of teammates\n"
                                            "Accordingly, not all teammates are in the same group.")
                                      : QStringLiteral("Not all teammates are in the same group.");
    if (!splitTeams.isEmpty()) {
        text += QStringLiteral("\n\n") + splitTeams.join(QLatin1Char('\n'));
    }
    return text;
}

std::optional<GroupDraw::Result> GroupDraw::Draw(const std::vector<RosterRow>& rows,
                                                 const SchoolList& schools, const Random& random) {
    if (rows.size() != 24) {
        return std::nullopt;
    }
    std::vector<WorkRow> work;
    for (size_t r = 0; r < rows.size(); ++r) {
        if (rows[r].team < 0) {
            return std::nullopt;
        }
        work.push_back({static_cast<int>(r), rows[r].team, 0, 0, 0.0});
    }
    std::stable_sort(work.begin(), work.end(),
                     [](const WorkRow& a, const WorkRow& b) { return a.team < b.team; });
    assignKeys(work, random);
    std::stable_sort(work.begin(), work.end(), [](const WorkRow& a, const WorkRow& b) {
        return a.key != b.key ? a.key < b.key : a.team < b.team;
    });
    const int wholeGroups = placeInGroups(work);

    Result result;
    for (const WorkRow& w : work) {
        const RosterRow& row = rows[static_cast<size_t>(w.rosterRow)];
        QString caption = row.first + QLatin1Char(' ') + row.last + QStringLiteral(" (") +
                          schools.abbreviationOf(row.team).left(7).trimmed() + QLatin1Char(')');
        if (caption == QStringLiteral("  ()")) {
            caption.clear();
        }
        result.groupSlots[static_cast<size_t>(w.group * 3 + w.subgroup)] = {caption,
                                                                            row.fencerNumber};
    }
    // Positions 17 and 18 (place 2 of groups H and G) hold teammates only when more than
    // eight schools have two fencers. Compared by school number, not by the abbreviation
    // shown, so two schools sharing an abbreviation are not taken for teammates.
    result.moreThanEightPairs = wholeGroups == 0 && work[16].team == work[17].team;
    result.splitTeams = splitTeams(result.groupSlots, rows, schools);
    return result;
}

GroupDraw::Random GroupDraw::ClockSeededRandom() {
    return SeededRandom(static_cast<unsigned>(QTime::currentTime().msecsSinceStartOfDay() / 1000));
}

GroupDraw::Random GroupDraw::SeededRandom(unsigned seed) {
    auto engine = std::make_shared<std::mt19937>(seed);
    return [engine] { return std::uniform_real_distribution<double>(0.0, 1.0)(*engine); };
}
