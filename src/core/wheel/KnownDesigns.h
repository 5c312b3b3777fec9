#pragma once

#include <QtGlobal>

#include <optional>
#include <vector>

/** Wheels known by construction, smaller than a search finds in its time. */
namespace KnownDesigns {

/**
 * The tickets (masks of free numbers) of a design that keeps "t if p" on that many free numbers
 * with ticketFree free numbers a ticket and meets the lower bound; nothing when none is known.
 * Known: the Steiner system S(5,6,12), 132 tickets in which every 5 of 12 numbers lie exactly once.
 */
std::optional<std::vector<quint32>> forGuarantee(int freeCount, int ticketFree, int matched, int drawnInPool);

} // namespace KnownDesigns
