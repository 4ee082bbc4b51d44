#pragma once

#include "widgets/Prompter.h"

#include <QStringList>
#include <deque>
#include <functional>

// A Prompter for window tests: answers questions and file choices from a script and
// records every message it was shown. An unscripted question gets its default button.
class ScriptedPrompter final : public Prompter {
public:
    struct Asked {
        QMessageBox::Icon icon;
        QString title;
        QString text;
        QMessageBox::StandardButtons buttons;
        QMessageBox::StandardButton defaultButton;
    };

    std::deque<QMessageBox::StandardButton> answers;
    std::deque<QString> files;
    // Typed lines, nothing for Cancel; an unscripted one is OK on the text offered.
    std::deque<std::optional<QString>> typed;
    std::vector<Asked> asked;
    // What the print dialog does with the printer it is given: nothing set means Cancel.
    std::function<void(QPrinter&)> printDialog;

    QMessageBox::StandardButton ask(QWidget*, QMessageBox::Icon icon, const QString& title,
                                    const QString& text, QMessageBox::StandardButtons buttons,
                                    QMessageBox::StandardButton defaultButton) override {
        asked.push_back({icon, title, text, buttons, defaultButton});
        if (answers.empty()) {
            return defaultButton;
        }
        const QMessageBox::StandardButton answer = answers.front();
        answers.pop_front();
        return answer;
    }
    QString chooseFileToOpen(QWidget*, const QString&, const QString&, const QString&) override {
        return nextFile();
    }
    QString chooseFileToSave(QWidget*, const QString&, const QString&, const QString&,
                             const QString&) override {
        return nextFile();
    }
    QString chooseFolder(QWidget*, const QString&, const QString&) override { return nextFile(); }
    std::optional<QString> askText(QWidget*, const QString& title, const QString& label,
                                   const QString& text) override {
        asked.push_back({QMessageBox::Question, title, label, QMessageBox::Ok | QMessageBox::Cancel,
                         QMessageBox::Ok});
        if (typed.empty()) {
            return text;
        }
        const bool cancelled = !typed.front().has_value();
        const QString answer = typed.front().value_or(QString());
        typed.pop_front();
        if (cancelled) {
            return std::nullopt;
        }
        return answer;
    }

    bool choosePrinter(QWidget*, QPrinter& printer) override {
        if (!printDialog) {
            return false;
        }
        printDialog(printer);
        return true;
    }

    QStringList texts() const {
        QStringList out;
        for (const Asked& a : asked) {
            out << a.text;
        }
        return out;
    }

private:
    QString nextFile() {
        if (files.empty()) {
            return QString();
        }
        QString file = files.front();
        files.pop_front();
        return file;
    }
};
