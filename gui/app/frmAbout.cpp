#include "app/frmAbout.h"

#include "db/ProgramVersion.h"

#include <QCoreApplication>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// Two crossed blades, the program's emblem.
QPixmap emblem() {
    QPixmap picture(72, 72);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    for (int side : {-1, 1}) {
        painter.save();
        painter.translate(36, 36);
        painter.rotate(45 * side);
        painter.setPen(QPen(QColor(90, 90, 110), 3, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(0, -30, 0, 18);
        painter.setPen(QPen(QColor(150, 110, 40), 4, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(-9, 18, 9, 18);
        painter.drawLine(0, 18, 0, 30);
        painter.restore();
    }
    return picture;
}

QFrame* line(QWidget* parent) {
    auto* frame = new QFrame(parent);
    frame->setFrameShape(QFrame::HLine);
    frame->setFrameShadow(QFrame::Sunken);
    return frame;
}

}  // namespace

frmAbout::frmAbout(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QStringLiteral("About - ORLE Scoring System"));

    auto* picture = new QLabel(this);
    picture->setPixmap(emblem());
    picture->setAlignment(Qt::AlignTop);

    QCoreApplication::processEvents();
    auto* lblAppInfo =
        new QLabel(QStringLiteral("Orle Sports Union\r\nChampionship Scoring System\r\n") +
                       ProgramVersion::VersionLine(),
                   this);
    lblAppInfo->setObjectName(QStringLiteral("lblAppInfo"));
    QFont big = lblAppInfo->font();
    big.setPointSizeF(big.pointSizeF() * 1.2);
    lblAppInfo->setFont(big);
    auto* lblCredits = new QLabel(ProgramVersion::LegalNotice(), this);
    lblCredits->setObjectName(QStringLiteral("lblCredits"));
    lblCredits->setWordWrap(true);

    auto* ExitButton = new QPushButton(QStringLiteral("&OK"), this);
    ExitButton->setObjectName(QStringLiteral("ExitButton"));
    ExitButton->setDefault(true);
    connect(ExitButton, &QPushButton::clicked, this, &QDialog::accept);

    auto* text = new QVBoxLayout;
    text->addWidget(lblAppInfo);
    text->addWidget(line(this));
    text->addWidget(lblCredits);
    text->addWidget(line(this));
    auto* top = new QHBoxLayout;
    top->addWidget(picture);
    top->addSpacing(12);
    top->addLayout(text, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ExitButton);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(18, 18, 18, 14);
    layout->addLayout(top);
    layout->addLayout(buttons);
    setFixedSize(sizeHint().expandedTo(QSize(420, 0)));
}
