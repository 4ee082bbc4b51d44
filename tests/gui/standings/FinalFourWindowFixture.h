#pragma once

#include "gui/entry/EntryWindowFixture.h"
#include "standings/FinalFourSeeding.h"
#include "support/FullEventResults.h"

#include <QAbstractButton>
#include <QAction>
#include <QPushButton>
#include <QTimer>

// Event 0 fenced through all seven rounds, the lower fencer number always winning, so
// the standings read fencer 0, 1, 2, 3, ...; event 1 has no results.
class FinalFourWindowFixture : public EntryWindowFixture {
protected:
    FinalFourWindowFixture() {
        FullEventResults(file).fenceAllRounds(0);
        open();
    }

    void seed(const FinalFourSeeding::Seeds& seeds = {0, 1, 2, 3}) {
        ASSERT_TRUE(FinalFourSeeding::Save(file.db(), 0, seeds).ok());
    }
    // "bout top bottom winner score" per stored row of event 0, in bout order.
    QStringList finalFourRows() const {
        QStringList out;
        Statement q = file.db().prepare(
            QStringLiteral("SELECT Bout, TopFencer, BottomFencer, Winner, Score FROM FinalFour "
                           "WHERE Weapon = 0 ORDER BY Bout"));
        while (q.next()) {
            out << QStringLiteral("%1 %2 %3 %4 %5")
                       .arg(q.toInt(0))
                       .arg(q.toInt(1))
                       .arg(q.toInt(2))
                       .arg(q.toInt(3))
                       .arg(q.toText(4))
                       .trimmed();
        }
        return out;
    }
    template <typename W>
    QPushButton* button(W& window, const QString& name) const {
        auto* found = window.template findChild<QPushButton*>(name);
        EXPECT_NE(found, nullptr) << name.toStdString();
        return found;
    }
    template <typename W>
    QAction* action(W& window, const QString& name) const {
        auto* found = window.template findChild<QAction*>(name);
        EXPECT_NE(found, nullptr) << name.toStdString();
        return found;
    }
    // Runs `step` on the first visible top-level window named `name` once it shows, while
    // the caller blocks in a modal loop.
    static void whenShown(const QString& name, std::function<void(QWidget*)> step) {
        auto* timer = new QTimer;
        timer->setInterval(10);
        QObject::connect(timer, &QTimer::timeout, [timer, name, step] {
            for (QWidget* w : QApplication::topLevelWidgets()) {
                if (w->isVisible() && w->objectName() == name) {
                    timer->stop();
                    timer->deleteLater();
                    step(w);
                    return;
                }
            }
        });
        timer->start();
    }
};
