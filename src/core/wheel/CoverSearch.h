#pragma once

#include <QtGlobal>

#include <vector>

#include "core/wheel/CoverTargets.h"
#include "core/wheel/SearchLimit.h"
#include "core/wheel/SearchRandom.h"
#include "core/wheel/UnhitTargets.h"

/**
 * Looks for few tickets that hit every target, or for a given number of tickets that leave the
 * least weight unhit. A covering is made smaller as Nurmela and Östergård do: one ticket fewer,
 * then simulated annealing over that many tickets, one number swapped at a time, the cost being
 * the weight left unhit, which each swap changes only in the sets it touches; a try that fails goes
 * on from where it ended with twice the swaps, until several in a row have failed. Tickets are masks of
 * free numbers. Every step depends on the seed alone and the search is measured in swaps, so the
 * time limit and the cancel flag can only end it early, never change its course.
 */
class CoverSearch {
public:
    CoverSearch(const CoverTargets& targets, quint32 seed, SearchLimit& limit);

    /**
     * The fewest tickets found that hit every target, from `start` (a covering) or else from a greedy
     * one; ends early on reaching lowerBound.
     */
    std::vector<quint32> smallestCover(int lowerBound, const std::vector<quint32>& start);
    /** At most `count` tickets leaving the least weight unhit; fewer only when they hit every target. */
    std::vector<quint32> bestOf(int count);

private:
    struct Swap {
        int ticket = 0;
        int out = 0;
        int in = 0;
    };

    /** Calls f(target) for every target that `ticket` hits. */
    template <typename F>
    void forEachHit(quint32 ticket, const F& f) const;
    void addTicket(quint32 ticket);
    void removeTicket(std::size_t at);
    void setTickets(const std::vector<quint32>& tickets);
    void dropLeastUseful();
    void dropRedundant();

    /** Adds or takes out ticket t in the lists of tickets holding each set of need − 1 numbers. */
    void indexTicket(int t, bool add);
    void rebuildIndex();
    /** A ticket holding need − 1 of an unhit target, each as likely; -1 when none does. */
    int indexedCloseTicket(quint32 target);

    void greedy(int maxTickets);
    quint32 greedyTicket(int target);
    qint64 gainOf(quint32 ticket, int added) const;

    /**
     * Anneals for at most `steps` swaps or until every target is hit, then keeps the best tickets seen;
     * the swaps it took.
     */
    qint64 anneal(qint64 steps);
    Swap aimedSwap();
    qint64 costChange(const Swap& swap) const;
    void apply(const Swap& swap);

    const CoverTargets& m_targets;
    const quint32 m_allFree;
    SearchRandom m_random;
    SearchLimit& m_limit;

    std::vector<quint32> m_tickets;
    /** For each target, how many tickets hit it. */
    std::vector<int> m_hitCount;
    UnhitTargets m_unhit;
    /**
     * With one kind of target, the tickets holding each set of need − 1 numbers, by its rank: a ticket
     * one swap away from an unhit target is found there without looking at every ticket.
     */
    CoverClass m_nearClass;
    std::vector<std::vector<int>> m_near;
    double m_startTemperature = 1;
};
