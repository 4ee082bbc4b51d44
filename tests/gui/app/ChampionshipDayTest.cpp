#include "app/frmMain.h"
#include "entry/BoutResults.h"
#include "gui/ChampionshipWindowFixture.h"
#include "gui/WindowScript.h"
#include "publish/LiveSiteTrigger.h"
#include "publish/ResultsDownload.h"
#include "roster/RosterCsv.h"
#include "roster/SchoolList.h"
#include "support/FileBytes.h"
#include "support/ReadValue.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>

namespace {

// The smallest screen the scoring table works at, less the title bar.
constexpr QSize kUsableScreen{1366, 738};
constexpr int kEvents = 6;
constexpr int kFencers = 24;

// A whole championship day through the real windows, driven the way the staff drive them:
// the main window's access keys and buttons, typed keys and clicks. Every task window is
// opened twice with the main window clicked in between, and its buttons must still act.
class ChampionshipDayTest : public ChampionshipWindowFixture {
protected:
    ChampionshipDayTest() : main(state, prompter) {}

    QString path() const { return file.folder() + QStringLiteral("/ORLE2026.mdb"); }
    QString printouts() const { return file.folder() + QStringLiteral("/Printouts"); }
    qsizetype pdfCount() const {
        return QDir(printouts()).entryList({QStringLiteral("*.pdf")}, QDir::Files).size();
    }
    long long count(const QString& sql) const {
        return Value(state.connection().queryInt(sql)).value_or(-1);
    }

    void clickMain() {
        QTest::mouseClick(main.centralWidget(), Qt::LeftButton, {}, QPoint(4, 4));
        main.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&main));
    }
    // Alt + the underlined letter of a main window command, while `steps` drive its windows.
    void command(Qt::Key accessKey, WindowScript& steps) {
        clickMain();
        EXPECT_EQ(
            steps.run([&] { QTest::keyClick(&main, accessKey, Qt::AltModifier); }).toStdString(),
            "");
    }

    static QPushButton* button(QWidget& window, const char* name) {
        auto* found = window.findChild<QPushButton*>(QLatin1String(name));
        EXPECT_NE(found, nullptr) << window.objectName().toStdString() << " " << name;
        return found;
    }
    static void click(QWidget& window, const char* name) {
        if (QPushButton* b = button(window, name)) {
            EXPECT_TRUE(b->isEnabled()) << window.objectName().toStdString() << " " << name;
            QTest::mouseClick(b, Qt::LeftButton);
        }
    }
    static void trigger(QWidget& window, const char* action) {
        auto* found = window.findChild<QAction*>(QLatin1String(action));
        ASSERT_NE(found, nullptr) << action;
        EXPECT_TRUE(found->isEnabled()) << action;
        found->trigger();
    }
    // The window fits the screen and every listed button is there to be used.
    static void expectUsable(QWidget& window, const QStringList& buttons) {
        const std::string name = window.objectName().toStdString();
        EXPECT_LE(window.frameGeometry().width(), kUsableScreen.width()) << name;
        EXPECT_LE(window.frameGeometry().height(), kUsableScreen.height()) << name;
        for (const QString& b : buttons) {
            auto* found = window.findChild<QPushButton*>(b);
            ASSERT_NE(found, nullptr) << name << " " << b.toStdString();
            EXPECT_TRUE(found->isVisible() && found->isEnabled()) << name << " " << b.toStdString();
        }
    }
    static void focusAndType(QWidget& window, const char* box, const QString& keys) {
        auto* edit = window.findChild<QLineEdit*>(QLatin1String(box));
        ASSERT_NE(edit, nullptr) << box;
        QTest::mouseClick(edit, Qt::LeftButton);
        edit->selectAll();
        type(keys);
    }

    void createFile();
    void importRosters();
    void editCompetitors(int visit);
    void printSchedules(int visit);
    void printScoresheets(int visit);
    void enterPoolAndDual();
    void findMissing();
    void confirmResults();
    void calculateResults(int visit);
    void finalFour(int visit);
    void utilities(int visit);
    void publishLive(int visit);

    frmMain main;
    QTemporaryDir site;
};

