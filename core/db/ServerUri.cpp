#include "db/ServerUri.h"

#include "db/ChampionshipYear.h"

#include <libpq-fe.h>
#include <QMap>
#include <memory>

namespace {

const QLatin1String kSchemes[] = {QLatin1String("postgresql://"), QLatin1String("postgres://")};

struct OptionsFree {
    void operator()(PQconninfoOption* options) const { PQconninfoFree(options); }
};

// The options libpq reads from the URI, by keyword; those it does not hold are absent.
QMap<QString, QString> optionsOf(const PQconninfoOption* options) {
    QMap<QString, QString> found;
    for (const PQconninfoOption* option = options; option->keyword != nullptr; ++option) {
        if (option->val != nullptr) {
            found.insert(QString::fromUtf8(option->keyword), QString::fromUtf8(option->val));
        }
    }
    return found;
}

Status refused(const QString& why) {
    return Status::failure(QStringLiteral("The server address cannot be used: %1.").arg(why));
}

}  // namespace

bool ServerUri::IsServerUri(const QString& text) {
    for (const QLatin1String scheme : kSchemes) {
        if (text.startsWith(scheme)) {
            return true;
        }
    }
    return false;
}

Result<ServerUri> ServerUri::Parse(const QString& text) {
    if (!IsServerUri(text)) {
        return refused(QStringLiteral("it does not begin with postgresql://"));
    }
    char* error = nullptr;
    const std::unique_ptr<PQconninfoOption, OptionsFree> parsed(
        PQconninfoParse(text.toUtf8().constData(), &error));
    if (!parsed) {
        // libpq's reason is kept as detail behind the plain sentence; it never holds a
        // password, as it names only the part it could not read.
        const QString detail =
            error != nullptr ? QString::fromUtf8(error).trimmed() : QStringLiteral("out of memory");
        PQfreemem(error);
        return refused(QStringLiteral("it is not written as libpq reads it (%1)").arg(detail));
    }
    const QMap<QString, QString> options = optionsOf(parsed.get());
    if (!options.value(QStringLiteral("password")).isEmpty()) {
        return Status::failure(
            QStringLiteral("The server address holds a password; keep passwords in ~/.pgpass "
                           "or a service file."));
    }
    const QString database = options.value(QStringLiteral("dbname"));
    if (database.isEmpty()) {
        return refused(QStringLiteral("it names no database (postgresql://host/database)"));
    }
    return ServerUri(text, database);
}

QString ServerUri::championshipYear(const QDate& today) const {
    return ChampionshipYearForName(m_database, today);
}
