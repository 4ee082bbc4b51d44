#pragma once

#include "widgets/Prompter.h"

// The Prompter of the running program: message boxes and file dialogs on screen.
class WidgetPrompter final : public Prompter {
public:
    QMessageBox::StandardButton ask(QWidget* parent, QMessageBox::Icon icon, const QString& title,
                                    const QString& text, QMessageBox::StandardButtons buttons,
                                    QMessageBox::StandardButton defaultButton) override;
    QString chooseFileToOpen(QWidget* parent, const QString& caption, const QString& startFolder,
                             const QString& filter) override;
    QString chooseFileToSave(QWidget* parent, const QString& caption, const QString& startFolder,
                             const QString& filter, const QString& defaultSuffix) override;
    std::optional<QString> askText(QWidget* parent, const QString& title, const QString& label,
                                   const QString& text) override;
    bool choosePrinter(QWidget* parent, QPrinter& printer) override;
    QString chooseFolder(QWidget* parent, const QString& caption,
                         const QString& startFolder) override;
};
