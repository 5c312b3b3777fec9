#include "core/predict/DataGodWindow.h"

#include <QtGlobal>

#include <algorithm>

DataGodPatterns::Columns DataGodPatterns::inNumberOrder()
{
    Columns columns;
    for (int n = 1; n <= kNumberCount; ++n)
        columns[std::size_t(n - 1)] = n;
    return columns;
}

DataGodPatterns::DataGodPatterns(const FlagLines& lines, const Columns& columns)
    : m_drawCount(int(lines[0].size())), m_before(std::size_t(m_drawCount + 2) * kNumberCount, 0),
      m_drawnStart(std::size_t(m_drawCount + 2), 0)
{
    m_drawn.reserve(std::size_t(m_drawCount) * 6);
    // Draw by draw, so that the rows are written in order.
    std::array<std::uint8_t, kNumberCount> before{};
    std::array<const char*, kNumberCount> flags;
    for (std::size_t c = 0; c < kNumberCount; ++c)
        flags[c] = lines[std::size_t(columns[c] - 1)].constData();
    for (int draw = 1; draw <= m_drawCount + 1; ++draw) {
        std::copy(before.begin(), before.end(), m_before.begin() + std::ptrdiff_t(draw) * kNumberCount);
        m_drawnStart[std::size_t(draw)] = int(m_drawn.size());
        if (draw > m_drawCount)
            break; // the row after the last draw holds only the latest patterns
        for (std::size_t n = 0; n < kNumberCount; ++n) {
            const int hit = flags[n][draw - 1] == '1' ? 1 : 0;
            if (hit)
                m_drawn.push_back(std::uint8_t(n));
            before[n] = std::uint8_t((hit << (kMaxOrder - 1)) | (before[n] >> 1));
        }
    }
}

DataGodWindow::DataGodWindow(const DataGodPatterns& patterns, int order)
    : m_patterns(patterns), m_order(order), m_shift(DataGodPatterns::kMaxOrder - order),
      m_counts(std::size_t(kNumberCount + 1) << order, 0), m_distinct(kNumberCount + 1, 0),
      m_current(patterns.before(1) - 1)
{
    Q_ASSERT(order >= 1 && order <= DataGodPatterns::kMaxOrder);
}

void DataGodWindow::moveTo(int first, int last)
{
    Q_ASSERT(last <= m_patterns.drawCount());
    const int low = first + m_order;
    const int high = last;
    // Forward moves that overlap the counted draws only add and remove the draws at the ends.
    if (low < m_low || high < m_high || low > m_high + 1) {
        if (m_high >= m_low)
            clear();
        m_low = low;
        m_high = low - 1;
    }
    for (int draw = m_high + 1; draw <= high; ++draw)
        count(draw, 1);
    for (int draw = m_low; draw < low; ++draw)
        count(draw, -1);
    m_low = low;
    m_high = std::max(high, low - 1);
    m_current = m_patterns.before(last + 1) - 1;
}

void DataGodWindow::scores(std::array<int, kNumberCount>& scores) const
{
    for (int n = 1; n <= kNumberCount; ++n)
        scores[std::size_t(n - 1)] = score(n);
}

void DataGodWindow::clear()
{
    std::fill(m_counts.begin(), m_counts.end(), 0);
    std::fill(m_distinct.begin(), m_distinct.end(), 0);
}

void DataGodWindow::count(int draw, int step)
{
    const std::uint8_t* before = m_patterns.before(draw);
    for (const std::uint8_t* n = m_patterns.drawnBegin(draw); n != m_patterns.drawnEnd(draw); ++n) {
        int& c = m_counts[index(*n + 1u, before[*n])];
        c += step;
        // A pattern is new when its count rises to 1 and gone when it falls to 0, counted without a
        // branch, which the drawn numbers mispredict.
        m_distinct[*n + 1u] += step * int(c == (step > 0 ? 1 : 0));
    }
}
