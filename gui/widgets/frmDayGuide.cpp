#include "widgets/frmDayGuide.h"

#include "widgets/NamedButton.h"
#include "widgets/ScreenFit.h"

#include <QFile>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

frmDayGuide::frmDayGuide(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmDayGuide"));
    setWindowTitle(QStringLiteral("Championship Day Guide"));
    tGuide = new QTextBrowser(this);
    tGuide->setObjectName(QStringLiteral("tGuide"));
    tGuide->setOpenExternalLinks(false);
    tGuide->setMarkdown(GuideText());

    QPushButton* bClose = NamedButton("bClose", QStringLiteral("&Close"), this);
    connect(bClose, &QPushButton::clicked, this, &QWidget::close);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(bClose);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tGuide, 1);
    layout->addLayout(buttons);
    FitToScreen(this, {720, 760});
}

QString frmDayGuide::GuideText() {
    QFile guide(QStringLiteral(":/guide/championship-day-guide.md"));
    if (!guide.open(QIODevice::ReadOnly)) {
        return QString();
    }
    return QString::fromUtf8(guide.readAll());
}
