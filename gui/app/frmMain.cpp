#include "app/frmMain.h"
#include "app/ChangePlace.h"
#include "app/frmUtilities.h"
#include "db/FileWritability.h"
#include "db/ORLEMain.h"
#include "db/OtherStationSaves.h"
#include "db/PgConnection.h"
#include "db/ServerUri.h"
#include "db/Snapshots.h"
#include "entry/EntryHandOver.h"
#include "entry/frmConfirmInd.h"
#include "entry/frmEnterDual.h"
#include "entry/frmEnterPool.h"
#include "entry/frmFindMissing.h"
#include "print/SharedPrinter.h"
#include "print/frmPrintSchedule.h"
#include "print/frmPrintScoresheets.h"
#include "publish/LiveSiteTrigger.h"
#include "publish/frmPublishLive.h"
#include "roster/frmEditRosters.h"
#include "standings/frmEnterFinal4.h"
#include "standings/frmShowResults.h"
#include "widgets/HelpMenu.h"
#include "widgets/NamedAction.h"
#include "widgets/NamedButton.h"
#include "widgets/OtherStations.h"
#include "widgets/ProgramIcon.h"
#include "widgets/Prompter.h"
#include "widgets/WaitCursor.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QMenuBar>
#include <QPageSetupDialog>
#include <QPrinter>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

namespace {

const char* const kFileFilter = "ORLE Data Files (*.mdb);;All Files (*)";
const char* const kCaption = "ORLE Championships";

QPushButton* commandButton(const char* name, const char* caption, QWidget* parent) {
    QPushButton* button = NamedButton(QString::fromUtf8(name), QString::fromUtf8(caption), parent);
    button->setFixedSize(220, 44);
    return button;
}

}  // namespace

// A task window is created on first use and kept: one instance, owned by the main window.
template <class Window>
Window& frmMain::taskWindow(Window*& window) {
    if (window == nullptr) {
        window = new Window(m_state, m_prompter, this);
    }
    return *window;
}

template <class Window>
void frmMain::showTaskWindow(Window*& window) {
    Window& shown = taskWindow(window);
    shown.Form_Load();
    shown.exec();
}

frmMain::~frmMain() = default;

frmMain::frmMain(ORLEMain& state, Prompter& prompter, QWidget* parent)
    : QMainWindow(parent), m_state(state), m_prompter(prompter) {
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QLatin1String(kCaption));
    setWindowIcon(ProgramIcon());
    buildButtons();
    buildMenus();
    m_state.setChangePlace(ActiveWindowPlace);
    m_liveSite = new LiveSiteTrigger(m_state, this);
    connect(m_liveSite, &LiveSiteTrigger::published, this, &frmMain::showLiveStatus);
    setCommand(bExit, [this] { exitProgram(); });
    setEntryWindow(EntryWindow::Pool, [this] { showEnterPool(); });
    setEntryWindow(EntryWindow::Dual, [this] { showEnterDual(); });
    setEntryWindow(EntryWindow::FinalFour, [this] { showEnterFinal4(); });
    setCommand(bPrintSchedule, [this] { showTaskWindow(m_printSchedule); });
    setCommand(bPrintScoresheets, [this] { showTaskWindow(m_printScoresheets); });
    setCommand(bEditRosters, [this] { showTaskWindow(m_editRosters); });
    setCommand(bCalculateResults, [this] { taskWindow(m_showResults).Open(); });
    setCommand(bUnreported, [this] { showFindMissing(); });
    setCommand(bConfirm, [this] { showTaskWindow(m_confirmInd); });
    setCommand(bUtilities, [this] { showTaskWindow(m_utilities); });
    updateCommands();
    showStatus();
}

