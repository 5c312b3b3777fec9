#pragma once

#include <array>

#include "core/store/HistoryFormat.h"

class DrawHistory;

/**
 * How often each number was drawn (partner 0), or drawn together with a partner number. The
 * partner's own slot holds minus the number of its draws and is not a count.
 */
std::array<int, kNumberCount> appearanceCounts(const DrawHistory& history, int partner);
