#pragma once

#include "gui/ChampionshipWindowFixture.h"
#include "support/ChampionshipBuilder.h"

#include <QLabel>
#include <QLineEdit>
#include <functional>

// A drawn championship open in the shared state, with scripted answers, for the entry
// windows. Event 0: fencer n in group n / 3, place n % 3, school n.
class EntryWindowFixture : public ChampionshipWindowFixture {
protected:
    explicit EntryWindowFixture(
        TempChampionship::Place place = TempChampionship::Place::AsTheRunSays)
        : ChampionshipWindowFixture(place) {
        ChampionshipBuilder(file).drawFullEvent(0);
        ChampionshipBuilder(file).drawFullEvent(1);
    }

    void open() {
        state.OpenDatabase(file.path());
        ASSERT_TRUE(state.isOpen());
    }
    // Loads and shows an entry window as the main window's loop does.
    template <typename W>
    void show(W& window, std::function<void()> keepEntering = {}) {
        window.setHandOver({std::move(keepEntering), false});
        window.Form_Load();
        showAndActivate(window);
    }

    template <typename W>
    QLineEdit* box(W& window, const QString& name) const {
        auto* found = window.template findChild<QLineEdit*>(name);
        EXPECT_NE(found, nullptr) << name.toStdString();
        return found;
    }
    template <typename W>
    QString text(W& window, const QString& name) const {
        auto* label = window.template findChild<QLabel*>(name);
        EXPECT_NE(label, nullptr) << name.toStdString();
        return label ? label->text() : QString();
    }
    static QString focusName() {
        QWidget* w = QApplication::focusWidget();
        return w ? w->objectName() : QString();
    }
    long long rows() const { return file.count(QStringLiteral("SELECT COUNT(*) FROM Results")); }
    void failNextSave() const {
        file.exec(
            QStringLiteral("CREATE TRIGGER FailSave BEFORE INSERT ON Results "
                           "BEGIN SELECT RAISE(ABORT, 'the disk is full'); END"));
    }
};
