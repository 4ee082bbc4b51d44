#include "app/frmMain.h"
#include "db/ORLEMain.h"
#include "widgets/WidgetPrompter.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Quillon Works"));
    QApplication::setApplicationName(QStringLiteral("ORLE"));
    QApplication::setApplicationDisplayName(
        QStringLiteral("ORLE Fencing Championship Scoring System"));

    ORLEMain state(std::make_unique<RegistrySettings>());
    WidgetPrompter prompter;
    frmMain window(state, prompter);
    window.show();
    window.Form_Load();
    return QApplication::exec();
}