void ChampionshipDayTest::createFile() {
    main.show();
    main.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&main));
    prompter.files = {path()};
    QTest::keyClick(&main, Qt::Key_N, Qt::ControlModifier);
    ASSERT_TRUE(QFileInfo::exists(path()));
    ASSERT_TRUE(main.databaseAvailable());
    EXPECT_TRUE(main.findChild<QLabel*>(QStringLiteral("lStatus"))
                    ->text()
                    .contains(QDir::toNativeSeparators(path())));
}

// Every event but the last fencer of men's saber, who is typed in the roster window.
void ChampionshipDayTest::importRosters() {
    const QStringList events = {"MS", "MF", "ME", "WS", "WF", "WE"};
    const SchoolList schools = Value(SchoolList::Load(state.connection()));
    QString csv = QStringLiteral("event,first,last,school\n");
    for (int e = 0; e < kEvents; ++e) {
        for (int n = 0; n < kFencers - (e == 0 ? 1 : 0); ++n) {
            csv += QStringLiteral("%1,Given%2,Family%3,%4\n")
                       .arg(events[e])
                       .arg(n)
                       .arg(e)
                       .arg(schools.schools()[static_cast<size_t>(n)].abbreviation);
        }
    }
    ASSERT_TRUE(RosterCsv(state.connection()).import(csv).ok());
}

void ChampionshipDayTest::editCompetitors(int visit) {
    const QStringList buttons = {"bPrint", "bMakeGroups", "bCancel"};
    WindowScript steps;
    steps.then("frmEditRosters", [&](QWidget& w) {
        expectUsable(w, buttons);
        EXPECT_FALSE(button(w, "bSave")->isEnabled());
        if (visit == 1) {
            // The last fencer of men's saber, typed on the last row.
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_End, Qt::ControlModifier);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Home);
            type(QStringLiteral("Zoe"));
            press(Qt::Key_Tab);
            type(QStringLiteral("O'Neil-Smythe"));
            press(Qt::Key_Return);
            type(Value(SchoolList::Load(state.connection())).schools()[30].abbreviation.toLower());
            press(Qt::Key_Return);
            press(Qt::Key_S, Qt::ControlModifier);
            EXPECT_FALSE(button(w, "bSave")->isEnabled());
        } else {
            trigger(w, "mWeapon1");
        }
        // The draw: the question of incomplete groups is answered Yes.
        QTest::keyClick(&w, Qt::Key_G, Qt::AltModifier);
        QTest::qWait(300);
        expectUsable(w, {"bRerandomize", "bCancel"});
        press(Qt::Key_S, Qt::ControlModifier);
        EXPECT_FALSE(button(w, "bSave")->isEnabled());
        click(w, "bCancel");
        expectUsable(w, buttons);
        if (visit == 2) {
            click(w, "bPrint");  // the roster list opens in the preview
        } else {
            click(w, "bCancel");
        }
    });
    if (visit == 2) {
        steps.then("frmPrintPreview", [&](QWidget& preview) {
            expectUsable(preview, {"bPrint", "bZoomIn", "bZoomOut", "bClose"});
            const qsizetype before = pdfCount();
            click(preview, "bPrint");
            EXPECT_EQ(pdfCount(), before + 1);
            click(preview, "bClose");
        });
        steps.then("frmEditRosters", [&](QWidget& w) { click(w, "bCancel"); });
    }
    command(Qt::Key_O, steps);
    const int event = visit - 1;
    SCOPED_TRACE(prompter.texts().join(QLatin1Char('|')).toStdString());
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM Roster WHERE Weapon = %1 AND "
                                   "\"Group\" <> 99")
                        .arg(event)),
              kFencers);
}

