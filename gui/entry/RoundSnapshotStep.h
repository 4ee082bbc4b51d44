#pragma once

class Database;
class Prompter;
class QWidget;

// After bouts of a round are saved: keeps a snapshot when the save completed the round. The
// save stands whatever happens here; a snapshot that cannot be made is told in words.
void KeepRoundSnapshot(Prompter& prompter, QWidget* parent, const Database& db, int weapon,
                       int round);
