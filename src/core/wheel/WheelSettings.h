#pragma once

#include <QList>

#include "core/UserMessage.h"

/**
 * What a wheel is asked for: tickets of six numbers drawn from a pool, each holding the fixed
 * numbers, that keep the guarantee "t if p": whenever p of the six drawn numbers are in the
 * pool, at least one ticket holds t of them.
 */
struct WheelSettings {
    static constexpr int kMinPool = 7;
    static constexpr int kMaxPool = 30;
    static constexpr int kMinMatched = 2;
    static constexpr int kMaxFixed = 5;
    /** The most tickets a wheel may have unless the player agrees to more. */
    static constexpr int kMaxTickets = 1000;
    /** The most the player can agree to: the proof and the odds of so many tickets take seconds each. */
    static constexpr int kMostTickets = 5000;

    /** The candidates, each 1 … 43, in any order. */
    QList<int> pool;
    /** Numbers of the pool that every ticket holds. */
    QList<int> fixed;
    /** t: how many of the drawn numbers one ticket is to hold. */
    int matched = 3;
    /** p: how many of the drawn numbers lie in the pool. */
    int drawnInPool = 3;
    /** 0 for the smallest wheel that keeps the guarantee; N for the N tickets most likely to hold t. */
    int ticketBudget = 0;
    /** The same seed gives the same tickets, given the time to finish. */
    quint32 seed = 1;
    /** The search stops after this long with the best wheel it has. */
    double seconds = 10.0;
    /** No wheel with more tickets is given out: kMaxTickets, or up to kMostTickets as the player agreed. */
    int maxTickets = kMaxTickets;

    bool budgetMode() const { return ticketBudget > 0; }

    /** Why the settings cannot make a wheel, in the program's words; nothing when they can. */
    Status check() const;
};
