#include "print/frmPrintSchedule.h"

#include "db/ORLEMain.h"
#include "print/ScheduleReports.h"
#include "print/ScheduleSheets.h"
#include "print/SystemPrinterSink.h"
#include "print/frmChooseOne.h"
#include "widgets/EnterAsTab.h"
#include "widgets/HelpMenu.h"
#include "widgets/NamedAction.h"
#include "widgets/NamedButton.h"
#include "widgets/PrintOutcome.h"
#include "widgets/Prompter.h"
#include "widgets/WaitCursor.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>
#include <memory>

namespace {

// One size for every sheet button, so the columns line up.
constexpr QSize kButtonSize{190, 34};

}  // namespace

frmPrintSchedule::frmPrintSchedule(ORLEMain& state, Prompter& prompter, QWidget* parent,
                                   PrintSink* sink)
    : QDialog(parent), m_state(state), m_prompter(prompter), m_sink(sink) {
    setObjectName(QStringLiteral("frmPrintSchedule"));
    setWindowTitle(QStringLiteral("Print Schedules"));
    buildControls();
    buildMenus();
    EnterAsTab::install(this);
    Form_Load();
}

frmPrintSchedule::~frmPrintSchedule() = default;

void frmPrintSchedule::buildControls() {
    auto* lTitle = new QLabel(QStringLiteral("Schedules"), this);
    lTitle->setObjectName(QStringLiteral("lTitle"));
    QFont titleFont = lTitle->font();
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.6);
    titleFont.setBold(true);
    lTitle->setFont(titleFont);
    lTitle->setAlignment(Qt::AlignCenter);

    auto* events = new QGroupBox(QStringLiteral("Events"), this);
    auto* eventGrid = new QGridLayout(events);
    for (int w = 0; w < 6; ++w) {
        cbWeapon[w] = new QCheckBox(events);
        cbWeapon[w]->setObjectName(QStringLiteral("cbWeapon%1").arg(w));
        eventGrid->addWidget(cbWeapon[w], w % 3, w / 3);
        connect(cbWeapon[w], &QCheckBox::toggled, this, &frmPrintSchedule::cbWeapon_Click);
    }
    for (int g = 0; g < 3; ++g) {
        bGender[g] =
            NamedButton(QStringLiteral("bGender%1").arg(g), QString(), events, kButtonSize);
        connect(bGender[g], &QPushButton::clicked, this, [this, g] { bGender_Click(g); });
    }
    bGender[2]->setText(QStringLiteral("A&ll Weapons"));
    eventGrid->addWidget(bGender[0], 3, 0);
    eventGrid->addWidget(bGender[1], 3, 1);
    eventGrid->addWidget(bGender[2], 4, 0, 1, 2, Qt::AlignHCenter);

    auto* sheets = new QGroupBox(QStringLiteral("Sheets"), this);
    auto* sheetGrid = new QGridLayout(sheets);
    const QStringList captions{QString(), QStringLiteral("&Groupings"),
                               QStringLiteral("&Schedules"), QStringLiteral("&Announcer - Day 1"),
                               QStringLiteral("A&nnouncer - Day 2")};
    for (int i = 1; i <= 4; ++i) {
        bPrint[i] =
            NamedButton(QStringLiteral("bPrint%1").arg(i), captions[i], sheets, kButtonSize);
        connect(bPrint[i], &QPushButton::clicked, this, [this, i] { bPrint_Click(i); });
        sheetGrid->addWidget(bPrint[i], (i - 1) % 2, (i - 1) / 2);
    }
    const QStringList referee{QStringLiteral("Complete - Day &1"),
                              QStringLiteral("Complete - Day &2")};
    for (int i = 0; i < 2; ++i) {
        bPrintReferee[i] =
            NamedButton(QStringLiteral("bPrintReferee%1").arg(i), referee[i], sheets, kButtonSize);
        connect(bPrintReferee[i], &QPushButton::clicked, this,
                [this, i] { bPrintReferee_Click(i); });
        sheetGrid->addWidget(bPrintReferee[i], 2, i);
    }

    auto* personal = new QGroupBox(QStringLiteral("Personal Schedules"), this);
    auto* personalRow = new QHBoxLayout(personal);
    bPrintCompetitor = NamedButton(QStringLiteral("bPrintCompetitor"),
                                   QStringLiteral("&Competitor Schedules"), personal, kButtonSize);
    bPrintTeam = NamedButton(QStringLiteral("bPrintTeam"), QStringLiteral("&Team Schedules"),
                             personal, kButtonSize);
    personalRow->addWidget(bPrintCompetitor);
    personalRow->addWidget(bPrintTeam);
    connect(bPrintCompetitor, &QPushButton::clicked, this,
            &frmPrintSchedule::bPrintCompetitor_Click);
    connect(bPrintTeam, &QPushButton::clicked, this, &frmPrintSchedule::bPrintTeam_Click);

    bExit = NamedButton(QStringLiteral("bExit"), QStringLiteral("&Return"), this, kButtonSize);
    connect(bExit, &QPushButton::clicked, this, &QDialog::accept);

    auto* body = new QHBoxLayout;
    body->addWidget(events);
    auto* right = new QVBoxLayout;
    right->addWidget(sheets);
    right->addWidget(personal);
    body->addLayout(right);
    auto* bottom = new QHBoxLayout;
    bottom->addStretch();
    bottom->addWidget(bExit);
    auto* layout = new QVBoxLayout(this);
    layout->setSpacing(12);
    layout->addWidget(lTitle);
    layout->addLayout(body);
    layout->addLayout(bottom);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void frmPrintSchedule::buildMenus() {
    auto* bar = new QMenuBar(this);
    QMenu* file = bar->addMenu(QStringLiteral("&File"));
    mPrintHdr = file->addMenu(QStringLiteral("&Print"));
    mPrintHdr->setObjectName(QStringLiteral("mPrintHdr"));
    const QStringList captions{QStringLiteral("Grou&pings and Schedules"),
                               QStringLiteral("&Groupings Only"), QStringLiteral("&Schedules Only"),
                               QStringLiteral("A&nnouncer Schedules")};
    for (int i = 0; i < 4; ++i) {
        QAction* entry = mPrintHdr->addAction(captions[i], this, [this, i] { bPrint_Click(i); });
        entry->setObjectName(QStringLiteral("mPrint%1").arg(i));
    }
    mPrintHdr->addSeparator();
    AddNamedAction(mPrintHdr, QStringLiteral("mPrintCompetitor"),
                   QStringLiteral("&Competitor Schedules"), this,
                   &frmPrintSchedule::bPrintCompetitor_Click);
    AddNamedAction(mPrintHdr, QStringLiteral("mPrintTeam"), QStringLiteral("&Team Schedules"), this,
                   &frmPrintSchedule::bPrintTeam_Click);
    file->addSeparator();
    AddNamedAction(file, QStringLiteral("mExit"), QStringLiteral("E&xit"), this, &QDialog::accept);
    AddHelpMenu(bar, this);
    layout()->setMenuBar(bar);
}