void frmMain::buildButtons() {
    auto* central = new QWidget(this);
    auto* outer = new QVBoxLayout(central);
    outer->setContentsMargins(24, 18, 24, 24);
    outer->setSpacing(14);

    auto* title = new QLabel(QStringLiteral("ORLE Fencing Championship Scoring System"), central);
    QFont titleFont = title->font();
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.35);
    titleFont.setBold(true);
    title->setFont(titleFont);
    title->setAlignment(Qt::AlignCenter);
    m_status = new QLabel(central);
    m_status->setObjectName(QStringLiteral("lStatus"));
    m_status->setAlignment(Qt::AlignCenter);
    m_status->setWordWrap(true);
    m_liveStatus = new QLabel(central);
    m_liveStatus->setObjectName(QStringLiteral("lLiveResults"));
    m_liveStatus->setAlignment(Qt::AlignCenter);
    m_liveStatus->setWordWrap(true);
    m_liveStatus->hide();
    outer->addWidget(title);
    outer->addWidget(m_status);
    outer->addWidget(m_liveStatus);

    bEnterResults = commandButton("bEnterResults", "Enter &Results", central);
    bEditRosters = commandButton("bEditRosters", "Edit C&ompetitors", central);
    bUnreported = commandButton("bUnreported", "Find &Missing Results", central);
    bPrintScoresheets = commandButton("bPrintScoresheets", "&Print Scoresheets", central);
    bPrintSchedule = commandButton("bPrintSchedule", "Pr&int Schedules", central);
    bCalculateResults = commandButton("bCalculateResults", "&Calculate Results", central);
    bConfirm = commandButton("bConfirm", "Co&nfirm Results", central);
    bUtilities = commandButton("bUtilities", "&Utilities && Reports", central);
    bExit = commandButton("bExit", "E&xit Program", central);
    cbKeepEntering = new QCheckBox(QStringLiteral("Return to Enter Results Immediately"), central);
    cbKeepEntering->setObjectName(QStringLiteral("cbKeepEntering"));
    cbKeepEntering->hide();

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(18);
    grid->setVerticalSpacing(10);
    const QList<QPushButton*> left = {bEnterResults, bEditRosters, bUnreported, bPrintScoresheets,
                                      bPrintSchedule};
    for (int row = 0; row < left.size(); ++row) {
        grid->addWidget(left[row], row, 0);
    }
    grid->addWidget(bCalculateResults, 0, 1);
    grid->addWidget(bConfirm, 1, 1);
    grid->addWidget(cbKeepEntering, 2, 1);
    grid->addWidget(bUtilities, 3, 1);
    grid->addWidget(bExit, 4, 1);
    outer->addLayout(grid);
    outer->addStretch();

    const QList<QPushButton*> tabOrder = commandButtons();
    for (int i = 1; i < tabOrder.size(); ++i) {
        setTabOrder(tabOrder[i - 1], tabOrder[i]);
    }
    for (QPushButton* button : commandButtons()) {
        connect(button, &QPushButton::clicked, this, [this, button] {
            const auto it = m_commands.find(button);
            if (it != m_commands.end()) {
                it->second();
            }
        });
    }
    setCentralWidget(central);
}

void frmMain::buildMenus() {
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    QAction* mOpen = AddNamedAction(file, QStringLiteral("mOpen"), QStringLiteral("&Open"), this,
                                    &frmMain::mOpen_Click);
    mOpen->setShortcut(QKeySequence::Open);
    AddNamedAction(file, QStringLiteral("mOpenServer"), QStringLiteral("Open &Server..."), this,
                   &frmMain::mOpenServer_Click);
    QAction* mNew = AddNamedAction(file, QStringLiteral("mNew"), QStringLiteral("&New"), this,
                                   &frmMain::mNew_Click);
    mNew->setShortcut(QKeySequence::New);
    m_recentFiles = file->addMenu(QStringLiteral("Recent &Files"));
    m_recentFiles->setObjectName(QStringLiteral("mRecentFiles"));
    connect(m_recentFiles, &QMenu::aboutToShow, this, &frmMain::listRecentFiles);
    listRecentFiles();
    mSaveCopy = AddNamedAction(file, QStringLiteral("mSaveCopy"), QStringLiteral("Save a &Copy..."),
                               this, &frmMain::mSaveCopy_Click);
    file->addSeparator();
    AddNamedAction(file, QStringLiteral("mPrintSetup"), QStringLiteral("Print Set&up"), this,
                   &frmMain::mPrintSetup_Click);
    mPublishLive = AddNamedAction(file, QStringLiteral("mPublishLive"),
                                  QStringLiteral("Publish &Live Results..."), this,
                                  &frmMain::mPublishLive_Click);
    file->addSeparator();
    QAction* mExit = AddNamedAction(file, QStringLiteral("mExit"), QStringLiteral("E&xit"), this,
                                    &frmMain::exitProgram);
    mExit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));

    AddHelpMenu(menuBar(), this);
}

