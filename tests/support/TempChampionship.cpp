#include "support/TempChampionship.h"

#include "db/ChampionshipStore.h"
#include "db/SeedData.h"
#include "support/PgCluster.h"

#include <gtest/gtest.h>

namespace {

// A server run keeps station folders out of the real home from before the first test, so
// that a test may still give itself a home of its own.
[[maybe_unused]] const bool kHomeSet =
    TempChampionship::OnServer() && (PgCluster::UseTemporaryHome(), true);

// The place of the test's championship: a file in the folder, or, when the suite runs
// against the server store, a fresh database on the run's cluster.
QString placeFor(const QTemporaryDir& dir, const QString& fileName, TempChampionship::Place place) {
    if (place == TempChampionship::Place::AsTheRunSays && !TempChampionship::OnServer()) {
        return dir.filePath(fileName);
    }
    QString whyNot;
    PgCluster* cluster = PgCluster::Shared(&whyNot);
    EXPECT_TRUE(cluster) << whyNot.toStdString();
    return cluster ? cluster->freshDatabase() : QString();
}

}  // namespace

bool TempChampionship::OnServer() {
    return qEnvironmentVariable("ORLE_TEST_STORE") == QLatin1String("server");
}

TempChampionship::TempChampionship(const QString& fileName, Place place)
    : m_path(placeFor(m_dir, fileName, place)) {
    const Status created = ChampionshipStore::Create(m_path, true, InsertSeedRows);
    EXPECT_TRUE(created.ok()) << created.message().toStdString();
    m_db = openAnother();
}

std::unique_ptr<Database> TempChampionship::openAnother() const {
    ChampionshipStore::Opened opened = ChampionshipStore::Open(m_path);
    EXPECT_TRUE(opened.store != nullptr) << opened.reason.toStdString();
    return std::move(opened.store);
}

void TempChampionship::forgetSetupChanges() const {
    if (OnServer()) {
        // Numbered from 1 again, as a file's first change is.
        exec(QStringLiteral("TRUNCATE ChangeLog RESTART IDENTITY"));
    }
}

void TempChampionship::exec(const QString& sql, const SqlParams& params) const {
    const Status s = m_db->exec(sql, params);
    ASSERT_TRUE(s.ok()) << sql.toStdString() << ": " << s.message().toStdString();
}

long long TempChampionship::count(const QString& sql, const SqlParams& params) const {
    const Result<std::optional<long long>> read = m_db->queryInt(sql, params);
    EXPECT_TRUE(read.ok()) << sql.toStdString() << ": " << read.status().message().toStdString();
    return read && *read ? **read : -1;
}

QString TempChampionship::text(const QString& sql, const SqlParams& params) const {
    const Result<std::optional<QString>> read = m_db->queryText(sql, params);
    EXPECT_TRUE(read.ok()) << sql.toStdString() << ": " << read.status().message().toStdString();
    return read && *read ? **read : QString();
}
