#include "publish/FieXmlDownload.h"

#include "db/Database.h"
#include "publish/FieXmlExport.h"
#include "publish/ResultsDownload.h"
#include "widgets/Prompter.h"
#include "widgets/WaitCursor.h"

#include <QDate>
#include <QDir>
#include <QFileInfo>

QString DownloadFieXml(QWidget* parent, Prompter& prompter, const Database& db, int event,
                       const QString& championshipYear) {
    // The results download's own place: beside the file, or the station's folder for a server.
    const QDir folder =
        QFileInfo(ResultsDownload::PathFor(db.path(), ResultsDownload::Format::Xml)).dir();
    const QString path = prompter.chooseFileToSave(
        parent, QStringLiteral("FIE XML"), folder.filePath(FieXmlExport::FileName(event)),
        QStringLiteral("FIE XML Files (*.xml)"), QStringLiteral("xml"));
    if (path.isEmpty()) {
        return QString();
    }
    Status written = Status::success();
    {
        WaitCursor busy;
        written = FieXmlExport::Write(db, event, championshipYear, QDate::currentDate(), path);
    }
    if (!written) {
        prompter.tell(parent, QMessageBox::Critical, QStringLiteral("FIE XML"), written.message());
        return QString();
    }
    return path;
}
