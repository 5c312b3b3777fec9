#pragma once

#include <QtGlobal>

#include <chrono>
#include <random>
#include <vector>

#include "wheel/CoverTargets.h"
#include "wheel/WheelControl.h"

/**
 * Looks for few tickets that hit every target, or for a given number of tickets that leave the
 * least weight unhit: a greedy start, then simulated annealing over the tickets, one number
 * swapped at a time, each swap aimed at a set still unhit. Tickets are masks of free numbers.
 * Every step depends on the seed alone and each try is measured in work rather than time, so the
 * time limit and the cancel flag can only end a search early, never change its course.
 */
class CoverSearch {
public:
    CoverSearch(const CoverTargets& targets, quint32 seed, double seconds, const WheelControl& control);

    /** The fewest tickets found that hit every target; ends early on reaching lowerBound. */
    std::vector<quint32> smallestCover(int lowerBound);
    /** At most `count` tickets leaving the least weight unhit; fewer only when they hit every target. */
    std::vector<quint32> bestOf(int count);

    bool timedOut() const { return m_stop == Stop::Time; }
    bool cancelled() const { return m_stop == Stop::Cancel; }

private:
    enum class Stop { No, Time, Cancel };
    struct Swap {
        int ticket = 0;
        int out = 0;
        int in = 0;
    };

    bool hits(quint32 ticket, const CoverTarget& target) const;
    void markHit(int target);
    void markUnhit(int target);
    void addTicket(quint32 ticket);
    void setTickets(const std::vector<quint32>& tickets);
    void dropLeastUseful();

    void greedy(int maxTickets);
    quint32 greedyTicket(const CoverTarget& target);
    qint64 gainOf(quint32 ticket, int added) const;

    /** Anneals until every target is hit or the work is done, then keeps the best tickets; the work left. */
    qint64 anneal(qint64 work);
    Swap aimedSwap();
    qint64 costChange(const Swap& swap) const;
    void apply(const Swap& swap);

    int below(std::size_t bound);
    int randomBit(quint32 mask);
    bool shouldStop();
    void report(int tickets);

    const CoverTargets& m_targets;
    std::mt19937 m_random;
    const WheelControl& m_control;
    const std::chrono::steady_clock::time_point m_start;
    const std::chrono::duration<double> m_limit;
    std::chrono::steady_clock::time_point m_lastReport;
    Stop m_stop = Stop::No;

    std::vector<quint32> m_tickets;
    /** For each target, how many tickets hit it. */
    std::vector<int> m_hitCount;
    /** The targets no ticket hits, and each target's place among them (-1 when hit). */
    std::vector<int> m_unhit;
    std::vector<int> m_unhitAt;
    qint64 m_unhitWeight = 0;
    double m_startTemperature = 1;
    int m_reportedTickets = 0;
};
