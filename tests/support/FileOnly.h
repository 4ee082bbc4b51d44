#pragma once

#include "support/TempChampionship.h"

#include <gtest/gtest.h>

// Skips a test about something only a championship file has when the suite runs with its
// championships on the server; the reason says what, in plain words ("a file's own journal").
#define ORLE_ONLY_WITH_A_FILE(reason) \
    if (TempChampionship::OnServer()) \
    GTEST_SKIP() << "Not on the server: " << (reason)
