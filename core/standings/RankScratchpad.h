#pragma once

#include "db/Status.h"

class Database;

// Refills the ranked work table ResultsScratchpad for every event, as each report run does.
Status RankScratchpad(const Database& db);
