#pragma once

#include "gui/ChampionshipWindowFixture.h"
#include "support/ChampionshipBuilder.h"

// A championship file opened in the shared state, with a scripted prompter, for the
// roster windows.
class RosterWindowFixture : public ChampionshipWindowFixture {
protected:
    RosterWindowFixture() { state.OpenDatabase(file.path()); }

    ChampionshipBuilder build{file};
};
