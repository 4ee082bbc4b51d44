#pragma once

#include "db/ORLEMain.h"
#include "support/ChampionshipBuilder.h"
#include "support/ScriptedPrompter.h"
#include "support/TempChampionship.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QTemporaryDir>
#include <QTest>

// A championship file opened in the shared state, with a scripted prompter, for the
// roster windows.
class RosterWindowFixture : public ::testing::Test {
protected:
    RosterWindowFixture()
        : state(std::make_unique<RegistrySettings>(
              settingsDir.filePath(QStringLiteral("orle.ini")))) {
        state.OpenDatabase(file.path());
    }

    // Types into whatever has the keyboard focus, as a user would.
    static void type(const QString& text) {
        for (const QChar c : text) {
            QTest::keyClick(QApplication::focusWidget(), c.toLatin1());
        }
    }
    static void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(QApplication::focusWidget(), key, modifiers);
    }
    static void showAndActivate(QWidget& window) {
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }

    QTemporaryDir settingsDir;
    TempChampionship file;
    ChampionshipBuilder build{file};
    ORLEMain state;
    ScriptedPrompter prompter;
};
