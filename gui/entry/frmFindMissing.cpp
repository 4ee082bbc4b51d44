#include "entry/frmFindMissing.h"

#include "widgets/Prompter.h"

#include "db/ORLEMain.h"
#include "entry/MissingResults.h"
#include "entry/StripHeader.h"
#include "widgets/EnterAsTab.h"
#include "widgets/EventColor.h"
#include "widgets/HelpMenu.h"
#include "widgets/NamedAction.h"
#include "widgets/NamedButton.h"
#include "widgets/OtherStations.h"
#include "widgets/WaitCursor.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

namespace {

constexpr int kRows = frmFindMissing::kEvents * frmFindMissing::kStripSets;

// Boxes are named by event × 100 + round × 10 + strip set, as the staff's codes run.
int boxIndex(int weapon, int round, int stripSet) {
    return weapon * 100 + round * 10 + stripSet;
}

QLabel* boldLabel(const QString& name, const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    return label;
}

Qt::CheckState checkState(ReportState state) {
    switch (state) {
        case ReportState::Complete:
            return Qt::Checked;
        case ReportState::Partial:
            return Qt::PartiallyChecked;
        case ReportState::Missing:
            break;
    }
    return Qt::Unchecked;
}

}  // namespace

frmFindMissing::frmFindMissing(ORLEMain& state, Prompter& prompter, QWidget* parent)
    : QDialog(parent), m_state(state), m_prompter(prompter) {
    setObjectName(QStringLiteral("frmFindMissing"));
    setWindowTitle(QStringLiteral("Missing Results"));
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(18, 10, 18, 14);
    outer->setSpacing(10);
    buildMenus();
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(14);
    grid->setVerticalSpacing(2);
    buildGrid(grid);
    outer->addLayout(grid);
    outer->addStretch();

    bReturn = NamedButton(QStringLiteral("bReturn"), QStringLiteral("Return"), this, {96, 0});
    connect(bReturn, &QPushButton::clicked, this, &QDialog::accept);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(bReturn);
    outer->addLayout(buttons);
    setTabOrder(cbReported.back(), bReturn);
    EnterAsTab::install(this);
    OtherStations::Follow(this, [this] { EvaluateAll(); });
}

void frmFindMissing::buildMenus() {
    auto* bar = new QMenuBar(this);
    QMenu* file = bar->addMenu(QStringLiteral("&File"));
    AddNamedAction(file, QStringLiteral("mExit"), QStringLiteral("E&xit"), this, &QDialog::accept);
    AddHelpMenu(bar, this);
    layout()->setMenuBar(bar);
}

// Rounds run across, strips down; each event is a band headed by its name.
void frmFindMissing::buildGrid(QGridLayout* grid) {
    for (int r = 0; r < kRounds; ++r) {
        grid->addWidget(boldLabel(QStringLiteral("lRound%1").arg(r),
                                  QStringLiteral("Round %1").arg(r + 1), this),
                        0, r + 1, Qt::AlignHCenter);
    }
    for (int e = 0; e < kEvents; ++e) {
        const int top = 1 + e * (kStripSets + 1);
        auto* heading =
            boldLabel(QStringLiteral("lStripSetHdr%1").arg(e), QStringLiteral("Strip"), this);
        lWeaponName[e] = boldLabel(QStringLiteral("lWeaponName%1").arg(e), QString(), this);
        lWeaponName[e]->setAlignment(Qt::AlignCenter);
        grid->addWidget(heading, top, 0);
        grid->addWidget(lWeaponName[e], top, 1, 1, kRounds);
        grid->setRowMinimumHeight(top, 30);
        for (int s = 0; s < kStripSets; ++s) {
            QLabel*& strip = lStripSet[static_cast<size_t>(e * kStripSets + s)];
            strip = new QLabel(this);
            strip->setObjectName(QStringLiteral("lStripSet%1").arg(e * 10 + s));
            grid->addWidget(strip, top + 1 + s, 0);
        }
    }
    QWidget* previous = nullptr;
    for (int e = 0; e < kEvents; ++e) {
        for (int s = 0; s < kStripSets; ++s) {
            for (int r = 0; r < kRounds; ++r) {
                auto* cb = new QCheckBox(this);
                cb->setObjectName(QStringLiteral("cbReported%1").arg(boxIndex(e, r, s)));
                cb->setTristate(true);
                cb->setProperty("index", boxIndex(e, r, s));
                cb->installEventFilter(this);
                cbReported[static_cast<size_t>((e * kRounds + r) * kStripSets + s)] = cb;
                grid->addWidget(cb, 2 + e * (kStripSets + 1) + s, r + 1, Qt::AlignHCenter);
                if (previous != nullptr) {
                    setTabOrder(previous, cb);
                }
                previous = cb;
            }
        }
    }
}

QCheckBox* frmFindMissing::box(int weapon, int round, int stripSet) const {
    return cbReported[static_cast<size_t>((weapon * kRounds + round) * kStripSets + stripSet)];
}

void frmFindMissing::setEnterResults(std::function<void()> enterResults) {
    m_enterResults = std::move(enterResults);
}

