#include "widgets/WidgetPrompter.h"

#include <QFileDialog>
#include <QInputDialog>
#include <QLineEdit>
#include <QPrintDialog>
#include <algorithm>

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

namespace {
constexpr int kTextMarginPixels = 60;
constexpr int kWidestTextDialogPixels = 1000;
}  // namespace

std::optional<QString> WidgetPrompter::askText(QWidget* parent, const QString& title,
                                               const QString& label, const QString& text) {
    QInputDialog dialog(parent);
    dialog.setWindowTitle(title);
    dialog.setLabelText(label);
    dialog.setTextValue(text);
    // A server address or a long note is seen whole while it is checked, up to a width that
    // still fits the scoring table's smallest screen.
    const int textWidth = dialog.fontMetrics().horizontalAdvance(text) + kTextMarginPixels;
    dialog.resize(std::max(dialog.sizeHint().width(), std::min(textWidth, kWidestTextDialogPixels)),
                  dialog.sizeHint().height());
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return dialog.textValue();
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
