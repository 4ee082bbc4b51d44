#include "db/DatabaseError.h"

#include "support/FileOnly.h"
#include "support/TempChampionship.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

namespace {

TEST(DatabaseErrorTest, EveryCauseIsWordedWithoutTheEnginesText) {
    struct Case {
        int code;
        const char* engineText;
        const char* words;
    };
    const Case cases[] = {
        {SQLITE_BUSY, "database is locked", "locked by another program"},
        {SQLITE_FULL, "database or disk is full", "disk is full"},
        {SQLITE_READONLY, "attempt to write a readonly database", "read-only"},
        {SQLITE_CORRUPT, "database disk image is malformed", "damaged"},
        {SQLITE_IOERR_WRITE, "disk I/O error", "could not be read or written"},
        {SQLITE_CONSTRAINT_FOREIGNKEY, "FOREIGN KEY constraint failed", "not in the file"},
        {SQLITE_CONSTRAINT_PRIMARYKEY, "UNIQUE constraint failed: Roster.Weapon", "already"},
        {SQLITE_ERROR, "no such table: Results", "lacks the table Results"},
        {SQLITE_ERROR, "no such column: Injury", "lacks the column Injury"},
    };
    for (const Case& c : cases) {
        const QString cause = DatabaseError::Cause(c.code, QString::fromLatin1(c.engineText));
        EXPECT_TRUE(cause.contains(QLatin1String(c.words))) << cause.toStdString();
        EXPECT_FALSE(cause.contains(QLatin1String(c.engineText))) << cause.toStdString();
    }
}

TEST(DatabaseErrorTest, AFailedSaveSaysWhatFailedTheFileAndWhy) {
    ORLE_ONLY_WITH_A_FILE("the file's wording of a failed save");
    TempChampionship file;
    const Status saved = file.db().exec(QStringLiteral(
        "INSERT INTO Roster (Weapon, FencerNumber, Team, HTMLName) VALUES (0, 0, 250, 'x')"));
    ASSERT_FALSE(saved);
    const QString message = saved.message();
    EXPECT_TRUE(message.startsWith(QStringLiteral("Could not save to the championship file")))
        << message.toStdString();
    EXPECT_TRUE(message.contains(file.path()));
    EXPECT_TRUE(message.contains(QStringLiteral("school")));
    EXPECT_FALSE(message.contains(QStringLiteral("constraint failed")));
}

}  // namespace
