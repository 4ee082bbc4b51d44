#include <gtest/gtest.h>
#include <QProcess>
#include <QProcessEnvironment>

namespace {

struct Finished {
    int exitCode = -1;
    QString out;
    QString err;
};

// Runs the orle program where no display plugin can be loaded: help and version must be
// answered before any window system is asked for.
Finished runOrle(const QStringList& words, const QString& platform) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), platform);
    QProcess orle;
    orle.setProcessEnvironment(env);
    orle.start(QStringLiteral(ORLE_GUI_PATH), words);
    EXPECT_TRUE(orle.waitForFinished(10000));
    EXPECT_EQ(orle.exitStatus(), QProcess::NormalExit) << words.join(' ').toStdString();
    return {orle.exitCode(), QString::fromLocal8Bit(orle.readAllStandardOutput()),
            QString::fromLocal8Bit(orle.readAllStandardError())};
}

TEST(ProgramArgumentsTest, HelpAndVersionPrintAndExitWithoutADisplay) {
    const Finished version = runOrle({"--version"}, QStringLiteral("no-such-display"));
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_EQ(version.out, QStringLiteral("orle 4.3 (Build 60)\n"));
    for (const char* help : {"--help", "-h"}) {
        const Finished shown = runOrle({QLatin1String(help)}, QStringLiteral("no-such-display"));
        EXPECT_EQ(shown.exitCode, 0);
        EXPECT_TRUE(shown.out.startsWith(QStringLiteral("usage: orle [FILE.mdb | postgresql:")));
    }
}

TEST(ProgramArgumentsTest, AWrongCommandLineExitsTwoBeforeAnyWindow) {
    for (const QStringList& words :
         {QStringList{"--frobnicate"}, QStringList{"one.mdb", "two.mdb"}}) {
        // Also where no window system can be reached at all.
        for (const char* platform : {"offscreen", "no-such-display"}) {
            const Finished wrong = runOrle(words, QLatin1String(platform));
            EXPECT_EQ(wrong.exitCode, 2) << words.join(' ').toStdString() << " " << platform;
            EXPECT_TRUE(wrong.err.contains(QStringLiteral("orle: "))) << wrong.err.toStdString();
            EXPECT_TRUE(wrong.err.contains(QStringLiteral("usage: orle")));
        }
    }
}

}  // namespace
