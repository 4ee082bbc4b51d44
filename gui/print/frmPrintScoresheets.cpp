#include "print/frmPrintScoresheets.h"

#include "db/ORLEMain.h"
#include "entry/StripHeader.h"
#include "print/PrintScoresheets.h"
#include "print/ScoresheetStrips.h"
#include "print/SystemPrinterSink.h"
#include "widgets/EnterAsTab.h"
#include "widgets/EventColor.h"
#include "widgets/HelpMenu.h"
#include "widgets/NamedAction.h"
#include "widgets/NamedButton.h"
#include "widgets/PrintOutcome.h"
#include "widgets/Prompter.h"
#include "widgets/WaitCursor.h"

#include <QActionGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>
#include <memory>

namespace {

QPushButton* button(const QString& name, const QString& caption, QWidget* parent) {
    return NamedButton(name, caption, parent, QSize(120, 32));
}

QCheckBox* box(const QString& name, const QString& caption, QWidget* parent) {
    auto* b = new QCheckBox(caption, parent);
    b->setObjectName(name);
    return b;
}

}  // namespace

frmPrintScoresheets::frmPrintScoresheets(ORLEMain& state, Prompter& prompter, QWidget* parent,
                                         PrintSink* sink, Clock today)
    : QDialog(parent),
      m_state(state),
      m_prompter(prompter),
      m_sink(sink),
      m_today(std::move(today)) {
    setObjectName(QStringLiteral("frmPrintScoresheets"));
    setWindowTitle(QStringLiteral("Print Scoresheets"));
    buildControls();
    buildMenus();
    EnterAsTab::install(this);
    Form_Load();
}

frmPrintScoresheets::~frmPrintScoresheets() = default;

