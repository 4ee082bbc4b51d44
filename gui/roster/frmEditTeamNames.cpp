#include "roster/frmEditTeamNames.h"

#include "db/ChangedElsewhere.h"
#include "db/ORLEMain.h"
#include "roster/TeamStore.h"
#include "widgets/EnterAsTab.h"
#include "widgets/HelpMenu.h"
#include "widgets/NamedAction.h"
#include "widgets/NamedButton.h"
#include "widgets/Prompter.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

namespace {

// Teams.Team is a byte.
constexpr int kHighestSchoolNumber = 255;

QLineEdit* nameBox(const char* name, int maxLength, int width, QWidget* parent) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(QLatin1String(name));
    box->setMaxLength(maxLength);
    box->setMinimumWidth(width);
    return box;
}

}  // namespace

frmEditTeamNames::frmEditTeamNames(ORLEMain& state, Prompter& prompter, QWidget* parent)
    : QDialog(parent), m_state(state), m_prompter(prompter) {
    setObjectName(QStringLiteral("frmEditTeamNames"));
    setWindowTitle(QStringLiteral("Edit Team Names"));
    buildControls();
    buildMenus();
    EnterAsTab::install(this);
}

void frmEditTeamNames::buildControls() {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(18, 12, 18, 16);
    layout->setSpacing(12);
    tAbbreviation = nameBox("tAbbreviation", 5, 80, this);
    tMediumTeamName = nameBox("tMediumTeamName", 20, 200, this);
    tFullTeamName = nameBox("tFullTeamName", 50, 380, this);
    lTeamNumber = new QLabel(this);
    lTeamNumber->setObjectName(QStringLiteral("lTeamNumber"));
    auto* form = new QFormLayout;
    form->setLabelAlignment(Qt::AlignRight);
    form->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
    form->addRow(QStringLiteral("Team Number:"), lTeamNumber);
    form->addRow(QStringLiteral("A&bbreviation (5 chars):"), tAbbreviation);
    form->addRow(QStringLiteral("&Medium Team Name (20 chars):"), tMediumTeamName);
    form->addRow(QStringLiteral("&Long Team Name (50 chars):"), tFullTeamName);
    layout->addLayout(form);

    bFirst = NamedButton("bFirst", "|<", this);
    bPrev = NamedButton("bPrev", "<", this);
    bNext = NamedButton("bNext", ">", this);
    bLast = NamedButton("bLast", ">|", this);
    auto* navigation = new QHBoxLayout;
    navigation->addStretch();
    for (QPushButton* b : {bFirst, bPrev, bNext, bLast}) {
        b->setFixedWidth(48);
        navigation->addWidget(b);
    }
    navigation->addStretch();
    layout->addLayout(navigation);

    bAdd = NamedButton("bAdd", "&Add New", this);
    bDelete = NamedButton("bDelete", "&Delete", this);
    bClear = NamedButton("bClear", "&Clear", this);
    bSave = NamedButton("bSave", "&Save", this);
    bExit = NamedButton("bExit", "E&xit", this);
    auto* actions = new QHBoxLayout;
    for (QPushButton* b : {bAdd, bDelete, bClear, bSave, bExit}) {
        actions->addWidget(b);
    }
    layout->addLayout(actions);

    connect(bFirst, &QPushButton::clicked, this, [this] { moveTo(0); });
    connect(bPrev, &QPushButton::clicked, this, [this] { moveTo(m_currentTeam - 1); });
    connect(bNext, &QPushButton::clicked, this, [this] { moveTo(m_currentTeam + 1); });
    connect(bLast, &QPushButton::clicked, this, [this] { moveTo(m_maxTeam); });
    connect(bAdd, &QPushButton::clicked, this, &frmEditTeamNames::bAdd_Click);
    connect(bDelete, &QPushButton::clicked, this, &frmEditTeamNames::bDelete_Click);
    connect(bClear, &QPushButton::clicked, this, &frmEditTeamNames::bClear_Click);
    connect(bSave, &QPushButton::clicked, this, &frmEditTeamNames::SaveTeamIfChanged);
    connect(bExit, &QPushButton::clicked, this, &frmEditTeamNames::reject);
    for (QLineEdit* box : {tAbbreviation, tMediumTeamName, tFullTeamName}) {
        connect(box, &QLineEdit::textChanged, this, [this] {
            if (!m_showing) {
                setSaveEnabled(true);
            }
        });
    }
    // Abbreviations are printed in capitals.
    connect(tAbbreviation, &QLineEdit::textEdited, this, [this](const QString& text) {
        QString upper = text;
        for (QChar& c : upper) {
            if (c >= QLatin1Char('a') && c <= QLatin1Char('z')) {
                c = c.toUpper();
            }
        }
        if (upper != text) {
            const int cursor = tAbbreviation->cursorPosition();
            tAbbreviation->setText(upper);
            tAbbreviation->setCursorPosition(cursor);
        }
    });
    setTabOrder(tAbbreviation, tMediumTeamName);
    setTabOrder(tMediumTeamName, tFullTeamName);
}

