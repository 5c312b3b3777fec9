#pragma once

#include <QtGlobal>

#include <vector>

#include "core/wheel/SearchRandom.h"

/** The targets that no ticket hits yet: one of them is picked at random, and their weight is the cost. */
class UnhitTargets {
public:
    explicit UnhitTargets(int targets) : m_at(std::size_t(targets), -1) {}

    void add(int target, qint64 weight)
    {
        m_at[std::size_t(target)] = int(m_list.size());
        m_list.push_back(target);
        m_weight += weight;
    }

    void remove(int target, qint64 weight)
    {
        const int at = m_at[std::size_t(target)];
        const int last = m_list.back();
        m_list[std::size_t(at)] = last;
        m_at[std::size_t(last)] = at;
        m_list.pop_back();
        m_at[std::size_t(target)] = -1;
        m_weight -= weight;
    }

    /** Forgets them all, to add every target again. */
    void clear()
    {
        m_list.clear();
        m_weight = 0;
    }

    int pick(SearchRandom& random) const { return m_list[std::size_t(random.below(m_list.size()))]; }
    qint64 weight() const { return m_weight; }

private:
    std::vector<int> m_list;
    /** Each target's place in m_list; -1 when it is hit. */
    std::vector<int> m_at;
    qint64 m_weight = 0;
};
