#include "entry/frmEnterPool.h"

#include "db/ChangedElsewhere.h"
#include "db/ORLEMain.h"
#include "entry/EntryHeader.h"
#include "entry/EntryMoves.h"
#include "entry/RoundSnapshotStep.h"
#include "entry/StartEntryWindow.h"
#include "entry/StripHeader.h"
#include "widgets/EnterAsTab.h"
#include "widgets/EventColor.h"
#include "widgets/NamedButton.h"
#include "widgets/OtherStations.h"
#include "widgets/Prompter.h"
#include "widgets/WaitCursor.h"

#include <QAction>
#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace {

const QString kExcluded = QStringLiteral("EXCLUDED");

QLabel* gridLabel(const QString& name, const QString& text, Qt::Alignment align, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setAlignment(align | Qt::AlignVCenter);
    return label;
}

QPushButton* navButton(const char* name, const char* caption, QWidget* parent) {
    QPushButton* button = NamedButton(QLatin1String(name), QLatin1String(caption), parent);
    button->setFixedWidth(56);
    return button;
}

int cellIndex(int row, int column) {
    return 10 * row + column;
}

}  // namespace

frmEnterPool::frmEnterPool(ORLEMain& state, Prompter& prompter, QWidget* parent)
    : EntryDialog(parent), m_state(state), m_prompter(prompter), m_menus(this, false) {
    setObjectName(QStringLiteral("frmEnterPool"));
    m_header = StartEntryWindow(this, m_menus.bar);
    auto* outer = static_cast<QVBoxLayout*>(layout());
    auto* grid = new QWidget(this);
    buildGrid(grid);
    outer->addWidget(grid, 0, Qt::AlignHCenter);
    buildButtons();
    connectMenus();
    EnterAsTab::install(this);
}

void frmEnterPool::buildGrid(QWidget* parent) {
    auto* grid = new QGridLayout(parent);
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(6);
    const QStringList totals = {QStringLiteral("V"), QStringLiteral("TS"), QStringLiteral("TR"),
                                QStringLiteral("Ind")};
    for (int c = 0; c < 6; ++c) {
        grid->addWidget(gridLabel(QStringLiteral("lColNum%1").arg(c), QString::number(c + 1),
                                  Qt::AlignHCenter, parent),
                        0, 3 + c);
    }
    for (int t = 0; t < totals.size(); ++t) {
        grid->addWidget(gridLabel(QString(), totals[t], Qt::AlignHCenter, parent), 0, 9 + t);
    }
    QFont markFont = font();
    markFont.setPointSizeF(markFont.pointSizeF() * 1.3);
    markFont.setBold(true);
    for (int r = 0; r < 6; ++r) {
        const int row = r + 1;
        grid->addWidget(gridLabel(QStringLiteral("lRowNum%1").arg(r), QString::number(r + 1),
                                  Qt::AlignRight, parent),
                        row, 0);
        lFencerName[r] =
            gridLabel(QStringLiteral("lFencerName%1").arg(r), QString(), Qt::AlignLeft, parent);
        lFencerName[r]->setMinimumWidth(200);
        lTeam[r] = gridLabel(QStringLiteral("lTeam%1").arg(r), QString(), Qt::AlignLeft, parent);
        lTeam[r]->setMinimumWidth(60);
        grid->addWidget(lFencerName[r], row, 1);
        grid->addWidget(lTeam[r], row, 2);
        for (int c = 0; c < 6; ++c) {
            if (r == c) {
                auto* unused = new QFrame(parent);
                unused->setFrameShape(QFrame::Box);
                unused->setAutoFillBackground(true);
                unused->setBackgroundRole(QPalette::Dark);
                unused->setFixedSize(38, 32);
                grid->addWidget(unused, row, 3 + c);
                continue;
            }
            auto* cell = new QLineEdit(parent);
            cell->setObjectName(QStringLiteral("lScore%1").arg(cellIndex(r, c)));
            cell->setProperty("cell", cellIndex(r, c));
            cell->setMaxLength(1);
            cell->setAlignment(Qt::AlignCenter);
            cell->setFont(markFont);
            cell->setFixedSize(38, 32);
            cell->installEventFilter(this);
            // Pasted text is held to the marks, like typed keys.
            connect(cell, &QLineEdit::textEdited, this, [this, cell](const QString& text) {
                const QString mark = text.trimmed().toUpper();
                const int k = cell->property("cell").toInt();
                setMark(k, ScoreRules::IsMark(mark) || mark.isEmpty()
                               ? mark
                               : m_pool.scores.mark(k / 10, k % 10));
            });
            lScore[cellIndex(r, c)] = cell;
            grid->addWidget(cell, row, 3 + c);
        }
        std::array<QLabel*, 6>* columns[] = {&lVict, &lTS, &lTR, &lInd};
        const char* names[] = {"lVict", "lTS", "lTR", "lInd"};
        for (int t = 0; t < 4; ++t) {
            QLabel* label = gridLabel(QStringLiteral("%1%2").arg(QLatin1String(names[t])).arg(r),
                                      QString(), Qt::AlignHCenter, parent);
            label->setMinimumWidth(34);
            (*columns[t])[r] = label;
            grid->addWidget(label, row, 9 + t);
        }
    }
    // The tab order runs through the grid row by row, as the arrow keys do.
    QWidget* previous = nullptr;
    for (const auto& [index, cell] : lScore) {
        if (previous) {
            setTabOrder(previous, cell);
        }
        previous = cell;
    }
}