// One entry per recent file, numbered for the keyboard; choosing one opens it as File > Open
// does, saying why when it cannot.
void frmMain::listRecentFiles() {
    m_recentFiles->clear();
    const QStringList files = m_state.settings().recentFiles();
    for (qsizetype i = 0; i < files.size(); ++i) {
        const QString path = files[i];
        QAction* entry = m_recentFiles->addAction(
            QStringLiteral("&%1 %2").arg(i + 1).arg(QDir::toNativeSeparators(path)), this,
            [this, path] {
                OpenDatabase(path, true);
                ActivationStep();
            });
        entry->setObjectName(QStringLiteral("mRecentFile%1").arg(i + 1));
    }
    m_recentFiles->setEnabled(!files.isEmpty());
}

// Only the main window's own nine commands: task windows owned by the main window
// manage their buttons themselves.
QList<QPushButton*> frmMain::commandButtons() const {
    return {bEnterResults,     bEditRosters,   bUnreported,
            bPrintScoresheets, bPrintSchedule, bCalculateResults,
            bConfirm,          bUtilities,     bExit};
}

void frmMain::setCommand(QPushButton* button, std::function<void()> action) {
    m_commands[button] = std::move(action);
    updateCommands();
}

void frmMain::setEntryWindow(EntryWindow kind, std::function<void()> showModal) {
    m_entryWindows[kind] = std::move(showModal);
    if (m_entryWindows.count(EntryWindow::Pool) && m_entryWindows.count(EntryWindow::Dual)) {
        setCommand(bEnterResults, [this] { bEnterResults_Click(); });
    }
}

// The print buttons work without a file; every other command needs one. A command
// whose window is not part of the program stays disabled.
void frmMain::updateCommands() {
    for (QPushButton* button : commandButtons()) {
        const bool hasWindow = m_commands.count(button) > 0;
        const bool needsFile = button != bPrintSchedule && button != bPrintScoresheets;
        button->setEnabled(hasWindow && (m_databaseAvailable || !needsFile));
    }
    mPublishLive->setEnabled(m_databaseAvailable);
    mSaveCopy->setEnabled(m_databaseAvailable);
}

void frmMain::showStatus() {
    if (m_databaseAvailable) {
        QString text =
            QStringLiteral("%1 ORLE Championships \u2014 %2")
                .arg(m_state.ChampionshipYear, QDir::toNativeSeparators(m_state.ConnectString));
        if (m_serverLost) {
            text += QStringLiteral(
                "\nThe championship server cannot be reached. Results typed in the windows stay "
                "there; save them again when the server is back.");
        }
        // Said before the first result is typed, not at the first refused save.
        if (const QString readOnly = ReadOnlyReason(m_state.connection()); !readOnly.isEmpty()) {
            text += QStringLiteral("\nNothing can be saved to this file: %1.").arg(readOnly);
        }
        m_status->setText(text);
    } else {
        m_status->setText(QStringLiteral(
            "No championship file is open. Use File \u203A Open or File \u203A New."));
    }
}

void frmMain::Form_Load(const QString& requested) {
    const QString last = m_state.LoadSettings();
    // A file asked for by name is told about when it cannot be opened; the last one is not.
    const QString path = requested.isEmpty() || ServerUri::IsServerUri(requested)
                             ? (requested.isEmpty() ? last : requested)
                             : QFileInfo(requested).absoluteFilePath();
    if (!path.isEmpty()) {
        OpenDatabase(path, !requested.isEmpty());
    }
    ActivationStep();
}

