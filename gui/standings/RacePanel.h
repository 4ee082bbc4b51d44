#pragma once

#include <QGroupBox>
#include <QStringList>
#include <vector>

class QTableWidget;

// Beside a standings grid: who is still in a race (the team title, the Final Four), those out
// of it greyed. The first column is a name, the last a yes/no, the others figures.
class RacePanel final : public QGroupBox {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(RacePanel)

public:
    struct Line {
        QStringList cells;
        bool out = false;
    };

    RacePanel(const QString& title, const QString& tableName, const QStringList& headers,
              const QString& toolTip, QWidget* parent = nullptr);

    void fill(const std::vector<Line>& lines);
    QTableWidget* table() const { return m_table; }

private:
    QTableWidget* m_table = nullptr;
};