void frmFindMissing::Form_Load() {
    const Database& db = m_state.connection();
    const QStringList events = m_prompter.valueOrTell(this, StripHeader::EventNames(db));
    for (int e = 0; e < kEvents; ++e) {
        lWeaponName[e]->setText(events.value(e));
        PaintEventBackground(lWeaponName[e], m_state.EventColors[static_cast<size_t>(e)]);
        const QStringList strips = m_prompter.valueOrTell(this, StripHeader::StripNames(db, e));
        for (int s = 0; s < kStripSets; ++s) {
            lStripSet[static_cast<size_t>(e * kStripSets + s)]->setText(strips.value(s));
        }
    }
    EvaluateAll();
    box(m_state.CurrentWeapon, std::clamp<int>(m_state.CurrentRound, 0, kRounds - 1),
        std::clamp<int>(m_state.CurrentStripSet, 0, kStripSets - 1))
        ->setFocus(Qt::OtherFocusReason);
}

void frmFindMissing::EvaluateAll() {
    WaitCursor busy;
    setUpdatesEnabled(false);
    const int lastRound = std::min(m_state.LastRound, kRounds - 1);
    const int lastStripSet = std::min(m_state.LastStripSet, kStripSets - 1);
    for (QCheckBox* cb : cbReported) {
        const int index = cb->property("index").toInt();
        cb->setCheckState(Qt::Unchecked);
        cb->setEnabled((index / 10) % 10 <= lastRound && index % 10 <= lastStripSet);
        cb->setToolTip(QString());
    }
    const Result<std::vector<StripReport>> reports =
        MissingResults::ForChampionship(m_state.connection(), lastRound, lastStripSet);
    if (!reports) {
        // Unread strips are not missing strips: no box claims anything.
        for (QCheckBox* cb : cbReported) {
            cb->setEnabled(false);
        }
        setUpdatesEnabled(true);
        m_prompter.tellFailure(this, reports.status());
        return;
    }
    const QStringList events =
        m_prompter.valueOrTell(this, StripHeader::EventNames(m_state.connection()));
    for (const StripReport& strip : *reports) {
        QCheckBox* cb = box(strip.weapon, strip.round, strip.stripSet);
        cb->setCheckState(checkState(strip.state()));
        cb->setToolTip(
            QStringLiteral("%1, Round %2, Strip %3: %4 of %5 bouts reported")
                .arg(events.value(strip.weapon))
                .arg(strip.round + 1)
                .arg(lStripSet[static_cast<size_t>(strip.weapon * kStripSets + strip.stripSet)]
                         ->text())
                .arg(strip.reported)
                .arg(strip.toFence()));
    }
    setUpdatesEnabled(true);
}

// The strip's own entry window is opened through the main window's Enter Results, so a
// move to another kind of round from there still lands in the right window.
void frmFindMissing::openStrip(int index) {
    m_state.CurrentWeapon = static_cast<short>(index / 100);
    m_state.CurrentRound = static_cast<short>((index / 10) % 10);
    m_state.CurrentStripSet = static_cast<short>(index % 10);
    if (m_enterResults) {
        m_enterResults();
    }
    QCoreApplication::processEvents();
    EvaluateAll();
    box(index / 100, (index / 10) % 10, index % 10)->setFocus(Qt::OtherFocusReason);
}

// Arrow keys walk the grid: up and down through the strips of all events, left and right
// through the rounds; disabled boxes are stepped over.
void frmFindMissing::moveFocus(int index, int rowStep, int roundStep) {
    int row = (index / 100) * kStripSets + index % 10;
    int round = (index / 10) % 10;
    for (;;) {
        row += rowStep;
        round += roundStep;
        if (row < 0 || row >= kRows || round < 0 || round >= kRounds) {
            return;
        }
        QCheckBox* next = box(row / kStripSets, round, row % kStripSets);
        if (next->isEnabled()) {
            next->setFocus(Qt::TabFocusReason);
            return;
        }
    }
}

// The boxes show state only: a click or Space opens the strip instead of ticking the box.
bool frmFindMissing::eventFilter(QObject* watched, QEvent* event) {
    auto* cb = qobject_cast<QCheckBox*>(watched);
    if (cb == nullptr) {
        return QDialog::eventFilter(watched, event);
    }
    const int index = cb->property("index").toInt();
    switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
            openStrip(index);
            return true;
        case QEvent::MouseButtonRelease:
            return true;
        case QEvent::KeyPress: {
            const auto* key = static_cast<QKeyEvent*>(event);
            if (key->modifiers() & (Qt::AltModifier | Qt::ControlModifier)) {
                return false;
            }
            switch (key->key()) {
                case Qt::Key_Space:
                case Qt::Key_Return:
                case Qt::Key_Enter:
                    if (!key->isAutoRepeat()) {
                        openStrip(index);
                    }
                    return true;
                case Qt::Key_Up:
                    moveFocus(index, -1, 0);
                    return true;
                case Qt::Key_Down:
                    moveFocus(index, 1, 0);
                    return true;
                case Qt::Key_Left:
                    moveFocus(index, 0, -1);
                    return true;
                case Qt::Key_Right:
                    moveFocus(index, 0, 1);
                    return true;
                default:
                    return false;
            }
        }
        case QEvent::KeyRelease:
            return static_cast<QKeyEvent*>(event)->key() == Qt::Key_Space;
        default:
            return false;
    }
}
