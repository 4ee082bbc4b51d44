#include "roster/SlotLabel.h"

#include <QKeyEvent>
#include <QMouseEvent>

SlotLabel::SlotLabel(QWidget* parent) : QLabel(parent) {
    setFocusPolicy(Qt::StrongFocus);
    setMinimumSize(200, fontMetrics().height() + 12);
    setCursor(Qt::PointingHandCursor);
    setPicked(false);
}

void SlotLabel::setPicked(bool picked) {
    m_picked = picked;
    setStyleSheet(QStringLiteral("QLabel { background: %1; color: black; border: 1px solid #808080;"
                                 " padding: 2px 6px; }"
                                 "QLabel:focus { border: 2px solid #0050c8; }")
                      .arg(picked ? QStringLiteral("#ff8000") : QStringLiteral("#ffffff")));
}

void SlotLabel::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        setFocus(Qt::MouseFocusReason);
        emit clicked();
        event->accept();
        return;
    }
    QLabel::mousePressEvent(event);
}

void SlotLabel::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Space || event->key() == Qt::Key_Return ||
        event->key() == Qt::Key_Enter) {
        emit clicked();
        event->accept();
        return;
    }
    if (event->key() == Qt::Key_Down || event->key() == Qt::Key_Right ||
        event->key() == Qt::Key_Up || event->key() == Qt::Key_Left) {
        emit stepped(event->key() == Qt::Key_Down || event->key() == Qt::Key_Right ? 1 : -1);
        event->accept();
        return;
    }
    QLabel::keyPressEvent(event);
}
