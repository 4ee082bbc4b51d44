#include "app/frmUtilities.h"

#include "app/frmColors.h"
#include "app/frmRestoreSnapshot.h"
#include "db/DataReset.h"
#include "db/ORLEMain.h"
#include "db/Snapshots.h"
#include "db/frmHistory.h"
#include "print/SystemPrinterSink.h"
#include "publish/FullResultsReport.h"
#include "roster/frmEditStripNums.h"
#include "roster/frmEditTeamNames.h"
#include "widgets/EnterAsTab.h"
#include "widgets/ModelessPreviewSink.h"
#include "widgets/NamedButton.h"
#include "widgets/PrintOutcome.h"
#include "widgets/Prompter.h"
#include "widgets/WaitCursor.h"

#include <QApplication>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const QString kConfirm = QStringLiteral("Confirm initialization");

QPushButton* commandButton(const char* name, const char* caption, QWidget* parent) {
    return NamedButton(QLatin1String(name), QString::fromUtf8(caption), parent, QSize(220, 40));
}

}  // namespace

frmUtilities::frmUtilities(ORLEMain& state, Prompter& prompter, QWidget* parent)
    : QDialog(parent), m_state(state), m_prompter(prompter) {
    setObjectName(QStringLiteral("frmUtilities"));
    setWindowTitle(QStringLiteral("Utilities & Reports"));
    bEditTeamNames = commandButton("bEditTeamNames", "Edit &Team Names", this);
    bColors = commandButton("bColors", "Weapon &Colors", this);
    bStripNums = commandButton("bStripNums", "Assign &Strip Numbers", this);
    bInitializeResults = commandButton("bInitializeResults", "&Initialize Results", this);
    bFullResults = commandButton("bFullResults", "&Full Results", this);
    bHistory = commandButton("bHistory", "&History...", this);
    bRestoreSnapshot = commandButton("bRestoreSnapshot", "Restore Snaps&hot...", this);
    bExit = commandButton("bExit", "&Return", this);

    connect(bEditTeamNames, &QPushButton::clicked, this, &frmUtilities::bEditTeamNames_Click);
    connect(bColors, &QPushButton::clicked, this, &frmUtilities::bColors_Click);
    connect(bStripNums, &QPushButton::clicked, this, &frmUtilities::bStripNums_Click);
    connect(bInitializeResults, &QPushButton::clicked, this,
            &frmUtilities::bInitializeResults_Click);
    connect(bFullResults, &QPushButton::clicked, this, &frmUtilities::bFullResults_Click);
    connect(bHistory, &QPushButton::clicked, this, &frmUtilities::bHistory_Click);
    connect(bRestoreSnapshot, &QPushButton::clicked, this, &frmUtilities::bRestoreSnapshot_Click);
    connect(bExit, &QPushButton::clicked, this, &QDialog::close);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 20, 24, 20);
    layout->setSpacing(10);
    for (QPushButton* button : {bEditTeamNames, bColors, bStripNums, bInitializeResults,
                                bFullResults, bHistory, bRestoreSnapshot, bExit}) {
        layout->addWidget(button, 0, Qt::AlignHCenter);
    }
    layout->setSizeConstraint(QLayout::SetFixedSize);
    EnterAsTab::install(this);
}

void frmUtilities::bInitializeResults_Click() {
    if (!m_state.isOpen()) {
        return;
    }
    if (m_prompter.ask(this, QMessageBox::Warning, kConfirm,
                       QStringLiteral("Are you sure you want to initialize all results?"),
                       QMessageBox::Yes | QMessageBox::No, QMessageBox::No) != QMessageBox::Yes) {
        return;
    }
    const bool eraseRosters =
        m_prompter.ask(this, QMessageBox::Question, kConfirm,
                       QStringLiteral("Do you want to erase all rosters?"),
                       QMessageBox::Yes | QMessageBox::No, QMessageBox::No) == QMessageBox::Yes;
    const QString last = QStringLiteral("All results") +
                         (eraseRosters ? QStringLiteral(" and rosters") : QString()) +
                         QStringLiteral(" will be erased.\r\n\r\nThis action cannot be reversed.");
    if (m_prompter.ask(this, QMessageBox::Question, kConfirm, last,
                       QMessageBox::Ok | QMessageBox::Cancel,
                       QMessageBox::Cancel) != QMessageBox::Ok) {
        m_prompter.tell(this, QMessageBox::Information, QStringLiteral("Nothing done"),
                        QStringLiteral("The data has NOT been initialized."));
        return;
    }
    Status wiped = Status::success();
    {
        WaitCursor busy;
        // The wipe goes ahead only once a snapshot can bring the results back.
        wiped = Snapshots::Before(m_state.connection(), QStringLiteral("reset"));
        if (wiped) {
            wiped = DataReset::InitializeResults(m_state.connection(), eraseRosters);
        }
    }
    if (!wiped) {
        m_prompter.tell(
            this, QMessageBox::Critical, kConfirm,
            QStringLiteral("The data has NOT been initialized.\r\n\r\n") + wiped.message());
    }
}

void frmUtilities::bFullResults_Click() {
    if (!m_state.isOpen()) {
        return;
    }
    BandedReport report;
    Status status = Status::success();
    {
        WaitCursor busy;
        status = FullResultsReport::Build(m_state.connection(), m_state.ChampionshipYear, report);
    }
    if (!status) {
        m_prompter.tell(this, QMessageBox::Critical, windowTitle(), status.message());
        return;
    }
    if (m_sink) {
        TellPrintOutcome(m_prompter, this, windowTitle(), m_sink->print(report), {});
        return;
    }
    // The report stays open beside the other windows while the staff go on working.
    ModelessPreviewSink preview(
        [path = m_state.connection().path()] { return std::make_unique<SystemPrinterSink>(path); },
        m_prompter, this);
    TellPrintOutcome(m_prompter, this, windowTitle(), preview.print(report), {});
}

void frmUtilities::bColors_Click() {
    if (!m_colors) {
        m_colors = new frmColors(m_state, m_prompter, this);
    }
    m_colors->Form_Load();
    m_colors->exec();
}

void frmUtilities::bStripNums_Click() {
    if (!m_stripNums) {
        m_stripNums = new frmEditStripNums(m_state, m_prompter, this);
    }
    m_stripNums->Form_Load();
    m_stripNums->exec();
}

void frmUtilities::bEditTeamNames_Click() {
    if (!m_teamNames) {
        m_teamNames = new frmEditTeamNames(m_state, m_prompter, this);
    }
    if (m_teamNames->Form_Load()) {
        m_teamNames->exec();
    }
    // The editor may have changed the schools the groups count on; let its closing settle first.
    QApplication::processEvents();
    if (Status counted = m_state.RecountGroups(); !counted) {
        m_prompter.tellFailure(this, counted);
    }
}

void frmUtilities::bHistory_Click() {
    if (!m_state.isOpen()) {
        return;
    }
    if (!m_history) {
        m_history = new frmHistory(m_state, m_prompter, this);
    }
    m_history->setFilter(std::nullopt, std::nullopt);
    m_history->exec();
}

void frmUtilities::bRestoreSnapshot_Click() {
    if (!m_state.isOpen()) {
        return;
    }
    if (!m_restoreSnapshot) {
        m_restoreSnapshot = new frmRestoreSnapshot(m_state, m_prompter, this);
    }
    m_restoreSnapshot->Form_Load();
    m_restoreSnapshot->exec();
}