void ChampionshipDayTest::printSchedules(int visit) {
    WindowScript steps;
    steps.then("frmPrintSchedule", [&](QWidget& w) {
        expectUsable(
            w, {"bGender0", "bGender1", "bGender2", "bPrint1", "bPrint2", "bPrint3", "bPrint4",
                "bPrintReferee0", "bPrintReferee1", "bPrintCompetitor", "bPrintTeam", "bExit"});
        const qsizetype before = pdfCount();
        click(w, visit == 1 ? "bPrint1" : "bPrint2");
        EXPECT_GT(pdfCount(), before);
        click(w, "bExit");
    });
    command(Qt::Key_I, steps);
}

void ChampionshipDayTest::printScoresheets(int visit) {
    WindowScript steps;
    steps.then("frmPrintScoresheets", [&](QWidget& w) {
        expectUsable(w, {"bDayOne", "bDayTwo", "bFinalFour", "bExit"});
        auto* round = w.findChild<QCheckBox*>(QStringLiteral("cbRound%1").arg(visit - 1));
        ASSERT_NE(round, nullptr);
        QTest::mouseClick(round, Qt::LeftButton);
        const qsizetype before = pdfCount();
        click(w, "bPrint");
        EXPECT_GT(pdfCount(), before);
        click(w, "bExit");
    });
    command(Qt::Key_P, steps);
}

// Round one's first pool, then through >> the first dual of round two, both by keyboard.
void ChampionshipDayTest::enterPoolAndDual() {
    WindowScript pool;
    pool.then("frmEnterPool", [&](QWidget& w) {
        expectUsable(w, {});
        for (int r = 0; r < 6; ++r) {
            for (int c = 0; c < 6; ++c) {
                if (r != c) {
                    type(r < c ? QStringLiteral("5") : QString::number((r + c) % 5));
                }
            }
        }
        press(Qt::Key_F5);
        press(Qt::Key_Escape);
    });
    command(Qt::Key_R, pool);
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM Results")), 30);

    WindowScript dual;
    dual.then("frmEnterPool", [&](QWidget& w) { click(w, "bNextRound"); });
    dual.then("frmEnterDual", [&](QWidget& w) {
        expectUsable(w, {"bCancel", "bNext"});
        for (const char* score : {"53", "5-1", "v4", "2v", "0-5", "54", "35", "5-0", "V0"}) {
            type(QLatin1String(score));
            press(Qt::Key_Return);
        }
        press(Qt::Key_Return);  // Save has the focus
        EXPECT_FALSE(button(w, "bSave")->isEnabled());
        click(w, "bCancel");
    });
    command(Qt::Key_R, dual);
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM Results")), 48);

    // The dual opens straight away now, and its buttons still act.
    WindowScript again;
    again.then("frmEnterDual", [&](QWidget& w) {
        expectUsable(w, {"bCancel", "bNext", "bPrevRound"});
        click(w, "bCancel");
    });
    command(Qt::Key_R, again);
}

void ChampionshipDayTest::findMissing() {
    WindowScript steps;
    steps.then("frmFindMissing", [&](QWidget& w) {
        expectUsable(w, {"bReturn"});
        auto state = [&w](int box) {
            return w.findChild<QCheckBox*>(QStringLiteral("cbReported%1").arg(box))->checkState();
        };
        EXPECT_EQ(state(0), Qt::Checked);    // men's saber, round 1, first strip
        EXPECT_EQ(state(10), Qt::Checked);   // round 2, first strip
        EXPECT_EQ(state(1), Qt::Unchecked);  // round 1, second strip
        click(w, "bReturn");
    });
    command(Qt::Key_M, steps);
}

void ChampionshipDayTest::confirmResults() {
    WindowScript steps;
    steps.then("frmConfirmInd", [&](QWidget& w) {
        expectUsable(w, {});
        EXPECT_FALSE(w.findChild<QLabel*>(QStringLiteral("lThisFencerName"))->text().isEmpty());
        QTest::keyClick(&w, Qt::Key_Q);  // any key closes the sheet
    });
    command(Qt::Key_N, steps);
}