void frmEnterPool::buildButtons() {
    cbDataToSave = new QCheckBox(QStringLiteral("Data to Save?"), this);
    cbDataToSave->setObjectName(QStringLiteral("cbDataToSave"));
    cbDataToSave->setTristate(true);
    // The box shows the data state; only the window changes it.
    cbDataToSave->setAttribute(Qt::WA_TransparentForMouseEvents);
    cbDataToSave->setFocusPolicy(Qt::NoFocus);
    auto* hint = new QLabel(QStringLiteral("Press <F5> to refresh the pool totals."), this);
    bPrev = navButton("bPrev", "<", this);
    bNext = navButton("bNext", ">", this);
    bNextRound = navButton("bNextRound", ">>", this);
    bPrev->setToolTip(QStringLiteral("Previous strip set"));
    bNext->setToolTip(QStringLiteral("Next strip set"));
    bNextRound->setToolTip(QStringLiteral("Round 2"));
    auto* row = new QHBoxLayout;
    row->addWidget(cbDataToSave);
    row->addSpacing(18);
    row->addWidget(hint);
    row->addStretch();
    row->addWidget(bPrev);
    row->addWidget(bNext);
    row->addSpacing(12);
    row->addWidget(bNextRound);
    static_cast<QVBoxLayout*>(layout())->addLayout(row);
    connect(bPrev, &QPushButton::clicked, this,
            [this] { moveTo(m_state.CurrentWeapon, m_state.CurrentStripSet - 1); });
    connect(bNext, &QPushButton::clicked, this,
            [this] { moveTo(m_state.CurrentWeapon, m_state.CurrentStripSet + 1); });
    connect(bNextRound, &QPushButton::clicked, this, [this] { handOver(1); });
}

void frmEnterPool::connectMenus() {
    for (int w = 0; w < 6; ++w) {
        connect(m_menus.mWeapon[w], &QAction::triggered, this,
                [this, w] { moveTo(w, m_state.CurrentStripSet); });
    }
    for (int s = 0; s < 4; ++s) {
        connect(m_menus.mStrip[s], &QAction::triggered, this,
                [this, s] { moveTo(m_state.CurrentWeapon, s); });
    }
    for (int r = 1; r < 7; ++r) {
        connect(m_menus.mRound[r], &QAction::triggered, this, [this, r] { handOver(r); });
    }
    // Round one is this window; its item only keeps its tick.
    connect(m_menus.mRound[0], &QAction::triggered, this,
            [this] { m_menus.mRound[0]->setChecked(true); });
    connect(m_menus.mNextRound, &QAction::triggered, this, [this] { handOver(1); });
    connect(m_menus.mFinalFour, &QAction::triggered, this, [this] { handOver(8); });
    connect(m_menus.mPrevStrip, &QAction::triggered, bPrev, &QPushButton::click);
    connect(m_menus.mNextStrip, &QAction::triggered, bNext, &QPushButton::click);
    connect(m_menus.mExit, &QAction::triggered, this, &frmEnterPool::reject);
    connect(m_menus.mHistory, &QAction::triggered, this, [this] {
        showHistory(m_state, m_prompter, m_state.CurrentRound, [this] { loadPool(); });
    });
    m_menus.mPrevRound->setEnabled(false);
}

