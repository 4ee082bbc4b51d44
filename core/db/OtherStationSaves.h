#pragma once

#include "db/ServerUri.h"

#include <QElapsedTimer>
#include <QString>
#include <QTimer>
#include <functional>
#include <memory>

class QSocketNotifier;
struct pg_conn;

// The saves of the other scoring stations of a championship kept on a server, as the server
// announces them: this station's windows follow them. It also tells when the server can no
// longer be reached and when it is back, trying again every second without ever making the
// window wait for an answer.
class OtherStationSaves final {
public:
    struct Handlers {
        // Another station saved (several saves close together are told once); also told
        // when the server is back, as saves may have been missed meanwhile.
        std::function<void()> saved;
        // The server was lost (false) or reached again (true).
        std::function<void(bool)> reachable;
    };

    OtherStationSaves(const ServerUri& uri, Handlers handlers);
    ~OtherStationSaves();
    OtherStationSaves(const OtherStationSaves&) = delete;
    OtherStationSaves& operator=(const OtherStationSaves&) = delete;

    bool reachable() const { return m_listening; }

private:
    void startConnecting();
    void continueConnecting();
    bool startListening();
    void readAnnouncements();
    void lose();

    ServerUri m_uri;
    Handlers m_handlers;
    pg_conn* m_connection = nullptr;
    std::unique_ptr<QSocketNotifier> m_readable;
    QTimer m_retry;
    QTimer m_poll;
    QTimer m_gather;
    QElapsedTimer m_connecting;
    bool m_listening = false;
    bool m_everListened = false;
};
