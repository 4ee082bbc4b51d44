#include "roster/frmEditRosters.h"

#include "db/ChangedElsewhere.h"
#include "db/ORLEMain.h"
#include "db/Snapshots.h"
#include "entry/StripHeader.h"
#include "print/SystemPrinterSink.h"
#include "roster/CompleteRostersReport.h"
#include "roster/FieXmlEntries.h"
#include "roster/GroupStore.h"
#include "roster/GroupView.h"
#include "roster/RedrawCheck.h"
#include "roster/RosterGrid.h"
#include "roster/RosterStore.h"
#include "widgets/EnterAsTab.h"
#include "widgets/EventColor.h"
#include "widgets/HelpMenu.h"
#include "widgets/NamedAction.h"
#include "widgets/NamedButton.h"
#include "widgets/OtherStations.h"
#include "widgets/PreviewSink.h"
#include "widgets/PrintOutcome.h"
#include "widgets/Prompter.h"
#include "widgets/ScreenFit.h"
#include "widgets/WaitCursor.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace {

// One width for the whole button row.
constexpr QSize kButtonSize{120, 0};

}  // namespace

frmEditRosters::frmEditRosters(ORLEMain& state, Prompter& prompter, QWidget* parent)
    : QDialog(parent), m_state(state), m_prompter(prompter) {
    setObjectName(QStringLiteral("frmEditRosters"));
    setWindowTitle(QStringLiteral("Edit Competitors"));
    buildControls();
    buildMenus();
    EnterAsTab::install(this);
    FitToScreen(this, {1000, 700});
    OtherStations::Follow(this, [this] { followOtherStation(); });
}

void frmEditRosters::buildControls() {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(14, 10, 14, 14);
    lWeaponName = new QLabel(this);
    lWeaponName->setObjectName(QStringLiteral("lWeaponName"));
    QFont big = lWeaponName->font();
    big.setPointSizeF(big.pointSizeF() * 1.5);
    big.setBold(true);
    lWeaponName->setFont(big);
    lWeaponName->setAlignment(Qt::AlignCenter);
    layout->addWidget(lWeaponName);

    m_views = new QStackedWidget(this);
    fpRoster = new RosterGrid(m_views);
    m_groupView = new GroupView(m_views);
    m_views->addWidget(fpRoster);
    m_views->addWidget(m_groupView);
    layout->addWidget(m_views, 1);
    connect(fpRoster, &RosterGrid::cellEdited, this, [this] { setSaveEnabled(true); });
    connect(m_groupView, &GroupView::slotClicked, this, &frmEditRosters::lName_Click);

    bSave = NamedButton("bSave", "&Save", this, kButtonSize);
    bPrint = NamedButton("bPrint", "&Print All", this, kButtonSize);
    bMakeGroups = NamedButton("bMakeGroups", "Make &Groups", this, kButtonSize);
    bRerandomize = NamedButton("bRerandomize", "&Re-randomize", this, kButtonSize);
    bCancel = NamedButton("bCancel", "Close", this, kButtonSize);
    bRerandomize->hide();
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(bSave);
    buttons->addWidget(bPrint);
    buttons->addStretch();
    buttons->addWidget(bMakeGroups);
    buttons->addWidget(bRerandomize);
    buttons->addStretch();
    buttons->addWidget(bCancel);
    layout->addLayout(buttons);
    connect(bSave, &QPushButton::clicked, this, &frmEditRosters::bSave_Click);
    connect(bPrint, &QPushButton::clicked, this, &frmEditRosters::bPrint_Click);
    connect(bMakeGroups, &QPushButton::clicked, this, &frmEditRosters::bMakeGroups_Click);
    connect(bRerandomize, &QPushButton::clicked, this, &frmEditRosters::bRerandomize_Click);
    connect(bCancel, &QPushButton::clicked, this, &frmEditRosters::bCancel_Click);
    setTabOrder(fpRoster, bSave);
    setTabOrder(bSave, bPrint);
    setTabOrder(bPrint, bMakeGroups);
    setTabOrder(bMakeGroups, bRerandomize);
    setTabOrder(bRerandomize, bCancel);
}

