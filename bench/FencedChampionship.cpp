#include "FencedChampionship.h"

#include "entry/ResultsSimulator.h"
#include "support/ChampionshipBuilder.h"

TempChampionship& NewFencedChampionship() {
    auto* made = new TempChampionship;
    ChampionshipBuilder builder(*made);
    for (int w = 0; w < 6; ++w) {
        builder.drawFullEvent(w);
    }
    ResultsSimulator::Fill(made->db(), {0, 1, 2, 3, 4, 5}, {0, 1, 2, 3, 4, 5, 6}, 2004);
    return *made;
}