void frmPrintScoresheets::buildControls() {
    lWeaponName = new QLabel(this);
    lWeaponName->setObjectName(QStringLiteral("lWeaponName"));
    QFont titleFont = lWeaponName->font();
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.6);
    titleFont.setBold(true);
    lWeaponName->setFont(titleFont);
    lWeaponName->setAlignment(Qt::AlignCenter);

    const QStringList frameTitles{QStringLiteral("Day One"), QStringLiteral("Day Two"),
                                  QStringLiteral("Final Four")};
    auto* frames = new QHBoxLayout;
    std::array<QVBoxLayout*, 3> columns{};
    for (int f = 0; f < 3; ++f) {
        m_frames[f] = new QGroupBox(frameTitles[f], this);
        columns[f] = new QVBoxLayout(m_frames[f]);
        frames->addWidget(m_frames[f]);
    }
    for (int r = 0; r < 7; ++r) {
        const int frame = r < 4 ? 0 : 1;
        cbRound[r] = box(QStringLiteral("cbRound%1").arg(r), QStringLiteral("Round %1").arg(r + 1),
                         m_frames[frame]);
        columns[frame]->addWidget(cbRound[r]);
        connect(cbRound[r], &QCheckBox::clicked, this, &frmPrintScoresheets::EvaluateEnabling);
    }
    const QStringList finals{QStringLiteral("Semis"), QStringLiteral("1st/3rd")};
    for (int f = 0; f < 2; ++f) {
        cbFinalFour[f] = box(QStringLiteral("cbFinalFour%1").arg(f), finals[f], m_frames[2]);
        columns[2]->addWidget(cbFinalFour[f]);
        connect(cbFinalFour[f], &QCheckBox::clicked, this, &frmPrintScoresheets::EvaluateEnabling);
    }
    bDayOne = button(QStringLiteral("bDayOne"), QStringLiteral("   All of Day &One"), m_frames[0]);
    bDayTwo = button(QStringLiteral("bDayTwo"), QStringLiteral("   All of Day &Two"), m_frames[1]);
    bFinalFour = button(QStringLiteral("bFinalFour"), QStringLiteral("  All of    &Final Four"),
                        m_frames[2]);
    // The toggles stand level at the foot of their frames.
    columns[0]->addStretch();
    columns[0]->addWidget(bDayOne);
    columns[1]->addStretch();
    columns[1]->addWidget(bDayTwo);
    columns[2]->addStretch();
    columns[2]->addWidget(bFinalFour);
    connect(bDayOne, &QPushButton::clicked, this, &frmPrintScoresheets::bDayOne_Click);
    connect(bDayTwo, &QPushButton::clicked, this, &frmPrintScoresheets::bDayTwo_Click);
    connect(bFinalFour, &QPushButton::clicked, this, &frmPrintScoresheets::bFinalFour_Click);
    for (QGroupBox* frame : m_frames) {
        frame->setMinimumHeight(190);
    }

    cbTomorrow = box(QStringLiteral("cbTomorrow"), QStringLiteral("Use tomorrow's &date"), this);

    auto* strips = new QHBoxLayout;
    for (int s = 0; s < 4; ++s) {
        bStrip[s] = button(QStringLiteral("bStrip%1").arg(s), QString(), this);
        strips->addWidget(bStrip[s]);
        connect(bStrip[s], &QPushButton::clicked, this, [this, s] { bStrip_Click(s); });
    }

    bPrint = button(QStringLiteral("bPrint"), QStringLiteral("&Print"), this);
    bExit = button(QStringLiteral("bExit"), QStringLiteral("&Return"), this);
    connect(bPrint, &QPushButton::clicked, this, &frmPrintScoresheets::bPrint_Click);
    connect(bExit, &QPushButton::clicked, this, &QDialog::accept);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(cbTomorrow);
    bottom->addStretch();
    bottom->addWidget(bPrint);
    bottom->addWidget(bExit);

    auto* layout = new QVBoxLayout(this);
    layout->setSpacing(12);
    layout->addWidget(lWeaponName);
    layout->addLayout(frames);
    layout->addLayout(strips);
    layout->addLayout(bottom);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void frmPrintScoresheets::buildMenus() {
    auto* bar = new QMenuBar(this);
    QMenu* file = bar->addMenu(QStringLiteral("&File"));
    mPrint = AddNamedAction(file, QStringLiteral("mPrint"), QStringLiteral("&Print"), this,
                            &frmPrintScoresheets::bPrint_Click);
    file->addSeparator();
    AddNamedAction(file, QStringLiteral("mExit"), QStringLiteral("E&xit"), this, &QDialog::accept);

    QMenu* weapon = bar->addMenu(QStringLiteral("&Weapon"));
    auto* exclusive = new QActionGroup(this);
    for (int w = 0; w < 6; ++w) {
        mWeapon[w] = AddNamedAction(weapon, QStringLiteral("mWeapon%1").arg(w), QString(), this,
                                    [this, w] { mWeapon_Click(w); });
        mWeapon[w]->setCheckable(true);
        mWeapon[w]->setActionGroup(exclusive);
        const auto key = Qt::Key(Qt::Key_1 + w);
        mWeapon[w]->setShortcuts(QList<QKeySequence>{
            QKeySequence(QKeyCombination(Qt::ControlModifier, key)),
            QKeySequence(QKeyCombination(Qt::ControlModifier | Qt::KeypadModifier, key))});
    }

    mStripHdr = bar->addMenu(QStringLiteral("&Strip"));
    mStripHdr->setObjectName(QStringLiteral("mStripHdr"));
    for (int s = 0; s < 4; ++s) {
        mStrip[s] = AddNamedAction(mStripHdr, QStringLiteral("mStrip%1").arg(s), QString(), this,
                                   [this, s] { bStrip_Click(s); });
    }

    AddHelpMenu(bar, this);
    layout()->setMenuBar(bar);
}

void frmPrintScoresheets::Form_Load() {
    const QStringList names =
        m_state.isOpen()
            ? m_prompter.valueOrTell(this, StripHeader::EventNames(m_state.connection()))
            : QStringList();
    for (int w = 0; w < 6; ++w) {
        mWeapon[w]->setText(names.value(w));
        mWeapon[w]->setEnabled(m_state.isOpen());
    }
    EvaluateEnabling();
    // The file or its names may have changed since the window last showed.
    m_event = -1;
    mWeapon_Click(m_state.CurrentWeapon);
}

