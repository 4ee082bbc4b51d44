#pragma once

class QAction;
class QMenuBar;
class QWidget;

// Adds the Help menu to a window's menu bar: "Championship Day Guide" (F1), "&About...",
// which opens over owner, and "About &Qt". Returns the About action.
QAction* AddHelpMenu(QMenuBar* bar, QWidget* owner);
