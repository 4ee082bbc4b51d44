#include "standings/frmEnterFinal4.h"

#include "db/ChangeLog.h"

#include "db/ChangedElsewhere.h"
#include "db/ORLEMain.h"
#include "entry/StripHeader.h"
#include "print/frmPrintScoresheets.h"
#include "standings/frmEditFinalFencers.h"
#include "widgets/EnterAsTab.h"
#include "widgets/EventColor.h"
#include "widgets/NamedAction.h"
#include "widgets/NamedButton.h"
#include "widgets/OtherStations.h"
#include "widgets/Prompter.h"
#include "widgets/WaitCursor.h"

#include <QAction>
#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace {

// The menu an entry menu item sits in.
QMenu* menuOf(QAction* item) {
    for (QObject* owner : item->associatedObjects()) {
        if (auto* menu = qobject_cast<QMenu*>(owner)) {
            return menu;
        }
    }
    return nullptr;
}

void setBold(QWidget* widget, bool bold) {
    QFont font = widget->font();
    font.setBold(bold);
    widget->setFont(font);
}

}  // namespace

frmEnterFinal4::frmEnterFinal4(ORLEMain& state, Prompter& prompter, QWidget* parent)
    : EntryDialog(parent), m_state(state), m_prompter(prompter), m_menus(this, true) {
    setObjectName(QStringLiteral("frmEnterFinal4"));
    setWindowTitle(QStringLiteral("Enter Results"));
    auto* outer = new QVBoxLayout(this);
    outer->setMenuBar(m_menus.bar);
    outer->setContentsMargins(18, 12, 18, 14);
    outer->setSpacing(12);
    lRoundStrip = new QLabel(QStringLiteral("Final Four"), this);
    lRoundStrip->setObjectName(QStringLiteral("lRoundStrip"));
    lWeaponName = new QLabel(this);
    lWeaponName->setObjectName(QStringLiteral("lWeaponName"));
    for (QLabel* heading : {lRoundStrip, lWeaponName}) {
        QFont big = heading->font();
        big.setPointSizeF(big.pointSizeF() * 1.5);
        big.setBold(true);
        heading->setFont(big);
        heading->setAlignment(Qt::AlignCenter);
        outer->addWidget(heading);
    }
    buildBracket();
    outer->addStretch();
    buildButtons();
    connectMenus();
    EnterAsTab::install(this);
}

QWidget* frmEnterFinal4::buildBout(int bout, QWidget* parent) {
    auto* frame = new QGroupBox(FinalFourBracket::BoutName(bout), parent);
    auto* grid = new QGridLayout(frame);
    grid->setHorizontalSpacing(8);
    const int top = FinalFourBracket::TopSlot(bout);
    const int box = FinalFourBracket::ResultSlot(bout);
    for (int slot : {top, top + 1}) {
        QPushButton* name = NamedButton(QStringLiteral("lName%1").arg(slot), QString(), frame);
        name->setFlat(true);
        name->setMinimumSize(280, 30);
        // A flat name shows no frame of its own, so the keyboard focus draws one.
        name->setStyleSheet(QStringLiteral(
            "QPushButton { text-align: left; padding: 2px 8px; border: 1px solid transparent; }"
            "QPushButton:focus { border: 1px solid palette(highlight); }"));
        name->setToolTip(
            QStringLiteral("Choose as the winner of the %1").arg(FinalFourBracket::BoutName(bout)));
        connect(name, &QPushButton::clicked, this, [this, slot] { nameClicked(slot); });
        lName[slot] = name;
        grid->addWidget(name, slot - top, 0);
    }
    auto* score = new QLineEdit(frame);
    score->setObjectName(QStringLiteral("Score%1").arg(box));
    score->setProperty("box", box);
    score->setMaxLength(FinalFourBracket::kScoreLength);
    score->setFixedWidth(90);
    score->setAlignment(Qt::AlignCenter);
    score->setPlaceholderText(QStringLiteral("score"));
    score->installEventFilter(this);
    connect(score, &QLineEdit::textEdited, this, [this, box](const QString& text) {
        m_bracket.setScore(box, text);
        setUnsaved(true);
    });
    Score[box] = score;
    QPushButton* clear =
        NamedButton(QStringLiteral("bClear%1").arg(box), QStringLiteral("Clear"), frame);
    clear->setToolTip(
        QStringLiteral("Clear the result of the %1").arg(FinalFourBracket::BoutName(bout)));
    connect(clear, &QPushButton::clicked, this, [this, box] { clearClicked(box); });
    bClear[box] = clear;
    grid->addWidget(score, 0, 1, 2, 1);
    grid->addWidget(clear, 0, 2, 2, 1);
    return frame;
}

