#include "roster/SlotLabel.h"

#include <QFontMetrics>
#include <QKeyEvent>
#include <QMouseEvent>

SlotLabel::SlotLabel(QWidget* parent) : QLabel(parent) {
    setFocusPolicy(Qt::StrongFocus);
    setMinimumSize(200, fontMetrics().height() + 12);
    // The layout gives the width; a long name is cut to it rather than widening the window.
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
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

void SlotLabel::setCaption(const QString& caption) {
    m_caption = caption;
    setToolTip(caption);
    showCaption();
}

QString SlotLabel::Elided(const QString& caption, const QFontMetrics& metrics, int width) {
    const qsizetype school = caption.endsWith(QLatin1Char(')')) ? caption.lastIndexOf(u" (") : -1;
    if (school <= 0 || metrics.horizontalAdvance(caption) <= width) {
        return metrics.elidedText(caption, Qt::ElideRight, width);
    }
    const QString abbreviation = caption.mid(school);
    const int room = width - metrics.horizontalAdvance(abbreviation);
    return metrics.elidedText(caption.left(school), Qt::ElideRight, std::max(0, room)) +
           abbreviation;
}

void SlotLabel::showCaption() {
    // The border and padding of the slot's frame take a few pixels of the contents.
    constexpr int kFramePadding = 16;
    // Until the layout has placed the slot there is no width to cut to.
    const int room = isVisible() ? std::max(0, width() - kFramePadding) : QWIDGETSIZE_MAX;
    setText(Elided(m_caption, fontMetrics(), room));
}

void SlotLabel::showEvent(QShowEvent* event) {
    QLabel::showEvent(event);
    showCaption();
}

void SlotLabel::resizeEvent(QResizeEvent* event) {
    QLabel::resizeEvent(event);
    showCaption();
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
