#pragma once

#include <QString>

class Database;
class Prompter;
class QWidget;

// Asks where to write one event's FIE XML file (offered beside the championship file, named
// by the event) and writes it; tells the user why when it cannot. The path written, or an
// empty text when the user cancelled or the file was not written.
QString DownloadFieXml(QWidget* parent, Prompter& prompter, const Database& db, int event,
                       const QString& championshipYear);