void ChampionshipDayTest::calculateResults(int visit) {
    clickMain();
    QTest::keyClick(&main, Qt::Key_C, Qt::AltModifier);
    QWidget* results = nullptr;
    ASSERT_TRUE(QTest::qWaitFor([&] {
        results = main.findChild<QWidget*>(QStringLiteral("frmShowResults"));
        return results != nullptr && results->isVisible();
    }));
    const QStringList buttons = {"bPrint", "bDownload", "bExit"};
    expectUsable(*results, buttons);
    EXPECT_GT(results->findChild<QTableWidget*>(QStringLiteral("fpResults0"))->rowCount(), 0);
    // The staff click the main window while the standings stay open beside it.
    clickMain();
    expectUsable(*results, buttons);
    if (visit == 1) {
        WindowScript download;
        download.then("frmChooseDownload", [&](QWidget& w) {
            expectUsable(w, {"bRun", "bCancel"});
            click(w, "bRun");
        });
        EXPECT_EQ(download.run([&] { click(*results, "bDownload"); }).toStdString(), "");
        EXPECT_TRUE(
            QFileInfo::exists(ResultsDownload::PathFor(path(), ResultsDownload::Format::Html)));

        WindowScript print;
        print.then("frmChooseResults", [&](QWidget& w) {
            expectUsable(w, {"bPrint", "bCancel", "bSelectAllInd"});
            click(w, "bPrint");
        });
        print.then("frmPrintPreview", [&](QWidget& w) { click(w, "bClose"); });
        EXPECT_EQ(print.run([&] { click(*results, "bPrint"); }).toStdString(), "");
    }
    click(*results, "bExit");
    EXPECT_FALSE(results->isVisible());
}

void ChampionshipDayTest::finalFour(int visit) {
    WindowScript steps;
    if (visit == 1) {
        // From the dual through its Round menu; the unseeded event offers the seeding.
        prompter.answers = {QMessageBox::Yes, QMessageBox::Ok};
        steps.then("frmEnterDual", [&](QWidget& w) { trigger(w, "mFinalFour"); });
        steps.then("frmEditFinalFencers", [&](QWidget& w) {
            expectUsable(w, {"bReload", "bSave", "bCancel"});
            click(w, "bSave");
        });
        steps.then("frmEnterFinal4", [&](QWidget& w) {
            expectUsable(w, {"bPrintScoresheets", "bCancel"});
            click(w, "lName0");  // seed 1 wins Semifinal A
            focusAndType(w, "Score10", QStringLiteral("5-2"));
            press(Qt::Key_S, Qt::ControlModifier);
            EXPECT_FALSE(button(w, "bSave")->isEnabled());
            click(w, "bCancel");
        });
    } else {
        steps.then("frmEnterFinal4", [&](QWidget& w) {
            expectUsable(w, {"bPrintScoresheets", "bCancel"});
            trigger(w, "mSeed");
        });
        steps.then("frmEditFinalFencers", [&](QWidget& w) {
            expectUsable(w, {"bReload", "bDelete", "bCancel"});
            prompter.answers = {QMessageBox::No};  // the proposal is not saved
            click(w, "bCancel");
        });
        steps.then("frmEnterFinal4", [&](QWidget& w) { click(w, "bPrintScoresheets"); });
        steps.then("frmPrintScoresheets", [&](QWidget& w) {
            expectUsable(w, {"bFinalFour", "bExit"});
            click(w, "bExit");
        });
        steps.then("frmEnterFinal4", [&](QWidget& w) { click(w, "bCancel"); });
    }
    command(Qt::Key_R, steps);
    SCOPED_TRACE(prompter.texts().join(QLatin1Char('|')).toStdString());
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM FinalFour WHERE Weapon = 0 AND "
                                   "Bout = 0 AND Winner <> 99")),
              1);
}

