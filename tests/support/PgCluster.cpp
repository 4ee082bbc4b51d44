#include "support/PgCluster.h"

#include "db/PgConnection.h"

#include <fcntl.h>
#include <pwd.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <QCollator>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <cerrno>
#include <memory>
#include <vector>

extern char** environ;

namespace {

const char* const kServerUser = "postgres";
const char* const kProgramsRoot = "/usr/lib/postgresql";
constexpr mode_t kOwnerOnly = 0700;
// Not $TMPDIR: the server's user must reach the folder (a TMPDIR under /root it cannot), and a
// socket's path must stay short.
const char* const kClusterFolders = "/tmp";
// The server's socket in the cluster's folder, for the port every test cluster keeps.
const char* const kSocketName = "/.s.PGSQL.5432";

// The folder of the cluster CTest started for the whole run, when it did.
QString runCluster() {
    QFile file(QStringLiteral(ORLE_PG_CLUSTER_FILE));
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()).trimmed() : QString();
}

// The newest installed version's folder of server programs, or empty.
QString serverPrograms() {
    QStringList versions =
        QDir(QLatin1String(kProgramsRoot)).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    QCollator numeric;
    numeric.setNumericMode(true);
    std::sort(versions.begin(), versions.end(), numeric);
    for (auto version = versions.rbegin(); version != versions.rend(); ++version) {
        const QString bin = QStringLiteral("%1/%2/bin").arg(QLatin1String(kProgramsRoot), *version);
        if (QFile::exists(bin + QStringLiteral("/initdb")) &&
            QFile::exists(bin + QStringLiteral("/pg_ctl"))) {
            return bin;
        }
    }
    return QString();
}

QString currentUserName() {
    const passwd* account = getpwuid(geteuid());
    return account != nullptr ? QString::fromLocal8Bit(account->pw_name) : QString();
}

// Runs a program to its end, as the server's user when running as root, its output added
// to the log; true when it exits with 0.
bool runProgram(QStringList words, const QString& log) {
    if (geteuid() == 0) {
        words = QStringList{QStringLiteral("runuser"), QStringLiteral("-u"),
                            QLatin1String(kServerUser), QStringLiteral("--")} +
                words;
    }
    std::vector<QByteArray> bytes;
    for (const QString& word : words) {
        bytes.push_back(QFile::encodeName(word));
    }
    std::vector<char*> argv;
    for (QByteArray& word : bytes) {
        argv.push_back(word.data());
    }
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    const QByteArray logPath = QFile::encodeName(log);
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, logPath.constData(),
                                     O_WRONLY | O_CREAT | O_APPEND, 0644);
    posix_spawn_file_actions_adddup2(&actions, STDOUT_FILENO, STDERR_FILENO);
    pid_t child = 0;
    const int spawned = posix_spawnp(&child, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0) {
        return false;
    }
    int status = 0;
    while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

// The end of a log, for a failure message.
QString tailOf(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return QString();
    }
    constexpr qint64 kTailBytes = 2000;
    file.seek(std::max<qint64>(0, file.size() - kTailBytes));
    return QString::fromLocal8Bit(file.readAll());
}

}  // namespace

bool PgCluster::Installed() {
    return !serverPrograms().isEmpty();
}

PgCluster* PgCluster::Shared(QString* whyNot) {
    static std::unique_ptr<PgCluster> cluster;
    static QString failure;
    if (!cluster && failure.isEmpty()) {
        cluster = Attach(runCluster());
        if (!cluster) {
            cluster = Start(&failure);
        }
    }
    *whyNot = failure;
    return cluster.get();
}

std::unique_ptr<PgCluster> PgCluster::Start(QString* whyNot) {
    std::unique_ptr<PgCluster> made(new PgCluster());
    *whyNot = made->start();
    if (!whyNot->isEmpty()) {
        return nullptr;
    }
    return made;
}

std::unique_ptr<PgCluster> PgCluster::Attach(const QString& folder) {
    if (folder.isEmpty() || !QFile::exists(folder + QLatin1String(kSocketName)) || !Installed()) {
        return nullptr;
    }
    std::unique_ptr<PgCluster> attached(new PgCluster());
    attached->m_binaries = serverPrograms();
    attached->m_folder = folder;
    attached->m_running = true;
    attached->m_owned = false;
    // A socket left behind by a server that was killed answers nobody.
    QString error;
    const Result<ServerUri> admin = ServerUri::Parse(attached->uriFor(QStringLiteral("postgres")));
    if (!admin || !PgConnection::Connect(*admin, &error)) {
        return nullptr;
    }
    return attached;
}

