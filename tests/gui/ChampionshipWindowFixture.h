#pragma once

#include "db/ORLEMain.h"
#include "support/ScriptedPrompter.h"
#include "support/TempChampionship.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QTemporaryDir>
#include <QTest>

// A fresh championship file, the shared state with settings of its own and scripted answers:
// what a window test starts from, with keys typed as the keyboard does.
class ChampionshipWindowFixture : public ::testing::Test {
protected:
    explicit ChampionshipWindowFixture(
        TempChampionship::Place place = TempChampionship::Place::AsTheRunSays)
        : file(QStringLiteral("ORLE2004.mdb"), place),
          state(std::make_unique<RegistrySettings>(
              settingsDir.filePath(QStringLiteral("orle.ini")))) {}

    // Types into whatever has the focus.
    static void type(const QString& keys) {
        for (QChar c : keys) {
            QWidget* target = QApplication::focusWidget();
            ASSERT_NE(target, nullptr);
            QTest::keyClick(target, c.toLatin1());
            QCoreApplication::processEvents();
        }
    }
    static void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QWidget* target = QApplication::focusWidget();
        ASSERT_NE(target, nullptr);
        QTest::keyClick(target, key, modifiers);
        QCoreApplication::processEvents();
    }
    static void showAndActivate(QWidget& window) {
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }

    QTemporaryDir settingsDir;
    TempChampionship file;
    ORLEMain state;
    ScriptedPrompter prompter;
};
