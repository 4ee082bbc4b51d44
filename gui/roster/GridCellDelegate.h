#pragma once

#include <QStringList>
#include <QStyledItemDelegate>

// Edits one roster column: a text box with a length limit, or a drop-down list whose
// selected index is kept in the cell's user data. Enter moves on to the next cell as Tab does.
class GridCellDelegate final : public QStyledItemDelegate {
    Q_OBJECT

public:
    // A text column of at most `maxLength` characters.
    GridCellDelegate(int maxLength, QObject* parent);
    // A drop-down column; typing the first letters selects the entry.
    GridCellDelegate(const QStringList& entries, QObject* parent);

    void setEntries(const QStringList& entries) { m_entries = entries; }

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model,
                      const QModelIndex& index) const override;

protected:
    bool eventFilter(QObject* editor, QEvent* event) override;

private:
    int m_maxLength = 0;
    QStringList m_entries;
    bool m_isList = false;
};