void frmEditRosters::buildMenus() {
    auto* bar = new QMenuBar(this);
    QMenu* file = bar->addMenu(QStringLiteral("&File"));
    mSave = AddNamedAction(file, QStringLiteral("mSave"), QStringLiteral("&Save"), this,
                           &frmEditRosters::bSave_Click);
    mSave->setShortcut(QKeySequence::Save);
    mPrint = AddNamedAction(file, QStringLiteral("mPrint"), QStringLiteral("&Print"), this,
                            &frmEditRosters::bPrint_Click);
    AddNamedAction(file, QStringLiteral("mImportFie"), QStringLiteral("&Import FIE XML..."), this,
                   &frmEditRosters::mImportFie_Click);
    file->addSeparator();
    AddNamedAction(file, QStringLiteral("mExit"), QStringLiteral("E&xit"), this,
                   &frmEditRosters::bCancel_Click);
    QMenu* weapons = bar->addMenu(QStringLiteral("&Weapon"));
    for (int w = 0; w < 6; ++w) {
        QAction* item = weapons->addAction(QString());
        item->setObjectName(QStringLiteral("mWeapon%1").arg(w));
        item->setCheckable(true);
        connect(item, &QAction::triggered, this, [this, w] { mWeapon_Click(w); });
        mWeapon[static_cast<size_t>(w)] = item;
    }
    AddHelpMenu(bar, this);
    layout()->setMenuBar(bar);
}

void frmEditRosters::Form_Load() {
    const Database& db = m_state.connection();
    const QStringList events =
        m_prompter.valueOrTell(this, StripHeader::EventNames(db), QStringList(6));
    for (int w = 0; w < 6; ++w) {
        mWeapon[static_cast<size_t>(w)]->setText(events[w]);
    }
    m_groupView->setGroupNames(
        m_prompter.valueOrTell(this, GroupStore(db).groupNames(), QStringList(8)));
    m_schools = m_prompter.valueOrTell(this, SchoolList::Load(db));
    fpRoster->setSchools(m_schools);
    m_views->setCurrentWidget(fpRoster);
    bMakeGroups->show();
    bRerandomize->hide();
    setSaveEnabled(false);
    m_weapon = -1;
    mWeapon_Click(0);
    fpRoster->setFocus();
    fpRoster->setCurrentCell(0, RosterGrid::FirstName);
}

void frmEditRosters::followOtherStation() {
    if (saveEnabled() || groupViewShowing() || fpRoster->editing()) {
        return;
    }
    const int row = fpRoster->currentRow();
    const int column = fpRoster->currentColumn();
    loadEvent(m_weapon);
    fpRoster->setCurrentCell(row, column);
}

bool frmEditRosters::groupViewShowing() const {
    return m_views->currentWidget() == m_groupView;
}

void frmEditRosters::setSaveEnabled(bool enabled) {
    bSave->setEnabled(enabled);
    mSave->setEnabled(enabled);
}

bool frmEditRosters::saveEnabled() const {
    return bSave->isEnabled();
}

bool frmEditRosters::askToSave() {
    fpRoster->commitEdit();
    if (!saveEnabled()) {
        return true;
    }
    const auto answer = m_prompter.askToSaveChanges(this);
    if (answer == QMessageBox::Cancel) {
        return false;
    }
    if (answer == QMessageBox::Yes) {
        return bSave_Click();
    }
    setSaveEnabled(false);
    return true;
}

void frmEditRosters::mWeapon_Click(int weapon) {
    if (weapon != m_weapon && askToSave()) {
        loadEvent(weapon);
    }
    for (int w = 0; w < 6; ++w) {
        mWeapon[static_cast<size_t>(w)]->setChecked(w == m_weapon);
    }
}

void frmEditRosters::loadEvent(int weapon) {
    m_weapon = weapon;
    PaintEventBackground(this, m_state.EventColors[static_cast<size_t>(weapon)]);
    lWeaponName->setText(mWeapon[static_cast<size_t>(weapon)]->text());
    lWeaponName->setProperty("tag", QString::number(weapon));
    showStoredRows(m_prompter.valueOrTell(this, RosterStore(m_state.connection()).load(weapon)));
    setSaveEnabled(false);
    if (groupViewShowing()) {
        ShowGroups();
    }
}

