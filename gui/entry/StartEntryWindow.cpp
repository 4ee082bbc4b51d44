#include "entry/StartEntryWindow.h"

#include "entry/EntryHeader.h"

#include <QDialog>
#include <QMenuBar>
#include <QVBoxLayout>

EntryHeader* StartEntryWindow(QDialog* window, QMenuBar* bar) {
    window->setWindowTitle(QStringLiteral("Enter Results"));
    auto* outer = new QVBoxLayout(window);
    outer->setMenuBar(bar);
    outer->setContentsMargins(18, 12, 18, 14);
    outer->setSpacing(12);
    auto* header = new EntryHeader(window);
    outer->addWidget(header);
    return header;
}
