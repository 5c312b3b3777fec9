#include "gui/entry/EntryBrowsing.h"

#include <algorithm>

namespace EntryBrowsing {

int nextDraw(int position, int delta, int limit, int drawCount)
{
    const int stop = std::min(limit < drawCount ? drawCount : limit, drawCount + 1);
    return std::max(std::min(position + delta, stop), 1);
}

void PredictionSpin::recordHighest(int highest)
{
    m_highest = highest;
    m_shown = highest;
}

std::optional<int> PredictionSpin::candidate(int delta) const
{
    if (m_highest == 0)
        return std::nullopt;
    if (delta > 0 && m_shown < m_highest)
        return m_shown + 1;
    if (delta < 0)
        return std::max(m_shown - 1, 1);
    return m_shown;
}

} // namespace EntryBrowsing
