#pragma once

#include <QDialog>

// A task window that asks its save question before unsaved changes are dropped, however it
// is closed: Cancel, Escape, the File menu or the window's close button.
class LeaveGuardedDialog : public QDialog {
    Q_OBJECT

public:
    using QDialog::QDialog;
    void reject() override;

protected:
    void closeEvent(QCloseEvent* event) override;
    // Asks the window's save question; true when the window may close.
    virtual bool confirmLeave() = 0;

    // Set once the question has been answered, so that closing does not ask twice.
    bool m_leaving = false;
};
