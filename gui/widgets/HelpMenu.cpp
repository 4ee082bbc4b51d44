#include "widgets/HelpMenu.h"

#include "app/frmAbout.h"
#include "widgets/frmDayGuide.h"

#include <QApplication>
#include <QMenuBar>
#include <QMessageBox>

namespace {

// One guide per window, kept open beside the work and raised when asked for again.
void showGuide(QWidget* owner) {
    auto* guide = owner->findChild<frmDayGuide*>(QString(), Qt::FindDirectChildrenOnly);
    if (guide == nullptr) {
        guide = new frmDayGuide(owner);
        guide->setAttribute(Qt::WA_DeleteOnClose);
    }
    guide->show();
    guide->raise();
    guide->activateWindow();
}

}  // namespace

QAction* AddHelpMenu(QMenuBar* bar, QWidget* owner) {
    QMenu* help = bar->addMenu(QStringLiteral("&Help"));
    QAction* mGuide = help->addAction(QStringLiteral("Championship Day &Guide"), owner,
                                      [owner] { showGuide(owner); });
    mGuide->setObjectName(QStringLiteral("mGuide"));
    mGuide->setShortcut(QKeySequence::HelpContents);
    help->addSeparator();
    QAction* mAbout = help->addAction(QStringLiteral("&About..."), owner, [owner] {
        frmAbout about(owner);
        about.exec();
    });
    mAbout->setObjectName(QStringLiteral("mAbout"));
    QAction* mAboutQt = help->addAction(QStringLiteral("About &Qt"), owner,
                                        [owner] { QMessageBox::aboutQt(owner); });
    mAboutQt->setObjectName(QStringLiteral("mAboutQt"));
    return mAbout;
}
