#include "entry/frmEnterDual.h"

#include "db/ChangedElsewhere.h"
#include "db/ORLEMain.h"
#include "entry/EntryHeader.h"
#include "entry/EntryMoves.h"
#include "entry/RoundSnapshotStep.h"
#include "entry/ScoreRules.h"
#include "entry/StartEntryWindow.h"
#include "entry/StripHeader.h"
#include "widgets/EnterAsTab.h"
#include "widgets/EventColor.h"
#include "widgets/OtherStations.h"
#include "widgets/Prompter.h"
#include "widgets/WaitCursor.h"

#include <QAction>
#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>

namespace {

const char* const kNameArrays[] = {"lName", "lNameB", "lNameC"};

QPushButton* button(const char* name, const char* caption, int width, QWidget* parent) {
    auto* b = new QPushButton(QLatin1String(caption), parent);
    b->setObjectName(QLatin1String(name));
    b->setAutoDefault(true);
    b->setMinimumWidth(width);
    return b;
}

QLabel* victoryMark(const QString& name, QWidget* parent) {
    auto* mark = new QLabel(QStringLiteral("V"), parent);
    mark->setObjectName(name);
    QFont font = mark->font();
    font.setBold(true);
    font.setPointSizeF(font.pointSizeF() * 1.3);
    mark->setFont(font);
    mark->setFixedWidth(22);
    mark->setAlignment(Qt::AlignCenter);
    QSizePolicy keep = mark->sizePolicy();
    keep.setRetainSizeWhenHidden(true);
    mark->setSizePolicy(keep);
    mark->hide();
    return mark;
}

}  // namespace

frmEnterDual::frmEnterDual(ORLEMain& state, Prompter& prompter, QWidget* parent)
    : EntryDialog(parent), m_state(state), m_prompter(prompter), m_menus(this, true) {
    setObjectName(QStringLiteral("frmEnterDual"));
    m_header = StartEntryWindow(this, m_menus.bar);
    auto* outer = static_cast<QVBoxLayout*>(layout());
    auto* bouts = new QWidget(this);
    buildBouts(bouts);
    outer->addWidget(bouts, 0, Qt::AlignHCenter);
    outer->addStretch();
    buildButtons();
    connectMenus();
    EnterAsTab::install(this);
}

