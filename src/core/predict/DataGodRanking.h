#pragma once

#include <QVarLengthArray>

#include <array>

#include "store/HistoryFormat.h"

/** Numbers 1 … 43 in some order, kept on the stack. */
using NumberList = QVarLengthArray<int, kNumberCount>;
/** A value per number, index 0 for number 1. */
using NumberValues = std::array<int, kNumberCount>;

/**
 * The steps of a data god's choice after the pattern scores: the candidate list, the re-ranking by
 * appearance count and the filling of the result slots.
 */
namespace DataGodRanking {

/**
 * CandidateList: the numbers with a positive score, highest score first and the lower number
 * first among equal scores, cut to limit entries.
 */
NumberList candidateList(const NumberValues& scores, int limit);

/**
 * Re-ranks numbers by appearance count, most often drawn first when preferFrequent, least often
 * first otherwise. The first two change places unless the first is strictly better; every later
 * one goes behind all that are at least as good.
 */
void rerank(NumberList& numbers, const NumberValues& appearanceCounts, bool preferFrequent);

/** What the re-ranking orders by, highest first: the appearance count, or its complement for rare numbers. */
NumberValues rankValues(const NumberValues& appearanceCounts, bool preferFrequent);

/** AppearanceRanking: 1 … 43 re-ranked as above. */
NumberList appearanceRanking(const NumberValues& appearanceCounts, bool preferFrequent);

/**
 * The result slots in ascending order: the first count candidates, then numbers from the ranking
 * not named yet, and 99 for a slot that still has none.
 */
NumberList fillSlots(const NumberList& candidates, const NumberList& ranking, int count);

} // namespace DataGodRanking

/**
 * One setting's choice of numbers from a god's pattern scores, for appearance counts that stay the
 * same from draw to draw: what candidateList, rerank and fillSlots give, found without sorting.
 * The numbers are kept in re-ranking order once, so a draw only walks them until count are taken.
 */
class CandidateChooser {
public:
    CandidateChooser(const NumberValues& appearanceCounts, bool preferFrequent, int limit, int count);

    /** The result slots in ascending order. */
    NumberList choose(const NumberValues& scores) const;

private:
    NumberValues m_values;
    NumberList m_ranking; // AppearanceRanking
    std::array<int, kNumberCount> m_byValue{}; // numbers, highest value first
    std::array<int, kNumberCount> m_groupEnd{}; // for each place in m_byValue, the end of its equal values
    int m_limit;
    int m_count;
};
