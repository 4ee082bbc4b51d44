#include "widgets/PrintOutcome.h"

#include "widgets/Prompter.h"

#include <QFileInfo>

void TellPrintOutcome(Prompter& prompter, QWidget* parent, const QString& title,
                      const Status& status, const QStringList& savedFiles) {
    if (!savedFiles.isEmpty()) {
        QStringList names;
        for (const QString& file : savedFiles) {
            names << QFileInfo(file).fileName();
        }
        const QString folder = QFileInfo(savedFiles.first()).absolutePath();
        prompter.tell(parent, QMessageBox::Information, title,
                      QStringLiteral("No printer is installed. The printouts were saved as PDF "
                                     "files in the folder\n%1:\n\n%2")
                          .arg(folder, names.join(QLatin1Char('\n'))));
    }
    if (!status) {
        prompter.tell(parent, QMessageBox::Warning, title, status.message());
    }
}
