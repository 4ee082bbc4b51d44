#include "db/ChampionshipStore.h"

#include "db/ChampionshipYear.h"
#include "db/ServerChampionship.h"
#include "db/ServerUri.h"

#include <QFileInfo>

namespace ChampionshipStore {

Opened Open(const QString& place) {
    Opened opened;
    if (!ServerUri::IsServerUri(place)) {
        opened.caption = place;
        ChampionshipFile::Opened file = ChampionshipFile::Open(place);
        opened.store = std::move(file.db);
        opened.failure = file.failure;
        opened.reason = file.reason;
        return opened;
    }
    const Result<ServerUri> uri = ServerUri::Parse(place);
    if (!uri) {
        opened.failure = ChampionshipFile::OpenFailure::CannotOpen;
        opened.reason = uri.status().message();
        return opened;
    }
    opened.caption = uri->caption();
    ServerChampionship::Opened server = ServerChampionship::Open(*uri);
    opened.reason = server.reason;
    if (server.connection) {
        opened.store = Database::onServer(std::move(server.connection));
    } else {
        opened.failure = server.reason == ChampionshipFile::WrongVersionMessage()
                             ? ChampionshipFile::OpenFailure::WrongVersion
                             : ChampionshipFile::OpenFailure::CannotOpen;
    }
    return opened;
}

Status Create(const QString& place, bool replace, const ChampionshipFile::Fill& fill) {
    if (!ServerUri::IsServerUri(place)) {
        if (QFileInfo::exists(place) && !replace) {
            return Status::failure(
                QStringLiteral("%1 exists; use --force to replace it").arg(place));
        }
        return ChampionshipFile::CreateWith(place, fill);
    }
    const Result<ServerUri> uri = ServerUri::Parse(place);
    if (!uri) {
        return uri.status();
    }
    QString error;
    const std::unique_ptr<PgConnection> connection = PgConnection::Connect(*uri, &error);
    if (!connection) {
        return Status::failure(error);
    }
    return ServerChampionship::Create(*connection, replace, fill);
}

QString YearOf(const QString& place, const QDate& today) {
    return ChampionshipYearFor(place, today);
}

}  // namespace ChampionshipStore
