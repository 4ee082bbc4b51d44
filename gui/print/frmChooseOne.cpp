#include "print/frmChooseOne.h"

#include "widgets/Prompter.h"

#include "db/ORLEMain.h"
#include "print/ScheduleChoices.h"
#include "widgets/EnterAsTab.h"
#include "widgets/HelpMenu.h"
#include "widgets/NamedAction.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

void fill(QComboBox* list, const QList<ScheduleChoices::Choice>& choices) {
    const QSignalBlocker quiet(list);
    list->clear();
    for (const ScheduleChoices::Choice& choice : choices) {
        list->addItem(choice.text, choice.id);
    }
    list->setCurrentIndex(0);
}

}  // namespace

frmChooseOne::frmChooseOne(ORLEMain& state, Prompter& prompter, QWidget* parent)
    : QDialog(parent), m_state(state), m_prompter(prompter) {
    setObjectName(QStringLiteral("frmChooseOne"));
    setWindowTitle(QStringLiteral("Choose Members"));

    lblTeam = new QLabel(QStringLiteral("Team:"), this);
    lblTeam->setObjectName(QStringLiteral("lblTeam"));
    cTeam = new QComboBox(this);
    cTeam->setObjectName(QStringLiteral("cTeam"));
    lblFencer = new QLabel(QStringLiteral("Fencer:"), this);
    lblFencer->setObjectName(QStringLiteral("lblFencer"));
    cFencer = new QComboBox(this);
    cFencer->setObjectName(QStringLiteral("cFencer"));
    for (QComboBox* list : {cTeam, cFencer}) {
        list->setMinimumWidth(280);
        list->setMaxVisibleItems(20);
    }
    lblTeam->setBuddy(cTeam);
    lblFencer->setBuddy(cFencer);
    bRun = new QPushButton(QStringLiteral("Run"), this);
    bRun->setObjectName(QStringLiteral("bRun"));
    bRun->setDefault(true);
    bCancel = new QPushButton(QStringLiteral("Cancel"), this);
    bCancel->setObjectName(QStringLiteral("bCancel"));

    auto* fields = new QGridLayout;
    fields->addWidget(lblTeam, 0, 0);
    fields->addWidget(cTeam, 0, 1);
    fields->addWidget(lblFencer, 1, 0);
    fields->addWidget(cFencer, 1, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(bRun);
    buttons->addWidget(bCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    buildMenus();

    connect(cTeam, &QComboBox::currentIndexChanged, this, &frmChooseOne::cTeam_Click);
    connect(cFencer, &QComboBox::currentIndexChanged, this, &frmChooseOne::cFencer_Click);
    connect(bRun, &QPushButton::clicked, this, &frmChooseOne::bRun_Click);
    connect(bCancel, &QPushButton::clicked, this, &frmChooseOne::bCancel_Click);
    setTabOrder(cTeam, cFencer);
    setTabOrder(cFencer, bRun);
    setTabOrder(bRun, bCancel);
    EnterAsTab::install(this);
}

void frmChooseOne::buildMenus() {
    auto* bar = new QMenuBar(this);
    QMenu* file = bar->addMenu(QStringLiteral("&File"));
    AddNamedAction(file, QStringLiteral("mRun"), QStringLiteral("&Run"), this,
                   &frmChooseOne::bRun_Click);
    file->addSeparator();
    AddNamedAction(file, QStringLiteral("mExit"), QStringLiteral("E&xit"), this,
                   &frmChooseOne::bCancel_Click);
    AddHelpMenu(bar, this);
    layout()->setMenuBar(bar);
}

void frmChooseOne::prepare(const QList<int>& events, bool teamMode) {
    m_events = events;
    m_teamMode = teamMode;
    m_chosenFencer = kAll;
    lblFencer->setVisible(!teamMode);
    cFencer->setVisible(!teamMode);
    if (!teamMode) {
        fill(cFencer, {{QStringLiteral("ALL FENCERS..."), kAll}});
    }
    fill(cTeam,
         m_state.isOpen()
             ? m_prompter.valueOrTell(this, ScheduleChoices::Schools(m_state.connection(), events))
             : QList<ScheduleChoices::Choice>{{QStringLiteral("ALL TEAMS..."), kAll}});
    cTeam_Click();
    cTeam->setFocus();
}

void frmChooseOne::cTeam_Click() {
    m_chosenTeam = cTeam->currentData().toInt();
    if (!m_teamMode) {
        const bool oneSchool = m_chosenTeam != kAll;
        lblFencer->setEnabled(oneSchool);
        cFencer->setEnabled(oneSchool);
        if (oneSchool) {
            fill(cFencer,
                 m_prompter.valueOrTell(
                     this, ScheduleChoices::Fencers(m_state.connection(), m_events, m_chosenTeam)));
        }
    }
    m_chosenFencer = kAll;
}

void frmChooseOne::cFencer_Click() {
    m_chosenFencer = cFencer->currentData().toInt();
}

void frmChooseOne::bRun_Click() {
    accept();
}

void frmChooseOne::bCancel_Click() {
    reject();
}

void frmChooseOne::reject() {
    m_chosenTeam = kCancelled;
    QDialog::reject();
}
