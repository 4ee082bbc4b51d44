#pragma once

#include "standings/TitleRace.h"

#include <QGroupBox>
#include <vector>

class QTableWidget;

// Beside the school standings: each school's points, bouts left, the most it can reach and
// whether it can still win the title, schools out of the race greyed.
class TitleRacePanel final : public QGroupBox {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TitleRacePanel)

public:
    explicit TitleRacePanel(QWidget* parent = nullptr);

    void fill(const std::vector<TitleRaceRow>& rows);
    QTableWidget* table() const { return m_table; }

private:
    QTableWidget* m_table = nullptr;
};
