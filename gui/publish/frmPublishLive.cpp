#include "publish/frmPublishLive.h"

#include "db/ORLEMain.h"
#include "publish/LivePublishing.h"
#include "publish/LiveSiteTrigger.h"
#include "widgets/EnterAsTab.h"
#include "widgets/Prompter.h"

#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QPushButton* button(const char* name, const QString& caption, QWidget* parent) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QLatin1String(name));
    b->setMinimumWidth(110);
    return b;
}

// The folder offered first: a "Live Results" folder beside the championship file.
QString suggestedFolder(const ORLEMain& state) {
    return QFileInfo(state.ConnectString).dir().filePath(QStringLiteral("Live Results"));
}

}  // namespace

frmPublishLive::frmPublishLive(ORLEMain& state, LiveSiteTrigger& site, Prompter& prompter,
                               QWidget* parent)
    : QDialog(parent), m_state(state), m_site(site), m_prompter(prompter) {
    setObjectName(QStringLiteral("frmPublishLive"));
    setWindowTitle(QStringLiteral("Publish Live Results"));
    lState = new QLabel(this);
    lState->setObjectName(QStringLiteral("lState"));
    lState->setWordWrap(true);
    auto* folderLabel = new QLabel(QStringLiteral("&Folder:"), this);
    tFolder = new QLineEdit(this);
    tFolder->setObjectName(QStringLiteral("tFolder"));
    folderLabel->setBuddy(tFolder);
    bBrowse = button("bBrowse", QStringLiteral("&Browse..."), this);
    bPublish = button("bPublish", QStringLiteral("&Publish"), this);
    bPublish->setDefault(true);
    bStop = button("bStop", QStringLiteral("&Stop Publishing"), this);
    bClose = button("bClose", QStringLiteral("Close"), this);
    connect(bBrowse, &QPushButton::clicked, this, &frmPublishLive::bBrowse_Click);
    connect(bPublish, &QPushButton::clicked, this, &frmPublishLive::bPublish_Click);
    connect(bStop, &QPushButton::clicked, this, &frmPublishLive::bStop_Click);
    connect(bClose, &QPushButton::clicked, this, &QDialog::accept);

    auto* folderRow = new QHBoxLayout;
    folderRow->addWidget(folderLabel);
    folderRow->addWidget(tFolder, 1);
    folderRow->addWidget(bBrowse);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    for (QPushButton* b : {bPublish, bStop, bClose}) {
        buttons->addWidget(b);
    }
    auto* note = new QLabel(
        QStringLiteral("Every save rewrites the pages in this folder: standings, Final Four, "
                       "bouts by strip, school standings with the title race, and a big-screen "
                       "page for the hall. Any web server can serve the folder as it is."),
        this);
    note->setWordWrap(true);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lState);
    layout->addLayout(folderRow);
    layout->addWidget(note);
    layout->addSpacing(6);
    layout->addLayout(buttons);
    setTabOrder(tFolder, bBrowse);
    setTabOrder(bBrowse, bPublish);
    setTabOrder(bPublish, bStop);
    setTabOrder(bStop, bClose);
    EnterAsTab::install(this);
    resize(560, sizeHint().height());
}

void frmPublishLive::Form_Load() {
    const Result<std::optional<LivePublishing::Target>> target =
        LivePublishing::Read(m_state.connection());
    const std::optional<LivePublishing::Target> current =
        m_prompter.valueOrTell(this, target, std::optional<LivePublishing::Target>());
    tFolder->setText(
        QDir::toNativeSeparators(current ? current->folder : suggestedFolder(m_state)));
    showState(current);
    tFolder->setFocus();
    tFolder->selectAll();
}

void frmPublishLive::showState() {
    const Result<std::optional<LivePublishing::Target>> target =
        LivePublishing::Read(m_state.connection());
    showState(target ? *target : std::nullopt);
}

void frmPublishLive::showState(const std::optional<LivePublishing::Target>& target) {
    QString text = QStringLiteral("The live results are not published.");
    bool publishing = false;
    if (target) {
        const LivePublishing::Target& t = *target;
        publishing = true;
        text = t.machine == LivePublishing::ThisMachine()
                   ? QStringLiteral("The live results are published to %1.")
                         .arg(QDir::toNativeSeparators(t.folder))
                   : QStringLiteral(
                         "The live results are published by %1 to %2, not from this "
                         "machine. Publish to take them over here.")
                         .arg(t.machine, QDir::toNativeSeparators(t.folder));
    }
    if (!m_site.problem().isEmpty()) {
        text += QStringLiteral("\n") + m_site.problem();
    }
    lState->setText(text);
    bStop->setEnabled(publishing);
}

void frmPublishLive::bBrowse_Click() {
    const QString chosen = m_prompter.chooseFolder(
        this, QStringLiteral("Folder for the Live Results"), tFolder->text());
    if (!chosen.isEmpty()) {
        tFolder->setText(QDir::toNativeSeparators(chosen));
    }
}

void frmPublishLive::bPublish_Click() {
    const QString folder = QDir::fromNativeSeparators(tFolder->text().trimmed());
    if (folder.isEmpty()) {
        m_prompter.tell(this, QMessageBox::Warning, QStringLiteral("Publish Live Results"),
                        QStringLiteral("Type or choose the folder the live results go to."));
        tFolder->setFocus();
        return;
    }
    if (Status s = LivePublishing::Remember(m_state.connection(), folder); !s) {
        m_prompter.tellFailure(this, s);
        return;
    }
    m_site.publishNow();
    showState();
    if (!m_site.problem().isEmpty()) {
        m_prompter.tell(this, QMessageBox::Warning, QStringLiteral("Publish Live Results"),
                        m_site.problem());
    }
}

void frmPublishLive::bStop_Click() {
    if (Status s = LivePublishing::Forget(m_state.connection()); !s) {
        m_prompter.tellFailure(this, s);
        return;
    }
    m_site.publishNow();
    showState();
}
