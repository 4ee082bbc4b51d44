#pragma once

class QAction;
class QMenuBar;
class QWidget;

// Adds "&Help > &About..." to a window's menu bar; the About box opens over owner.
QAction* AddHelpMenu(QMenuBar* bar, QWidget* owner);