void frmEnterPool::Form_Load() {
    m_state.CurrentRound = 0;
    m_leaving = false;
    m_menus.setEventNames(m_prompter.valueOrTell(
        this, StripHeader::EventNames(m_state.connection()), QStringList(6)));
    m_menus.mFinalFour->setEnabled(m_handOver.finalFourAvailable);
    m_menus.mNextRound->setEnabled(m_state.LastRound >= 1);
    bNextRound->setEnabled(m_state.LastRound >= 1);
    loadPool();
}

void frmEnterPool::loadPool() {
    loadedFrom(m_state);
    WaitCursor busy;
    const Database& db = m_state.connection();
    const int weapon = m_state.CurrentWeapon;
    const int strip = m_state.CurrentStripSet;
    m_menus.setStripNames(
        m_prompter.valueOrTell(this, StripHeader::StripNames(db, weapon), QStringList(4)));
    m_menus.check(weapon, 0, strip);
    for (int s = 0; s < 4; ++s) {
        m_menus.mStrip[s]->setEnabled(s <= m_state.LastStripSet);
    }
    for (int r = 1; r < 7; ++r) {
        m_menus.mRound[r]->setEnabled(r <= m_state.LastRound);
    }
    const bool hasPrev = strip > 0;
    const bool hasNext = strip < m_state.LastStripSet;
    bPrev->setEnabled(hasPrev);
    m_menus.mPrevStrip->setEnabled(hasPrev);
    bNext->setEnabled(hasNext);
    m_menus.mNextStrip->setEnabled(hasNext);
    m_header->show(m_menus.eventName(weapon), m_menus.roundName(0), strip, m_menus.stripName(strip),
                   m_prompter.valueOrTell(this, StripHeader::Matchup(db, 0, strip)));
    PaintEventBackground(this, m_state.EventColors[static_cast<size_t>(weapon)]);
    m_pool = m_prompter.valueOrTell(this, PoolEntry::Load(db, weapon, strip));
    showPlaces();
    showMarks();
    RefreshTotals();
    cbDataToSave->setCheckState(Qt::Unchecked);
    const auto enabled = [this](int cell) { return lScore.at(cell)->isEnabled(); };
    focusCell(enabled(1) ? 1 : EntryMoves::PoolMove(1, EntryMoves::Direction::Right, enabled));
}

void frmEnterPool::showPlaces() {
    for (int p = 0; p < 6; ++p) {
        const LineupFencer& f = m_pool.lineup.places[static_cast<size_t>(p)];
        QFont font = lFencerName[p]->font();
        font.setItalic(f.excluded);
        lFencerName[p]->setFont(font);
        lFencerName[p]->setText(f.excluded ? kExcluded : f.name);
        lFencerName[p]->setProperty("tag", f.fencerNumber);
        lTeam[p]->setText(f.excluded ? QString() : f.school);
    }
}

void frmEnterPool::showMarks() {
    const QColor inactive = palette().color(QPalette::Disabled, QPalette::Button);
    for (const auto& [index, cell] : lScore) {
        const int r = index / 10;
        const int c = index % 10;
        const bool typed = m_pool.cellEntered(r, c);
        OtherStations::ClearMark(cell);
        cell->setText(typed ? m_pool.scores.mark(r, c) : QString());
        cell->setEnabled(typed);
        QPalette pal = cell->palette();
        pal.setColor(QPalette::Base,
                     typed ? palette().color(QPalette::Active, QPalette::Base) : inactive);
        cell->setPalette(pal);
    }
}

bool frmEnterPool::RefreshTotals() {
    if (const auto bad = m_pool.scores.firstInvalidBout(m_pool.entered())) {
        m_prompter.tell(
            this, QMessageBox::Warning, QStringLiteral("Invalid result"),
            QStringLiteral("Invalid data in bout %1-%2").arg(bad->first + 1).arg(bad->second + 1));
        return false;
    }
    const std::array<PoolTotals, 6> totals = m_pool.scores.totals();
    for (int p = 0; p < 6; ++p) {
        const bool shown = m_pool.lineup.places[static_cast<size_t>(p)].entersBouts();
        const PoolTotals& t = totals[static_cast<size_t>(p)];
        lVict[p]->setText(shown ? QString::number(t.victories) : QString());
        lTS[p]->setText(shown ? QString::number(t.touchesScored) : QString());
        lTR[p]->setText(shown ? QString::number(t.touchesReceived) : QString());
        lInd[p]->setText(shown ? ScoreRules::IndicatorText(t.indicator()) : QString());
    }
    return true;
}

