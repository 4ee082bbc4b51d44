#include "entry/frmConfirmInd.h"

#include "widgets/Prompter.h"

#include "db/ORLEMain.h"
#include "entry/FencerRecord.h"
#include "entry/StripHeader.h"
#include "widgets/EnterAsTab.h"
#include "widgets/EventColor.h"
#include "widgets/HelpMenu.h"
#include "widgets/NamedAction.h"
#include "widgets/OtherStations.h"
#include "widgets/WaitCursor.h"

#include <QActionGroup>
#include <QFrame>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QVBoxLayout>

namespace {

const QColor kWon(0, 128, 0);
const QColor kLost(192, 0, 0);

enum Column { RoundColumn, NameColumn, SchoolColumn, VictoryColumn, ScoreColumn, IndColumn };

QLabel* namedLabel(const QString& name, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    return label;
}

void paint(QLabel* label, const QColor& color, bool bold, bool italic = false) {
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, color);
    label->setPalette(palette);
    QFont font = label->font();
    font.setBold(bold);
    font.setItalic(italic);
    label->setFont(font);
}

// A menu caption shows a name's "&" as typed, not as an access key.
QString menuCaption(const QString& text) {
    QString caption = text;
    return caption.replace(QLatin1Char('&'), QStringLiteral("&&"));
}

}  // namespace

frmConfirmInd::frmConfirmInd(ORLEMain& state, Prompter& prompter, QWidget* parent)
    : QDialog(parent), m_state(state), m_prompter(prompter) {
    setObjectName(QStringLiteral("frmConfirmInd"));
    setWindowTitle(QStringLiteral("Confirm Results"));
    setFocusPolicy(Qt::StrongFocus);
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(22, 10, 22, 18);
    outer->setSpacing(8);
    buildMenus();

    lWeaponName = namedLabel(QStringLiteral("lWeaponName"), this);
    QFont title = lWeaponName->font();
    title.setBold(true);
    title.setPointSizeF(title.pointSizeF() * 1.6);
    lWeaponName->setFont(title);
    lWeaponName->setAlignment(Qt::AlignCenter);
    lThisFencerName = namedLabel(QStringLiteral("lThisFencerName"), this);
    title.setPointSizeF(title.pointSizeF() / 1.6 * 1.3);
    lThisFencerName->setFont(title);
    lThisFencerName->setAlignment(Qt::AlignCenter);
    outer->addWidget(lWeaponName);
    outer->addWidget(lThisFencerName);
    outer->addSpacing(6);

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(18);
    grid->setVerticalSpacing(3);
    buildRecord(grid);
    outer->addLayout(grid);
    outer->addStretch();
    EnterAsTab::install(this);
    OtherStations::Follow(this, [this] { showAgain(); });
}

void frmConfirmInd::buildMenus() {
    auto* bar = new QMenuBar(this);
    QMenu* file = bar->addMenu(QStringLiteral("&File"));
    AddNamedAction(file, QStringLiteral("mExit"), QStringLiteral("E&xit"), this, &QDialog::accept);

    QMenu* weapons = bar->addMenu(QStringLiteral("&Weapon"));
    auto* weaponGroup = new QActionGroup(this);
    for (int w = 0; w < 6; ++w) {
        mWeapon[w] = AddNamedAction(weapons, QStringLiteral("mWeapon%1").arg(w), QString(), this,
                                    [this, w] { chooseEvent(w); });
        mWeapon[w]->setCheckable(true);
        weaponGroup->addAction(mWeapon[w]);
    }

    mFencerHdr = bar->addMenu(QStringLiteral("Fe&ncer"));
    mFencerHdr->setObjectName(QStringLiteral("mFencerHdr"));
    auto* fencerGroup = new QActionGroup(this);
    for (int k = 0; k < kRows; ++k) {
        mFencer[k] = AddNamedAction(mFencerHdr, QStringLiteral("mFencer%1").arg(k), QString(), this,
                                    [this, k] { chooseFencer(k); });
        mFencer[k]->setCheckable(true);
        mFencer[k]->setVisible(false);
        fencerGroup->addAction(mFencer[k]);
    }

    AddHelpMenu(bar, this);
    layout()->setMenuBar(bar);
}