bool frmEditRosters::bSave_Click() {
    fpRoster->commitEdit();
    const bool saved = groupViewShowing() ? saveGroups() : saveRoster();
    if (saved) {
        setSaveEnabled(false);
    }
    return saved;
}

bool frmEditRosters::saveRoster() {
    std::vector<RosterRow> rows = fpRoster->rows();
    QStringList changedElsewhere;
    Status saved = [&] {
        WaitCursor busy;
        return RosterStore(m_state.connection()).save(m_weapon, rows, m_loaded, &changedElsewhere);
    }();
    if (!saved) {
        m_prompter.tell(this, QMessageBox::Warning, QStringLiteral("Cannot save"), saved.message());
        return false;
    }
    if (changedElsewhere.isEmpty()) {
        fpRoster->showWebNames(rows);
        return true;
    }
    m_prompter.tell(this, QMessageBox::Warning, ChangedElsewhere::Title(),
                    ChangedElsewhere::Message(changedElsewhere));
    // Every row now reads as stored: the rows kept from another writer and the ones written.
    // The window stays so they can be seen.
    fpRoster->setRows(rows);
    setSaveEnabled(false);
    return false;
}

void frmEditRosters::showStoredRows(const std::vector<RosterRow>& rows) {
    m_loaded = rows;
    fpRoster->setRows(rows);
}

bool frmEditRosters::saveGroups() {
    const Database& db = m_state.connection();
    const Result<int> disturbed = RedrawCheck::BoutsDisturbed(db, m_weapon, m_slots.groupSlots());
    if (!disturbed) {
        m_prompter.tell(this, QMessageBox::Warning, QStringLiteral("Cannot save"),
                        RedrawCheck::Unreadable(disturbed.status()));
        return false;
    }
    if (*disturbed > 0 &&
        m_prompter.ask(this, QMessageBox::Warning, QStringLiteral("Redraw Groups"),
                       RedrawCheck::Question(*disturbed), QMessageBox::Yes | QMessageBox::No,
                       QMessageBox::No) != QMessageBox::Yes) {
        return false;
    }
    // Results the redraw sets aside come back only from the snapshot taken now.
    if (*disturbed > 0) {
        if (const Status kept = Snapshots::Before(db, QStringLiteral("redraw")); !kept) {
            m_prompter.tell(this, QMessageBox::Warning, QStringLiteral("Cannot save"),
                            kept.message());
            return false;
        }
    }
    const Status saved = GroupStore(db).save(m_weapon, m_slots.groupSlots());
    if (!saved) {
        m_prompter.tell(this, QMessageBox::Warning, QStringLiteral("Cannot save"), saved.message());
    }
    return saved.ok();
}

// Prints the roster of every event as stored; edits not yet saved are not in it.
void frmEditRosters::mImportFie_Click() {
    if (!askToSave()) {
        return;
    }
    const Database& db = m_state.connection();
    const QString path = m_prompter.chooseFileToOpen(
        this, QStringLiteral("Import FIE XML"), QFileInfo(db.path()).absolutePath(),
        QStringLiteral("FIE XML Files (*.xml);;All Files (*)"));
    if (path.isEmpty()) {
        return;
    }
    RosterCsv::Imported imported;
    const Status status = [&] {
        WaitCursor busy;
        return FieXmlEntries(db).importFile(path, m_weapon, &imported);
    }();
    loadEvent(m_weapon);
    if (!status) {
        m_prompter.tell(this, QMessageBox::Warning, QStringLiteral("Import FIE XML"),
                        QStringLiteral("Nothing was imported:\n") + status.message());
        return;
    }
    m_prompter.tell(this, QMessageBox::Information, QStringLiteral("Import FIE XML"),
                    QStringLiteral("%1 fencers imported into %2.")
                        .arg(imported.fencers)
                        .arg(lWeaponName->text()));
}

