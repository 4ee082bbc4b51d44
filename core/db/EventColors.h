#pragma once

#include <array>
#include <cstdint>

// Event colours as stored: 0x00BBGGRR, red in the lowest byte.
using ColorValue = std::uint32_t;
using EventColorTable = std::array<ColorValue, 7>;

// The built-in colours of events 0..5 (entry 6 unused).
constexpr EventColorTable kDefaultEventColors = {13158655u, 16777152u, 12648384u, 15251688u,
                                                 10551295u, 16777215u, 0u};
