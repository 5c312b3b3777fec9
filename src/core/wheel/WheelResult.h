#pragma once

#include <QList>

#include "core/wheel/WheelOdds.h"
#include "core/wheel/WheelProof.h"

/** A wheel, its proof and its odds. */
struct WheelResult {
    /** The tickets, each six numbers ascending, in ascending order. */
    QList<QList<int>> tickets;
    /** At least this many tickets keep the guarantee (see WheelBound::lowerBound). */
    int lowerBound = 0;
    /** The guarantee checked over every p-set; in a budget search it may be missed. */
    WheelProof proof;
    WheelOdds odds;
    /** The search ended before its own end, with the best wheel it had. */
    bool timedOut = false;
    bool cancelled = false;
};