QWidget* frmEnterFinal4::buildMedallist(int slot, const QString& caption, QWidget* parent) {
    auto* frame = new QWidget(parent);
    auto* row = new QHBoxLayout(frame);
    row->setContentsMargins(12, 0, 0, 0);
    auto* title = new QLabel(caption, frame);
    setBold(title, true);
    QPushButton* name = NamedButton(QStringLiteral("lName%1").arg(slot), QString(), frame);
    name->setFlat(true);
    name->setFocusPolicy(Qt::NoFocus);
    name->setMinimumWidth(260);
    name->setStyleSheet(QStringLiteral("text-align: left; padding: 2px 8px;"));
    setBold(name, true);
    lName[slot] = name;
    row->addWidget(title);
    row->addWidget(name, 1);
    return frame;
}

// Semifinals on the left, medal bouts on the right, each medal bout above its medallist.
void frmEnterFinal4::buildBracket() {
    auto* bracket = new QWidget(this);
    auto* grid = new QGridLayout(bracket);
    grid->setHorizontalSpacing(24);
    grid->setVerticalSpacing(10);
    grid->addWidget(buildBout(0, bracket), 0, 0);
    grid->addWidget(buildBout(1, bracket), 2, 0);
    grid->addWidget(buildBout(10, bracket), 0, 1);
    grid->addWidget(buildMedallist(20, QStringLiteral("GOLD MEDAL"), bracket), 1, 1);
    grid->addWidget(buildBout(11, bracket), 2, 1);
    grid->addWidget(buildMedallist(21, QStringLiteral("BRONZE MEDAL"), bracket), 3, 1);
    static_cast<QVBoxLayout*>(layout())->addWidget(bracket, 0, Qt::AlignHCenter);
}

void frmEnterFinal4::buildButtons() {
    bPrintScoresheets = NamedButton(QStringLiteral("bPrintScoresheets"),
                                    QStringLiteral("&Print Scoresheets"), this);
    bSave = NamedButton(QStringLiteral("bSave"), QStringLiteral("&Save"), this);
    bCancel = NamedButton(QStringLiteral("bCancel"), QStringLiteral("Cancel"), this);
    for (QPushButton* b : {bPrintScoresheets, bSave, bCancel}) {
        b->setMinimumWidth(110);
    }
    auto* row = new QHBoxLayout;
    row->addWidget(bPrintScoresheets);
    row->addStretch();
    row->addWidget(bSave);
    row->addWidget(bCancel);
    static_cast<QVBoxLayout*>(layout())->addLayout(row);

    // Bout by bout: both names, the score, its Clear; then Save and Cancel.
    QWidget* previous = nullptr;
    for (int bout : FinalFourBracket::kBouts) {
        const int top = FinalFourBracket::TopSlot(bout);
        const int box = FinalFourBracket::ResultSlot(bout);
        for (QWidget* next :
             {static_cast<QWidget*>(lName[top]), static_cast<QWidget*>(lName[top + 1]),
              static_cast<QWidget*>(Score[box]), static_cast<QWidget*>(bClear[box])}) {
            if (previous != nullptr) {
                setTabOrder(previous, next);
            }
            previous = next;
        }
    }
    setTabOrder(previous, bSave);
    setTabOrder(bSave, bCancel);
    setTabOrder(bCancel, bPrintScoresheets);
    connect(bPrintScoresheets, &QPushButton::clicked, this, [this] {
        frmPrintScoresheets sheets(m_state, m_prompter, this);
        sheets.Form_Load();
        sheets.exec();
    });
    connect(bSave, &QPushButton::clicked, this, &frmEnterFinal4::save);
    connect(bCancel, &QPushButton::clicked, this, &frmEnterFinal4::reject);
}