void frmEnterPool::clearTotals() {
    for (int p = 0; p < 6; ++p) {
        lVict[p]->clear();
        lTS[p]->clear();
        lTR[p]->clear();
        lInd[p]->clear();
    }
}

void frmEnterPool::edited() {
    clearTotals();
    cbDataToSave->setCheckState(Qt::PartiallyChecked);
}

void frmEnterPool::setMark(int cell, const QString& mark) {
    QLineEdit* box = lScore.at(cell);
    const bool changed = m_pool.scores.mark(cell / 10, cell % 10) != mark;
    box->setText(mark);
    m_pool.scores.setMark(cell / 10, cell % 10, mark);
    if (changed) {
        edited();
    }
}

// A failed save keeps the marks on screen and the state unsaved, so nothing typed is lost.
// Bouts another writer saved meanwhile are shown as stored, and the window stays on the pool
// so they can be seen.
bool frmEnterPool::save() {
    QStringList changedElsewhere;
    Status saved = [&] {
        WaitCursor busy;
        return m_pool.save(m_state.connection(), m_state.CurrentWeapon, &changedElsewhere);
    }();
    if (!saved) {
        m_prompter.tell(this, QMessageBox::Critical, QStringLiteral("Save Data?"),
                        QStringLiteral("The pool could not be saved.\n\n%1").arg(saved.message()));
        cbDataToSave->setCheckState(Qt::PartiallyChecked);
        return false;
    }
    cbDataToSave->setCheckState(Qt::Unchecked);
    KeepRoundSnapshot(m_prompter, this, m_state.connection(), m_state.CurrentWeapon, 0);
    savedHere();
    if (changedElsewhere.isEmpty()) {
        return true;
    }
    m_prompter.tell(this, QMessageBox::Warning, ChangedElsewhere::Title(),
                    ChangedElsewhere::Message(changedElsewhere));
    showMarks();
    RefreshTotals();
    return false;
}

bool frmEnterPool::SavePool(const QString& action) {
    switch (cbDataToSave->checkState()) {
        case Qt::Unchecked:
            return true;
        case Qt::Checked:
            return save();
        case Qt::PartiallyChecked:
            break;
    }
    const QMessageBox::StandardButton answer = m_prompter.ask(
        this, QMessageBox::Question, QStringLiteral("Save Data?"),
        QStringLiteral("Data has not been saved. Would you like to save it before %1?").arg(action),
        QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes);
    if (answer == QMessageBox::Yes) {
        return RefreshTotals() && save();
    }
    if (answer == QMessageBox::No) {
        cbDataToSave->setCheckState(Qt::Unchecked);
        return true;
    }
    return false;
}

void frmEnterPool::moveTo(int weapon, int stripSet) {
    const bool other = weapon != m_state.CurrentWeapon || stripSet != m_state.CurrentStripSet;
    if (other && stripSet >= 0 && stripSet <= m_state.LastStripSet &&
        SavePool(QStringLiteral("moving"))) {
        m_state.CurrentWeapon = static_cast<short>(weapon);
        m_state.CurrentStripSet = static_cast<short>(stripSet);
        loadPool();
        return;
    }
    checkMenus();
}

bool frmEnterPool::confirmMove() {
    return SavePool(QStringLiteral("moving"));
}

// Leaving checks the grid first; a pool with a bad pair stays open to be corrected.
bool frmEnterPool::confirmLeave() {
    return RefreshTotals() && SavePool(QStringLiteral("exiting"));
}

void frmEnterPool::checkMenus() {
    m_menus.check(m_state.CurrentWeapon, 0, m_state.CurrentStripSet);
}

void frmEnterPool::focusCell(int cell) {
    const auto it = lScore.find(cell);
    if (it != lScore.end() && it->second->isEnabled()) {
        it->second->setFocus(Qt::OtherFocusReason);
        it->second->selectAll();
    }
}