void frmEditTeamNames::buildMenus() {
    auto* bar = new QMenuBar(this);
    QMenu* file = bar->addMenu(QStringLiteral("&File"));
    mSave = AddNamedAction(file, QStringLiteral("mSave"), QStringLiteral("&Save"), this,
                           &frmEditTeamNames::SaveTeamIfChanged);
    AddNamedAction(file, QStringLiteral("mExit"), QStringLiteral("E&xit"), this,
                   &frmEditTeamNames::reject);
    AddHelpMenu(bar, this);
    layout()->setMenuBar(bar);
}

bool frmEditTeamNames::Form_Load() {
    const std::optional<int> maxTeam = TeamStore(m_state.connection()).maxTeam();
    if (!maxTeam) {
        m_prompter.tell(this, QMessageBox::Critical, QStringLiteral("Database error"),
                        QStringLiteral("Database error.\n\nTeams error"));
        return false;
    }
    m_maxTeam = *maxTeam;
    m_currentTeam = 0;
    ShowTeam();
    tAbbreviation->setFocus();
    return true;
}

void frmEditTeamNames::ShowTeam() {
    const TeamStore teams(m_state.connection());
    const std::optional<TeamNames> names = teams.load(m_currentTeam);
    m_loaded = names;
    m_showing = true;
    tAbbreviation->setText(names ? names->abbreviation : QString());
    tMediumTeamName->setText(names ? names->medium : QString());
    tFullTeamName->setText(names ? names->full : QString());
    m_showing = false;
    bDelete->setEnabled(names && teams.fencerCount(m_currentTeam) == 0);
    bAdd->setEnabled((names || m_currentTeam != m_maxTeam) && m_maxTeam < kHighestSchoolNumber);
    lTeamNumber->setText(QStringLiteral("Team %1").arg(m_currentTeam + 1));
    bFirst->setEnabled(m_currentTeam != 0);
    bPrev->setEnabled(m_currentTeam != 0);
    bNext->setEnabled(m_currentTeam != m_maxTeam);
    bLast->setEnabled(m_currentTeam != m_maxTeam);
    setSaveEnabled(false);
}

void frmEditTeamNames::setSaveEnabled(bool enabled) {
    bSave->setEnabled(enabled);
    mSave->setEnabled(enabled);
}

bool frmEditTeamNames::SaveTeamIfChanged() {
    if (!bSave->isEnabled()) {
        return true;
    }
    const auto answer =
        m_prompter.ask(this, QMessageBox::Question, QStringLiteral("Save Changes"),
                       QStringLiteral("Changes have not been saved. Save changes?"),
                       QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes);
    if (answer == QMessageBox::No) {
        return true;
    }
    if (answer != QMessageBox::Yes) {
        return false;
    }
    return saveNames();
}

bool frmEditTeamNames::saveNames() {
    const TeamNames names{tAbbreviation->text(), tMediumTeamName->text(), tFullTeamName->text()};
    if (const QString problem = TeamStore::Problem(names); !problem.isEmpty()) {
        m_prompter.tell(this, QMessageBox::Warning, QStringLiteral("Cannot save"), problem);
        return false;
    }
    QStringList changedElsewhere;
    const Status saved =
        TeamStore(m_state.connection()).save(m_currentTeam, names, m_loaded, &changedElsewhere);
    if (!saved) {
        m_prompter.tell(this, QMessageBox::Warning, QStringLiteral("Cannot save"), saved.message());
        return false;
    }
    if (!changedElsewhere.isEmpty()) {
        m_prompter.tell(this, QMessageBox::Warning, ChangedElsewhere::Title(),
                        ChangedElsewhere::Message(changedElsewhere));
    }
    // The stored names are shown; after a clash the window stays on them.
    ShowTeam();
    return changedElsewhere.isEmpty();
}

void frmEditTeamNames::moveTo(int team) {
    if (SaveTeamIfChanged()) {
        m_currentTeam = std::clamp(team, 0, m_maxTeam);
        ShowTeam();
    }
}

void frmEditTeamNames::bAdd_Click() {
    if (SaveTeamIfChanged()) {
        m_maxTeam += 1;
        m_currentTeam = m_maxTeam;
        ShowTeam();
        tAbbreviation->setFocus();
    }
}

void frmEditTeamNames::bDelete_Click() {
    if (m_prompter.ask(this, QMessageBox::Question, QStringLiteral("Delete Team"),
                       QStringLiteral("Are you sure you want to delete this team?"),
                       QMessageBox::Yes | QMessageBox::No, QMessageBox::No) == QMessageBox::No) {
        return;
    }
    const Status removed = TeamStore(m_state.connection()).remove(m_currentTeam);
    if (!removed) {
        m_prompter.tell(this, QMessageBox::Warning, QStringLiteral("Delete Team"),
                        removed.message());
        return;
    }
    if (m_currentTeam == m_maxTeam) {
        m_maxTeam -= 1;
        m_currentTeam = m_maxTeam;
    }
    ShowTeam();
}

void frmEditTeamNames::bClear_Click() {
    tAbbreviation->clear();
    tMediumTeamName->clear();
    tFullTeamName->clear();
    setSaveEnabled(true);
    tAbbreviation->setFocus();
}

void frmEditTeamNames::reject() {
    if (SaveTeamIfChanged()) {
        QDialog::reject();
    }
}