QString PgCluster::start() {
    m_binaries = serverPrograms();
    if (m_binaries.isEmpty()) {
        return QStringLiteral(
                   "PostgreSQL's server programs (%1/<version>/bin/initdb, pg_ctl) are not "
                   "installed; "
                   "scripts/install-deps installs the postgresql package that the server tests "
                   "need")
            .arg(QLatin1String(kProgramsRoot));
    }
    const passwd* serverUser = getpwnam(kServerUser);
    if (geteuid() == 0 && serverUser == nullptr) {
        return QStringLiteral("there is no user %1 to run the test server as")
            .arg(QLatin1String(kServerUser));
    }
    QByteArray folder = QByteArray(kClusterFolders) + "/orle-pg-XXXXXX";
    if (mkdtemp(folder.data()) == nullptr) {
        return QStringLiteral("no temporary folder for the test server could be made");
    }
    m_folder = QFile::decodeName(folder);
    if (geteuid() == 0 && chown(folder.constData(), serverUser->pw_uid, serverUser->pw_gid) != 0) {
        return QStringLiteral("the test server's folder could not be given to %1")
            .arg(QLatin1String(kServerUser));
    }
    chmod(folder.constData(), kOwnerOnly);
    const QString data = m_folder + QStringLiteral("/data");
    const QString log = m_folder + QStringLiteral("/programs.log");
    if (!runProgram({m_binaries + QStringLiteral("/initdb"), QStringLiteral("-D"), data,
                     QStringLiteral("-U"), currentUserName(), QStringLiteral("-A"),
                     QStringLiteral("trust"), QStringLiteral("-E"), QStringLiteral("UTF8"),
                     QStringLiteral("--locale=C.UTF-8"), QStringLiteral("--no-sync")},
                    log)) {
        return QStringLiteral("initdb failed:\n") + tailOf(log);
    }
    // Only the socket in the folder, and no waiting for the disk: the cluster lives for
    // one test program.
    QFile settings(data + QStringLiteral("/postgresql.conf"));
    if (!settings.open(QIODevice::Append)) {
        return QStringLiteral("the test server's settings could not be written");
    }
    settings.write(QStringLiteral("listen_addresses = ''\nunix_socket_directories = '%1'\n"
                                  "fsync = off\nsynchronous_commit = off\n"
                                  "full_page_writes = off\n")
                       .arg(m_folder)
                       .toUtf8());
    settings.close();
    if (!runProgram({m_binaries + QStringLiteral("/pg_ctl"), QStringLiteral("-D"), data,
                     QStringLiteral("-l"), m_folder + QStringLiteral("/server.log"),
                     QStringLiteral("-w"), QStringLiteral("start")},
                    log)) {
        return QStringLiteral("the test server did not start:\n") +
               tailOf(m_folder + QStringLiteral("/server.log"));
    }
    m_running = true;
    return QString();
}

void PgCluster::stop() {
    if (m_running) {
        static_cast<void>(
            runProgram({m_binaries + QStringLiteral("/pg_ctl"), QStringLiteral("-D"),
                        m_folder + QStringLiteral("/data"), QStringLiteral("-m"),
                        QStringLiteral("immediate"), QStringLiteral("-w"), QStringLiteral("stop")},
                       m_folder + QStringLiteral("/programs.log")));
        m_running = false;
    }
    if (!m_folder.isEmpty()) {
        QDir(m_folder).removeRecursively();
    }
}

PgCluster::~PgCluster() {
    if (m_owned) {
        stop();
    }
}

QString PgCluster::uriFor(const QString& database) const {
    return QStringLiteral("postgresql:///%1?host=%2").arg(database, m_folder);
}

QString PgCluster::freshDatabase(const QString& stem) {
    UseTemporaryHome();
    // Test programs running side by side share the run's cluster: the program's number keeps
    // their databases apart.
    const QString name = QStringLiteral("%1_%2_%3")
                             .arg(stem)
                             .arg(QCoreApplication::applicationPid())
                             .arg(++m_databases);
    QString error;
    const Result<ServerUri> admin = ServerUri::Parse(uriFor(QStringLiteral("postgres")));
    std::unique_ptr<PgConnection> connection =
        admin ? PgConnection::Connect(*admin, &error) : nullptr;
    EXPECT_TRUE(connection) << error.toStdString();
    if (connection) {
        // The name is the test's own, never a user's: it cannot be a parameter here.
        const Status made =
            connection->execScript(QStringLiteral("CREATE DATABASE \"%1\"").arg(name));
        EXPECT_TRUE(made) << made.message().toStdString();
    }
    return uriFor(name);
}

void PgCluster::UseTemporaryHome() {
    static QTemporaryDir home;
    static const bool set = qputenv("HOME", home.path().toLocal8Bit());
    EXPECT_TRUE(set);
}

void ServerTest::SetUp() {
    if (!PgCluster::Installed()) {
        GTEST_SKIP() << "PostgreSQL's server programs are not installed under " << kProgramsRoot
                     << "; scripts/install-deps installs them";
    }
    QString whyNot;
    m_cluster = PgCluster::Shared(&whyNot);
    ASSERT_NE(m_cluster, nullptr) << "The test PostgreSQL server did not start: "
                                  << whyNot.toStdString();
    m_uri = m_cluster->freshDatabase();
}
