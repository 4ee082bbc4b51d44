#include "widgets/WidgetPrompter.h"

#include <QFileDialog>
#include <QInputDialog>
#include <QLineEdit>
#include <QPrintDialog>

QMessageBox::StandardButton WidgetPrompter::ask(QWidget* parent, QMessageBox::Icon icon,
                                                const QString& title, const QString& text,
                                                QMessageBox::StandardButtons buttons,
                                                QMessageBox::StandardButton defaultButton) {
    QMessageBox box(icon, title, text, buttons, parent);
    box.setDefaultButton(defaultButton);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

QString WidgetPrompter::chooseFileToOpen(QWidget* parent, const QString& caption,
                                         const QString& startFolder, const QString& filter) {
    return QFileDialog::getOpenFileName(parent, caption, startFolder, filter, nullptr,
                                        QFileDialog::ReadOnly);
}

QString WidgetPrompter::chooseFileToSave(QWidget* parent, const QString& caption,
                                         const QString& startFolder, const QString& filter,
                                         const QString& defaultSuffix) {
    QFileDialog dialog(parent, caption, startFolder, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(defaultSuffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return QString();
    }
    return dialog.selectedFiles().first();
}

std::optional<QString> WidgetPrompter::askText(QWidget* parent, const QString& title,
                                               const QString& label, const QString& text) {
    bool ok = false;
    const QString typed = QInputDialog::getText(parent, title, label, QLineEdit::Normal, text, &ok);
    return ok ? std::optional<QString>(typed) : std::nullopt;
}

bool WidgetPrompter::choosePrinter(QWidget* parent, QPrinter& printer) {
    QPrintDialog dialog(&printer, parent);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange);
    return dialog.exec() == QDialog::Accepted;
}

QString WidgetPrompter::chooseFolder(QWidget* parent, const QString& caption,
                                     const QString& startFolder) {
    return QFileDialog::getExistingDirectory(parent, caption, startFolder);
}
