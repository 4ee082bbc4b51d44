#include "roster/frmEditStripNums.h"

#include "db/ChangedElsewhere.h"
#include "db/ORLEMain.h"
#include "entry/StripHeader.h"
#include "roster/StripNameStore.h"
#include "widgets/EnterAsTab.h"
#include "widgets/HelpMenu.h"
#include "widgets/NamedAction.h"
#include "widgets/NamedButton.h"
#include "widgets/Prompter.h"
#include "widgets/WaitCursor.h"

#include <QEvent>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace {

// Wide enough for the three buttons to line up under the strip names.
constexpr QSize kButtonSize{100, 0};

}  // namespace

frmEditStripNums::frmEditStripNums(ORLEMain& state, Prompter& prompter, QWidget* parent)
    : QDialog(parent), m_state(state), m_prompter(prompter) {
    setObjectName(QStringLiteral("frmEditStripNums"));
    setWindowTitle(QStringLiteral("Edit Strip Names"));
    buildControls();
    buildMenus();
    EnterAsTab::install(this);
}

void frmEditStripNums::buildControls() {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 10, 16, 14);
    auto* frames = new QGridLayout;
    frames->setHorizontalSpacing(14);
    for (int w = 0; w < 6; ++w) {
        auto* frame = new QGroupBox(this);
        frame->setObjectName(QStringLiteral("fraWeapon%1").arg(w));
        auto* form = new QFormLayout(frame);
        for (int s = 0; s < 4; ++s) {
            auto* box = new QLineEdit(frame);
            box->setObjectName(QStringLiteral("tStripName%1").arg(10 * w + s));
            box->setMaxLength(10);
            box->setFixedWidth(100);
            box->installEventFilter(this);
            connect(box, &QLineEdit::textChanged, this, [this] {
                if (!m_loading) {
                    setSaveEnabled(true);
                }
            });
            form->addRow(QStringLiteral("Strip Set %1:").arg(s + 1), box);
            m_boxes[static_cast<size_t>(4 * w + s)] = box;
        }
        // Men's events on the left, women's on the right, the same weapon side by side.
        frames->addWidget(frame, w % 3, w / 3);
    }
    layout->addLayout(frames);
    auto* note = new QLabel(
        QStringLiteral("The strips should be assigned such that Strip Sets 1 and 2 are adjacent, "
                       "2 and 3 are adjacent, and 3 and 4 are adjacent."),
        this);
    note->setWordWrap(true);
    layout->addWidget(note);
    bSave = NamedButton("bSave", "&Save", this, kButtonSize);
    bClear = NamedButton("bClear", "C&lear", this, kButtonSize);
    bCancel = NamedButton("bCancel", "Cancel", this, kButtonSize);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(bSave);
    buttons->addWidget(bClear);
    buttons->addWidget(bCancel);
    layout->addLayout(buttons);
    connect(bSave, &QPushButton::clicked, this, &frmEditStripNums::bSave_Click);
    connect(bClear, &QPushButton::clicked, this, &frmEditStripNums::bClear_Click);
    connect(bCancel, &QPushButton::clicked, this, &frmEditStripNums::reject);
    // Down each event's four strip sets, event by event.
    for (int i = 1; i < 24; ++i) {
        setTabOrder(m_boxes[static_cast<size_t>(i - 1)], m_boxes[static_cast<size_t>(i)]);
    }
    setTabOrder(m_boxes[23], bSave);
}

void frmEditStripNums::buildMenus() {
    auto* bar = new QMenuBar(this);
    QMenu* file = bar->addMenu(QStringLiteral("&File"));
    mSave = AddNamedAction(file, QStringLiteral("mSave"), QStringLiteral("&Save"), this,
                           &frmEditStripNums::bSave_Click);
    AddNamedAction(file, QStringLiteral("mExit"), QStringLiteral("E&xit"), this,
                   &frmEditStripNums::reject);
    QMenu* edit = bar->addMenu(QStringLiteral("&Edit"));
    AddNamedAction(edit, QStringLiteral("mClear"), QStringLiteral("C&lear"), this,
                   &frmEditStripNums::bClear_Click);
    AddHelpMenu(bar, this);
    layout()->setMenuBar(bar);
}

