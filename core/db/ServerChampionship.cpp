#include "db/ServerChampionship.h"

#include "db/ChampionshipSchema.h"
#include "db/ChangeLogSchema.h"
#include "db/ProgramVersion.h"
#include "db/SchemaDefinition.h"
#include "db/StoredViews.h"

#include <QSet>

namespace ServerChampionship {
namespace {

QString lower(const char* name) {
    return QString::fromLatin1(name).toLower();
}

// The championship's tables, its change log and its stored queries as the server names them.
QSet<QString> championshipNames() {
    QSet<QString> names;
    for (const TableDef& table : ChampionshipTables()) {
        names.insert(lower(table.name));
    }
    for (const QString& table : ChangeLogSchema::Tables()) {
        names.insert(table.toLower());
    }
    for (const StoredView& view : ChampionshipViews()) {
        names.insert(lower(view.name));
    }
    return names;
}

// Views first, each before those it reads, then the tables with their relations.
Status dropChampionship(const PgConnection& connection) {
    const auto& views = ChampionshipViews();
    for (auto view = views.rbegin(); view != views.rend(); ++view) {
        const QString sql = QStringLiteral("DROP VIEW IF EXISTS %1 CASCADE")
                                .arg(StoreDialect::Name(StoreKind::Server, view->name));
        if (Status s = connection.execScript(sql); !s) {
            return s;
        }
    }
    QStringList tables = ChangeLogSchema::Tables();
    for (const TableDef& table : ChampionshipTables()) {
        tables << QLatin1String(table.name);
    }
    for (const QString& table : tables) {
        const QString sql =
            QStringLiteral("DROP TABLE IF EXISTS %1 CASCADE")
                .arg(StoreDialect::Name(StoreKind::Server, table.toLatin1().constData()));
        if (Status s = connection.execScript(sql); !s) {
            return s;
        }
    }
    return Status::success();
}

// The change log comes after the rows it was given, which are the championship's start and
// no change of it.
Status createChangeLog(const PgConnection& connection) {
    for (const QString& sql : ChangeLogSchema::Statements(StoreKind::Server)) {
        if (Status s = connection.execScript(sql); !s) {
            return s;
        }
    }
    return Status::success();
}

Status refusal(const PgConnection& connection, const Look& look, bool replace) {
    if (look.holding == Holding::OtherTables) {
        return Status::failure(
            QStringLiteral("%1: the database holds other tables (%2); a championship needs a "
                           "database of its own")
                .arg(connection.caption(), look.otherTables.join(QStringLiteral(", "))));
    }
    if (look.holding == Holding::Championship && !replace) {
        return Status::failure(
            QStringLiteral("%1 already holds a championship; use --force to replace it")
                .arg(connection.caption()));
    }
    return Status::success();
}

// The parts of the championship the database lacks, named as a file's are.
Result<QStringList> missingParts(const PgConnection& connection) {
    const Result<SqlRows> columns = connection.rows(
        QStringLiteral("SELECT table_name, column_name FROM information_schema.columns "
                       "WHERE table_schema = current_schema()"));
    if (!columns) {
        return columns.status();
    }
    QSet<QString> found;
    for (const SqlRow& row : *columns) {
        const QString table = std::get<QString>(row[0].value());
        found.insert(table);
        found.insert(table + QLatin1Char('.') + std::get<QString>(row[1].value()));
    }
    QStringList missing;
    for (const TableDef& table : ChampionshipTables()) {
        if (!found.contains(lower(table.name))) {
            if (!table.optionalAtOpen) {
                missing << QStringLiteral("the table %1").arg(QLatin1String(table.name));
            }
            continue;
        }
        for (const ColumnDef& column : table.columns) {
            if (!found.contains(lower(table.name) + QLatin1Char('.') + lower(column.name))) {
                missing << QStringLiteral("the column %1.%2")
                               .arg(QLatin1String(table.name), QLatin1String(column.name));
            }
        }
    }
    for (const StoredView& view : ChampionshipViews()) {
        if (!found.contains(lower(view.name))) {
            missing << QStringLiteral("the stored query %1").arg(QLatin1String(view.name));
        }
    }
    return missing;
}

// Why the championship cannot be used, or nothing when it can.
QString problemOf(const PgConnection& connection) {
    const Result<QStringList> missing = missingParts(connection);
    if (!missing) {
        return missing.status().message();
    }
    if (!missing->isEmpty()) {
        return QStringLiteral(
                   "The database lacks parts this program uses: %1. It holds no championship, "
                   "or another program has changed it.")
            .arg(missing->join(QStringLiteral(", ")));
    }
    const Result<SqlRows> version =
        connection.rows(QStringLiteral("SELECT DISTINCT DatabaseVersion FROM VersionInfo"));
    if (!version) {
        return version.status().message();
    }
    const SqlRow expected = {SqlValue(ProgramVersion::DatabaseVersionText())};
    if (version->size() != 1 || version->front() != expected) {
        return ChampionshipFile::WrongVersionMessage();
    }
    return QString();
}

}  // namespace

Result<Look> LookInto(const PgConnection& connection) {
    const Result<SqlRows> tables = connection.rows(QStringLiteral(
        "SELECT table_name FROM information_schema.tables WHERE table_schema = current_schema() "
        "ORDER BY table_name"));
    if (!tables) {
        return tables.status();
    }
    const QSet<QString> ours = championshipNames();
    Look look;
    for (const SqlRow& row : *tables) {
        const QString name = std::get<QString>(row[0].value());
        if (!ours.contains(name)) {
            look.otherTables << name;
        }
    }
    if (!look.otherTables.isEmpty()) {
        look.holding = Holding::OtherTables;
    } else if (!tables->empty()) {
        look.holding = Holding::Championship;
    }
    return look;
}

Status Create(const PgConnection& connection, bool replace, const ChampionshipFile::Fill& fill) {
    PgTransaction transaction(connection);
    if (!transaction.begun()) {
        return transaction.begun();
    }
    const Result<Look> look = LookInto(connection);
    if (!look) {
        return look.status();
    }
    if (Status refused = refusal(connection, *look, replace); !refused) {
        return refused;
    }
    if (look->holding == Holding::Championship) {
        if (Status s = dropChampionship(connection); !s) {
            return s;
        }
    }
    if (Status s = BuildChampionshipSchema(connection); !s) {
        return s;
    }
    if (Status s = fill(connection); !s) {
        return s;
    }
    if (Status s = createChangeLog(connection); !s) {
        return s;
    }
    return transaction.commit();
}

Opened Open(const ServerUri& uri) {
    Opened opened;
    opened.connection = PgConnection::Connect(uri, &opened.reason);
    if (!opened.connection) {
        return opened;
    }
    opened.reason = problemOf(*opened.connection);
    if (!opened.reason.isEmpty()) {
        opened.connection.reset();
    }
    return opened;
}

}  // namespace ServerChampionship
