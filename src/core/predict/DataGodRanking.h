#pragma once

#include <QVarLengthArray>

#include <array>
#include <cstdint>

#include "core/store/HistoryFormat.h"

class DataGodWindow;

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
/** The same list written to byPlace, which has room for all 43 numbers; returns its length. */
int candidatePlaces(const NumberValues& scores, int limit, std::uint8_t* byPlace);

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
 * same from draw to draw: what candidateList, rerank and fillSlots give, found without sorting. The
 * numbers are kept in re-ranking order once, and a draw's candidates are a set of places in it; the
 * candidates' cut is searched from where the last choice left it, so that one god's draws in turn
 * only move the few keys that crossed it.
 */
class CandidateChooser {
public:
    CandidateChooser(const NumberValues& appearanceCounts, bool preferFrequent, int limit, int count);

    /** The order in which choose reads a window's columns: the numbers by value, highest first. */
    const std::array<int, kNumberCount>& columns() const { return m_byValue; }

    /** The numbers named for the scores of a window in that order, count of them: bit n for number n. */
    quint64 choose(const DataGodWindow& window);

private:
    /** Score keys by place in m_byValue. */
    using Keys = std::array<int, kNumberCount>;
    /** A set of places in m_byValue, bit i for place i. */
    using Places = quint64;

    static Places placesBelow(int end) { return (Places(1) << end) - 1; }
    /** The limit largest of the positive keys, or all of them when they are fewer. */
    Places candidatesFrom(Places above, const Keys& keyAt);
    /** Up to wanted of the keys at places that beat bar, the best by better first; returns how many. */
    template <typename Better>
    static int bestKeys(Places places, const Keys& keyAt, int wanted, int* best, int bar, Better better);
    /** The place of a key's number. */
    Places placeOf(int key) const;
    /** The needed places of group that come first in the re-ranking of the candidates. */
    static Places earliestInRanking(Places group, int needed, const Keys& keyAt);

    NumberValues m_values;
    NumberList m_ranking;                          // AppearanceRanking
    std::array<int, kNumberCount> m_byValue{};     // numbers, highest value first
    std::array<int, kNumberCount> m_groupStart{};  // for each place in m_byValue, where its equal values start
    std::array<int, kNumberCount> m_groupEnd{};    // and where they end
    std::array<int, kNumberCount> m_tieAt{};       // the tie-break of a key, by place
    std::array<int, kNumberCount + 1> m_placeOf{}; // by number
    int m_limit;
    int m_count;
    int m_cut; // a key that parts the last choice's candidates from the rest
};
