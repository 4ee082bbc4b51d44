#include "standings/frmEditFinalFencers.h"

#include "db/ORLEMain.h"
#include "entry/ScoreRules.h"
#include "standings/FinalFourSeeding.h"
#include "widgets/EnterAsTab.h"
#include "widgets/EventColor.h"
#include "widgets/HelpMenu.h"
#include "widgets/NamedAction.h"
#include "widgets/NamedButton.h"
#include "widgets/Prompter.h"
#include "widgets/ScreenFit.h"
#include "widgets/WaitCursor.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QShortcut>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

constexpr int kColumns = 7;
const QColor kSeedColor(255, 128, 128);

QPushButton* button(const char* name, const QString& caption, QWidget* parent) {
    return NamedButton(QLatin1String(name), caption, parent, QSize(110, 0));
}

QTableWidgetItem* cell(const QString& text, Qt::Alignment align = Qt::AlignRight) {
    auto* item = new QTableWidgetItem(text);
    item->setTextAlignment(align | Qt::AlignVCenter);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    return item;
}

}  // namespace

frmEditFinalFencers::frmEditFinalFencers(ORLEMain& state, Prompter& prompter, QWidget* parent)
    : LeaveGuardedDialog(parent), m_state(state), m_prompter(prompter) {
    setObjectName(QStringLiteral("frmEditFinalFencers"));
    setWindowTitle(QStringLiteral("Select Final Four Competitors"));
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(18, 12, 18, 14);
    outer->setSpacing(10);
    lWeaponName = new QLabel(this);
    lWeaponName->setObjectName(QStringLiteral("lWeaponName"));
    QFont big = lWeaponName->font();
    big.setPointSizeF(big.pointSizeF() * 1.4);
    big.setBold(true);
    lWeaponName->setFont(big);
    lWeaponName->setAlignment(Qt::AlignCenter);
    outer->addWidget(lWeaponName);
    buildGrid();
    buildButtons();
    buildMenus();
    EnterAsTab::install(this);
    FitToScreen(this, {760, 640});
}

void frmEditFinalFencers::buildGrid() {
    fpStandings = new QTableWidget(SeedingTable::kRows, kColumns, this);
    fpStandings->setObjectName(QStringLiteral("fpStandings"));
    fpStandings->setHorizontalHeaderLabels({QStringLiteral("Name"), QStringLiteral("V"),
                                            QStringLiteral("% Vict"), QStringLiteral("TS"),
                                            QStringLiteral("TR"), QStringLiteral("Ind"),
                                            QStringLiteral("FencerNum")});
    fpStandings->setSelectionBehavior(QAbstractItemView::SelectRows);
    fpStandings->setSelectionMode(QAbstractItemView::SingleSelection);
    fpStandings->setEditTriggers(QAbstractItemView::NoEditTriggers);
    fpStandings->setTabKeyNavigation(false);
    fpStandings->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    for (int c = 1; c < kColumns; ++c) {
        fpStandings->horizontalHeader()->setSectionResizeMode(c, QHeaderView::ResizeToContents);
    }
    fpStandings->verticalHeader()->setDefaultSectionSize(22);
    // The marks belong to the positions: the first four are the seeds, the rest are out.
    for (int r = 0; r < SeedingTable::kRows; ++r) {
        const bool seed = r < SeedingTable::kSeeds;
        auto* mark = new QTableWidgetItem(seed ? QString::number(r + 1) : QStringLiteral("OUT"));
        mark->setTextAlignment(Qt::AlignCenter);
        mark->setBackground(seed ? kSeedColor : QColor(Qt::white));
        fpStandings->setVerticalHeaderItem(r, mark);
    }
    connect(fpStandings, &QTableWidget::currentCellChanged, this,
            &frmEditFinalFencers::enableMoves);
    layout()->addWidget(fpStandings);
}

