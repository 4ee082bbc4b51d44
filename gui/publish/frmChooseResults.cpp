#include "publish/frmChooseResults.h"

#include "widgets/EnterAsTab.h"
#include "widgets/HelpMenu.h"
#include "widgets/NamedAction.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

namespace {

QCheckBox* checkBox(const QString& name, QWidget* parent) {
    auto* box = new QCheckBox(parent);
    box->setObjectName(name);
    return box;
}

// "&Men's Teams" from "Men's Saber": the first seven letters, "Men..." read as "Men's".
QString teamCaption(const QString& eventName) {
    QString prefix = eventName.left(7);
    if (prefix.startsWith(QLatin1String("Men"))) {
        prefix = QStringLiteral("Men's");
    }
    return QLatin1Char('&') + prefix + QStringLiteral(" Teams");
}

}  // namespace

frmChooseResults::frmChooseResults(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmChooseResults"));
    setWindowTitle(QStringLiteral("Print Results"));

    auto* events = new QGroupBox(QStringLiteral("Individual Events"), this);
    auto* eventGrid = new QGridLayout(events);
    for (int w = 0; w < 6; ++w) {
        QCheckBox* box = checkBox(QStringLiteral("cbIndSlot%1").arg(w), events);
        box->setProperty("tag", w);
        connect(box, &QCheckBox::toggled, this, &frmChooseResults::updateButtons);
        // Men's events on the left, women's on the right.
        eventGrid->addWidget(box, w % 3, w / 3);
        cbIndSlot[static_cast<size_t>(w)] = box;
    }
    bSelectAllInd =
        new QPushButton(QStringLiteral("    &Select/Deselect    All Individual Events"), events);
    bSelectAllInd->setObjectName(QStringLiteral("bSelectAllInd"));
    eventGrid->addWidget(bSelectAllInd, 3, 0, 1, 2);
    cbGrid = checkBox(QStringLiteral("cbGrid"), events);
    cbGrid->setText(QStringLiteral("Print &Grid(s)"));
    eventGrid->addWidget(cbGrid, 4, 0, 1, 2);

    auto* schools = new QGroupBox(QStringLiteral("Team Standings"), this);
    auto* schoolList = new QVBoxLayout(schools);
    for (int v = 0; v < 3; ++v) {
        QCheckBox* box = checkBox(QStringLiteral("cbTeam%1").arg(v), schools);
        connect(box, &QCheckBox::toggled, this, &frmChooseResults::updateButtons);
        schoolList->addWidget(box);
        cbTeam[static_cast<size_t>(v)] = box;
    }
    cbTeam[0]->setText(QStringLiteral("&Team Results"));

    bPrint = new QPushButton(QStringLiteral("&Print"), this);
    bPrint->setObjectName(QStringLiteral("bPrint"));
    bPrint->setDefault(true);
    bCancel = new QPushButton(QStringLiteral("Cancel"), this);
    bCancel->setObjectName(QStringLiteral("bCancel"));
    connect(bSelectAllInd, &QPushButton::clicked, this, &frmChooseResults::bSelectAllInd_Click);
    connect(bPrint, &QPushButton::clicked, this, &frmChooseResults::bPrint_Click);
    connect(bCancel, &QPushButton::clicked, this, &frmChooseResults::bCancel_Click);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    for (QPushButton* button : {bPrint, bCancel}) {
        button->setMinimumWidth(100);
        buttons->addWidget(button);
    }
    auto* layout = new QVBoxLayout(this);
    buildMenus();
    layout->setMenuBar(findChild<QMenuBar*>());
    layout->addWidget(events);
    layout->addWidget(schools);
    layout->addLayout(buttons);
    EnterAsTab::install(this);
    updateButtons();
}

void frmChooseResults::buildMenus() {
    auto* bar = new QMenuBar(this);
    QMenu* file = bar->addMenu(QStringLiteral("&File"));
    mPrint = AddNamedAction(file, QStringLiteral("mPrint"), QStringLiteral("&Print"), this,
                            &frmChooseResults::bPrint_Click);
    file->addSeparator();
    AddNamedAction(file, QStringLiteral("mExit"), QStringLiteral("E&xit"), this,
                   &frmChooseResults::bCancel_Click);
    AddHelpMenu(bar, this);
}

void frmChooseResults::prepare(const std::array<QString, 6>& eventNames, int shownEvent) {
    m_choice = ResultsPrintChoice();
    for (int w = 0; w < 6; ++w) {
        QCheckBox* box = cbIndSlot[static_cast<size_t>(w)];
        box->setText(eventNames[static_cast<size_t>(w)]);
        box->setChecked(w == shownEvent);
    }
    cbTeam[1]->setText(teamCaption(eventNames[0]));
    cbTeam[2]->setText(teamCaption(eventNames[3]));
    for (QCheckBox* box : cbTeam) {
        box->setChecked(false);
    }
    cbGrid->setChecked(false);
    updateButtons();
}

void frmChooseResults::updateButtons() {
    const bool anyEvent = std::any_of(cbIndSlot.begin(), cbIndSlot.end(),
                                      [](QCheckBox* b) { return b->isChecked(); });
    const bool anySchool =
        std::any_of(cbTeam.begin(), cbTeam.end(), [](QCheckBox* b) { return b->isChecked(); });
    cbGrid->setEnabled(anyEvent);
    bPrint->setEnabled(anyEvent || anySchool);
    mPrint->setEnabled(anyEvent || anySchool);
}

void frmChooseResults::bSelectAllInd_Click() {
    const bool anyUnticked = std::any_of(cbIndSlot.begin(), cbIndSlot.end(),
                                         [](QCheckBox* b) { return !b->isChecked(); });
    for (QCheckBox* box : cbIndSlot) {
        box->setChecked(anyUnticked);
    }
}

void frmChooseResults::bPrint_Click() {
    if (!bPrint->isEnabled()) {
        return;
    }
    m_choice = ResultsPrintChoice();
    for (QCheckBox* box : cbIndSlot) {
        if (box->isChecked()) {
            m_choice.Events << box->property("tag").toInt();
        }
    }
    for (size_t v = 0; v < cbTeam.size(); ++v) {
        m_choice.Teams[v] = cbTeam[v]->isChecked();
    }
    // A table without its event's list has nothing to stand for.
    m_choice.Grids = cbGrid->isEnabled() && cbGrid->isChecked();
    accept();
}

void frmChooseResults::bCancel_Click() {
    m_choice = ResultsPrintChoice();
    reject();
}
