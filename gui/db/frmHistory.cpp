#include "db/frmHistory.h"

#include "db/ORLEMain.h"
#include "entry/BoutRevert.h"
#include "entry/FencerChoices.h"
#include "entry/StripHeader.h"
#include "widgets/NamedButton.h"
#include "widgets/OtherStations.h"
#include "widgets/Prompter.h"
#include "widgets/ScreenFit.h"
#include "widgets/WaitCursor.h"

#include <QComboBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

const QString kTitle = QStringLiteral("History");

constexpr int kMeasuredLines = 200;

enum Column { When, Who, Where, What, Event, Round, Strip, Subject, Before, After, kColumns };

const QStringList& columnCaptions() {
    static const QStringList captions = {QStringLiteral("When"),   QStringLiteral("Who"),
                                         QStringLiteral("Where"),  QStringLiteral("What"),
                                         QStringLiteral("Event"),  QStringLiteral("Round"),
                                         QStringLiteral("Strip"),  QStringLiteral("Fencers or row"),
                                         QStringLiteral("Before"), QStringLiteral("After")};
    return captions;
}

QStringList lineTexts(const HistoryLine& line) {
    return {line.when,  line.who,   line.where,   line.what,   line.event,
            line.round, line.strip, line.subject, line.before, line.after};
}

QLabel* buddyLabel(const QString& caption, QWidget* buddy, QWidget* parent) {
    auto* label = new QLabel(caption, parent);
    label->setBuddy(buddy);
    return label;
}

std::optional<int> chosen(const QComboBox* box) {
    const QVariant data = box->currentData();
    return data.isValid() ? std::optional<int>(data.toInt()) : std::nullopt;
}

void choose(QComboBox* box, std::optional<int> value) {
    const int index = value ? box->findData(*value) : 0;
    box->setCurrentIndex(index < 0 ? 0 : index);
}

}  // namespace

frmHistory::frmHistory(ORLEMain& state, Prompter& prompter, QWidget* parent)
    : QDialog(parent), m_state(state), m_prompter(prompter) {
    setObjectName(QStringLiteral("frmHistory"));
    setWindowTitle(kTitle);
    buildFilters();
    buildTable();
    bRevert = NamedButton(QStringLiteral("bRevert"), QStringLiteral("&Revert"), this, {110, 32});
    bClose = NamedButton(QStringLiteral("bClose"), QStringLiteral("&Close"), this, {110, 32});
    bRevert->setToolTip(
        QStringLiteral("Put the chosen bout back to its result before this change"));
    connect(bRevert, &QPushButton::clicked, this, &frmHistory::bRevert_Click);
    connect(bClose, &QPushButton::clicked, this, &QDialog::close);

    auto* filters = new QHBoxLayout;
    filters->addWidget(buddyLabel(QStringLiteral("&Event:"), cbWeapon, this));
    filters->addWidget(cbWeapon);
    filters->addSpacing(12);
    filters->addWidget(buddyLabel(QStringLiteral("R&ound:"), cbRound, this));
    filters->addWidget(cbRound);
    filters->addSpacing(12);
    filters->addWidget(buddyLabel(QStringLiteral("&Fencer:"), cbFencer, this));
    filters->addWidget(cbFencer);
    filters->addStretch(1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(lCount, 1);
    buttons->addWidget(bRevert);
    buttons->addWidget(bClose);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(filters);
    layout->addWidget(fpHistory, 1);
    layout->addLayout(buttons);
    setTabOrder(cbWeapon, cbRound);
    setTabOrder(cbRound, cbFencer);
    setTabOrder(cbFencer, fpHistory);
    setTabOrder(fpHistory, bRevert);
    setTabOrder(bRevert, bClose);
    FitToScreen(this, {1240, 640});
    OtherStations::Follow(this, [this] { showChanges(); });
}

void frmHistory::buildFilters() {
    cbWeapon = new QComboBox(this);
    cbWeapon->setObjectName(QStringLiteral("cbWeapon"));
    cbRound = new QComboBox(this);
    cbRound->setObjectName(QStringLiteral("cbRound"));
    cbRound->addItem(QStringLiteral("All rounds"));
    for (int round = 0; round < kRoundChoices - 1; ++round) {
        cbRound->addItem(QStringLiteral("Round %1").arg(round + 1), round);
    }
    cbRound->addItem(QStringLiteral("Final Four"), ChangeLog::kFinalFourRound);
    cbFencer = new QComboBox(this);
    cbFencer->setObjectName(QStringLiteral("cbFencer"));
    cbFencer->setMinimumContentsLength(24);
    connect(cbWeapon, &QComboBox::currentIndexChanged, this, [this] {
        fillFencers();
        showChanges();
    });
    connect(cbRound, &QComboBox::currentIndexChanged, this, &frmHistory::showChanges);
    connect(cbFencer, &QComboBox::currentIndexChanged, this, &frmHistory::showChanges);
}

void frmHistory::buildTable() {
    fpHistory = new QTableWidget(0, kColumns, this);
    fpHistory->setObjectName(QStringLiteral("fpHistory"));
    fpHistory->setHorizontalHeaderLabels(columnCaptions());
    fpHistory->setEditTriggers(QAbstractItemView::NoEditTriggers);
    fpHistory->setSelectionBehavior(QAbstractItemView::SelectRows);
    fpHistory->setSelectionMode(QAbstractItemView::SingleSelection);
    fpHistory->setAlternatingRowColors(true);
    fpHistory->verticalHeader()->hide();
    fpHistory->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 8);
    fpHistory->horizontalHeader()->setSectionResizeMode(Subject, QHeaderView::Stretch);
    fpHistory->setWordWrap(false);
    // Column widths from the newest lines only: measuring a whole day's history would keep
    // the staff waiting.
    fpHistory->horizontalHeader()->setResizeContentsPrecision(kMeasuredLines);
    connect(fpHistory, &QTableWidget::itemSelectionChanged, this, &frmHistory::selectionChanged);
    connect(fpHistory, &QTableWidget::cellActivated, this, [this] { bRevert_Click(); });
    lCount = new QLabel(this);
    lCount->setObjectName(QStringLiteral("lCount"));
}

