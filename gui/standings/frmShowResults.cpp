#include "standings/frmShowResults.h"

#include "db/ORLEMain.h"
#include "print/PrintSink.h"
#include "print/SystemPrinterSink.h"
#include "publish/FieXmlDownload.h"
#include "publish/ResultsDownload.h"
#include "publish/ResultsPrintRun.h"
#include "publish/RoundRobinSheet.h"
#include "publish/frmChooseDownload.h"
#include "publish/frmChooseResults.h"
#include "standings/BuildLiveStandings.h"
#include "standings/BuildLiveTeamStandings.h"
#include "standings/FinalFourReach.h"
#include "standings/RaceLines.h"
#include "standings/RacePanel.h"
#include "standings/StandingsGridFiller.h"
#include "standings/TitleRace.h"
#include "widgets/EnterAsTab.h"
#include "widgets/EventColor.h"
#include "widgets/HelpMenu.h"
#include "widgets/NamedAction.h"
#include "widgets/OtherStations.h"
#include "widgets/PreviewSink.h"
#include "widgets/PrintOutcome.h"
#include "widgets/Prompter.h"
#include "widgets/ScreenFit.h"
#include "widgets/WaitCursor.h"

#include <QActionGroup>
#include <QDateTime>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>
#include <QStatusBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

constexpr int kWindowWidth = 1240;
constexpr int kRacePanelWidth = 420;

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
    // Wide enough for the school grid's columns and the title race beside them.
    FitToScreen(this, {kWindowWidth, 740});
    Form_Load();
    OtherStations::Follow(this, [this] { Reload(); });
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
    lDownloading = namedLabel("lDownloading", central);
    lDownloading->setText(QStringLiteral("Results download is being completed."));
    lDownloading->hide();
    layout->addWidget(lDownloading, 1);
    connect(tabCategory, &QTabWidget::currentChanged, this, [this](int tab) { Refresh(tab); });

    bPrint = new QPushButton(QStringLiteral("&Print"), central);
    bPrint->setObjectName(QStringLiteral("bPrint"));
    bDownload = new QPushButton(QStringLiteral("&Download"), central);
    bDownload->setObjectName(QStringLiteral("bDownload"));
    bExit = new QPushButton(QStringLiteral("&Return"), central);
    bExit->setObjectName(QStringLiteral("bExit"));
    connect(bPrint, &QPushButton::clicked, this, &frmShowResults::bPrint_Click);
    connect(bDownload, &QPushButton::clicked, this, &frmShowResults::bDownload_Click);
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
    // The grid keeps its columns; the race (for the Final Four, for the title) stands beside it.
    auto* beside = new QHBoxLayout;
    RacePanel* race = buildRacePanel(index, page);
    beside->addWidget(grid, 1);
    beside->addWidget(race);
    layout->addLayout(beside, 1);
    m_races[static_cast<size_t>(index)] = race;
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

RacePanel* frmShowResults::buildRacePanel(int index, QWidget* page) {
    auto* panel =
        index == Individual
            ? new RacePanel(QStringLiteral("Final Four Race"), QStringLiteral("fpFinalFourRace"),
                            {QStringLiteral("Fencer"), QStringLiteral("V"), QStringLiteral("Max"),
                             QStringLiteral("Can Reach")},
                            QStringLiteral("Max: the most victories the fencer can still reach. "
                                           "Can Reach: they reach today's fourth-best victories."),
                            page)
            : new RacePanel(
                  QStringLiteral("Title Race"), QStringLiteral("fpTitleRace"),
                  {QStringLiteral("School"), QStringLiteral("Pts"), QStringLiteral("Left"),
                   QStringLiteral("Max"), QStringLiteral("Can Win")},
                  QStringLiteral("Left: bouts still to fence in which the school can "
                                 "score. Max: the most points it can still reach. Can "
                                 "Win: its maximum reaches the leader's points."),
                  page);
    panel->setFixedWidth(kRacePanelWidth);
    return panel;
}

