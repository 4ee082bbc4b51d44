#include "widgets/HelpMenu.h"

#include "app/frmAbout.h"

#include <QMenuBar>

QAction* AddHelpMenu(QMenuBar* bar, QWidget* owner) {
    QMenu* help = bar->addMenu(QStringLiteral("&Help"));
    QAction* mAbout = help->addAction(QStringLiteral("&About..."), owner, [owner] {
        frmAbout about(owner);
        about.exec();
    });
    mAbout->setObjectName(QStringLiteral("mAbout"));
    return mAbout;
}
