#pragma once

#include <QDialog>

// The About window: the program's name, version and legal notice.
class frmAbout final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(frmAbout)

public:
    explicit frmAbout(QWidget* parent = nullptr);
};