// Rows below the record stay hidden, so the totals follow straight after its last bout.
void frmConfirmInd::buildRecord(QGridLayout* grid) {
    const QStringList headings = {QStringLiteral("Round"), QStringLiteral("Name"),
                                  QStringLiteral("School"), QStringLiteral("W/L"),
                                  QStringLiteral("Score")};
    for (int c = 0; c < headings.size(); ++c) {
        auto* heading = new QLabel(headings[c], this);
        QFont font = heading->font();
        font.setBold(true);
        font.setUnderline(true);
        heading->setFont(font);
        grid->addWidget(heading, 0, c,
                        c == NameColumn || c == SchoolColumn ? Qt::AlignLeft : Qt::AlignHCenter);
    }
    for (int r = 0; r < kRows; ++r) {
        RecordRow& row = m_rows[static_cast<size_t>(r)];
        row.lRound = namedLabel(QStringLiteral("lRound%1").arg(r), this);
        row.lFencerName = namedLabel(QStringLiteral("lFencerName%1").arg(r), this);
        row.lTeam = namedLabel(QStringLiteral("lTeam%1").arg(r), this);
        row.lVictory = namedLabel(QStringLiteral("lVictory%1").arg(r), this);
        row.lScore = namedLabel(QStringLiteral("lScore%1").arg(r), this);
        row.lFencerName->setMinimumWidth(200);
        row.lTeam->setMinimumWidth(150);
        grid->addWidget(row.lRound, r + 1, RoundColumn, Qt::AlignHCenter);
        grid->addWidget(row.lFencerName, r + 1, NameColumn);
        grid->addWidget(row.lTeam, r + 1, SchoolColumn);
        grid->addWidget(row.lVictory, r + 1, VictoryColumn, Qt::AlignHCenter);
        grid->addWidget(row.lScore, r + 1, ScoreColumn, Qt::AlignHCenter);
    }
    lineSummary = new QFrame(this);
    lineSummary->setObjectName(QStringLiteral("lineSummary"));
    lineSummary->setFrameShape(QFrame::HLine);
    lineSummary->setFrameShadow(QFrame::Plain);
    lineSummary->setLineWidth(2);
    grid->addWidget(lineSummary, kRows + 1, VictoryColumn, 1, 3);
    lTotalVictory = namedLabel(QStringLiteral("lTotalVictory"), this);
    lTotalScore = namedLabel(QStringLiteral("lTotalScore"), this);
    lInd = namedLabel(QStringLiteral("lInd"), this);
    for (QLabel* total : {lTotalVictory, lTotalScore, lInd}) {
        paint(total, Qt::black, true);
    }
    grid->addWidget(lTotalVictory, kRows + 2, VictoryColumn, Qt::AlignHCenter);
    grid->addWidget(lTotalScore, kRows + 2, ScoreColumn, Qt::AlignHCenter);
    grid->addWidget(lInd, kRows + 2, IndColumn, Qt::AlignHCenter);
    grid->setRowMinimumHeight(kRows + 1, 10);
}

void frmConfirmInd::Form_Load() {
    const QStringList events =
        m_prompter.valueOrTell(this, StripHeader::EventNames(m_state.connection()));
    for (int w = 0; w < 6; ++w) {
        mWeapon[w]->setText(menuCaption(events.value(w)));
    }
    // Opening always re-reads: the file may have changed since the window was last shown.
    m_weapon = -1;
    chooseEvent(m_state.CurrentWeapon);
    setFocus(Qt::OtherFocusReason);
}

void frmConfirmInd::chooseEvent(int weapon) {
    if (weapon == m_weapon || weapon < 0 || weapon >= 6) {
        return;
    }
    m_weapon = weapon;
    m_entry = -1;
    mWeapon[weapon]->setChecked(true);
    lWeaponName->setText(
        m_prompter.valueOrTell(this, StripHeader::EventNames(m_state.connection())).value(weapon));
    lWeaponName->setProperty("tag", weapon);
    PaintEventBackground(this, m_state.EventColors[static_cast<size_t>(weapon)]);
    m_fencers = m_prompter.valueOrTell(this, FencerChoices::ForEvent(m_state.connection(), weapon));
    for (int k = 0; k < kRows; ++k) {
        const bool offered = k < static_cast<int>(m_fencers.size());
        mFencer[k]->setChecked(false);
        mFencer[k]->setVisible(offered);
        mFencer[k]->setText(offered ? menuCaption(m_fencers[static_cast<size_t>(k)].caption)
                                    : QString());
        mFencer[k]->setData(offered ? m_fencers[static_cast<size_t>(k)].fencerNumber : -1);
    }
    mFencerHdr->setEnabled(!m_fencers.empty());
    if (m_fencers.empty()) {
        lThisFencerName->clear();
        lThisFencerName->setProperty("tag", -1);
        clearRecord();
        return;
    }
    chooseFencer(0);
}