void frmHistory::setFilter(std::optional<int> event, std::optional<int> round) {
    Form_Load();
    m_loading = true;
    choose(cbWeapon, event);
    fillFencers();
    choose(cbRound, round);
    m_loading = false;
    showChanges();
}

void frmHistory::Form_Load() {
    m_reverted = false;
    m_loading = true;
    const std::optional<int> event = chosen(cbWeapon);
    cbWeapon->clear();
    cbWeapon->addItem(QStringLiteral("All events"));
    if (m_state.isOpen()) {
        const QStringList names =
            m_prompter.valueOrTell(this, StripHeader::EventNames(m_state.connection()));
        for (int code = 0; code < names.size(); ++code) {
            cbWeapon->addItem(names.at(code), code);
        }
    }
    choose(cbWeapon, event);
    fillFencers();
    m_loading = false;
    showChanges();
}

// A fencer means nothing without his event, so the list follows the chosen event.
void frmHistory::fillFencers() {
    const bool wasLoading = m_loading;
    m_loading = true;
    const std::optional<int> fencer = chosen(cbFencer);
    cbFencer->clear();
    cbFencer->addItem(QStringLiteral("All fencers"));
    const std::optional<int> event = chosen(cbWeapon);
    if (event && m_state.isOpen()) {
        for (const FencerChoice& choice :
             m_prompter.valueOrTell(this, FencerChoices::ForEvent(m_state.connection(), *event))) {
            cbFencer->addItem(FencerChoices::DisplayName(choice.caption), choice.fencerNumber);
        }
    }
    choose(cbFencer, fencer);
    cbFencer->setEnabled(event.has_value());
    m_loading = wasLoading;
}

void frmHistory::showChanges() {
    if (m_loading) {
        return;
    }
    const HistoryLine* wasSelected = selectedLine();
    const long long keep = wasSelected != nullptr ? wasSelected->id : 0;
    m_lines.clear();
    if (m_state.isOpen()) {
        WaitCursor busy;
        m_lines = m_prompter.valueOrTell(
            this, HistoryLines::Read(m_state.connection(),
                                     {chosen(cbWeapon), chosen(cbRound), chosen(cbFencer)}));
    }
    fpHistory->setRowCount(static_cast<int>(m_lines.size()));
    for (int row = 0; row < fpHistory->rowCount(); ++row) {
        const QStringList texts = lineTexts(m_lines[static_cast<size_t>(row)]);
        for (int column = 0; column < kColumns; ++column) {
            fpHistory->setItem(row, column, new QTableWidgetItem(texts.at(column)));
        }
    }
    fpHistory->resizeColumnsToContents();
    fpHistory->horizontalHeader()->setSectionResizeMode(Subject, QHeaderView::Stretch);
    lCount->setText(m_lines.size() == 1 ? QStringLiteral("1 change")
                                        : QStringLiteral("%1 changes").arg(m_lines.size()));
    int selected = 0;
    for (size_t row = 0; row < m_lines.size(); ++row) {
        if (m_lines[row].id == keep) {
            selected = static_cast<int>(row);
        }
    }
    if (!m_lines.empty()) {
        fpHistory->selectRow(selected);
    }
    selectionChanged();
}

const HistoryLine* frmHistory::selectedLine() const {
    const QList<QTableWidgetItem*> selected = fpHistory->selectedItems();
    if (selected.isEmpty()) {
        return nullptr;
    }
    const auto row = static_cast<size_t>(selected.first()->row());
    return row < m_lines.size() ? &m_lines[row] : nullptr;
}

void frmHistory::selectionChanged() {
    const HistoryLine* line = selectedLine();
    bRevert->setEnabled(line != nullptr && line->revertible);
}

bool frmHistory::confirmRevert(const HistoryLine& line, const QString& now, bool changedSince) {
    if (!changedSince) {
        return true;
    }
    const QString earlier = line.before.isEmpty() ? QStringLiteral("no result") : line.before;
    return m_prompter.ask(this, QMessageBox::Warning, kTitle,
                          QStringLiteral("This bout (%1) was changed again after this change: it "
                                         "is now %2.\r\n\r\nPut it back to %3 all the same?")
                              .arg(line.subject, now, earlier),
                          QMessageBox::Yes | QMessageBox::No, QMessageBox::No) == QMessageBox::Yes;
}

void frmHistory::bRevert_Click() {
    const HistoryLine* line = selectedLine();
    if (line == nullptr || !line->revertible || !m_state.isOpen()) {
        return;
    }
    const Result<BoutRevert::Plan> plan = BoutRevert::Prepare(m_state.connection(), line->id);
    if (!plan) {
        m_prompter.tell(this, QMessageBox::Warning, kTitle, plan.status().message());
        return;
    }
    if (!confirmRevert(*line, plan->currentText, plan->changedSince())) {
        return;
    }
    if (Status done = BoutRevert::Apply(m_state.connection(), *plan); !done) {
        m_prompter.tell(this, QMessageBox::Critical, kTitle, done.message());
        return;
    }
    m_reverted = true;
    showChanges();
}

// Another window or station may have saved while this one stood behind it.
bool frmHistory::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate && isVisible()) {
        showChanges();
    }
    return QDialog::event(event);
}
