#pragma once

#include <array>

#include "core/store/HistoryFormat.h"

/** The 43 ticks that the data-entry dialog and the number card hand each other. */
struct SelectionHandOver {
    /** Set once either side has handed over; it stays set for the rest of the run. */
    bool handedOver = false;
    /** Number n's tick at index n − 1. */
    std::array<bool, kNumberCount> ticks{};
};