void frmEnterFinal4::connectMenus() {
    // Strips and stepping between rounds mean nothing in the Final Four.
    if (QMenu* strips = menuOf(m_menus.mPrevStrip)) {
        strips->menuAction()->setVisible(false);
    }
    m_menus.mPrevRound->setVisible(false);
    m_menus.mNextRound->setVisible(false);
    m_menus.mFinalFour->setCheckable(true);
    m_menus.mFinalFour->setChecked(true);
    if (QMenu* rounds = menuOf(m_menus.mFinalFour)) {
        mSeed =
            NamedAction(rounds->addAction(QStringLiteral("&Seed Finals")), QStringLiteral("mSeed"));
        connect(mSeed, &QAction::triggered, this, &frmEnterFinal4::mSeed_Click);
    }
    for (int w = 0; w < 6; ++w) {
        connect(m_menus.mWeapon[w], &QAction::triggered, this, [this, w] { moveToEvent(w); });
    }
    for (int r = 0; r < 7; ++r) {
        connect(m_menus.mRound[r], &QAction::triggered, this, [this, r] { handOver(r); });
    }
    connect(m_menus.mFinalFour, &QAction::triggered, this, [this] { checkMenus(); });
    connect(m_menus.mSave, &QAction::triggered, this, &frmEnterFinal4::save);
    connect(m_menus.mExit, &QAction::triggered, this, &frmEnterFinal4::reject);
    connect(m_menus.mHistory, &QAction::triggered, this, [this] {
        showHistory(m_state, m_prompter, ChangeLog::kFinalFourRound,
                    [this] { loadBracket(false); });
    });
}

void frmEnterFinal4::Form_Load() {
    m_leaving = false;
    m_menus.setEventNames(m_prompter.valueOrTell(
        this, StripHeader::EventNames(m_state.connection()), QStringList(6)));
    for (int r = 0; r < 7; ++r) {
        m_menus.mRound[r]->setEnabled(r <= m_state.LastRound);
    }
    loadBracket(true);
}

void frmEnterFinal4::checkMenus() {
    m_menus.mWeapon[static_cast<size_t>(m_state.CurrentWeapon)]->setChecked(true);
    for (QAction* round : m_menus.mRound) {
        round->setChecked(false);
    }
    m_menus.mFinalFour->setChecked(true);
}

void frmEnterFinal4::loadBracket(bool offerSeeding) {
    loadedFrom(m_state);
    const int weapon = m_state.CurrentWeapon;
    checkMenus();
    lWeaponName->setText(m_menus.eventName(weapon));
    PaintEventBackground(this, m_state.EventColors[static_cast<size_t>(weapon)]);
    bool seeded = false;
    Status loaded = [&] {
        WaitCursor busy;
        return m_bracket.Load(m_state.connection(), weapon, &seeded);
    }();
    showBracket();
    setUnsaved(false);
    bCancel->setFocus(Qt::OtherFocusReason);
    if (!loaded) {
        m_prompter.tell(
            this, QMessageBox::Critical, windowTitle(),
            QStringLiteral("The Final Four could not be read.\n\n%1").arg(loaded.message()));
        return;
    }
    if (!seeded && offerSeeding &&
        m_prompter.ask(this, QMessageBox::Question, QStringLiteral("Seed Final Four"),
                       QStringLiteral("The final four in %1 have not been seeded.\n\nSeed now?")
                           .arg(m_menus.eventName(weapon)),
                       QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes) == QMessageBox::Yes) {
        mSeed_Click();
    }
}

void frmEnterFinal4::showBracket() {
    for (int slot : FinalFourBracket::kNameSlots) {
        lName[slot]->setText(m_bracket.caption(slot));
        lName[slot]->setProperty("tag", m_bracket.name(slot).fencer);
        // An empty place cannot be chosen, so the keyboard passes it by.
        lName[slot]->setEnabled(!m_bracket.name(slot).empty());
    }
    // The winner of a bout reads bold, as the scoring table marks it on the sheet.
    for (int bout : FinalFourBracket::kBouts) {
        const int top = FinalFourBracket::TopSlot(bout);
        const FinalFourBracket::Name& winner = m_bracket.name(FinalFourBracket::ResultSlot(bout));
        for (int slot : {top, top + 1}) {
            setBold(lName[slot], !winner.empty() && m_bracket.name(slot).fencer == winner.fencer);
        }
    }
    for (const auto& [box, edit] : Score) {
        const FinalFourBracket::ScoreBox& score = m_bracket.score(box);
        OtherStations::ClearMark(edit);
        if (edit->text() != score.text) {
            edit->setText(score.text);
        }
        edit->setEnabled(score.enabled);
        bClear[box]->setEnabled(!m_bracket.name(box).empty() || score.enabled);
    }
}

