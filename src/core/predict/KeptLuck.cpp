#include "core/predict/KeptLuck.h"

#include <algorithm>

namespace {

// A measurement of 1,000 histories is a few kilobytes; the oldest keys go first past these.
constexpr std::size_t kMostKept = 16;

} // namespace

KeptLuck::Key KeptLuck::keyOf(const BacktestChoice& choice, int drawCount)
{
    return Key{drawCount,     choice.firstDraw, choice.rankedLastDraw(), choice.scoresWalkForward(),
               choice.counts, choice.amounts,   choice.preferences,      choice.weights};
}

const KeptLuck::Measurement* KeptLuck::find(const Key& key) const
{
    const auto kept =
        std::find_if(m_kept.begin(), m_kept.end(), [&key](const auto& entry) { return entry.first == key; });
    return kept == m_kept.end() ? nullptr : &kept->second;
}

void KeptLuck::keep(const Key& key, quint64 seed, const BacktestLuck& luck)
{
    std::erase_if(m_kept, [&key](const auto& entry) { return entry.first == key; });
    if (m_kept.size() == kMostKept)
        m_kept.erase(m_kept.begin());
    m_kept.emplace_back(key, Measurement{seed, luck});
}
