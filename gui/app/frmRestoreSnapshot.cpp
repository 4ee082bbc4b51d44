#include "app/frmRestoreSnapshot.h"

#include "db/ORLEMain.h"
#include "widgets/NamedButton.h"
#include "widgets/Prompter.h"
#include "widgets/ScreenFit.h"
#include "widgets/WaitCursor.h"

#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

const QString kTitle = QStringLiteral("Restore Snapshot");
const QString kWhenFormat = QStringLiteral("yyyy-MM-dd HH:mm:ss");
enum Column { When, Reason, File, kColumns };
constexpr QSize kPreferredSize(820, 480);

QTableWidgetItem* cell(const QString& text) {
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
    return item;
}

}  // namespace

frmRestoreSnapshot::frmRestoreSnapshot(ORLEMain& state, Prompter& prompter, QWidget* parent)
    : QDialog(parent), m_state(state), m_prompter(prompter) {
    setObjectName(QStringLiteral("frmRestoreSnapshot"));
    setWindowTitle(kTitle);

    lSnapshots = new QLabel(QStringLiteral("&Snapshots, newest first:"), this);
    fpSnapshots = new QTableWidget(0, kColumns, this);
    fpSnapshots->setObjectName(QStringLiteral("fpSnapshots"));
    fpSnapshots->setHorizontalHeaderLabels(
        {QStringLiteral("When"), QStringLiteral("Reason"), QStringLiteral("File")});
    fpSnapshots->setSelectionBehavior(QAbstractItemView::SelectRows);
    fpSnapshots->setSelectionMode(QAbstractItemView::SingleSelection);
    fpSnapshots->setEditTriggers(QAbstractItemView::NoEditTriggers);
    fpSnapshots->setTabKeyNavigation(false);
    fpSnapshots->verticalHeader()->hide();
    fpSnapshots->horizontalHeader()->setSectionResizeMode(File, QHeaderView::Stretch);
    lSnapshots->setBuddy(fpSnapshots);
    lStatus = new QLabel(this);
    lStatus->setObjectName(QStringLiteral("lStatus"));
    lStatus->setWordWrap(true);

    bRestore = NamedButton(QStringLiteral("bRestore"), QStringLiteral("&Restore..."), this);
    // Enter on a chosen snapshot restores it, after the question.
    bRestore->setDefault(true);
    bClose = NamedButton(QStringLiteral("bClose"), QStringLiteral("&Close"), this);
    connect(bRestore, &QPushButton::clicked, this, &frmRestoreSnapshot::bRestore_Click);
    connect(bClose, &QPushButton::clicked, this, &QDialog::reject);
    connect(fpSnapshots, &QTableWidget::itemSelectionChanged, this,
            [this] { bRestore->setEnabled(chosen() != nullptr); });

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(lStatus, 1);
    buttons->addWidget(bRestore);
    buttons->addWidget(bClose);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lSnapshots);
    layout->addWidget(fpSnapshots, 1);
    layout->addLayout(buttons);
    setTabOrder(fpSnapshots, bRestore);
    setTabOrder(bRestore, bClose);
    FitToScreen(this, kPreferredSize);
}

void frmRestoreSnapshot::Form_Load() {
    fill();
    fpSnapshots->setFocus();
}

void frmRestoreSnapshot::fill() {
    m_snapshots.clear();
    if (m_state.isOpen()) {
        m_snapshots = m_prompter.valueOrTell(this, Snapshots::List(m_state.connection().path()));
    }
    fpSnapshots->setRowCount(static_cast<int>(m_snapshots.size()));
    for (int row = 0; row < fpSnapshots->rowCount(); ++row) {
        const Snapshots::Snapshot& s = m_snapshots[static_cast<size_t>(row)];
        fpSnapshots->setItem(row, When, cell(s.when.toString(kWhenFormat)));
        fpSnapshots->setItem(row, Reason, cell(s.reason));
        fpSnapshots->setItem(row, File, cell(QFileInfo(s.path).fileName()));
    }
    fpSnapshots->resizeColumnToContents(When);
    fpSnapshots->resizeColumnToContents(Reason);
    if (!m_snapshots.empty()) {
        fpSnapshots->selectRow(0);
    }
    bRestore->setEnabled(chosen() != nullptr);
    lStatus->setText(m_snapshots.empty()
                         ? QStringLiteral("No snapshot of this file has been kept yet.")
                         : QStringLiteral("Kept in %1")
                               .arg(QDir::toNativeSeparators(
                                   Snapshots::FolderFor(m_state.connection().path()))));
}

const Snapshots::Snapshot* frmRestoreSnapshot::chosen() const {
    const QList<QTableWidgetItem*> selected = fpSnapshots->selectedItems();
    const int row = selected.isEmpty() ? -1 : selected.first()->row();
    if (row < 0 || row >= static_cast<int>(m_snapshots.size())) {
        return nullptr;
    }
    return &m_snapshots[static_cast<size_t>(row)];
}

void frmRestoreSnapshot::bRestore_Click() {
    const Snapshots::Snapshot* snapshot = chosen();
    if (snapshot == nullptr || !m_state.isOpen()) {
        return;
    }
    const QString when = snapshot->when.toString(kWhenFormat);
    if (m_prompter.ask(this, QMessageBox::Warning, kTitle,
                       QStringLiteral("Put the championship back as it was at %1 (%2)?\n\nEvery "
                                      "change since then is undone. The file as it is now is "
                                      "kept as a snapshot first.")
                           .arg(when, snapshot->reason),
                       QMessageBox::Yes | QMessageBox::No, QMessageBox::No) != QMessageBox::Yes) {
        return;
    }
    const QString path = snapshot->path;
    const Result<QString> before = [&] {
        WaitCursor busy;
        return m_state.RestoreSnapshot(path);
    }();
    fill();
    if (!before) {
        m_prompter.tell(
            this, QMessageBox::Critical, kTitle,
            QStringLiteral("The snapshot was not restored.\n\n%1").arg(before.status().message()));
        return;
    }
    m_prompter.tell(this, QMessageBox::Information, kTitle,
                    QStringLiteral("The championship is back as it was at %1.\n\nThe file as it "
                                   "was before is kept as the snapshot %2.")
                        .arg(when, QFileInfo(*before).fileName()));
}
