#include "roster/GridCellDelegate.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>

GridCellDelegate::GridCellDelegate(int maxLength, QObject* parent)
    : QStyledItemDelegate(parent), m_maxLength(maxLength) {}

GridCellDelegate::GridCellDelegate(const QStringList& entries, QObject* parent)
    : QStyledItemDelegate(parent), m_entries(entries), m_isList(true) {}

QWidget* GridCellDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                        const QModelIndex& index) const {
    if (!m_isList) {
        QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
        if (auto* line = qobject_cast<QLineEdit*>(editor)) {
            line->setMaxLength(m_maxLength);
        }
        return editor;
    }
    auto* combo = new QComboBox(parent);
    combo->addItems(m_entries);
    combo->setMaxVisibleItems(20);
    return combo;
}

void GridCellDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
    if (auto* combo = qobject_cast<QComboBox*>(editor)) {
        const QVariant selected = index.data(Qt::UserRole);
        combo->setCurrentIndex(selected.isValid() ? selected.toInt() : -1);
        return;
    }
    QStyledItemDelegate::setEditorData(editor, index);
}

void GridCellDelegate::setModelData(QWidget* editor, QAbstractItemModel* model,
                                    const QModelIndex& index) const {
    auto* combo = qobject_cast<QComboBox*>(editor);
    if (!combo) {
        QStyledItemDelegate::setModelData(editor, model, index);
        return;
    }
    const int selected = combo->currentIndex();
    const QVariant current = index.data(Qt::UserRole);
    if (selected < 0 || (current.isValid() && current.toInt() == selected)) {
        return;
    }
    // The index first, so the text change that follows reports a complete cell.
    model->setData(index, selected, Qt::UserRole);
    model->setData(index, combo->currentText(), Qt::DisplayRole);
}

bool GridCellDelegate::eventFilter(QObject* object, QEvent* event) {
    auto* editor = qobject_cast<QWidget*>(object);
    if (editor && event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
        auto* combo = qobject_cast<QComboBox*>(editor);
        if (enter && !(combo && combo->view()->isVisible())) {
            emit commitData(editor);
            emit closeEditor(editor, key->modifiers() & Qt::ShiftModifier
                                         ? QAbstractItemDelegate::EditPreviousItem
                                         : QAbstractItemDelegate::EditNextItem);
            return true;
        }
    }
    return QStyledItemDelegate::eventFilter(object, event);
}