void frmMain::OpenDatabase(const QString& path, bool explicitOpen) {
    const ChampionshipStore::Opened opened = m_state.OpenDatabase(path);
    m_databaseAvailable = opened.failure == ChampionshipFile::OpenFailure::None;
    if (m_databaseAvailable) {
        setWindowTitle(QStringLiteral("%1 - %2").arg(QLatin1String(kCaption), path));
    } else if (opened.failure == ChampionshipFile::OpenFailure::WrongVersion) {
        m_prompter.tell(this, QMessageBox::Critical, QStringLiteral("Database Error"),
                        ChampionshipFile::WrongVersionMessage());
    } else if (explicitOpen) {
        // A server's reason names the server already.
        m_prompter.tell(this, QMessageBox::Critical, QStringLiteral("Database Error"),
                        ServerUri::IsServerUri(path)
                            ? opened.reason
                            : QStringLiteral("The file %1 could not be opened.\n\n%2")
                                  .arg(QDir::toNativeSeparators(path), opened.reason));
    }
    followOtherStations();
    updateCommands();
    showStatus();
    listRecentFiles();
    m_liveSite->publishNow();
}

void frmMain::followOtherStations() {
    m_otherStations.reset();
    m_serverLost = false;
    if (!m_databaseAvailable || m_state.connection().server() == nullptr) {
        return;
    }
    m_otherStations = std::make_unique<OtherStationSaves>(
        m_state.connection().server()->uri(),
        OtherStationSaves::Handlers{[this] { otherStationSaved(); },
                                    [this](bool reachable) { serverReachable(reachable); }});
}

// The live site is rewritten from whichever station saved, when this one publishes it.
void frmMain::otherStationSaved() {
    m_liveSite->saved();
    OtherStations::TellOpenWindows();
}

void frmMain::serverReachable(bool reachable) {
    m_serverLost = !reachable;
    showStatus();
}

void frmMain::ActivationStep() {
    updateCommands();
    showStatus();
    // The open results window follows whatever the task windows, File > Open or a data
    // reset have changed, instead of showing the old standings or the old file.
    if (m_showResults != nullptr) {
        m_showResults->Reload();
    }
}

QString frmMain::dialogFolder() const {
    return m_state.ConnectString.isEmpty() || ServerUri::IsServerUri(m_state.ConnectString)
               ? QDir::homePath()
               : QFileInfo(m_state.ConnectString).absolutePath();
}

// The address offered is the server championship opened last, so that a station reopens it
// with Enter.
void frmMain::mOpenServer_Click() {
    const QStringList recent = m_state.settings().recentFiles();
    const auto lastServer = std::find_if(recent.begin(), recent.end(), ServerUri::IsServerUri);
    const std::optional<QString> uri = m_prompter.askText(
        this, QStringLiteral("Open Server"),
        QStringLiteral("Address of the championship on the server, e.g.\n"
                       "postgresql://scoring-server/orle2026\n"
                       "(the password comes from ~/.pgpass, never from the address):"),
        lastServer != recent.end() ? *lastServer : QStringLiteral("postgresql://"));
    if (!uri || uri->trimmed().isEmpty()) {
        return;
    }
    const QString address = uri->trimmed();
    if (!ServerUri::IsServerUri(address)) {
        m_prompter.tell(this, QMessageBox::Warning, QStringLiteral("Open Server"),
                        QStringLiteral("\u201C%1\u201D is not a server address: it begins with "
                                       "postgresql:// or postgres://. Use File \u203A Open for a "
                                       "championship file.")
                            .arg(address));
        return;
    }
    OpenDatabase(address, true);
    ActivationStep();
}

void frmMain::mOpen_Click() {
    const QString path = m_prompter.chooseFileToOpen(this, QStringLiteral("Open"), dialogFolder(),
                                                     QLatin1String(kFileFilter));
    if (path.isEmpty()) {
        return;
    }
    OpenDatabase(path, true);
    ActivationStep();
}

void frmMain::mNew_Click() {
    const QString path =
        m_prompter.chooseFileToSave(this, QStringLiteral("New"), dialogFolder(),
                                    QLatin1String(kFileFilter), QStringLiteral("mdb"));
    if (path.isEmpty()) {
        return;
    }
    CreateNewDatabase(path);
    ActivationStep();
}

bool frmMain::CreateNewDatabase(const QString& path) {
    Status created = [&] {
        WaitCursor busy;
        return ChampionshipFile::Create(path);
    }();
    if (!created) {
        m_prompter.tell(this, QMessageBox::Critical, QStringLiteral("Database Error"),
                        created.message());
        return false;
    }
    OpenDatabase(path, true);
    return m_databaseAvailable;
}