void frmEnterPool::moveFrom(int cell, int direction) {
    const auto enabled = [this](int k) {
        const auto it = lScore.find(k);
        return it != lScore.end() && it->second->isEnabled();
    };
    focusCell(EntryMoves::PoolMove(cell, static_cast<EntryMoves::Direction>(direction), enabled));
}

bool frmEnterPool::cellKey(int cell, int key, const QString& text) {
    using D = EntryMoves::Direction;
    if (key >= Qt::Key_0 && key <= Qt::Key_5) {
        setMark(cell, QString::number(key - Qt::Key_0));
        moveFrom(cell, static_cast<int>(D::Right));
    } else if (key == Qt::Key_V) {
        setMark(cell, QStringLiteral("V"));
        moveFrom(cell, static_cast<int>(D::Right));
    } else if (key == Qt::Key_Space) {
        setMark(cell, QString());
        moveFrom(cell, static_cast<int>(D::Right));
    } else if (key == Qt::Key_Delete || key == Qt::Key_Backspace) {
        setMark(cell, QString());
    } else if (key == Qt::Key_Right || key == Qt::Key_Left || key == Qt::Key_Up ||
               key == Qt::Key_Down) {
        const D d = key == Qt::Key_Right  ? D::Right
                    : key == Qt::Key_Left ? D::Left
                    : key == Qt::Key_Up   ? D::Up
                                          : D::Down;
        moveFrom(cell, static_cast<int>(d));
    } else if (key == Qt::Key_F5) {
        if (RefreshTotals() && cbDataToSave->checkState() == Qt::PartiallyChecked) {
            cbDataToSave->setCheckState(Qt::Checked);
            save();
        }
    } else {
        // Tab, Enter and Escape go on to the window; any other character is no mark.
        return !text.isEmpty() && key != Qt::Key_Tab && key != Qt::Key_Backtab &&
               key != Qt::Key_Return && key != Qt::Key_Enter && key != Qt::Key_Escape;
    }
    return true;
}

bool frmEnterPool::eventFilter(QObject* watched, QEvent* event) {
    const QVariant cell = watched->property("cell");
    if (!cell.isValid()) {
        return QDialog::eventFilter(watched, event);
    }
    if (event->type() == QEvent::FocusIn) {
        auto* box = static_cast<QLineEdit*>(watched);
        box->setModified(false);
        box->selectAll();
        // A mouse click places the cursor after the focus arrives; select once it has,
        // unless typing has begun.
        QTimer::singleShot(0, box, [box] {
            if (box->hasFocus() && !box->isModified()) {
                box->selectAll();
            }
        });
        return false;
    }
    if (event->type() == QEvent::FocusOut) {
        static_cast<QLineEdit*>(watched)->deselect();
        return false;
    }
    if (event->type() != QEvent::KeyPress) {
        return false;
    }
    auto* key = static_cast<QKeyEvent*>(event);
    const Qt::KeyboardModifiers mods = key->modifiers() & ~Qt::KeypadModifier;
    if (mods & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) {
        return false;  // the window's shortcuts and access keys
    }
    if (mods & Qt::ShiftModifier) {
        if (key->key() == Qt::Key_V) {
            return cellKey(cell.toInt(), key->key(), key->text());
        }
        return key->key() != Qt::Key_Backtab && !key->text().isEmpty();
    }
    return cellKey(cell.toInt(), key->key(), key->text());
}

bool frmEnterPool::hasUnsavedEntries() const {
    return cbDataToSave->checkState() == Qt::PartiallyChecked;
}

void frmEnterPool::markChangedElsewhere() {
    const Result<PoolEntry> stored =
        PoolEntry::Load(m_state.connection(), m_state.CurrentWeapon, m_state.CurrentStripSet);
    if (!stored) {
        // Unreadable now (the server is away): the save checks every bout against it anyway.
        return;
    }
    for (const auto& [index, cell] : lScore) {
        const int r = index / 10;
        const int c = index % 10;
        const QString& now = stored->loaded.mark(r, c);
        if (now != m_pool.loaded.mark(r, c) && now != m_pool.scores.mark(r, c)) {
            OtherStations::MarkChanged(cell, now);
        }
    }
}

void frmEnterPool::afterRestore() {
    followRestore(m_prompter, [this] { loadPool(); });
}
