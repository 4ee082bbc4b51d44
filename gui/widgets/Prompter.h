#pragma once

#include "db/Result.h"

#include <QMessageBox>
#include <QString>
#include <optional>

class QPrinter;
class QWidget;

// Every question and message to the user, and every file choice, goes through a Prompter
// so tests can answer them.
class Prompter {
public:
    virtual ~Prompter() = default;

    virtual QMessageBox::StandardButton ask(QWidget* parent, QMessageBox::Icon icon,
                                            const QString& title, const QString& text,
                                            QMessageBox::StandardButtons buttons,
                                            QMessageBox::StandardButton defaultButton) = 0;
    // An existing file, or an empty text when the user cancels.
    virtual QString chooseFileToOpen(QWidget* parent, const QString& caption,
                                     const QString& startFolder, const QString& filter) = 0;
    // A file to write (replacing one only after the user confirms), or an empty text.
    virtual QString chooseFileToSave(QWidget* parent, const QString& caption,
                                     const QString& startFolder, const QString& filter,
                                     const QString& defaultSuffix) = 0;
    // A line the user types, starting from `text`; nothing when the user cancels.
    virtual std::optional<QString> askText(QWidget* parent, const QString& title,
                                           const QString& label, const QString& text) = 0;
    // The system print dialog on `printer` (printer, copies, pages); false when cancelled.
    virtual bool choosePrinter(QWidget* parent, QPrinter& printer) = 0;
    // A folder (made by the user in the dialog if need be), or an empty text.
    virtual QString chooseFolder(QWidget* parent, const QString& caption,
                                 const QString& startFolder) = 0;

    // The question asked before unsaved changes would be dropped: Yes saves, No drops,
    // Cancel stays.
    QMessageBox::StandardButton askToSaveChanges(QWidget* parent) {
        return ask(parent, QMessageBox::Warning, QStringLiteral("Save Changes"),
                   QStringLiteral("Changes have not been saved. Do you want to save now?"),
                   QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes);
    }

    // A message with an OK button.
    void tell(QWidget* parent, QMessageBox::Icon icon, const QString& title, const QString& text) {
        ask(parent, icon, title, text, QMessageBox::Ok, QMessageBox::Ok);
    }

    // Why the championship file failed, in the words the failure carries.
    void tellFailure(QWidget* parent, const Status& failure) {
        tell(parent, QMessageBox::Critical, QStringLiteral("Database Error"), failure.message());
    }

    // What was read from the file; when it could not be read the user is told why, and the
    // window goes on with `fallback` (nothing shown) rather than taking it for no rows.
    template <class T>
    T valueOrTell(QWidget* parent, const Result<T>& read, T fallback = T()) {
        if (read) {
            return *read;
        }
        tellFailure(parent, read.status());
        return fallback;
    }
};