void frmPrintScoresheets::mWeapon_Click(int index) {
    if (index == m_event || index < 0 || index > 5) {
        return;
    }
    m_event = index;
    mWeapon[index]->setChecked(true);
    PaintEventBackground(this, m_state.EventColors[static_cast<size_t>(index)]);
    lWeaponName->setText(mWeapon[index]->text());
    lWeaponName->setProperty("tag", index);
    const QList<ScoresheetStrip> strips =
        m_state.isOpen()
            ? m_prompter.valueOrTell(this, ScoresheetStrips(m_state.connection(), index))
            : QList<ScoresheetStrip>();
    for (int s = 0; s < 4; ++s) {
        const QString caption =
            s < strips.size() ? QStringLiteral("Strip ") + strips[s].name : QString();
        m_stripSets[s] = s < strips.size() ? strips[s].stripSet : -1;
        bStrip[s]->setText(caption);
        mStrip[s]->setText(caption);
        bStrip[s]->setVisible(s < strips.size());
        mStrip[s]->setVisible(s < strips.size());
    }
}

ScoresheetChoice frmPrintScoresheets::choice() const {
    ScoresheetChoice chosen;
    for (int r = 0; r < 7; ++r) {
        chosen.rounds[r] = cbRound[r]->isChecked();
    }
    chosen.semis = cbFinalFour[0]->isChecked();
    chosen.medals = cbFinalFour[1]->isChecked();
    return chosen;
}

void frmPrintScoresheets::EvaluateEnabling() {
    const ScoresheetChoice chosen = choice();
    const bool strips = chosen.stripsAvailable();
    mStripHdr->setEnabled(strips);
    for (int s = 0; s < 4; ++s) {
        bStrip[s]->setEnabled(strips);
        mStrip[s]->setEnabled(strips);
    }
    const bool any = chosen.any() && m_state.isOpen();
    bPrint->setEnabled(any);
    mPrint->setEnabled(any);
}

// Checks the boxes of the block unless all of them are checked, which unchecks them.
void frmPrintScoresheets::toggle(int first, int last) {
    std::array<QCheckBox*, 9> boxes{cbRound[0], cbRound[1],     cbRound[2],
                                    cbRound[3], cbRound[4],     cbRound[5],
                                    cbRound[6], cbFinalFour[0], cbFinalFour[1]};
    bool all = true;
    for (int i = first; i <= last; ++i) {
        all = all && boxes[i]->isChecked();
    }
    for (int i = first; i <= last; ++i) {
        boxes[i]->setChecked(!all);
    }
    EvaluateEnabling();
}

void frmPrintScoresheets::bDayOne_Click() {
    toggle(0, 3);
}

void frmPrintScoresheets::bDayTwo_Click() {
    toggle(4, 6);
}

void frmPrintScoresheets::bFinalFour_Click() {
    toggle(7, 8);
}

void frmPrintScoresheets::bPrint_Click() {
    printAll(-1);
}

void frmPrintScoresheets::bStrip_Click(int index) {
    if (index >= 0 && index < 4 && m_stripSets[index] >= 0 && choice().stripsAvailable()) {
        printAll(m_stripSets[index]);
    }
}

void frmPrintScoresheets::printAll(int stripSet) {
    const ScoresheetChoice chosen = choice();
    if (!chosen.any() || !m_state.isOpen() || m_event < 0) {
        return;
    }
    std::unique_ptr<SystemPrinterSink> printer;
    if (!m_sink) {
        printer = std::make_unique<SystemPrinterSink>(m_state.connection().path());
    }
    PrintSink& sink = m_sink ? *m_sink : *printer;
    const Scoresheets::Request request{
        {m_event, mWeapon[m_event]->text().remove(QLatin1Char('&')), m_state.ChampionshipYear},
        Scoresheets::SheetDate(m_today(), cbTomorrow->isChecked()),
        stripSet};
    Status status = Status::success();
    {
        WaitCursor wait;
        status = PrintScoresheets(m_state.connection(), request, chosen, sink);
    }
    // Unticked so that the same sheets are not printed twice by accident.
    for (QCheckBox* b : cbRound) {
        b->setChecked(false);
    }
    for (QCheckBox* b : cbFinalFour) {
        b->setChecked(false);
    }
    EvaluateEnabling();
    TellPrintOutcome(m_prompter, this, windowTitle(), status, sink.takeSavedFiles());
}
