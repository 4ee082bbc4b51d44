#pragma once

#include <QEvent>
#include <QString>
#include <functional>

class QLineEdit;
class QWidget;

// How this station's windows follow the saves of the other scoring stations of a server
// championship: the main window hears of a save and tells every open window, and each
// window that shows championship data reads it again.
namespace OtherStations {

// The event an open window receives when another station saved.
QEvent::Type SavedEvent();
// Tells every open window of the program.
void TellOpenWindows();
// Calls `follow` whenever `window` is told, for as long as the window exists.
void Follow(QWidget* window, std::function<void()> follow);

// Marks a score box whose bout another station saved differently after the window read it,
// while the box holds what was typed here; `stored` is what the server now holds.
void MarkChanged(QLineEdit* box, const QString& stored);
// Takes the mark off again (after reading the bout afresh).
void ClearMark(QLineEdit* box);

}  // namespace OtherStations
