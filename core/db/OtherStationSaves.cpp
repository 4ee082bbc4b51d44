#include "db/OtherStationSaves.h"

#include "db/PgConnection.h"

#include <libpq-fe.h>
#include <QSocketNotifier>

namespace {

// How often a lost server is tried again, and how often a connection under way is looked at.
constexpr int kRetryMilliseconds = 1000;
constexpr int kPollMilliseconds = 50;
// Saves announced this close together are followed once: a save of a whole strip of bouts
// is one announcement, but a station entering quickly makes several a second.
constexpr int kGatherMilliseconds = 150;
// libpq leaves a connection made step by step without a time limit: a server that never
// answers is given up after this long and tried again.
constexpr int kConnectMilliseconds = 10000;

}  // namespace

OtherStationSaves::OtherStationSaves(const ServerUri& uri, Handlers handlers)
    : m_uri(uri), m_handlers(std::move(handlers)) {
    m_retry.setInterval(kRetryMilliseconds);
    QObject::connect(&m_retry, &QTimer::timeout, [this] { startConnecting(); });
    m_poll.setInterval(kPollMilliseconds);
    QObject::connect(&m_poll, &QTimer::timeout, [this] { continueConnecting(); });
    m_gather.setSingleShot(true);
    m_gather.setInterval(kGatherMilliseconds);
    QObject::connect(&m_gather, &QTimer::timeout, [this] {
        if (m_handlers.saved) {
            m_handlers.saved();
        }
    });
    startConnecting();
}

OtherStationSaves::~OtherStationSaves() {
    m_readable.reset();
    PQfinish(m_connection);
}

void OtherStationSaves::startConnecting() {
    m_retry.stop();
    PQfinish(m_connection);
    m_connection = PgConnection::StartConnecting(m_uri);
    if (m_connection == nullptr || PQstatus(m_connection) == CONNECTION_BAD) {
        m_retry.start();
        return;
    }
    m_connecting.start();
    m_poll.start();
}

// One step of connecting; libpq never waits here for the server's answer.
void OtherStationSaves::continueConnecting() {
    switch (PQconnectPoll(m_connection)) {
        case PGRES_POLLING_OK:
            m_poll.stop();
            // The server's farewell when it stops is told through lose(), not printed.
            PQsetNoticeProcessor(
                m_connection, [](void*, const char*) {}, nullptr);
            if (!startListening()) {
                lose();
            }
            return;
        case PGRES_POLLING_FAILED:
            m_poll.stop();
            m_retry.start();
            return;
        default:
            if (m_connecting.hasExpired(kConnectMilliseconds)) {
                m_poll.stop();
                m_retry.start();
            }
            return;
    }
}

bool OtherStationSaves::startListening() {
    const QByteArray listen = QByteArrayLiteral("LISTEN ") + PgConnection::SavedChannel().toUtf8();
    PGresult* result = PQexec(m_connection, listen.constData());
    const bool listening = result != nullptr && PQresultStatus(result) == PGRES_COMMAND_OK;
    PQclear(result);
    if (!listening || PQsetnonblocking(m_connection, 1) != 0) {
        return false;
    }
    m_readable = std::make_unique<QSocketNotifier>(PQsocket(m_connection), QSocketNotifier::Read);
    QObject::connect(m_readable.get(), &QSocketNotifier::activated,
                     [this] { readAnnouncements(); });
    m_listening = true;
    if (m_handlers.reachable && m_everListened) {
        m_handlers.reachable(true);
    }
    // Saves made while the server could not be heard are followed now.
    if (m_everListened) {
        m_gather.start();
    }
    m_everListened = true;
    return true;
}

void OtherStationSaves::readAnnouncements() {
    if (PQconsumeInput(m_connection) == 0 || PQstatus(m_connection) != CONNECTION_OK) {
        lose();
        return;
    }
    while (PGnotify* announced = PQnotifies(m_connection)) {
        if (QString::fromUtf8(announced->extra) != PgConnection::ThisStation() &&
            !m_gather.isActive()) {
            m_gather.start();
        }
        PQfreemem(announced);
    }
}

void OtherStationSaves::lose() {
    m_readable.reset();
    PQfinish(m_connection);
    m_connection = nullptr;
    const bool wasListening = m_listening;
    m_listening = false;
    if (wasListening && m_handlers.reachable) {
        m_handlers.reachable(false);
    }
    m_retry.start();
}
