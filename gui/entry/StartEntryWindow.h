#pragma once

class EntryHeader;
class QDialog;
class QMenuBar;

// Gives a result entry window what every such window opens with: its title, the menu bar and
// the heading on top of a vertical layout; the window adds its body below. Returns the heading.
EntryHeader* StartEntryWindow(QDialog* window, QMenuBar* bar);
