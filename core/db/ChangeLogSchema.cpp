#include "db/ChangeLogSchema.h"

#include <functional>
#include <iterator>

namespace ChangeLogSchema {
namespace {

constexpr auto kFinalFourRound = "8";
constexpr auto kNoFencer = "99";
constexpr auto kNoGroup = "99";

// One side of a change as the log keeps it: the words shown and the value put back.
struct Side {
    QString text = QStringLiteral("NULL");
    QString value = QStringLiteral("NULL");
};

// What one trigger records. `key` picks (as L) the log row of the same thing written earlier
// in the same save, so that deleting and re-inserting a bout makes one change, and a save
// that ends where it began makes none.
struct Logged {
    QString table;
    QString event;  // INSERT, DELETE or UPDATE [OF columns]
    QString when;
    QString what;  // the SQL value of What
    QString columns;
    QString values;
    QString key;
    QString source;  // FROM ... WHERE ..., or empty
    Side before;
    Side after;
};

const QString& writerTxn() {
    static const QString sql = QStringLiteral("(SELECT Txn FROM ChangeWriter)");
    return sql;
}

QString notQuiet() {
    return QStringLiteral("NOT EXISTS (SELECT 1 FROM ChangeWriter WHERE Quiet <> 0)");
}

QString sameThing(const Logged& logged) {
    return QStringLiteral("SELECT %1 FROM ChangeLog AS L WHERE L.Txn = %2 AND %3")
        .arg(QStringLiteral("%1"), writerTxn(), logged.key);
}

QString sourceOr(const Logged& logged, const QString& clause) {
    return logged.source.isEmpty() ? QStringLiteral("WHERE %1").arg(clause)
                                   : QStringLiteral("%1 AND %2").arg(logged.source, clause);
}

QString scalar(const Logged& logged, const QString& expression) {
    return logged.source.isEmpty()
               ? expression
               : QStringLiteral("(SELECT %1 %2)").arg(expression, logged.source);
}

// The three statements every trigger runs: merge into this save's earlier row of the same
// thing, record a new row when there is none, and settle by dropping a row that ends where it
// began.
QString triggerBody(StoreKind store, const Logged& logged) {
    const QString merge =
        QStringLiteral("UPDATE ChangeLog SET After = %1, AfterValue = %2 WHERE Id = (%3);")
            .arg(scalar(logged, logged.after.text), scalar(logged, logged.after.value),
                 sameThing(logged).arg(QStringLiteral("max(L.Id)")));
    const QString record =
        QStringLiteral(
            "INSERT INTO ChangeLog (At, Who, Place, What, %1, Before, After, BeforeValue, "
            "AfterValue, Txn) SELECT %10, "
            "coalesce((SELECT Who FROM ChangeWriter), 'unknown'), "
            "coalesce((SELECT Place FROM ChangeWriter), 'unknown'), %2, %3, %4, %5, %6, %7, %8 "
            "%9;")
            .arg(logged.columns, logged.what, logged.values, logged.before.text, logged.after.text,
                 logged.before.value, logged.after.value, writerTxn(),
                 sourceOr(logged, QStringLiteral("NOT EXISTS (%1)")
                                      .arg(sameThing(logged).arg(QStringLiteral("1")))),
                 StoreDialect::UtcNowText(store));
    const QString settle = QStringLiteral("DELETE FROM ChangeLog WHERE Id IN (%1 AND %2);")
                               .arg(sameThing(logged).arg(QStringLiteral("L.Id")),
                                    StoreDialect::Same(store, QStringLiteral("L.BeforeValue"),
                                                       QStringLiteral("L.AfterValue")));
    return QStringLiteral("%1 %2 %3").arg(merge, record, settle);
}

QString triggerName(const Logged& logged, int number) {
    return QStringLiteral("\"ChangeLog.%1.%2\"").arg(logged.table).arg(number);
}

QString fileTrigger(const Logged& logged, int number) {
    return QStringLiteral(
               "CREATE TRIGGER IF NOT EXISTS %1 AFTER %2 ON %3 WHEN %4 AND (%5) "
               "BEGIN %6 END")
        .arg(triggerName(logged, number), logged.event, logged.table, notQuiet(), logged.when,
             triggerBody(StoreKind::File, logged));
}

// The server runs a trigger's statements in a function of its own. Its conditions read other
// rows, which a trigger's WHEN may not, so they open the body. It runs before each row
// changes, not after: the server fires AFTER ROW triggers once the whole statement is done,
// when a bout deleted by one statement has lost both rows; before each row, a trigger sees
// the rows changed before it, as the file's triggers see them after each row.
QStringList serverTrigger(const Logged& logged, int number) {
    const QString row = logged.event.startsWith(QLatin1String("DELETE")) ? QStringLiteral("OLD")
                                                                         : QStringLiteral("NEW");
    return {QStringLiteral("CREATE OR REPLACE FUNCTION %1() RETURNS trigger LANGUAGE plpgsql AS "
                           "$body$ BEGIN IF %2 AND (%3) THEN %4 END IF; RETURN %5; END $body$")
                .arg(triggerName(logged, number), notQuiet(), logged.when,
                     triggerBody(StoreKind::Server, logged), row),
            QStringLiteral("CREATE OR REPLACE TRIGGER %1 BEFORE %2 ON %3 FOR EACH ROW EXECUTE "
                           "FUNCTION %1()")
                .arg(triggerName(logged, number), logged.event, logged.table)};
}

// The triggers after a row is inserted, deleted and updated (`updateEvent` may name the
// columns whose update counts); an update that leaves the row's value alone records nothing.
// `changed` tells that from the row alone when its value needs another row (a bout's twin).
using MakeLogged = std::function<Logged(const QString& event, const QString& row)>;
using MakeSide = std::function<Side(const QString& row)>;

std::vector<Logged> rowTriggers(StoreKind store, const MakeLogged& make, const MakeSide& side,
                                const QString& updateEvent, const QString& changed = {}) {
    Logged inserted = make(QStringLiteral("INSERT"), QStringLiteral("NEW"));
    inserted.after = side(QStringLiteral("NEW"));
    Logged deleted = make(QStringLiteral("DELETE"), QStringLiteral("OLD"));
    deleted.before = side(QStringLiteral("OLD"));
    Logged updated = make(updateEvent, QStringLiteral("NEW"));
    updated.before = side(QStringLiteral("OLD"));
    updated.after = side(QStringLiteral("NEW"));
    updated.when = QStringLiteral("(%1) AND (%2)")
                       .arg(updated.when, changed.isEmpty()
                                              ? StoreDialect::Differs(store, updated.before.value,
                                                                      updated.after.value)
                                              : changed);
    return {inserted, deleted, updated};
}

// ----- bouts of rounds 1 to 7: a bout is logged once both of its rows are there -----

QString twinFrom(const QString& row) {
    return QStringLiteral(
               "FROM Results AS T WHERE T.Weapon = %1.Weapon AND T.FencerNumber = "
               "%1.Opponent AND T.Opponent = %1.FencerNumber")
        .arg(row);
}

QString lowerSide(const QString& row, const QString& ownColumn, const QString& twinColumn) {
    return QStringLiteral("(CASE WHEN %1.FencerNumber < %1.Opponent THEN %2 ELSE %3 END)")
        .arg(row, ownColumn, twinColumn);
}

// The score from the lower fencer number's side, as the staff type it ("5-3", "V-4").
Side boutSide(StoreKind store, const QString& row) {
    const QString lt =
        lowerSide(row, row + QStringLiteral(".Touches"), QStringLiteral("T.Touches"));
    const QString ht =
        lowerSide(row, QStringLiteral("T.Touches"), row + QStringLiteral(".Touches"));
    const QString lw =
        QStringLiteral("(%1 <> 0)")
            .arg(lowerSide(row, row + QStringLiteral(".Victory"), QStringLiteral("T.Victory")));
    const QString text =
        QStringLiteral(
            "(CASE WHEN %3 AND %1 = %2 THEN 'V' ELSE %4 END || '-' || "
            "CASE WHEN NOT %3 AND %1 = %2 THEN 'V' ELSE %5 END)")
            .arg(lt, ht, lw, StoreDialect::AsText(store, lt), StoreDialect::AsText(store, ht));
    const QString value =
        QStringLiteral("(%1 || ' ' || %2 || ' ' || CASE WHEN %3 THEN 1 ELSE 0 END)")
            .arg(lt, ht, lw);
    return {text, value};
}

// The round and strip of a bout, from the groups its fencers are in.
QString scheduleOf(const QString& row, const QString& column) {
    return QStringLiteral(
               "(SELECT %2 FROM Schedule AS S INNER JOIN Roster AS A ON A.Weapon = %1.Weapon AND "
               "A.FencerNumber = %1.FencerNumber INNER JOIN Roster AS B ON B.Weapon = %1.Weapon "
               "AND B.FencerNumber = %1.Opponent LEFT JOIN StripNumbers AS N ON N.Weapon = "
               "%1.Weapon AND N.StripSet = S.Stripset WHERE (S.Group1 = A.\"Group\" AND S.Group2 "
               "= B.\"Group\") OR (S.Group1 = B.\"Group\" AND S.Group2 = A.\"Group\") LIMIT 1)")
        .arg(row, column);
}

Logged boutLogged(StoreKind store, const QString& event, const QString& row) {
    Logged logged;
    logged.table = QStringLiteral("Results");
    logged.event = event;
    logged.when = QStringLiteral("EXISTS (SELECT 1 %1)").arg(twinFrom(row));
    logged.what = QStringLiteral("coalesce((SELECT What FROM ChangeWriter), 'bout')");
    logged.columns = QStringLiteral("Weapon, Round, Strip, Fencer, Opponent");
    const QString fencer = row + QStringLiteral(".FencerNumber");
    const QString opponent = row + QStringLiteral(".Opponent");
    const QString lower = StoreDialect::Smaller(store, fencer, opponent);
    const QString higher = StoreDialect::Larger(store, fencer, opponent);
    logged.values = QStringLiteral("%1.Weapon, %2, %3, %4, %5")
                        .arg(row, scheduleOf(row, QStringLiteral("S.Round")),
                             scheduleOf(row, QStringLiteral("N.StripName")), lower, higher);
    logged.key = QStringLiteral(
                     "L.Bout IS NULL AND L.Weapon = %1.Weapon AND L.Fencer = %2 AND "
                     "L.Opponent = %3")
                     .arg(row, lower, higher);
    logged.source = twinFrom(row);
    return logged;
}

std::vector<Logged> boutTriggers(StoreKind store) {
    return rowTriggers(
        store,
        [store](const QString& event, const QString& row) { return boutLogged(store, event, row); },
        [store](const QString& row) { return boutSide(store, row); },
        QStringLiteral("UPDATE OF Victory, Touches"),
        QStringLiteral("%1 OR %2")
            .arg(StoreDialect::Differs(store, QStringLiteral("OLD.Victory"),
                                       QStringLiteral("NEW.Victory")),
                 StoreDialect::Differs(store, QStringLiteral("OLD.Touches"),
                                       QStringLiteral("NEW.Touches"))));
}

// ----- Final Four bouts: the result seen from the top fencer -----

Side finalSide(StoreKind store, const QString& row) {
    const QString dash =
        StoreDialect::Position(store, row + QStringLiteral(".Score"), QStringLiteral("'-'"));
    const QString topWon = QStringLiteral("%1.Winner = %1.TopFencer").arg(row);
    // The score is written winner first; from the top fencer's side a loss reads the other way.
    const QString score =
        QStringLiteral(
            "CASE WHEN coalesce(%1.Score, '') = '' THEN '' WHEN %2 OR %3 = 0 THEN ' ' "
            "|| %1.Score ELSE ' ' || substr(%1.Score, %3 + 1) || '-' || "
            "substr(%1.Score, 1, %3 - 1) END")
            .arg(row, topWon, dash);
    const QString decided = QStringLiteral("%1.Winner <> %2").arg(row, QLatin1String(kNoFencer));
    return {QStringLiteral("(CASE WHEN %1 THEN CASE WHEN %2 THEN 'V' ELSE 'D' END || %3 END)")
                .arg(decided, topWon, score),
            QStringLiteral("(CASE WHEN %1 THEN %2.Winner || ' ' || coalesce(%2.Score, '') END)")
                .arg(decided, row)};
}

Logged finalLogged(StoreKind store, const QString& event, const QString& row) {
    Logged logged;
    logged.table = QStringLiteral("FinalFour");
    logged.event = event;
    logged.when = StoreDialect::Always(store);
    logged.what = QStringLiteral("coalesce((SELECT What FROM ChangeWriter), 'final')");
    logged.columns = QStringLiteral("Weapon, Round, Bout, Fencer, Opponent");
    logged.values = QStringLiteral("%1.Weapon, %2, %1.Bout, %1.TopFencer, %1.BottomFencer")
                        .arg(row, QLatin1String(kFinalFourRound));
    logged.key = QStringLiteral("L.Weapon = %1.Weapon AND L.Bout = %1.Bout").arg(row);
    return logged;
}

std::vector<Logged> finalTriggers(StoreKind store) {
    return rowTriggers(
        store,
        [store](const QString& event, const QString& row) {
            return finalLogged(store, event, row);
        },
        [store](const QString& row) { return finalSide(store, row); }, QStringLiteral("UPDATE"));
}

// ----- roster rows, groups and seeding -----

QString rosterRow(const QString& row) {
    return QStringLiteral(
               "(%1.FencerNumber || ' ' || trim(%1.FName || ' ' || %1.LName) || ' (' || "
               "coalesce((SELECT Abbreviation FROM Teams WHERE Team = %1.Team), '?') || ')' || "
               "CASE WHEN %1.AddlText <> '' THEN ' ' || %1.AddlText ELSE '' END || "
               "CASE WHEN %1.Injury <> 0 THEN ', injured' WHEN %1.ExcludedButCount <> 0 THEN "
               "', excluded (bouts count)' WHEN %1.Excluded <> 0 THEN ', excluded' ELSE '' END)")
        .arg(row);
}

Side rosterSide(const QString& row) {
    return {rosterRow(row), rosterRow(row)};
}

QString groupPlace(const QString& row) {
    return QStringLiteral(
               "(CASE WHEN %1.\"Group\" = %2 THEN 'no group' ELSE coalesce((SELECT GroupName FROM "
               "Groups WHERE \"Group\" = %1.\"Group\"), 'group ' || %1.\"Group\") || ', place ' || "
               "(%1.Subgroup + 1) END)")
        .arg(row, QLatin1String(kNoGroup));
}

QString advanced(const QString& row) {
    return QStringLiteral("(CASE WHEN %1.Advanced <> 0 THEN 'advanced' ELSE 'not advanced' END)")
        .arg(row);
}

Logged rosterLogged(StoreKind store, const QString& event, const QString& row,
                    const QString& what) {
    Logged logged;
    logged.table = QStringLiteral("Roster");
    logged.event = event;
    logged.when = StoreDialect::Always(store);
    logged.what = QStringLiteral("'%1'").arg(what);
    logged.columns = QStringLiteral("Weapon, Fencer, Subject");
    logged.values = QStringLiteral("%1.Weapon, %1.FencerNumber, %2").arg(row, rosterRow(row));
    logged.key = QStringLiteral(
                     "L.What = '%1' AND L.Weapon = %2.Weapon AND L.Fencer = "
                     "%2.FencerNumber AND L.Opponent IS NULL")
                     .arg(what, row);
    return logged;
}

Logged rosterUpdate(StoreKind store, const QString& columns, const QString& what,
                    const Side& before, const Side& after) {
    Logged logged =
        rosterLogged(store, QStringLiteral("UPDATE OF ") + columns, QStringLiteral("NEW"), what);
    logged.when = StoreDialect::Differs(store, before.value, after.value);
    logged.before = before;
    logged.after = after;
    return logged;
}

std::vector<Logged> rosterTriggers(StoreKind store) {
    Logged inserted = rosterLogged(store, QStringLiteral("INSERT"), QStringLiteral("NEW"),
                                   QStringLiteral("roster"));
    inserted.after = rosterSide(QStringLiteral("NEW"));
    Logged deleted = rosterLogged(store, QStringLiteral("DELETE"), QStringLiteral("OLD"),
                                  QStringLiteral("roster"));
    deleted.before = rosterSide(QStringLiteral("OLD"));
    const Side groupBefore{groupPlace(QStringLiteral("OLD")), groupPlace(QStringLiteral("OLD"))};
    const Side groupAfter{groupPlace(QStringLiteral("NEW")), groupPlace(QStringLiteral("NEW"))};
    const Side seedBefore{advanced(QStringLiteral("OLD")), advanced(QStringLiteral("OLD"))};
    const Side seedAfter{advanced(QStringLiteral("NEW")), advanced(QStringLiteral("NEW"))};
    return {inserted, deleted,
            rosterUpdate(store,
                         QStringLiteral("FencerNumber, Team, LName, FName, AddlText, Excluded, "
                                        "ExcludedButCount, Injury"),
                         QStringLiteral("roster"), rosterSide(QStringLiteral("OLD")),
                         rosterSide(QStringLiteral("NEW"))),
            rosterUpdate(store, QStringLiteral("\"Group\", Subgroup"), QStringLiteral("groups"),
                         groupBefore, groupAfter),
            rosterUpdate(store, QStringLiteral("Advanced"), QStringLiteral("seeding"), seedBefore,
                         seedAfter)};
}

// ----- school and strip names -----

Side schoolSide(const QString& row) {
    const QString names = QStringLiteral(
                              "(%1.FullTeamName || ' / ' || %1.MediumTeamName || ' / ' || "
                              "%1.Abbreviation)")
                              .arg(row);
    return {names, names};
}

Side stripSide(const QString& row) {
    return {row + QStringLiteral(".StripName"), row + QStringLiteral(".StripName")};
}

struct NamedTable {
    QString table;
    QString what;
    QString columns;
    QString values;  // %1 stands for the row
    QString key;     // %1 stands for the row
    Side (*side)(const QString& row);
};

std::vector<Logged> namedTriggers(StoreKind store, const NamedTable& named) {
    auto logged = [&](const QString& event, const QString& row) {
        Logged one;
        one.table = named.table;
        one.event = event;
        one.when = StoreDialect::Always(store);
        one.what = QStringLiteral("'%1'").arg(named.what);
        one.columns = named.columns;
        one.values = QString(named.values).replace(QStringLiteral("%1"), row);
        one.key = QStringLiteral("L.What = '%1' AND %2")
                      .arg(named.what, QString(named.key).replace(QStringLiteral("%1"), row));
        return one;
    };
    return rowTriggers(store, logged, named.side, QStringLiteral("UPDATE"));
}

std::vector<Logged> schoolAndStripTriggers(StoreKind store) {
    std::vector<Logged> all = namedTriggers(
        store,
        {QStringLiteral("Teams"), QStringLiteral("school"), QStringLiteral("Team, Subject"),
         QStringLiteral("%1.Team, coalesce(nullif(%1.Abbreviation, ''), 'school ' || %1.Team)"),
         QStringLiteral("L.Team = %1.Team"), schoolSide});
    for (Logged& strip : namedTriggers(
             store,
             {QStringLiteral("StripNumbers"), QStringLiteral("strip"),
              QStringLiteral("Weapon, StripSet, Subject"),
              QStringLiteral("%1.Weapon, %1.StripSet, 'strip set ' || (%1.StripSet + 1)"),
              QStringLiteral("L.Weapon = %1.Weapon AND L.StripSet = %1.StripSet"), stripSide})) {
        all.push_back(strip);
    }
    return all;
}

std::vector<Logged> allTriggers(StoreKind store) {
    std::vector<Logged> all;
    for (auto* group : {boutTriggers, finalTriggers, rosterTriggers, schoolAndStripTriggers}) {
        for (Logged& logged : group(store)) {
            all.push_back(logged);
        }
    }
    return all;
}

// The column types of the log's tables in each store's words.
struct ColumnWords {
    QString key;     // the log's row number, given by the store
    QString number;  // an event, round, fencer...
    QString big;     // a save number, up to 2^63
    QString text;
};

ColumnWords columnWords(StoreKind store) {
    if (store == StoreKind::File) {
        return {QStringLiteral("INTEGER PRIMARY KEY"), QStringLiteral("INTEGER"),
                QStringLiteral("INTEGER"), QStringLiteral("TEXT")};
    }
    return {QStringLiteral("bigint GENERATED BY DEFAULT AS IDENTITY PRIMARY KEY"),
            QStringLiteral("integer"), QStringLiteral("bigint"), QStringLiteral("text")};
}

QStringList buildStatements(StoreKind store) {
    const ColumnWords w = columnWords(store);
    const QString options = StoreDialect::TableOptions(store);
    QStringList statements = {
        QStringLiteral("CREATE TABLE IF NOT EXISTS ChangeLog (Id %1, At %4 NOT NULL, "
                       "Who %4 NOT NULL, Place %4 NOT NULL, What %4 NOT NULL, Weapon %2, "
                       "Round %2, Strip %4, Fencer %2, Opponent %2, Bout %2, "
                       "Team %2, StripSet %2, Subject %4, Before %4, After %4, "
                       "BeforeValue %4, AfterValue %4, Txn %3)%5")
            .arg(w.key, w.number, w.big, w.text, options),
        // A save finds its own earlier row of the same bout through this one, however long
        // the history of that bout grows.
        QStringLiteral("CREATE INDEX IF NOT EXISTS \"ChangeLog.ByTxn\" ON ChangeLog (Txn, Weapon, "
                       "Fencer, Opponent)"),
        QStringLiteral("CREATE INDEX IF NOT EXISTS \"ChangeLog.ByFencer\" ON ChangeLog "
                       "(Weapon, Fencer)"),
        // The program's own save fills this one row while it lasts and empties it before
        // committing, so another writer never finds it.
        QStringLiteral(
            "CREATE TABLE IF NOT EXISTS ChangeWriter (Slot %1 PRIMARY KEY CHECK (Slot = 1), "
            "Txn %2 NOT NULL, Who %3 NOT NULL, Place %3 NOT NULL, What %3, "
            "Quiet %1 NOT NULL DEFAULT 0)%4")
            .arg(w.number, w.big, w.text, options)};
    const std::vector<Logged> triggers = allTriggers(store);
    for (size_t i = 0; i < triggers.size(); ++i) {
        const int number = static_cast<int>(i) + 1;
        if (store == StoreKind::File) {
            statements << fileTrigger(triggers[i], number);
        } else {
            statements << serverTrigger(triggers[i], number);
        }
    }
    return statements;
}

// The names of the log's tables and indexes, as the file writes them.
const char* const kLogObjects[] = {"ChangeLog", "ChangeWriter", "ChangeLog.ByTxn",
                                   "ChangeLog.ByFencer"};

QString serverCountSql() {
    QStringList names;
    for (const char* name : kLogObjects) {
        names << QStringLiteral("'%1'").arg(QString::fromLatin1(name).toLower());
    }
    return QStringLiteral(
               "SELECT (SELECT count(*) FROM pg_catalog.pg_class WHERE relnamespace = "
               "current_schema()::regnamespace AND relname IN (%1)) + (SELECT count(*) FROM "
               "pg_catalog.pg_trigger AS G INNER JOIN pg_catalog.pg_class AS C ON C.oid = "
               "G.tgrelid WHERE C.relnamespace = current_schema()::regnamespace AND NOT "
               "G.tgisinternal AND G.tgname LIKE 'changelog.%')")
        .arg(names.join(QStringLiteral(", ")));
}

}  // namespace

const QStringList& Statements(StoreKind store) {
    static const QStringList file = buildStatements(StoreKind::File);
    static const QStringList server = buildStatements(StoreKind::Server);
    return store == StoreKind::File ? file : server;
}

QStringList Tables() {
    return {QLatin1String(kLogObjects[0]), QLatin1String(kLogObjects[1])};
}

int ObjectCount() {
    return static_cast<int>(std::size(kLogObjects) + allTriggers(StoreKind::File).size());
}

QString CountObjectsSql(StoreKind store) {
    if (store == StoreKind::Server) {
        return serverCountSql();
    }
    return QStringLiteral(
        "SELECT count(*) FROM sqlite_schema WHERE name IN ('ChangeLog', 'ChangeWriter', "
        "'ChangeLog.ByTxn', 'ChangeLog.ByFencer') OR (type = 'trigger' AND name LIKE "
        "'ChangeLog.%')");
}

}  // namespace ChangeLogSchema