void frmPrintSchedule::Form_Load() {
    const int gender = m_state.CurrentWeapon / 3;
    for (int w = 0; w < 6; ++w) {
        const QSignalBlocker quiet(cbWeapon[w]);
        const std::optional<QString> name =
            m_state.isOpen()
                ? m_prompter.valueOrTell(
                      this,
                      m_state.connection().queryText(
                          QStringLiteral("SELECT WeaponName FROM Weapons WHERE Weapon=?"), {w}))
                : std::nullopt;
        cbWeapon[w]->setText(name.value_or(QString()));
        cbWeapon[w]->setEnabled(name.has_value());
        cbWeapon[w]->setChecked(name.has_value() && w / 3 == gender);
    }
    // The men's toggle sits under the men's events, whichever block they are.
    const QString first = cbWeapon[0]->text();
    const bool menFirst = first.isEmpty() || first.left(3).toUpper() == QLatin1String("MEN");
    bGender[menFirst ? 0 : 1]->setText(QStringLiteral("All &Men"));
    bGender[menFirst ? 1 : 0]->setText(QStringLiteral("All &Women"));
    cbWeapon_Click();
}

void frmPrintSchedule::cbWeapon_Click() {
    const bool any = !checkedEvents().isEmpty();
    for (QPushButton* b : {bPrint[1], bPrint[2], bPrint[3], bPrint[4], bPrintReferee[0],
                           bPrintReferee[1], bPrintCompetitor, bPrintTeam}) {
        b->setEnabled(any);
    }
    mPrintHdr->setEnabled(any);
}