void ChampionshipDayTest::utilities(int visit) {
    const QStringList buttons = {"bEditTeamNames",     "bColors",      "bStripNums",
                                 "bInitializeResults", "bFullResults", "bExit"};
    WindowScript steps;
    steps.then("frmUtilities", [&](QWidget& w) {
        expectUsable(w, buttons);
        click(w, "bColors");
    });
    steps.then("frmColors", [&](QWidget& w) {
        expectUsable(w, {"bCancel"});
        click(w, "bCancel");
    });
    steps.then("frmUtilities", [&](QWidget& w) { click(w, "bEditTeamNames"); });
    steps.then("frmEditTeamNames", [&](QWidget& w) {
        expectUsable(w, {"bNext", "bLast", "bAdd", "bExit"});
        const QString before = w.findChild<QLabel*>(QStringLiteral("lTeamNumber"))->text();
        click(w, "bNext");
        EXPECT_NE(w.findChild<QLabel*>(QStringLiteral("lTeamNumber"))->text(), before);
        click(w, "bExit");
    });
    steps.then("frmUtilities", [&](QWidget& w) { click(w, "bStripNums"); });
    steps.then("frmEditStripNums", [&](QWidget& w) {
        expectUsable(w, {"bClear", "bCancel"});
        focusAndType(w, "tStripName0", QStringLiteral("North %1").arg(visit));
        click(w, "bSave");
        click(w, "bCancel");
    });
    steps.then("frmUtilities", [&](QWidget& w) {
        expectUsable(w, buttons);
        click(w, "bFullResults");
        // The report stays open beside the window, which still takes input.
        QWidget* preview = nullptr;
        for (QWidget* top : QApplication::topLevelWidgets()) {
            if (top->isVisible() && top->objectName() == QStringLiteral("frmPrintPreview")) {
                preview = top;
            }
        }
        ASSERT_NE(preview, nullptr);
        EXPECT_FALSE(preview->isModal());
        EXPECT_EQ(QApplication::activeModalWidget(), &w);
        expectUsable(*preview, {"bPrint", "bClose"});
        click(*preview, "bClose");
        click(w, "bInitializeResults");  // the first question's default is No
        click(w, "bExit");
    });
    command(Qt::Key_U, steps);
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM StripNumbers WHERE StripName = "
                                   "'North %1'")
                        .arg(visit)),
              1);
    EXPECT_GT(count(QStringLiteral("SELECT COUNT(*) FROM Results")), 0);
}

// The first visit chooses the folder and publishes; the second, after a day's saves have
// rewritten the site, stops publishing.
void ChampionshipDayTest::publishLive(int visit) {
    WindowScript steps;
    steps.then("frmPublishLive", [&](QWidget& w) {
        expectUsable(w, {"bBrowse", "bPublish", "bClose"});
        if (visit == 1) {
            focusAndType(w, "tFolder", site.path());
            click(w, "bPublish");
        } else {
            click(w, "bStop");
        }
        click(w, "bClose");
    });
    clickMain();
    EXPECT_EQ(steps.run([&] { trigger(main, "mPublishLive"); }).toStdString(), "");
}

TEST_F(ChampionshipDayTest, EveryWindowWorksEachTimeItIsOpened) {
    createFile();
    importRosters();
    publishLive(1);
    EXPECT_TRUE(QFile::exists(site.filePath(QStringLiteral("index.html"))));
    for (int visit = 1; visit <= 2; ++visit) {
        editCompetitors(visit);
    }
    for (int visit = 1; visit <= 2; ++visit) {
        printSchedules(visit);
        printScoresheets(visit);
    }
    enterPoolAndDual();
    for (int visit = 1; visit <= 2; ++visit) {
        findMissing();
        confirmResults();
        calculateResults(visit);
    }
    for (int visit = 1; visit <= 2; ++visit) {
        finalFour(visit);
    }
    for (int visit = 1; visit <= 2; ++visit) {
        utilities(visit);
    }
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM Results")), 48);
    // The day's saves reached the site.
    QTest::qWait(2 * LiveSiteTrigger::kDelayMs);
    EXPECT_TRUE(ReadBytes(site.filePath(QStringLiteral("results.json"))).contains("\"leftMark\""));
    publishLive(2);
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM LivePublishing")), 0);
}

}  // namespace
