#include "standings/frmShowResults.h"

#include "db/ORLEMain.h"
#include "print/PrintSink.h"
#include "publish/RoundRobinSheet.h"
#include "standings/BuildLiveStandings.h"
#include "standings/BuildLiveTeamStandings.h"
#include "standings/StandingsGridFiller.h"
#include "widgets/EnterAsTab.h"
#include "widgets/EventColor.h"
#include "widgets/HelpMenu.h"
#include "widgets/NamedAction.h"
#include "widgets/Prompter.h"
#include "widgets/WaitCursor.h"

#include <QActionGroup>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

// The school tab has no event of its own; it shows in light blue.
constexpr ColorValue kSchoolsColor = 0xFFC0C0u;

QLabel* namedLabel(const char* name, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    label->setAlignment(Qt::AlignCenter);
    return label;
}

}  // namespace

frmShowResults::frmShowResults(ORLEMain& state, Prompter& prompter, QWidget* parent)
    : QMainWindow(parent), m_state(state), m_prompter(prompter) {
    setObjectName(QStringLiteral("frmShowResults"));
    buildWindow();
    buildMenus();
    EnterAsTab::install(this);
    resize(840, 740);
    Form_Load();
}

void frmShowResults::buildWindow() {
    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(14, 10, 14, 12);
    lReportName = namedLabel("lReportName", central);
    QFont title = lReportName->font();
    title.setPointSizeF(title.pointSizeF() * 1.6);
    title.setBold(true);
    lReportName->setFont(title);
    lLastRound = namedLabel("lLastRound", central);
    QFont progress = lLastRound->font();
    progress.setPointSizeF(progress.pointSizeF() * 1.15);
    lLastRound->setFont(progress);
    layout->addWidget(lReportName);
    layout->addWidget(lLastRound);

    tabCategory = new QTabWidget(central);
    tabCategory->setObjectName(QStringLiteral("tabCategory"));
    tabCategory->addTab(buildTab(Individual), QStringLiteral("&Individual"));
    tabCategory->addTab(buildTab(Schools), QStringLiteral("&Team"));
    layout->addWidget(tabCategory, 1);
    connect(tabCategory, &QTabWidget::currentChanged, this, [this](int tab) { Refresh(tab); });

    bPrint = new QPushButton(QStringLiteral("&Print"), central);
    bPrint->setObjectName(QStringLiteral("bPrint"));
    bDownload = new QPushButton(QStringLiteral("&Download"), central);
    bDownload->setObjectName(QStringLiteral("bDownload"));
    bExit = new QPushButton(QStringLiteral("&Return"), central);
    bExit->setObjectName(QStringLiteral("bExit"));
    // Printing the results and writing the download files come with their own windows.
    bPrint->setEnabled(false);
    bDownload->setEnabled(false);
    connect(bExit, &QPushButton::clicked, this, &QWidget::close);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* button : {bPrint, bDownload, bExit}) {
        button->setMinimumWidth(110);
        button->setAutoDefault(false);
    }
    buttons->addWidget(bPrint);
    buttons->addWidget(bDownload);
    buttons->addStretch();
    buttons->addWidget(bExit);
    layout->addLayout(buttons);
    setCentralWidget(central);
    setTabOrder(tabCategory, hsReport[Individual]);
    setTabOrder(hsReport[Individual], fpResults[Individual]);
    setTabOrder(fpResults[Individual], bPrint);
    setTabOrder(bPrint, bDownload);
    setTabOrder(bDownload, bExit);
}

QWidget* frmShowResults::buildTab(int index) {
    auto* page = new QWidget(tabCategory);
    auto* layout = new QVBoxLayout(page);
    auto* scroll = new QScrollBar(Qt::Horizontal, page);
    scroll->setObjectName(QStringLiteral("hsReport%1").arg(index));
    scroll->setRange(0, index == Individual ? 5 : 2);
    scroll->setPageStep(1);
    scroll->setFocusPolicy(Qt::StrongFocus);
    connect(scroll, &QScrollBar::valueChanged, this, [this, index] { Refresh(index); });
    auto* grid = new QTableWidget(page);
    grid->setObjectName(QStringLiteral("fpResults%1").arg(index));
    layout->addWidget(scroll);
    layout->addWidget(grid, 1);
    hsReport[static_cast<size_t>(index)] = scroll;
    fpResults[static_cast<size_t>(index)] = grid;
    if (index == Individual) {
        StandingsGridFiller::PrepareIndividual(grid);
        // The arrow keys step through the events rather than the rows.
        grid->installEventFilter(this);
        lFinalFour = new QLabel(page);
        lFinalFour->setObjectName(QStringLiteral("lFinalFour"));
        lFinalFour->setFont(QFont(QStringLiteral("Liberation Mono")));
        lFinalFour->setTextInteractionFlags(Qt::TextSelectableByMouse);
        lFinalFour->hide();
        layout->addWidget(lFinalFour);
    }
    return page;
}

