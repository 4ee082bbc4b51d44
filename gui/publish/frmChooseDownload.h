#pragma once

#include <QDialog>

class QPushButton;
class QRadioButton;

// Asks which download file the results window writes: text, XML or HTML.
class frmChooseDownload final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(frmChooseDownload)

public:
    explicit frmChooseDownload(QWidget* parent = nullptr);

    // "TXT", "XML" or "HTML" after Run; empty after Cancel or closing the window.
    const QString& DownloadType() const { return m_type; }

    void bRun_Click();
    void bCancel_Click();

protected:
    void showEvent(QShowEvent* event) override;

private:
    QString m_type;
    QRadioButton* rbText = nullptr;
    QRadioButton* rbXML = nullptr;
    QRadioButton* rbHTML = nullptr;
    QPushButton* bRun = nullptr;
    QPushButton* bCancel = nullptr;
};