QLineEdit* frmEditStripNums::tStripName(int weapon, int stripSet) const {
    return m_boxes[static_cast<size_t>(4 * weapon + stripSet)];
}

void frmEditStripNums::Form_Load() {
    const QStringList events = StripHeader::EventNames(m_state.connection());
    for (int w = 0; w < 6; ++w) {
        findChild<QGroupBox*>(QStringLiteral("fraWeapon%1").arg(w))->setTitle(events[w]);
    }
    m_loaded = StripNameStore(m_state.connection()).load();
    showLoaded();
    m_boxes[0]->setFocus();
}

void frmEditStripNums::showLoaded() {
    m_loading = true;
    for (size_t i = 0; i < m_loaded.size(); ++i) {
        m_boxes[i]->setText(m_loaded[i]);
    }
    m_loading = false;
    setSaveEnabled(false);
}

void frmEditStripNums::setSaveEnabled(bool enabled) {
    bSave->setEnabled(enabled);
    mSave->setEnabled(enabled);
}

void frmEditStripNums::bClear_Click() {
    if (m_prompter.ask(this, QMessageBox::Question, QStringLiteral("Clear Form"),
                       QStringLiteral("Are you sure?"), QMessageBox::Ok | QMessageBox::Cancel,
                       QMessageBox::Cancel) != QMessageBox::Ok) {
        return;
    }
    for (QLineEdit* box : m_boxes) {
        box->clear();
    }
    setSaveEnabled(true);
}

bool frmEditStripNums::bSave_Click() {
    return saveNames() == SaveOutcome::Saved;
}

frmEditStripNums::SaveOutcome frmEditStripNums::saveNames() {
    if (m_prompter.ask(this, QMessageBox::Question, QStringLiteral("Save Strip Numbers"),
                       QStringLiteral("Are you sure?"), QMessageBox::Ok | QMessageBox::Cancel,
                       QMessageBox::Ok) != QMessageBox::Ok) {
        return SaveOutcome::Declined;
    }
    StripNameStore::Names names;
    for (size_t i = 0; i < names.size(); ++i) {
        names[i] = m_boxes[i]->text();
    }
    QStringList changedElsewhere;
    const Status saved = [&] {
        WaitCursor busy;
        return StripNameStore(m_state.connection()).save(names, m_loaded, &changedElsewhere);
    }();
    if (!saved) {
        m_prompter.tell(this, QMessageBox::Warning, QStringLiteral("Cannot save"), saved.message());
        return SaveOutcome::Failed;
    }
    if (!changedElsewhere.isEmpty()) {
        m_prompter.tell(this, QMessageBox::Warning, ChangedElsewhere::Title(),
                        ChangedElsewhere::Message(changedElsewhere));
        // The window stays open on the names as stored, so they can be seen.
        showLoaded();
        return SaveOutcome::Kept;
    }
    setSaveEnabled(false);
    QDialog::accept();
    return SaveOutcome::Saved;
}

// A failed save keeps the window open so the typed names are not lost; otherwise it closes
// whatever the answer to the save's own question.
void frmEditStripNums::reject() {
    if (bSave->isEnabled()) {
        const auto answer = m_prompter.askToSaveChanges(this);
        if (answer == QMessageBox::Cancel) {
            return;
        }
        if (answer == QMessageBox::Yes && saveNames() != SaveOutcome::Declined) {
            return;  // saved and closed, or failed or kept and left open
        }
    }
    QDialog::reject();
}

bool frmEditStripNums::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn) {
        if (auto* box = qobject_cast<QLineEdit*>(watched)) {
            // After the click that gave the focus has placed the cursor.
            QTimer::singleShot(0, box, &QLineEdit::selectAll);
        }
    }
    return QDialog::eventFilter(watched, event);
}
