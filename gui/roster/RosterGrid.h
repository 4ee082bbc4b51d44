#pragma once

#include "roster/RosterRow.h"
#include "roster/SchoolList.h"

#include <QTableWidget>
#include <vector>

class GridCellDelegate;

// The roster grid of one event: 24 rows typed from the keyboard, with the school and status
// drop-downs, and hidden columns for the fencer number, school number and change mark.
class RosterGrid final : public QTableWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(RosterGrid)

public:
    enum Column {
        FirstName,
        LastName,
        School,
        Excluded,
        AddlText,
        HtmlName,
        FencerNumber,
        TeamCode,
        Changes,
        ColumnCount
    };

    explicit RosterGrid(QWidget* parent = nullptr);

    void setSchools(const SchoolList& schools);
    // Shows the rows without reporting them as edits.
    void setRows(const std::vector<RosterRow>& rows);
    std::vector<RosterRow> rows() const;
    // Ends the edit of the current cell, keeping what was typed (a shortcut such as Ctrl+S
    // does not end it by itself).
    void commitEdit();
    // Whether a cell is being edited right now.
    bool editing() const { return state() == QAbstractItemView::EditingState; }
    // Shows the web names filled in by a save.
    void showWebNames(const std::vector<RosterRow>& rows);

signals:
    // A cell typed or picked by the user; column and row count from 1.
    void cellEdited(int column, int row);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void onCellChanged(int row, int column);
    void setText(int row, int column, const QString& text);
    void selectEntry(int row, int column, int index, const QStringList& entries);
    QString text(int row, int column) const;

    SchoolList m_schools;
    QStringList m_schoolEntries;
    GridCellDelegate* m_schoolDelegate = nullptr;
    bool m_loading = false;
};