void frmMain::bEnterResults_Click() {
    do {
        cbKeepEntering->setChecked(false);
        const EntryWindow kind = m_state.CurrentRound == 0   ? EntryWindow::Pool
                                 : m_state.CurrentRound == 8 ? EntryWindow::FinalFour
                                                             : EntryWindow::Dual;
        const auto it = m_entryWindows.find(kind);
        if (it == m_entryWindows.end()) {
            return;
        }
        it->second();
    } while (cbKeepEntering->isChecked());
}

void frmMain::KeepEntering() {
    cbKeepEntering->setChecked(true);
}

EntryHandOver frmMain::entryHandOver() {
    return {[this] { KeepEntering(); }, m_entryWindows.count(EntryWindow::FinalFour) > 0};
}

void frmMain::showEnterPool() {
    taskWindow(m_enterPool).setHandOver(entryHandOver());
    showTaskWindow(m_enterPool);
}

void frmMain::showEnterDual() {
    taskWindow(m_enterDual).setHandOver(entryHandOver());
    showTaskWindow(m_enterDual);
}

void frmMain::showEnterFinal4() {
    taskWindow(m_enterFinal4).setHandOver(entryHandOver());
    showTaskWindow(m_enterFinal4);
}

// The finder opens a strip's entry window through the Enter Results loop.
void frmMain::showFindMissing() {
    frmFindMissing& finder = taskWindow(m_findMissing);
    finder.setEnterResults([this] { bEnterResults_Click(); });
    if (finder.isVisible()) {
        finder.hide();
    }
    showTaskWindow(m_findMissing);
}

void frmMain::mPrintSetup_Click() {
    QPageSetupDialog dialog(&SharedPrinter(), this);
    dialog.exec();
}

// A snapshot taken while the program runs: the safe way to copy the file that is open.
void frmMain::mSaveCopy_Click() {
    if (!m_databaseAvailable) {
        return;
    }
    const QString title = QStringLiteral("Save a Copy");
    const std::optional<QString> note = m_prompter.askText(
        this, title, QStringLiteral("A note for the copy (may be left empty):"), QString());
    if (!note) {
        return;
    }
    const Result<QString> taken = [&] {
        WaitCursor busy;
        return Snapshots::Take(m_state.connection(), Snapshots::ReasonFromNote(*note));
    }();
    if (!taken) {
        m_prompter.tell(this, QMessageBox::Critical, title,
                        QStringLiteral("No copy was made.\n\n%1").arg(taken.status().message()));
        return;
    }
    m_prompter.tell(this, QMessageBox::Information, title,
                    QStringLiteral("A copy of the championship as it is now was saved as\n%1")
                        .arg(QDir::toNativeSeparators(*taken)));
}

void frmMain::exitProgram() {
    close();
    QApplication::quit();
}

bool frmMain::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate) {
        ActivationStep();
    }
    return QMainWindow::event(event);
}

void frmMain::mPublishLive_Click() {
    if (!m_databaseAvailable) {
        return;
    }
    if (m_publishLive == nullptr) {
        m_publishLive = new frmPublishLive(m_state, *m_liveSite, m_prompter, this);
    }
    m_publishLive->Form_Load();
    m_publishLive->exec();
}

// Where the site goes and when it was last written, or why it could not be.
void frmMain::showLiveStatus() {
    const std::optional<QString>& folder = m_liveSite->folder();
    m_liveStatus->setVisible(m_databaseAvailable && folder.has_value());
    if (!folder) {
        m_liveStatus->clear();
        return;
    }
    const QString where = QDir::toNativeSeparators(*folder);
    if (!m_liveSite->problem().isEmpty()) {
        m_liveStatus->setText(QStringLiteral("Live results could not be written (tried again at "
                                             "the next save): %1")
                                  .arg(m_liveSite->problem()));
        return;
    }
    const QDateTime written = m_liveSite->lastWritten();
    m_liveStatus->setText(QStringLiteral("Live results: %1, last written %2")
                              .arg(where, written.isValid()
                                              ? written.toString(QStringLiteral("HH:mm:ss"))
                                              : QStringLiteral("never")));
}
