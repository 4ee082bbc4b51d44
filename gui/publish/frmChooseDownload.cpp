#include "publish/frmChooseDownload.h"

#include "widgets/EnterAsTab.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

QRadioButton* option(const char* name, const QString& caption, QWidget* parent) {
    auto* button = new QRadioButton(caption, parent);
    button->setObjectName(QLatin1String(name));
    return button;
}

}  // namespace

frmChooseDownload::frmChooseDownload(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmChooseDownload"));
    setWindowTitle(QStringLiteral("Choose Download Type"));
    auto* prompt = new QLabel(QStringLiteral("Which type of download:"), this);
    prompt->setObjectName(QStringLiteral("lPrompt"));
    rbText = option("rbText", QStringLiteral("&Text file"), this);
    rbXML = option("rbXML", QStringLiteral("&XML file"), this);
    rbHTML = option("rbHTML", QStringLiteral("&HTML file"), this);
    // The web page is what gets published most often.
    rbHTML->setChecked(true);
    bRun = new QPushButton(QStringLiteral("&Run"), this);
    bRun->setObjectName(QStringLiteral("bRun"));
    bRun->setDefault(true);
    bCancel = new QPushButton(QStringLiteral("Cancel"), this);
    bCancel->setObjectName(QStringLiteral("bCancel"));
    connect(bRun, &QPushButton::clicked, this, &frmChooseDownload::bRun_Click);
    connect(bCancel, &QPushButton::clicked, this, &frmChooseDownload::bCancel_Click);

    auto* options = new QVBoxLayout;
    options->setContentsMargins(18, 0, 0, 0);
    for (QRadioButton* button : {rbText, rbXML, rbHTML}) {
        options->addWidget(button);
    }
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    for (QPushButton* button : {bRun, bCancel}) {
        button->setMinimumWidth(90);
        buttons->addWidget(button);
    }
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(prompt);
    layout->addLayout(options);
    layout->addSpacing(8);
    layout->addLayout(buttons);
    setTabOrder(rbText, bRun);
    setTabOrder(bRun, bCancel);
    EnterAsTab::install(this);
    setFixedSize(sizeHint().expandedTo(QSize(300, 0)));
}

void frmChooseDownload::showEvent(QShowEvent* event) {
    m_type.clear();
    QDialog::showEvent(event);
}

void frmChooseDownload::bRun_Click() {
    m_type = rbText->isChecked()  ? QStringLiteral("TXT")
             : rbXML->isChecked() ? QStringLiteral("XML")
                                  : QStringLiteral("HTML");
    accept();
}

void frmChooseDownload::bCancel_Click() {
    m_type.clear();
    reject();
}