void frmEditFinalFencers::buildButtons() {
    bUp = button("bUp", QStringLiteral("\u25B2 &Up"), this);
    bDown = button("bDown", QStringLiteral("\u25BC Do&wn"), this);
    bReload = button("bReload", QStringLiteral("Re&load"), this);
    bDelete = button("bDelete", QStringLiteral("&Delete Seeds"), this);
    bSave = button("bSave", QStringLiteral("&Save"), this);
    bCancel = button("bCancel", QStringLiteral("Cancel"), this);
    bUp->setToolTip(QStringLiteral("Move the selected fencer up (Ctrl+Up)"));
    bDown->setToolTip(QStringLiteral("Move the selected fencer down (Ctrl+Down)"));
    auto* row = new QHBoxLayout;
    for (QPushButton* b : {bUp, bDown, bReload, bDelete}) {
        row->addWidget(b);
    }
    row->addStretch();
    row->addWidget(bSave);
    row->addWidget(bCancel);
    static_cast<QVBoxLayout*>(layout())->addLayout(row);
    QWidget* previous = fpStandings;
    for (QWidget* next : {static_cast<QWidget*>(bUp), static_cast<QWidget*>(bDown),
                          static_cast<QWidget*>(bReload), static_cast<QWidget*>(bDelete),
                          static_cast<QWidget*>(bSave), static_cast<QWidget*>(bCancel)}) {
        setTabOrder(previous, next);
        previous = next;
    }
    // From the grid the fencer moves without leaving it.
    auto* up = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Up), this);
    auto* down = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Down), this);
    connect(up, &QShortcut::activated, this, [this] {
        if (bUp->isEnabled()) {
            moveFencer(-1);
        }
    });
    connect(down, &QShortcut::activated, this, [this] {
        if (bDown->isEnabled()) {
            moveFencer(1);
        }
    });
    connect(bUp, &QPushButton::clicked, this, [this] { moveFencer(-1); });
    connect(bDown, &QPushButton::clicked, this, [this] { moveFencer(1); });
    connect(bReload, &QPushButton::clicked, this, &frmEditFinalFencers::loadSeeding);
    connect(bDelete, &QPushButton::clicked, this, &frmEditFinalFencers::deleteSeeding);
    connect(bSave, &QPushButton::clicked, this, [this] {
        if (save()) {
            m_leaving = true;
            accept();
        }
    });
    connect(bCancel, &QPushButton::clicked, this, &frmEditFinalFencers::reject);
}

void frmEditFinalFencers::buildMenus() {
    auto* bar = new QMenuBar(this);
    QMenu* file = bar->addMenu(QStringLiteral("&File"));
    mSave = NamedAction(file->addAction(QStringLiteral("&Save")), QStringLiteral("mSave"));
    mSave->setShortcut(QKeySequence::Save);
    mExit = NamedAction(file->addAction(QStringLiteral("E&xit")), QStringLiteral("mExit"));
    AddHelpMenu(bar, this);
    connect(mSave, &QAction::triggered, bSave, &QPushButton::click);
    connect(mExit, &QAction::triggered, this, &frmEditFinalFencers::reject);
    layout()->setMenuBar(bar);
}

void frmEditFinalFencers::Form_Load(const QString& weaponName) {
    m_leaving = false;
    lWeaponName->setText(weaponName);
    PaintEventBackground(this, m_state.EventColors[static_cast<size_t>(m_state.CurrentWeapon)]);
    loadSeeding();
}

void frmEditFinalFencers::loadSeeding() {
    Status loaded = [this] {
        WaitCursor busy;
        return m_table.Load(m_state.connection(), m_state.CurrentWeapon);
    }();
    for (int r = 0; r < SeedingTable::kRows; ++r) {
        showRow(r);
    }
    if (!loaded) {
        m_prompter.tell(
            this, QMessageBox::Critical, windowTitle(),
            QStringLiteral("The standings could not be read.\n\n%1").arg(loaded.message()));
    }
    fpStandings->setCurrentCell(0, 0);
    fpStandings->setFocus(Qt::OtherFocusReason);
    enableMoves();
    m_pending = true;
}

