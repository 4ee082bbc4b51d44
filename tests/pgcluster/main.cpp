// Starts the throwaway PostgreSQL cluster that every test program of a CTest run shares, and
// stops it when they are done (CTest's fixture around the core and command-line tests).
//   orle_test_pg_cluster start FILE   writes the cluster's folder into FILE
//   orle_test_pg_cluster stop FILE    stops that cluster and removes its folder and FILE
#include "support/PgCluster.h"

#include <QFile>
#include <cstdio>

namespace {

constexpr int kFailed = 1;

int start(const QString& file) {
    QFile::remove(file);
    if (!PgCluster::Installed()) {
        std::puts("PostgreSQL's server programs are not installed; the server tests skip.");
        return 0;
    }
    QString whyNot;
    std::unique_ptr<PgCluster> cluster = PgCluster::Start(&whyNot);
    if (!cluster) {
        std::fprintf(stderr, "The test PostgreSQL server did not start: %s\n", qPrintable(whyNot));
        return kFailed;
    }
    QFile state(file);
    if (!state.open(QIODevice::WriteOnly) || state.write(cluster->folder().toUtf8()) < 0) {
        std::fprintf(stderr, "%s could not be written\n", qPrintable(file));
        return kFailed;
    }
    cluster->release();
    std::printf("Test PostgreSQL server in %s\n", qPrintable(cluster->folder()));
    return 0;
}

int stop(const QString& file) {
    QFile state(file);
    if (state.open(QIODevice::ReadOnly)) {
        const std::unique_ptr<PgCluster> cluster =
            PgCluster::Attach(QString::fromUtf8(state.readAll()).trimmed());
        if (cluster) {
            cluster->stop();
        }
    }
    QFile::remove(file);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    const QString command = argc == 3 ? QString::fromLocal8Bit(argv[1]) : QString();
    const QString file = argc == 3 ? QString::fromLocal8Bit(argv[2]) : QString();
    if (command == QLatin1String("start")) {
        return start(file);
    }
    if (command == QLatin1String("stop")) {
        return stop(file);
    }
    std::fputs("usage: orle_test_pg_cluster start|stop FILE\n", stderr);
    return kFailed;
}
