#pragma once

#include "db/Status.h"

#include <QStringList>

class Prompter;
class QWidget;

// Tells the user what became of a print action: a failure, or where the PDFs went when no
// printer is installed. Says nothing when everything reached the printer.
void TellPrintOutcome(Prompter& prompter, QWidget* parent, const QString& title,
                      const Status& status, const QStringList& savedFiles);
