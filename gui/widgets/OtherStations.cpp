#include "widgets/OtherStations.h"

#include <QApplication>
#include <QLineEdit>
#include <QWidget>

namespace OtherStations {
namespace {

// A warm yellow that reads on every event colour and is not the colour of a refused score.
const QColor kChangedColor(255, 224, 130);
const char* const kMarkedProperty = "changedElsewhere";

class Follower final : public QObject {
public:
    Follower(QWidget* window, std::function<void()> follow)
        : QObject(window), m_follow(std::move(follow)) {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == SavedEvent()) {
            m_follow();
            return true;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> m_follow;
};

}  // namespace

QEvent::Type SavedEvent() {
    static const auto type = static_cast<QEvent::Type>(QEvent::registerEventType());
    return type;
}

void TellOpenWindows() {
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->isVisible()) {
            QEvent saved(SavedEvent());
            QCoreApplication::sendEvent(window, &saved);
        }
    }
}

void Follow(QWidget* window, std::function<void()> follow) {
    new Follower(window, std::move(follow));
}

void MarkChanged(QLineEdit* box, const QString& stored) {
    QPalette marked = box->palette();
    marked.setColor(QPalette::Base, kChangedColor);
    box->setPalette(marked);
    box->setProperty(kMarkedProperty, true);
    box->setToolTip(QStringLiteral("Another station saved this bout as \u201C%1\u201D after this "
                                   "window read it. Saving keeps the stored result and tells "
                                   "you.")
                        .arg(stored.isEmpty() ? QStringLiteral("no result") : stored));
}

void ClearMark(QLineEdit* box) {
    if (!box->property(kMarkedProperty).toBool()) {
        return;
    }
    box->setProperty(kMarkedProperty, false);
    box->setPalette(QPalette());
    box->setToolTip(QString());
}

}  // namespace OtherStations