void frmConfirmInd::chooseFencer(int entry) {
    if (entry == m_entry || entry < 0 || entry >= static_cast<int>(m_fencers.size())) {
        return;
    }
    m_entry = entry;
    mFencer[entry]->setChecked(true);
    const FencerChoice& fencer = m_fencers[static_cast<size_t>(entry)];
    lThisFencerName->setText(FencerChoices::DisplayName(fencer.caption));
    lThisFencerName->setProperty("tag", fencer.fencerNumber);
    PaintEventBackground(this, m_state.EventColors[static_cast<size_t>(m_weapon)]);
    WaitCursor busy;
    const Result<FencerRecord> read =
        FencerRecord::Load(m_state.connection(), m_weapon, fencer.fencerNumber);
    if (!read) {
        clearRecord();
        m_prompter.tellFailure(this, read.status());
        return;
    }
    const FencerRecord& record = *read;
    if (record.bouts.empty()) {
        showNoResults();
    } else {
        showRecord(record);
    }
}

void frmConfirmInd::showAgain() {
    const int weapon = m_weapon;
    const int entry = m_entry;
    m_weapon = -1;
    chooseEvent(weapon);
    chooseFencer(entry);
}

void frmConfirmInd::clearRecord() {
    for (RecordRow& row : m_rows) {
        for (QLabel* label : {row.lRound, row.lFencerName, row.lTeam, row.lVictory, row.lScore}) {
            label->clear();
            paint(label, Qt::black, false);
            label->hide();
        }
    }
    for (QWidget* summary :
         {static_cast<QWidget*>(lineSummary), static_cast<QWidget*>(lTotalVictory),
          static_cast<QWidget*>(lTotalScore), static_cast<QWidget*>(lInd)}) {
        summary->hide();
    }
}

void frmConfirmInd::showNoResults() {
    clearRecord();
    const RecordRow& row = m_rows[0];
    row.lFencerName->setText(QStringLiteral("NO RESULTS"));
    paint(row.lFencerName, Qt::black, false, true);
    for (QLabel* label : {row.lRound, row.lFencerName, row.lTeam}) {
        label->show();
    }
}

void frmConfirmInd::showRecord(const FencerRecord& record) {
    clearRecord();
    const size_t shown = std::min<size_t>(record.bouts.size(), kRows);
    for (size_t r = 0; r < shown; ++r) {
        const RecordBout& bout = record.bouts[r];
        const RecordRow& row = m_rows[r];
        row.lRound->setText(QString::number(bout.round + 1));
        row.lFencerName->setText(bout.opponentName);
        row.lTeam->setText(bout.school);
        const QColor color = !bout.score ? QColor(Qt::black) : bout.score->leftWins ? kWon : kLost;
        if (bout.score) {
            row.lVictory->setText(bout.score->leftWins ? QStringLiteral("W") : QStringLiteral("L"));
            row.lScore->setText(
                QStringLiteral("%1-%2").arg(bout.score->leftTouches).arg(bout.score->rightTouches));
        }
        for (QLabel* label : {row.lFencerName, row.lTeam, row.lVictory, row.lScore}) {
            paint(label, color, bout.score.has_value());
        }
        row.lRound->show();
        row.lFencerName->show();
        row.lTeam->show();
        row.lVictory->setVisible(bout.score.has_value());
        row.lScore->setVisible(bout.score.has_value());
    }
    lTotalVictory->setText(record.victoriesText());
    lTotalScore->setText(record.touchesText());
    lInd->setText(record.indicatorText());
    for (QWidget* summary :
         {static_cast<QWidget*>(lineSummary), static_cast<QWidget*>(lTotalVictory),
          static_cast<QWidget*>(lTotalScore), static_cast<QWidget*>(lInd)}) {
        summary->show();
    }
}

// Any key closes the sheet once the fencer has checked it; Alt still reaches the menus.
void frmConfirmInd::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    const bool modifierOnly = key == Qt::Key_Alt || key == Qt::Key_Control ||
                              key == Qt::Key_Shift || key == Qt::Key_Meta || key == Qt::Key_AltGr;
    if (modifierOnly || (event->modifiers() & (Qt::AltModifier | Qt::ControlModifier))) {
        QDialog::keyPressEvent(event);
        return;
    }
    event->accept();
    accept();
}
