#include "app/frmColors.h"

#include "db/ORLEMain.h"
#include "entry/StripHeader.h"
#include "widgets/EnterAsTab.h"
#include "widgets/EventColor.h"
#include "widgets/NamedAction.h"
#include "widgets/NamedButton.h"
#include "widgets/Prompter.h"

#include <QApplication>
#include <QColorDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QColor systemColorDialog(QWidget* parent, const QColor& initial) {
    const QColor chosen = QColorDialog::getColor(initial, parent);
    return chosen.isValid() ? chosen : initial;
}

ColorValue storedValue(const QColor& color) {
    return static_cast<ColorValue>(color.red()) | (static_cast<ColorValue>(color.green()) << 8) |
           (static_cast<ColorValue>(color.blue()) << 16);
}

}  // namespace

frmColors::frmColors(ORLEMain& state, Prompter& prompter, QWidget* parent, ColorDialog chooseColor)
    : QDialog(parent),
      m_state(state),
      m_prompter(prompter),
      m_chooseColor(chooseColor ? std::move(chooseColor) : ColorDialog(systemColorDialog)),
      m_editor(state.EventColors, state.DefaultColors, state.settings()) {
    setObjectName(QStringLiteral("frmColors"));
    setWindowTitle(QStringLiteral("Assign Weapon Colors"));
    buildControls();
    EnterAsTab::install(this);
    Form_Load();
}

frmColors::~frmColors() = default;