void frmPrintSchedule::bGender_Click(int index) {
    const int first = index == 1 ? 3 : 0;
    const int last = index == 0 ? 2 : 5;
    bool all = true;
    for (int w = first; w <= last; ++w) {
        all = all && cbWeapon[w]->isChecked();
    }
    for (int w = first; w <= last; ++w) {
        if (cbWeapon[w]->isEnabled()) {
            cbWeapon[w]->setChecked(!all);
        }
    }
}

QList<int> frmPrintSchedule::checkedEvents() const {
    QList<int> events;
    for (int w = 0; w < 6; ++w) {
        if (cbWeapon[w]->isChecked()) {
            events << w;
        }
    }
    return events;
}

void frmPrintSchedule::bPrint_Click(int index) {
    using namespace ScheduleSheets;
    switch (index) {
        case 0:
            printSheets({Groups, Schedule});
            break;
        case 1:
            printSheets({Groups});
            break;
        case 2:
            printSheets({Schedule});
            break;
        case 3:
            printSheets({OnDay(StripAssignments, ChampionshipDay::One)});
            break;
        case 4:
            printSheets({OnDay(StripAssignments, ChampionshipDay::Two)});
            break;
        default:
            break;
    }
}

void frmPrintSchedule::bPrintReferee_Click(int index) {
    const ChampionshipDay day = index == 0 ? ChampionshipDay::One : ChampionshipDay::Two;
    printSheets({ScheduleSheets::OnDay(ScheduleSheets::RefereeAssignments, day)});
}

void frmPrintSchedule::printSheets(const QList<Builder>& builders) {
    const QList<int> events = checkedEvents();
    if (events.isEmpty() || !m_state.isOpen()) {
        return;
    }
    runPrint([&](PrintSink& sink) {
        for (int event : events) {
            const SheetEvent sheetEvent{event, cbWeapon[event]->text(), m_state.ChampionshipYear};
            for (const Builder& build : builders) {
                GridSheet sheet;
                Status status = build(m_state.connection(), sheetEvent, sheet);
                if (status) {
                    status = sink.print(sheet);
                }
                if (!status) {
                    return status;
                }
            }
        }
        return Status::success();
    });
}

frmChooseOne& frmPrintSchedule::chooser() {
    if (!m_chooser) {
        m_chooser = new frmChooseOne(m_state, m_prompter, this);
    }
    return *m_chooser;
}

void frmPrintSchedule::bPrintCompetitor_Click() {
    printSchedules(false);
}

void frmPrintSchedule::bPrintTeam_Click() {
    printSchedules(true);
}

void frmPrintSchedule::printSchedules(bool teamMode) {
    const QList<int> events = checkedEvents();
    if (events.isEmpty() || !m_state.isOpen()) {
        return;
    }
    frmChooseOne& choose = chooser();
    choose.prepare(events, teamMode);
    choose.exec();
    if (choose.ChosenTeam() == frmChooseOne::kCancelled) {
        return;
    }
    runPrint([&](PrintSink& sink) {
        BandedReport report;
        const Status built =
            teamMode
                ? ScheduleReports::TeamSchedules(m_state.connection(), events, choose.ChosenTeam(),
                                                 m_state.ChampionshipYear, report)
                : ScheduleReports::CompetitorSchedules(m_state.connection(), events,
                                                       choose.ChosenTeam(), choose.ChosenFencer(),
                                                       m_state.ChampionshipYear, report);
        return built ? sink.print(report) : built;
    });
}

void frmPrintSchedule::runPrint(const std::function<Status(PrintSink&)>& action) {
    std::unique_ptr<SystemPrinterSink> printer;
    if (!m_sink) {
        printer = std::make_unique<SystemPrinterSink>(m_state.connection().path());
    }
    PrintSink& sink = m_sink ? *m_sink : *printer;
    Status status = Status::success();
    {
        WaitCursor wait;
        status = action(sink);
    }
    TellPrintOutcome(m_prompter, this, windowTitle(), status, sink.takeSavedFiles());
}
