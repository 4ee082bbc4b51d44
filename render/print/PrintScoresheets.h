#pragma once

#include "db/Database.h"
#include "db/Status.h"
#include "print/PrintSink.h"
#include "print/ScoresheetChoice.h"
#include "print/Scoresheets.h"

// Prints the chosen scoresheets of one event: the round-one pool sheets (one job per strip),
// the dual scoresheets of the other chosen rounds, then the Final Four sheets, which are
// never restricted to a strip. Stops at the first failure.
Status PrintScoresheets(const Database& db, const Scoresheets::Request& request,
                        const ScoresheetChoice& choice, PrintSink& sink);