void frmEditFinalFencers::showRow(int r) {
    const std::optional<SeedingRow>& f = m_table.at(r);
    if (!f) {
        for (int c = 0; c < kColumns; ++c) {
            fpStandings->setItem(r, c, cell(QString()));
        }
        return;
    }
    const QString name =
        QStringLiteral("%1 %2 (%3)").arg(f->FName.trimmed(), f->LName.trimmed(), f->Abbreviation);
    fpStandings->setItem(r, 0, cell(name, Qt::AlignLeft));
    fpStandings->setItem(r, 1, cell(QString::number(f->V)));
    fpStandings->setItem(r, 2, cell(QString::number(f->Pct, 'f', 3)));
    fpStandings->setItem(r, 3, cell(QString::number(f->TS)));
    fpStandings->setItem(r, 4, cell(QString::number(f->TR)));
    fpStandings->setItem(r, 5, cell(ScoreRules::IndicatorText(f->Ind)));
    fpStandings->setItem(r, 6, cell(QString::number(f->FencerNumber)));
}

void frmEditFinalFencers::moveFencer(int direction) {
    const int from = fpStandings->currentRow();
    const int to = m_table.Move(from, direction);
    if (to == from) {
        return;
    }
    fpStandings->setUpdatesEnabled(false);
    showRow(from);
    showRow(to);
    fpStandings->setCurrentCell(to, 0);
    fpStandings->setUpdatesEnabled(true);
    m_pending = true;
    enableMoves();
}

void frmEditFinalFencers::enableMoves() {
    const int row = fpStandings->currentRow();
    bUp->setEnabled(row > 0);
    bDown->setEnabled(row >= 0 && row < SeedingTable::kRows - 1);
}

bool frmEditFinalFencers::save() {
    const std::optional<FinalFourSeeding::Seeds> seeds = m_table.Seeds();
    const QString title = QStringLiteral("Save Seeding");
    if (!seeds) {
        m_prompter.ask(this, QMessageBox::Warning, title,
                       QStringLiteral("Can not save. Invalid data."),
                       QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Ok);
        m_pending = false;
        return false;
    }
    if (m_prompter.ask(this, QMessageBox::Information, title,
                       QStringLiteral("This will erase all results from the final four of this "
                                      "weapon."),
                       QMessageBox::Ok | QMessageBox::Cancel,
                       // Enter must not wipe a Final Four already fenced.
                       QMessageBox::Cancel) != QMessageBox::Ok) {
        return false;
    }
    Status saved = [&] {
        WaitCursor busy;
        if (Status kept =
                FinalFourSeeding::KeepFencedBouts(m_state.connection(), m_state.CurrentWeapon);
            !kept) {
            return kept;
        }
        return FinalFourSeeding::Save(m_state.connection(), m_state.CurrentWeapon, *seeds);
    }();
    if (!saved) {
        m_prompter.tell(
            this, QMessageBox::Critical, title,
            QStringLiteral("The seeding could not be saved.\n\n%1").arg(saved.message()));
        return false;
    }
    m_pending = false;
    return true;
}

void frmEditFinalFencers::deleteSeeding() {
    const QMessageBox::StandardButton answer = m_prompter.ask(
        this, QMessageBox::Warning, QStringLiteral("Delete Seeding"),
        QStringLiteral("This will remove all results from the Final Four\nand will reset the "
                       "standings to not include the final four.\n\nDo you want to continue?"),
        QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
    if (answer != QMessageBox::Yes) {
        return;
    }
    Status deleted = [&] {
        WaitCursor busy;
        // Fenced Final Four bouts go only once a snapshot can bring them back.
        if (Status kept =
                FinalFourSeeding::KeepFencedBouts(m_state.connection(), m_state.CurrentWeapon);
            !kept) {
            return kept;
        }
        return FinalFourSeeding::Delete(m_state.connection(), m_state.CurrentWeapon);
    }();
    if (!deleted) {
        m_prompter.tell(
            this, QMessageBox::Critical, QStringLiteral("Delete Seeding"),
            QStringLiteral("The seeding could not be deleted.\n\n%1").arg(deleted.message()));
        return;
    }
    m_pending = false;
    m_leaving = true;
    accept();
}

bool frmEditFinalFencers::confirmLeave() {
    if (!m_pending) {
        return true;
    }
    const QMessageBox::StandardButton answer = m_prompter.askToSaveChanges(this);
    if (answer == QMessageBox::Yes) {
        return save();
    }
    return answer == QMessageBox::No;
}