void frmEnterFinal4::nameClicked(int slot) {
    if (!m_bracket.ChooseWinner(slot)) {
        return;
    }
    showBracket();
    setUnsaved(true);
    if (slot >= 10) {
        QLineEdit* box = Score[slot / 2 + 15];
        box->setFocus(Qt::OtherFocusReason);
        box->selectAll();
    }
}

void frmEnterFinal4::clearClicked(int box) {
    m_bracket.ClearResult(box);
    showBracket();
    bCancel->setFocus(Qt::OtherFocusReason);
    setUnsaved(true);
}

void frmEnterFinal4::mSeed_Click() {
    if (m_seeding == nullptr) {
        m_seeding = new frmEditFinalFencers(m_state, m_prompter, this);
    }
    m_seeding->Form_Load(lWeaponName->text());
    m_seeding->exec();
    // Cancelling the seeding from here should not ask again at once.
    loadBracket(false);
}

void frmEnterFinal4::setUnsaved(bool unsaved) {
    bSave->setEnabled(unsaved);
    m_menus.mSave->setEnabled(unsaved);
}

// A Final Four another writer changed meanwhile is shown as stored, and the window stays on
// it so it can be seen.
bool frmEnterFinal4::save() {
    QStringList changedElsewhere;
    Status saved = [&] {
        WaitCursor busy;
        return m_bracket.Save(m_state.connection(), m_state.CurrentWeapon, &changedElsewhere);
    }();
    if (!saved) {
        m_prompter.tell(
            this, QMessageBox::Critical, QStringLiteral("Save Changes"),
            QStringLiteral("The Final Four could not be saved.\n\n%1").arg(saved.message()));
        return false;
    }
    setUnsaved(false);
    savedHere();
    if (changedElsewhere.isEmpty()) {
        return true;
    }
    m_prompter.tell(this, QMessageBox::Warning, ChangedElsewhere::Title(),
                    ChangedElsewhere::Message(changedElsewhere));
    loadBracket(false);
    return false;
}

bool frmEnterFinal4::confirmLeave() {
    if (!bSave->isEnabled()) {
        return true;
    }
    const QMessageBox::StandardButton answer = m_prompter.askToSaveChanges(this);
    if (answer == QMessageBox::Yes) {
        return save();
    }
    return answer == QMessageBox::No;
}

// Another event drops unsaved entries without asking, as the scoring table expects.
void frmEnterFinal4::moveToEvent(int weapon) {
    if (weapon != m_state.CurrentWeapon) {
        m_state.CurrentWeapon = static_cast<short>(weapon);
        loadBracket(true);
        return;
    }
    checkMenus();
}

bool frmEnterFinal4::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn && watched->property("box").isValid()) {
        auto* box = static_cast<QLineEdit*>(watched);
        // A mouse click places the cursor after the focus arrives; select once it has.
        QTimer::singleShot(0, box, [box] {
            if (box->hasFocus()) {
                box->selectAll();
            }
        });
    }
    return QDialog::eventFilter(watched, event);
}

bool frmEnterFinal4::hasUnsavedEntries() const {
    return bSave->isEnabled();
}

void frmEnterFinal4::markChangedElsewhere() {
    FinalFourBracket stored;
    if (!stored.Load(m_state.connection(), m_state.CurrentWeapon)) {
        // Unreadable now (the server is away): the save checks every bout against it anyway.
        return;
    }
    for (int bout : FinalFourBracket::kBouts) {
        if (!m_bracket.readAlike(stored, bout)) {
            const int result = FinalFourBracket::ResultSlot(bout);
            OtherStations::MarkChanged(
                Score[result], QStringList{stored.name(result).text, stored.score(result).text}
                                   .join(u' ')
                                   .trimmed());
        }
    }
}

void frmEnterFinal4::afterRestore() {
    followRestore(m_prompter, [this] { loadBracket(false); });
}
