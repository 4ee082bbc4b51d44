#pragma once

#include <QLabel>

// One group slot of the draw: shows a fencer and is clicked (or pressed with Space or
// Enter) to pick it for a swap; the arrow keys move to the neighbouring slots.
class SlotLabel final : public QLabel {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SlotLabel)

public:
    explicit SlotLabel(QWidget* parent = nullptr);

    // Shows "Given Family (ABBR)": a name too long for the slot is cut with an ellipsis
    // but the school stays readable; the whole caption is the tool tip.
    void setCaption(const QString& caption);
    const QString& caption() const { return m_caption; }
    // `caption` cut to `width` pixels, the school's abbreviation kept whole.
    static QString Elided(const QString& caption, const QFontMetrics& metrics, int width);

    // White normally, orange while picked for a swap.
    void setPicked(bool picked);
    bool picked() const { return m_picked; }

signals:
    void clicked();
    // The arrow keys: +1 for the next slot, -1 for the previous one.
    void stepped(int step);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void showCaption();

    bool m_picked = false;
    QString m_caption;
};