void frmEnterDual::buildBouts(QWidget* parent) {
    auto* grid = new QGridLayout(parent);
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(6);
    QFont scoreFont = font();
    scoreFont.setPointSizeF(scoreFont.pointSizeF() * 1.3);
    scoreFont.setBold(true);
    int row = 0;
    for (int s = 0; s < 3; ++s) {
        auto* heading =
            new QLabel(QStringLiteral("Bouts %1-%2").arg(3 * s + 1).arg(3 * s + 3), parent);
        QFont bold = heading->font();
        bold.setBold(true);
        heading->setFont(bold);
        grid->addWidget(heading, row++, 0, 1, 5, Qt::AlignHCenter);
        for (int line = 0; line < 6; ++line) {
            auto* name = new QLabel(parent);
            name->setObjectName(
                QStringLiteral("%1%2").arg(QLatin1String(kNameArrays[s])).arg(line));
            name->setMinimumWidth(240);
            name->setAlignment((line < 3 ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
            m_names[s][line] = name;
        }
        for (int b = 0; b < 3; ++b) {
            const int k = 3 * s + b;
            Score[k] = new QLineEdit(parent);
            Score[k]->setObjectName(QStringLiteral("Score%1").arg(k));
            Score[k]->setProperty("bout", k);
            Score[k]->setAlignment(Qt::AlignCenter);
            Score[k]->setFont(scoreFont);
            Score[k]->setFixedSize(72, 32);
            Score[k]->setMaxLength(12);
            Score[k]->installEventFilter(this);
            // Save is offered as soon as a box is typed in, so Alt+S or Ctrl+S from the
            // last box saves it; the box is read before anything is written.
            connect(Score[k], &QLineEdit::textEdited, this, &frmEnterDual::offerSave);
            lVictoryL[k] = victoryMark(QStringLiteral("lVictoryL%1").arg(k), parent);
            lVictoryR[k] = victoryMark(QStringLiteral("lVictoryR%1").arg(k), parent);
            grid->addWidget(m_names[s][b], row, 0);
            grid->addWidget(lVictoryL[k], row, 1);
            grid->addWidget(Score[k], row, 2);
            grid->addWidget(lVictoryR[k], row, 3);
            grid->addWidget(m_names[s][b + 3], row, 4);
            ++row;
        }
        if (s < 2) {
            grid->setRowMinimumHeight(row++, 10);
        }
    }
}

void frmEnterDual::buildButtons() {
    bPrevRound = button("bPrevRound", "<<", 48, this);
    bPrev = button("bPrev", "<", 48, this);
    bNext = button("bNext", ">", 48, this);
    bNextRound = button("bNextRound", ">>", 48, this);
    bSave = button("bSave", "&Save", 96, this);
    bCancel = button("bCancel", "Cancel", 96, this);
    bPrevRound->setToolTip(QStringLiteral("Previous round"));
    bPrev->setToolTip(QStringLiteral("Previous strip set"));
    bNext->setToolTip(QStringLiteral("Next strip set"));
    bNextRound->setToolTip(QStringLiteral("Next round"));
    auto* row = new QHBoxLayout;
    for (QPushButton* b : {bPrevRound, bPrev, bNext, bNextRound}) {
        row->addWidget(b);
    }
    row->addStretch();
    row->addWidget(bSave);
    row->addWidget(bCancel);
    static_cast<QVBoxLayout*>(layout())->addLayout(row);

    // The focus runs through the bouts in order, then to Save, so Enter after the last
    // score reaches Save.
    QWidget* previous = Score[0];
    for (QWidget* next : {static_cast<QWidget*>(Score[1]), static_cast<QWidget*>(Score[2]),
                          static_cast<QWidget*>(Score[3]), static_cast<QWidget*>(Score[4]),
                          static_cast<QWidget*>(Score[5]), static_cast<QWidget*>(Score[6]),
                          static_cast<QWidget*>(Score[7]), static_cast<QWidget*>(Score[8]),
                          static_cast<QWidget*>(bSave), static_cast<QWidget*>(bCancel),
                          static_cast<QWidget*>(bPrevRound), static_cast<QWidget*>(bPrev),
                          static_cast<QWidget*>(bNext), static_cast<QWidget*>(bNextRound)}) {
        setTabOrder(previous, next);
        previous = next;
    }

    const auto at = [this](int dw, int dr, int ds) {
        return [this, dw, dr, ds] {
            moveTo(m_state.CurrentWeapon + dw, m_state.CurrentRound + dr,
                   m_state.CurrentStripSet + ds);
        };
    };
    connect(bPrev, &QPushButton::clicked, this, at(0, 0, -1));
    connect(bNext, &QPushButton::clicked, this, at(0, 0, 1));
    connect(bPrevRound, &QPushButton::clicked, this, at(0, -1, 0));
    connect(bNextRound, &QPushButton::clicked, this, at(0, 1, 0));
    connect(bSave, &QPushButton::clicked, this, &frmEnterDual::save);
    connect(bCancel, &QPushButton::clicked, this, &frmEnterDual::reject);
}

void frmEnterDual::connectMenus() {
    for (int w = 0; w < 6; ++w) {
        connect(m_menus.mWeapon[w], &QAction::triggered, this,
                [this, w] { moveTo(w, m_state.CurrentRound, m_state.CurrentStripSet); });
    }
    for (int r = 0; r < 7; ++r) {
        connect(m_menus.mRound[r], &QAction::triggered, this,
                [this, r] { moveTo(m_state.CurrentWeapon, r, m_state.CurrentStripSet); });
    }
    for (int s = 0; s < 4; ++s) {
        connect(m_menus.mStrip[s], &QAction::triggered, this,
                [this, s] { moveTo(m_state.CurrentWeapon, m_state.CurrentRound, s); });
    }
    connect(m_menus.mPrevRound, &QAction::triggered, bPrevRound, &QPushButton::click);
    connect(m_menus.mNextRound, &QAction::triggered, bNextRound, &QPushButton::click);
    connect(m_menus.mPrevStrip, &QAction::triggered, bPrev, &QPushButton::click);
    connect(m_menus.mNextStrip, &QAction::triggered, bNext, &QPushButton::click);
    connect(m_menus.mFinalFour, &QAction::triggered, this, [this] { handOver(8); });
    connect(m_menus.mSave, &QAction::triggered, this, &frmEnterDual::save);
    connect(m_menus.mExit, &QAction::triggered, this, &frmEnterDual::reject);
    connect(m_menus.mHistory, &QAction::triggered, this, [this] {
        showHistory(m_state, m_prompter, m_state.CurrentRound, [this] { loadDual(); });
    });
}

void frmEnterDual::Form_Load() {
    m_leaving = false;
    const Database& db = m_state.connection();
    m_menus.setEventNames(
        m_prompter.valueOrTell(this, StripHeader::EventNames(db), QStringList(6)));
    m_menus.mFinalFour->setEnabled(m_handOver.finalFourAvailable);
    m_lines = m_prompter.valueOrTell(this, DualLines::Load(db), DualLines::SeedOrder());
    m_state.CurrentRound = std::clamp<short>(m_state.CurrentRound, 1,
                                             static_cast<short>(std::max(1, m_state.LastRound)));
    loadDual();
}

void frmEnterDual::checkMenus() {
    m_menus.check(m_state.CurrentWeapon, m_state.CurrentRound, m_state.CurrentStripSet);
}

void frmEnterDual::loadDual() {
    loadedFrom(m_state);
    WaitCursor busy;
    const Database& db = m_state.connection();
    const int weapon = m_state.CurrentWeapon;
    const int round = m_state.CurrentRound;
    const int strip = m_state.CurrentStripSet;
    const auto enable = [](QPushButton* b, QAction* a, bool on) {
        b->setEnabled(on);
        a->setEnabled(on);
    };
    enable(bNext, m_menus.mNextStrip, strip < m_state.LastStripSet);
    enable(bPrev, m_menus.mPrevStrip, strip > 0);
    enable(bNextRound, m_menus.mNextRound, round < m_state.LastRound);
    enable(bPrevRound, m_menus.mPrevRound, round > 0);
    for (int r = 0; r < 7; ++r) {
        m_menus.mRound[r]->setEnabled(r <= m_state.LastRound);
    }
    for (int s = 0; s < 4; ++s) {
        m_menus.mStrip[s]->setEnabled(s <= m_state.LastStripSet);
    }
    m_menus.setStripNames(
        m_prompter.valueOrTell(this, StripHeader::StripNames(db, weapon), QStringList(4)));
    checkMenus();
    m_header->show(m_menus.eventName(weapon), m_menus.roundName(round), strip,
                   m_menus.stripName(strip),
                   m_prompter.valueOrTell(this, StripHeader::Matchup(db, round, strip)));
    PaintEventBackground(this, m_state.EventColors[static_cast<size_t>(weapon)]);

    m_dual = m_prompter.valueOrTell(this, DualEntry::Load(db, m_lines, weapon, round, strip));
    showLineup();
    showStoredScores();
    m_changed = false;
    setUnsaved(false);
    const int first = EntryMoves::DualMove(-1, 1, [this](int k) { return Score[k]->isEnabled(); });
    if (first >= 0) {
        Score[first]->setFocus(Qt::OtherFocusReason);
        Score[first]->selectAll();
    } else {
        bCancel->setFocus(Qt::OtherFocusReason);
    }
}

void frmEnterDual::showLineup() {
    for (int p = 0; p < 6; ++p) {
        const LineupFencer& f = m_dual.lineup.places[static_cast<size_t>(p)];
        const QString caption = !f.present() ? QString()
                                : f.excluded ? QStringLiteral("EXCLUDED")
                                             : QStringLiteral("%1 (%2)").arg(f.name, f.school);
        for (int s = 0; s < 3; ++s) {
            QLabel* label = m_names[s][m_lines.LineOf(p, s)];
            QFont font = label->font();
            font.setBold(f.excluded);
            font.setItalic(f.excluded);
            label->setFont(font);
            label->setText(caption);
            label->setProperty("tag", f.entersBouts() ? f.fencerNumber : -1);
        }
    }
}

void frmEnterDual::showBout(int k) {
    const DualBout& bout = m_dual.bouts[static_cast<size_t>(k)];
    OtherStations::ClearMark(Score[k]);
    Score[k]->setEnabled(bout.entered);
    QPalette pal = Score[k]->palette();
    pal.setColor(QPalette::Base, bout.entered
                                     ? palette().color(QPalette::Active, QPalette::Base)
                                     : palette().color(QPalette::Disabled, QPalette::Button));
    Score[k]->setPalette(pal);
    const bool scored = bout.entered && bout.score.has_value();
    Score[k]->setText(scored ? bout.score->dualText() : QString());
    lVictoryL[k]->setVisible(scored && bout.score->leftWins);
    lVictoryR[k]->setVisible(scored && !bout.score->leftWins);
}

void frmEnterDual::offerSave() {
    bool typed = false;
    for (int k = 0; k < DualLines::kBouts; ++k) {
        typed = typed || Score[k]->text() != m_previousText[static_cast<size_t>(k)];
    }
    setUnsaved(m_changed || typed);
}

void frmEnterDual::setUnsaved(bool unsaved) {
    bSave->setEnabled(unsaved);
    m_menus.mSave->setEnabled(unsaved);
}

// Reads a box that changed since it got the focus. A score that cannot be read is refused
// and the box gets its earlier text back and keeps the focus.
bool frmEnterDual::scoreEdit(int k) {
    const size_t i = static_cast<size_t>(k);
    if (m_checking) {
        return true;
    }
    if (!Score[k]->isEnabled() || Score[k]->text() == m_previousText[i]) {
        offerSave();
        return true;
    }
    const ScoreRules::Read read = ScoreRules::ReadDualScore(Score[k]->text());
    if (read.reading == ScoreRules::Reading::Invalid) {
        m_checking = true;
        Score[k]->setText(m_previousText[i]);
        m_prompter.tell(this, QMessageBox::Warning, QStringLiteral("ERROR"),
                        QStringLiteral("Invalid Score"));
        m_checking = false;
        offerSave();
        Score[k]->setFocus(Qt::OtherFocusReason);
        Score[k]->selectAll();
        return false;
    }
    DualBout& bout = m_dual.bouts[i];
    bout.score =
        read.reading == ScoreRules::Reading::Result ? std::optional(read.score) : std::nullopt;
    showBout(k);
    m_previousText[i] = Score[k]->text();
    // A new winner at the same touches changes the bout though the text stays the same.
    if (bout.score != m_previousScore[i]) {
        m_previousScore[i] = bout.score;
        m_changed = true;
    }
    offerSave();
    return true;
}

bool frmEnterDual::commitTypedScores() {
    for (int k = 0; k < DualLines::kBouts; ++k) {
        if (!scoreEdit(k)) {
            return false;
        }
    }
    return true;
}

// A failed save keeps every typed score on screen and Save enabled.
bool frmEnterDual::save() {
    if (!commitTypedScores()) {
        return false;
    }
    QStringList changedElsewhere;
    Status saved = [&] {
        WaitCursor busy;
        return m_dual.save(m_state.connection(), m_state.CurrentWeapon, &changedElsewhere);
    }();
    if (!saved) {
        m_prompter.tell(
            this, QMessageBox::Critical, QStringLiteral("Save Changes"),
            QStringLiteral("The results could not be saved.\n\n%1").arg(saved.message()));
        return false;
    }
    m_changed = false;
    setUnsaved(false);
    KeepRoundSnapshot(m_prompter, this, m_state.connection(), m_state.CurrentWeapon,
                      m_state.CurrentRound);
    savedHere();
    if (changedElsewhere.isEmpty()) {
        return true;
    }
    m_prompter.tell(this, QMessageBox::Warning, ChangedElsewhere::Title(),
                    ChangedElsewhere::Message(changedElsewhere));
    showStoredScores();
    // The window stays on this dual so the stored scores can be seen.
    return false;
}

void frmEnterDual::showStoredScores() {
    for (int k = 0; k < DualLines::kBouts; ++k) {
        showBout(k);
        m_previousText[static_cast<size_t>(k)] = Score[k]->text();
        m_previousScore[static_cast<size_t>(k)] = m_dual.bouts[static_cast<size_t>(k)].score;
    }
}

bool frmEnterDual::confirmLeave() {
    if (!commitTypedScores()) {
        return false;
    }
    if (!bSave->isEnabled()) {
        return true;
    }
    const QMessageBox::StandardButton answer = m_prompter.askToSaveChanges(this);
    if (answer == QMessageBox::Yes) {
        return save();
    }
    return answer == QMessageBox::No;
}

void frmEnterDual::moveTo(int weapon, int round, int stripSet) {
    if (round == 0) {
        handOver(0);
        return;
    }
    const bool other = weapon != m_state.CurrentWeapon || round != m_state.CurrentRound ||
                       stripSet != m_state.CurrentStripSet;
    const bool inRange = weapon >= 0 && weapon < 6 && round <= m_state.LastRound && stripSet >= 0 &&
                         stripSet <= m_state.LastStripSet;
    if (other && inRange && confirmLeave()) {
        m_state.CurrentWeapon = static_cast<short>(weapon);
        m_state.CurrentRound = static_cast<short>(round);
        m_state.CurrentStripSet = static_cast<short>(stripSet);
        loadDual();
        return;
    }
    checkMenus();
}

bool frmEnterDual::eventFilter(QObject* watched, QEvent* event) {
    const QVariant bout = watched->property("bout");
    if (!bout.isValid()) {
        return QDialog::eventFilter(watched, event);
    }
    const int k = bout.toInt();
    switch (event->type()) {
        case QEvent::FocusIn:
            Score[k]->setModified(false);
            Score[k]->selectAll();
            // A mouse click places the cursor after the focus arrives; select once it has,
            // unless typing has begun.
            QTimer::singleShot(0, Score[k], [box = Score[k]] {
                if (box->hasFocus() && !box->isModified()) {
                    box->selectAll();
                }
            });
            return false;
        case QEvent::FocusOut:
            // Read once the focus has settled: a refusal moves the focus back, which must
            // not happen in the middle of the focus change.
            QTimer::singleShot(0, this, [this, k] { scoreEdit(k); });
            Score[k]->deselect();
            return false;
        case QEvent::KeyPress:
            break;
        default:
            return false;
    }
    auto* key = static_cast<QKeyEvent*>(event);
    if (key->modifiers() & ~Qt::KeypadModifier) {
        return false;
    }
    const int step = key->key() == Qt::Key_Down       ? 1
                     : key->key() == Qt::Key_Up       ? -1
                     : key->key() == Qt::Key_PageDown ? 3
                     : key->key() == Qt::Key_PageUp   ? -3
                                                      : 0;
    if (step == 0) {
        return false;
    }
    const int next = EntryMoves::DualMove(k, step, [this](int b) { return Score[b]->isEnabled(); });
    if (next != k) {
        Score[next]->setFocus(Qt::OtherFocusReason);
    }
    return true;
}

bool frmEnterDual::hasUnsavedEntries() const {
    return bSave->isEnabled();
}

void frmEnterDual::markChangedElsewhere() {
    const Result<DualEntry> stored =
        DualEntry::Load(m_state.connection(), m_lines, m_state.CurrentWeapon, m_state.CurrentRound,
                        m_state.CurrentStripSet);
    if (!stored) {
        // Unreadable now (the server is away): the save checks every bout against it anyway.
        return;
    }
    for (int k = 0; k < DualLines::kBouts; ++k) {
        const DualBout& now = stored->bouts[static_cast<size_t>(k)];
        const DualBout& here = m_dual.bouts[static_cast<size_t>(k)];
        if (now.loaded != here.loaded && now.loaded != here.score) {
            OtherStations::MarkChanged(Score[k], now.loaded ? now.loaded->dualText() : QString());
        }
    }
}

void frmEnterDual::afterRestore() {
    followRestore(m_prompter, [this] { loadDual(); });
}
