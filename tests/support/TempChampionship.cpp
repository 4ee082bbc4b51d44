#include "support/TempChampionship.h"

#include "db/ChampionshipFile.h"

#include <gtest/gtest.h>

TempChampionship::TempChampionship(const QString& fileName) : m_path(m_dir.filePath(fileName)) {
    const Status created = ChampionshipFile::Create(m_path);
    EXPECT_TRUE(created.ok()) << created.message().toStdString();
    ChampionshipFile::Opened opened = ChampionshipFile::Open(m_path);
    EXPECT_TRUE(opened.db != nullptr) << opened.reason.toStdString();
    m_db = std::move(opened.db);
}

std::unique_ptr<Database> TempChampionship::openAnother() const {
    ChampionshipFile::Opened opened = ChampionshipFile::Open(m_path);
    EXPECT_TRUE(opened.db != nullptr) << opened.reason.toStdString();
    return std::move(opened.db);
}

void TempChampionship::exec(const QString& sql, const SqlParams& params) const {
    const Status s = m_db->exec(sql, params);
    ASSERT_TRUE(s.ok()) << sql.toStdString() << ": " << s.message().toStdString();
}

long long TempChampionship::count(const QString& sql, const SqlParams& params) const {
    return m_db->queryInt(sql, params).value_or(-1);
}
