#include "standings/PrepareEventReport.h"

#include "standings/ComputeRoundStatus.h"
#include "standings/LoadFinalFourPicture.h"
#include "standings/RankedPlaces.h"

Status PrepareEventReport(const Database& db, int event, PlaceOf& placeOf, EventReport& out) {
    out = EventReport();
    QString poolStatus;
    if (Status s = ComputeRoundStatus(db, event, poolStatus); !s) {
        return s;
    }
    if (Status s = LoadFinalFourPicture(db, event, out.Picture, &placeOf); !s) {
        return s;
    }
    out.ProgressText = FinalFourRoundStatus(poolStatus, out.Picture.FinalFourSeeded(),
                                            out.Picture.FinalFourInProgress());
    return RankedPlaces(db, event, out.Picture, out.Places, placeOf);
}