void frmShowResults::buildMenus() {
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    mPrint = AddNamedAction(file, QStringLiteral("mPrint"), QStringLiteral("&Print"), this,
                            &frmShowResults::bPrint_Click);
    mDownload = AddNamedAction(file, QStringLiteral("mDownload"), QStringLiteral("&Download"), this,
                               &frmShowResults::bDownload_Click);
    file->addSeparator();
    AddNamedAction(file, QStringLiteral("mExit"), QStringLiteral("E&xit"), this, &QWidget::close);

    QMenu* download = menuBar()->addMenu(QStringLiteral("D&ownload"));
    download->setObjectName(QStringLiteral("mDownloadMenu"));
    AddNamedAction(download, QStringLiteral("mFieXml"), QStringLiteral("&FIE XML..."), this,
                   &frmShowResults::mFieXml_Click);

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

void frmShowResults::Reload() {
    if (!isVisible()) {
        return;
    }
    Form_Load();
    Refresh(tabCategory->currentIndex());
}

void frmShowResults::Refresh(int index) {
    // A file that failed to open leaves nothing to show.
    if (!m_state.isOpen()) {
        for (QTableWidget* grid : fpResults) {
            grid->setRowCount(0);
        }
        for (RacePanel* race : m_races) {
            race->fill({});
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
    const Result<std::map<int, FinalFourReach>> reach =
        BuildFinalFourReach(m_state.connection(), event, m_standings.Rows);
    // Told only when it fails: its success must not hide a failure of the standings above.
    if (!reach) {
        report(reach.status());
    }
    m_races[Individual]->fill(reach ? FinalFourRaceLines(m_standings, *reach)
                                    : std::vector<RacePanel::Line>());
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
    std::vector<TitleRaceRow> race;
    report(BuildTitleRace(m_state.connection(), variant, rows, race));
    m_races[Schools]->fill(TitleRaceLines(race));
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
    const Result<SheetEvent> printed =
        SheetEvent::Load(m_state.connection(), event, m_state.ChampionshipYear);
    if (!printed) {
        return printed.status();
    }
    GridSheet sheet;
    const Status built = RoundRobinSheet::Build(m_state.connection(), *printed, progressText,
                                                placeOf, copies, sheet);
    return built ? sink.print(sheet) : built;
}

frmChooseDownload& frmShowResults::downloadChooser() {
    if (!m_downloadChooser) {
        m_downloadChooser = new frmChooseDownload(this);
    }
    return *m_downloadChooser;
}

frmChooseResults& frmShowResults::printChooser() {
    if (!m_printChooser) {
        m_printChooser = new frmChooseResults(this);
    }
    return *m_printChooser;
}

void frmShowResults::bDownload_Click() {
    if (!m_state.isOpen()) {
        return;
    }
    frmChooseDownload& choose = downloadChooser();
    choose.exec();
    RunDownload(choose.DownloadType());
}

void frmShowResults::RunDownload(const QString& downloadType) {
    const std::optional<ResultsDownload::Format> format =
        downloadType == QLatin1String("TXT")    ? ResultsDownload::Format::Text
        : downloadType == QLatin1String("XML")  ? ResultsDownload::Format::Xml
        : downloadType == QLatin1String("HTML") ? ResultsDownload::Format::Html
                                                : std::optional<ResultsDownload::Format>();
    if (!format || !m_state.isOpen()) {
        return;
    }
    const QString path = ResultsDownload::PathFor(m_state.connection().path(), *format);
    Status written = Status::success();
    {
        tabCategory->hide();
        lDownloading->show();
        WaitCursor busy;
        written =
            ResultsDownload::Write(m_state.connection(), m_state.ChampionshipYear, *format, path);
        lDownloading->hide();
        tabCategory->show();
    }
    if (!written) {
        m_prompter.tell(this, QMessageBox::Critical, QStringLiteral("Download"), written.message());
        return;
    }
    statusBar()->showMessage(QStringLiteral("Results written to ") + path);
}

void frmShowResults::mFieXml_Click() {
    if (!m_state.isOpen()) {
        return;
    }
    const QString path = DownloadFieXml(this, m_prompter, m_state.connection(),
                                        hsReport[Individual]->value(), m_state.ChampionshipYear);
    if (!path.isEmpty()) {
        statusBar()->showMessage(QStringLiteral("FIE XML written to ") + path);
    }
}

void frmShowResults::bPrint_Click() {
    if (!m_state.isOpen()) {
        return;
    }
    std::array<QString, 6> names;
    for (int w = 0; w < 6; ++w) {
        names[static_cast<size_t>(w)] = m_events.name(w);
    }
    frmChooseResults& choose = printChooser();
    choose.prepare(names,
                   tabCategory->currentIndex() == Individual ? hsReport[Individual]->value() : -1);
    choose.exec();
    RunPrint(choose.Choice());
}

void frmShowResults::RunPrint(const ResultsPrintChoice& choice) {
    if (choice.isEmpty() || !m_state.isOpen()) {
        return;
    }
    const int tab = tabCategory->currentIndex();
    const int shownEvent = hsReport[Individual]->value();
    const int shownVariant = hsReport[Schools]->value();
    const Status printed = printAll(choice);
    {
        const QSignalBlocker quietTabs(tabCategory);
        const QSignalBlocker quietEvents(hsReport[Individual]);
        const QSignalBlocker quietVariants(hsReport[Schools]);
        tabCategory->setCurrentIndex(tab);
        hsReport[Individual]->setValue(shownEvent);
        hsReport[Schools]->setValue(shownVariant);
    }
    Refresh(tab);
    if (!printed) {
        m_prompter.tell(this, QMessageBox::Critical, windowTitle(), printed.message());
    }
    activateWindow();
}

// The reports open in the preview, with its own print command; the tables go straight to the
// printer, as every grid sheet does.
Status frmShowResults::printAll(const ResultsPrintChoice& choice) {
    std::unique_ptr<SystemPrinterSink> printer;
    std::unique_ptr<PreviewSink> preview;
    if (!m_sink) {
        printer = std::make_unique<SystemPrinterSink>(m_state.connection().path());
        preview = std::make_unique<PreviewSink>(*printer, m_prompter, this);
    }
    PrintSink& reports = m_sink ? *m_sink : static_cast<PrintSink&>(*preview);
    PrintSink& grids = m_sink ? *m_sink : static_cast<PrintSink&>(*printer);
    ResultsPrintRun run(m_state.connection(), m_state.ChampionshipYear,
                        QDateTime::currentDateTime());
    Status status = run.Run(
        choice, [&reports](const BandedReport& report) { return reports.print(report); },
        [&](int event, const QString& progress, const PlaceOf& placeOf) {
            WaitCursor busy;
            return DoGrid(event, 1, progress, placeOf, grids);
        });
    if (printer) {
        TellPrintOutcome(m_prompter, this, windowTitle(), Status::success(),
                         printer->takeSavedFiles());
    }
    return status;
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
