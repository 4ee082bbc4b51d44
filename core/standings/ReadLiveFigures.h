#pragma once

#include "db/Statement.h"

// Reads the five figures of kLiveFigures, which a standings query selects first, in its order.
template <typename Row>
void ReadLiveFigures(const Statement& q, Row& row) {
    row.V = q.toInt(0);
    row.Pct = q.toDouble(1);
    row.Ind = q.toInt(2);
    row.TS = q.toInt(3);
    row.TR = q.toInt(4);
}
