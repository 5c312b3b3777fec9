#pragma once

#include <QtGlobal>

#include <vector>

/** Wheels known by construction, smaller than a search finds in its time. */
namespace KnownDesigns {

/**
 * The tickets (masks of free numbers) of the smallest design known here that keeps "t if p" on
 * that many free numbers with ticketFree free numbers a ticket; empty when none is known. Known:
 * the Steiner systems S(5,6,12), S(3,6,22) and S(3,6,26) (every 5 of 12, every 3 of 22 or 26
 * numbers on exactly one ticket) and what they give on fewer numbers, and disjoint tickets when the drawn numbers
 * cannot spread over them with fewer than t on each.
 */
std::vector<quint32> forGuarantee(int freeCount, int ticketFree, int matched, int drawnInPool);

} // namespace KnownDesigns
