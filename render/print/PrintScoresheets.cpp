#include "print/PrintScoresheets.h"

Status PrintScoresheets(const Database& db, const Scoresheets::Request& request,
                        const ScoresheetChoice& choice, PrintSink& sink) {
    if (choice.rounds[0]) {
        QList<GridSheet> pools;
        Status status = Scoresheets::PoolSheets(db, request, pools);
        for (const GridSheet& pool : pools) {
            if (status) {
                status = sink.print(pool);
            }
        }
        if (!status) {
            return status;
        }
    }
    if (const QList<int> rounds = choice.dualRounds(); !rounds.isEmpty()) {
        BandedReport duals;
        Status status = Scoresheets::DualScoresheets(db, request, rounds, duals);
        if (status) {
            status = sink.print(duals);
        }
        if (!status) {
            return status;
        }
    }
    if (const QList<int> bouts = choice.finalFourBouts(); !bouts.isEmpty()) {
        Scoresheets::Request wholeEvent = request;
        wholeEvent.stripSet = -1;
        BandedReport finals;
        Status status = Scoresheets::Final4Scoresheets(db, wholeEvent, bouts, finals);
        return status ? sink.print(finals) : status;
    }
    return Status::success();
}