void frmShowResults::buildMenus() {
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    mPrint = NamedAction(file->addAction(QStringLiteral("&Print")), QStringLiteral("mPrint"));
    mPrint->setEnabled(false);
    mDownload =
        NamedAction(file->addAction(QStringLiteral("&Download")), QStringLiteral("mDownload"));
    mDownload->setEnabled(false);
    file->addSeparator();
    AddNamedAction(file, QStringLiteral("mExit"), QStringLiteral("E&xit"), this, &QWidget::close);

    m_weaponMenu = menuBar()->addMenu(QStringLiteral("&Weapon"));
    m_weaponMenu->setObjectName(QStringLiteral("mWeapon"));
    auto* group = new QActionGroup(this);
    for (int w = 0; w < 6; ++w) {
        QAction* item = m_weaponMenu->addAction(QString());
        item->setObjectName(QStringLiteral("mWeapon%1").arg(w));
        item->setCheckable(true);
        const auto digit = static_cast<Qt::Key>(Qt::Key_1 + w);
        // Ctrl with a keypad digit falls back to this key when nothing else claims it.
        item->setShortcut(QKeySequence(QKeyCombination(Qt::ControlModifier, digit)));
        group->addAction(item);
        connect(item, &QAction::triggered, this, [this, w] { mWeapon_Click(w); });
        mWeapon[static_cast<size_t>(w)] = item;
        addAction(item);
    }

    AddHelpMenu(menuBar(), this);
}

void frmShowResults::Form_Load() {
    if (!m_state.isOpen()) {
        return;
    }
    report(m_events.load(m_state.connection()));
    QStringList abbreviations;
    for (int w = 0; w < 6; ++w) {
        mWeapon[static_cast<size_t>(w)]->setText(m_events.name(w));
        abbreviations << m_events.abbreviation(w);
    }
    StandingsGridFiller::PrepareSchools(fpResults[Schools], abbreviations);
}

void frmShowResults::Refresh(int index) {
    // A file that failed to open leaves nothing to show.
    if (!m_state.isOpen()) {
        for (QTableWidget* grid : fpResults) {
            grid->setRowCount(0);
        }
        m_standings = LiveStandings();
        lLastRound->clear();
        lFinalFour->hide();
        return;
    }
    WaitCursor busy;
    QTableWidget* grid = fpResults[static_cast<size_t>(index)];
    grid->setUpdatesEnabled(false);
    if (index == Individual) {
        showIndividual();
    } else {
        showSchools();
    }
    grid->setUpdatesEnabled(true);
}

void frmShowResults::showIndividual() {
    const int event = hsReport[Individual]->value();
    lReportName->setText(m_events.name(event));
    lReportName->setProperty("tag", m_events.abbreviation(event));
    report(BuildLiveStandings(m_state.connection(), event, m_standings));
    lLastRound->setText(m_standings.RoundStatusText);
    lFinalFour->setText(m_standings.FinalFourSummary);
    lFinalFour->setVisible(!m_standings.FinalFourSummary.isEmpty());
    StandingsGridFiller::FillIndividual(fpResults[Individual], m_standings.Rows);
    setWeaponMenuEnabled(true);
    mWeapon[static_cast<size_t>(event)]->setChecked(true);
    showCaption(m_events.name(event), m_state.EventColors[static_cast<size_t>(event)]);
}

void frmShowResults::showSchools() {
    const auto variant = static_cast<TeamVariant>(hsReport[Schools]->value());
    const QString name = m_events.teamsReportName(variant);
    lReportName->setText(name);
    lReportName->setProperty("tag", QStringLiteral("TM"));
    lLastRound->clear();
    std::vector<TeamStandingsRow> rows;
    report(BuildLiveTeamStandings(m_state.connection(), variant, rows));
    StandingsGridFiller::FillSchools(fpResults[Schools], rows);
    setWeaponMenuEnabled(false);
    showCaption(name, kSchoolsColor);
}

void frmShowResults::showCaption(const QString& reportName, ColorValue background) {
    setWindowTitle(QStringLiteral("Standings - ") + reportName);
    PaintEventBackground(this, background);
}

// The items go with the menu, so that their Ctrl+digit keys rest on the school tab too.
void frmShowResults::setWeaponMenuEnabled(bool enabled) {
    m_weaponMenu->setEnabled(enabled);
    for (QAction* item : mWeapon) {
        item->setEnabled(enabled);
    }
}

void frmShowResults::mWeapon_Click(int event) {
    if (hsReport[Individual]->value() == event) {
        Refresh(Individual);
    } else {
        hsReport[Individual]->setValue(event);
    }
}

void frmShowResults::Open() {
    if (!isVisible()) {
        const QSignalBlocker quiet(hsReport[Individual]);
        hsReport[Individual]->setValue(m_state.CurrentWeapon);
    }
    show();
    raise();
    activateWindow();
    Refresh(tabCategory->currentIndex());
}

Status frmShowResults::DoGrid(int event, int copies, const QString& progressText,
                              const PlaceOf& placeOf, PrintSink& sink) {
    if (!m_state.isOpen()) {
        return Status::failure(QStringLiteral("No championship file is open."));
    }
    const SheetEvent printed =
        SheetEvent::Load(m_state.connection(), event, m_state.ChampionshipYear);
    GridSheet sheet;
    const Status built =
        RoundRobinSheet::Build(m_state.connection(), printed, progressText, placeOf, copies, sheet);
    return built ? sink.print(sheet) : built;
}

// Closing the message activates the window, which refreshes again: the same failure is told
// once, not over and over.
void frmShowResults::report(const Status& status) {
    if (status.ok()) {
        m_lastFailure.clear();
        return;
    }
    if (status.message() == m_lastFailure) {
        return;
    }
    m_lastFailure = status.message();
    m_prompter.tell(this, QMessageBox::Critical, QStringLiteral("Database Error"),
                    status.message());
}

bool frmShowResults::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate) {
        Refresh(tabCategory->currentIndex());
    }
    return QMainWindow::event(event);
}

bool frmShowResults::eventFilter(QObject* watched, QEvent* event) {
    if (watched == fpResults[Individual] && event->type() == QEvent::FocusIn) {
        hsReport[Individual]->setFocus();
    }
    return QMainWindow::eventFilter(watched, event);
}
