#include "widgets/LeaveGuardedDialog.h"

#include <QCloseEvent>

void LeaveGuardedDialog::reject() {
    if (m_leaving || confirmLeave()) {
        m_leaving = true;
        QDialog::reject();
    }
}

void LeaveGuardedDialog::closeEvent(QCloseEvent* event) {
    if (m_leaving || confirmLeave()) {
        m_leaving = true;
        QDialog::closeEvent(event);
    } else {
        event->ignore();
    }
}