void frmEditRosters::bPrint_Click() {
    BandedReport report;
    Status printed = BuildCompleteRosters(m_state.connection(), m_state.ChampionshipYear, report);
    QStringList savedFiles;
    if (printed && m_printSink) {
        printed = m_printSink->print(report);
    } else if (printed) {
        SystemPrinterSink printer(m_state.connection().path());
        PreviewSink preview(printer, m_prompter, this);
        printed = preview.print(report);
        savedFiles = printer.takeSavedFiles();
    }
    TellPrintOutcome(m_prompter, this, QStringLiteral("Print All"), printed, savedFiles);
}

void frmEditRosters::bMakeGroups_Click() {
    if (askToSave()) {
        switchView();
    }
}

// Edits dropped at the question are dropped from the grid too, so that the draw works on
// the fencers as they are stored.
void frmEditRosters::switchView() {
    const bool toGroups = !groupViewShowing();
    if (toGroups) {
        showStoredRows(
            m_prompter.valueOrTell(this, RosterStore(m_state.connection()).load(m_weapon)));
    }
    m_slots.clear();
    showSlots();
    bRerandomize->setVisible(toGroups);
    bMakeGroups->setVisible(!toGroups);
    m_views->setCurrentWidget(toGroups ? static_cast<QWidget*>(m_groupView) : fpRoster);
    if (toGroups) {
        ShowGroups();
        bRerandomize->setFocus();
    } else {
        fpRoster->setFocus();
    }
}

void frmEditRosters::showSlots() {
    m_groupView->showSlots(m_slots.groupSlots());
}

void frmEditRosters::ShowGroups() {
    const Result<GroupStore::Loaded> read = GroupStore(m_state.connection()).load(m_weapon);
    if (!read) {
        m_prompter.tellFailure(this, read.status());
        return;
    }
    const GroupStore::Loaded& loaded = *read;
    m_slots.fill(loaded.groupSlots);
    showSlots();
    if (loaded.drawn != 24 &&
        m_prompter.ask(
            this, QMessageBox::Question, QStringLiteral("Incomplete Groups"),
            QStringLiteral("Groups have not been completed for this event. Create groups now?"),
            QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes) == QMessageBox::Yes) {
        bRerandomize_Click();
    }
}

void frmEditRosters::bRerandomize_Click() {
    const GroupDraw::Random random = m_random ? m_random : GroupDraw::ClockSeededRandom();
    const auto drawn = GroupDraw::Draw(fpRoster->rows(), m_schools, random);
    if (!drawn) {
        m_prompter.tell(this, QMessageBox::Warning, QStringLiteral("Incomplete Roster"),
                        QStringLiteral("You must complete the roster before making groups."));
        return;
    }
    m_slots.fill(drawn->groupSlots);
    showSlots();
    if (const QString warning = drawn->warning(); !warning.isEmpty()) {
        m_prompter.tell(this, QMessageBox::Information, QStringLiteral("Multiple teammates"),
                        warning);
    }
    setSaveEnabled(true);
}

void frmEditRosters::lName_Click(int k) {
    const int picked = m_slots.selected();
    switch (m_slots.click(k)) {
        case GroupSlots::Click::Picked:
            m_groupView->setPicked(k, true);
            return;
        case GroupSlots::Click::Unpicked:
            m_groupView->setPicked(k, false);
            return;
        case GroupSlots::Click::AskSwap:
            break;
    }
    m_groupView->setPicked(k, true);
    const auto answer = m_prompter.ask(this, QMessageBox::Question, QStringLiteral("Swap Fencers"),
                                       m_slots.swapQuestion(k), QMessageBox::Yes | QMessageBox::No,
                                       QMessageBox::Yes);
    if (answer == QMessageBox::Yes) {
        m_slots.swapWithSelected(k);
        showSlots();
        setSaveEnabled(true);
    } else {
        m_groupView->setPicked(k, false);
        m_groupView->setPicked(picked, true);
    }
}

void frmEditRosters::bCancel_Click() {
    if (!askToSave()) {
        return;
    }
    if (groupViewShowing()) {
        switchView();
    } else {
        QDialog::reject();
    }
}

void frmEditRosters::reject() {
    bCancel_Click();
}
