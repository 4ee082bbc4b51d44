#pragma once

#include <array>

// Final place by fencer number for one event (0 = none yet); read by the printed table.
using PlaceOf = std::array<int, 25>;
