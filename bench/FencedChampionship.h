#pragma once

#include "support/TempChampionship.h"

// A new championship of six drawn events with every bout of the seven rounds fenced
// (1,656 bouts); it lives as long as the benchmark program.
TempChampionship& NewFencedChampionship();
