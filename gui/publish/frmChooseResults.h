#pragma once

#include "publish/ResultsPrintChoice.h"

#include <QDialog>
#include <array>

class QAction;
class QCheckBox;
class QPushButton;

// Asks which results print: the events' lists, the school standings and the events' tables.
class frmChooseResults final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(frmChooseResults)

public:
    explicit frmChooseResults(QWidget* parent = nullptr);

    // Captions the event boxes and the men's and women's school boxes from the event names,
    // ticks `shownEvent` (none when -1) and forgets the last choice.
    void prepare(const std::array<QString, 6>& eventNames, int shownEvent);

    // The choice after Print; empty (IndQuery "-1") after Cancel or closing the window.
    const ResultsPrintChoice& Choice() const { return m_choice; }

    void bSelectAllInd_Click();
    void bPrint_Click();
    void bCancel_Click();

private:
    void buildMenus();
    void updateButtons();

    ResultsPrintChoice m_choice;
    std::array<QCheckBox*, 6> cbIndSlot{};
    std::array<QCheckBox*, 3> cbTeam{};
    QCheckBox* cbGrid = nullptr;
    QPushButton* bSelectAllInd = nullptr;
    QPushButton* bPrint = nullptr;
    QPushButton* bCancel = nullptr;
    QAction* mPrint = nullptr;
};
