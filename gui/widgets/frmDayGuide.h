#pragma once

#include <QDialog>

class QTextBrowser;

// The Championship Day Guide: what the scoring table does before the day, on each day, at
// the Final Four, to publish, and when something goes wrong. Compiled in as a resource.
class frmDayGuide final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(frmDayGuide)

public:
    explicit frmDayGuide(QWidget* parent = nullptr);

    // The guide's text as written (Markdown); empty when the resource is missing.
    static QString GuideText();

private:
    QTextBrowser* tGuide = nullptr;
};