void frmColors::buildControls() {
    auto* instructions = new QLabel(
        QStringLiteral("To change the background color for a weapon, double-click on the color "
                       "box. To restore the color to the default, right-click on the color box."),
        this);
    instructions->setWordWrap(true);
    instructions->setMinimumWidth(360);

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(16);
    for (int w = 0; w < 6; ++w) {
        lWeaponName[w] = new QLabel(this);
        lWeaponName[w]->setObjectName(QStringLiteral("lWeaponName%1").arg(w));
        lWeaponColor[w] = new QLabel(this);
        lWeaponColor[w]->setObjectName(QStringLiteral("lWeaponColor%1").arg(w));
        lWeaponColor[w]->setFixedSize(90, 26);
        lWeaponColor[w]->setFrameShape(QFrame::Box);
        lWeaponColor[w]->setAutoFillBackground(true);
        // Keyboard: Space changes the colour, the menu key or Shift+F10 offers the default.
        lWeaponColor[w]->setFocusPolicy(Qt::StrongFocus);
        lWeaponColor[w]->setToolTip(
            QStringLiteral("Double-click or Space: change; right-click or Shift+F10: default"));
        lWeaponColor[w]->installEventFilter(this);
        lWeaponName[w]->setBuddy(lWeaponColor[w]);
        // Men's events in the left column, women's in the right.
        grid->addWidget(lWeaponName[w], w % 3, (w / 3) * 2, Qt::AlignRight);
        grid->addWidget(lWeaponColor[w], w % 3, (w / 3) * 2 + 1);
    }

    mRClickmnu = new QMenu(this);
    mRClickmnu->setObjectName(QStringLiteral("mRClickmnu"));
    mRCRestore =
        AddNamedAction(mRClickmnu, QStringLiteral("mRCRestore"), QStringLiteral("Restore &Default"),
                       this, &frmColors::mRCRestore_Click);

    bSave = NamedButton(QStringLiteral("bSave"), QStringLiteral("&Save"), this, QSize(100, 30));
    bCancel = NamedButton(QStringLiteral("bCancel"), QStringLiteral("Close"), this, QSize(100, 30));
    connect(bSave, &QPushButton::clicked, this, &frmColors::bSave_Click);
    connect(bCancel, &QPushButton::clicked, this, &QDialog::close);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(bSave);
    buttons->addWidget(bCancel);
    auto* layout = new QVBoxLayout(this);
    layout->setSpacing(14);
    layout->addWidget(instructions);
    layout->addLayout(grid);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void frmColors::Form_Load() {
    m_editor.reset();
    const QStringList names =
        m_state.isOpen()
            ? m_prompter.valueOrTell(this, StripHeader::EventNames(m_state.connection()))
            : QStringList();
    // Without a file the events go by their codes.
    const QStringList codes{QStringLiteral("MS"), QStringLiteral("MF"), QStringLiteral("ME"),
                            QStringLiteral("WS"), QStringLiteral("WF"), QStringLiteral("WE")};
    for (int w = 0; w < 6; ++w) {
        const QString name = names.value(w);
        lWeaponName[w]->setText(name.isEmpty() ? codes[w] : name);
        paintBox(w);
    }
    showPending();
}

void frmColors::paintBox(int index) {
    PaintEventBackground(lWeaponColor[index], m_editor.color(index));
}

void frmColors::showPending() {
    bSave->setEnabled(m_editor.pending());
}

void frmColors::lWeaponColor_DblClick(int index) {
    const QColor initial = EventQColor(m_editor.color(index));
    const QColor chosen = m_chooseColor(this, initial);
    if (m_editor.pick(index, storedValue(chosen)) == EventColorEditor::Pick::Refused) {
        m_prompter.tell(this, QMessageBox::Warning, QApplication::applicationName(),
                        QStringLiteral("Black is not a permitted color."));
        return;
    }
    paintBox(index);
    showPending();
}

void frmColors::lWeaponColor_RightClick(int index, const QPoint& globalPos) {
    m_menuIndex = index;
    mRClickmnu->popup(globalPos);
}

void frmColors::mRCRestore_Click() {
    if (m_menuIndex < 0) {
        return;
    }
    m_editor.restoreDefault(m_menuIndex);
    paintBox(m_menuIndex);
    showPending();
}

bool frmColors::save() {
    const Status saved = m_editor.save();
    showPending();
    if (!saved) {
        m_prompter.tell(this, QMessageBox::Critical, windowTitle(), saved.message());
    }
    return static_cast<bool>(saved);
}

void frmColors::bSave_Click() {
    if (save()) {
        QDialog::accept();
    }
}

bool frmColors::eventFilter(QObject* watched, QEvent* event) {
    const auto found = std::find(lWeaponColor.begin(), lWeaponColor.end(), watched);
    if (found == lWeaponColor.end()) {
        return QDialog::eventFilter(watched, event);
    }
    const int index = static_cast<int>(found - lWeaponColor.begin());
    auto* box = static_cast<QWidget*>(watched);
    switch (event->type()) {
        case QEvent::MouseButtonDblClick:
            if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
                lWeaponColor_DblClick(index);
                return true;
            }
            break;
        case QEvent::MouseButtonRelease: {
            auto* mouse = static_cast<QMouseEvent*>(event);
            if (mouse->button() == Qt::RightButton) {
                lWeaponColor_RightClick(index, mouse->globalPosition().toPoint());
                return true;
            }
            break;
        }
        case QEvent::KeyPress: {
            auto* key = static_cast<QKeyEvent*>(event);
            if (key->key() == Qt::Key_Space) {
                lWeaponColor_DblClick(index);
                return true;
            }
            if (key->key() == Qt::Key_Menu ||
                (key->key() == Qt::Key_F10 && key->modifiers() == Qt::ShiftModifier)) {
                lWeaponColor_RightClick(index, box->mapToGlobal(box->rect().center()));
                return true;
            }
            break;
        }
        case QEvent::FocusIn:
        case QEvent::FocusOut:
            // A thicker frame shows which box the keyboard is on.
            static_cast<QLabel*>(watched)->setLineWidth(event->type() == QEvent::FocusIn ? 3 : 1);
            break;
        default:
            break;
    }
    return QDialog::eventFilter(watched, event);
}

void frmColors::reject() {
    // Close, Escape and the title bar all come here, through the save question.
    if (m_editor.pending()) {
        const QMessageBox::StandardButton answer = m_prompter.askToSaveChanges(this);
        if (answer == QMessageBox::Cancel || (answer == QMessageBox::Yes && !save())) {
            return;
        }
    }
    m_editor.reset();
    QDialog::reject();
}
