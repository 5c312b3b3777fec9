#include "predict/DataGodWindow.h"

#include <QtGlobal>

#include <algorithm>
#include <array>

DataGodWindow::DataGodWindow(const FlagLines& lines, int order)
    : m_order(order),
      m_drawCount(int(lines[0].size())),
      m_hit(std::size_t(m_drawCount + 2) * kNumberCount, 0),
      m_before(std::size_t(m_drawCount + 2) * kNumberCount, 0),
      m_counts(std::size_t(kNumberCount) << order, 0),
      m_distinct(kNumberCount, 0)
{
    Q_ASSERT(order >= 1 && order <= kMaxOrder);
    // Draw by draw, so that the rows are written in order; draws before the first read as misses.
    std::array<std::uint8_t, kNumberCount> before{};
    std::array<const char*, kNumberCount> flags;
    for (int n = 0; n < kNumberCount; ++n)
        flags[std::size_t(n)] = lines[std::size_t(n)].constData();
    for (int draw = 1; draw <= m_drawCount + 1; ++draw) {
        const std::size_t row = std::size_t(draw) * kNumberCount;
        std::copy(before.begin(), before.end(), m_before.begin() + std::ptrdiff_t(row));
        if (draw > m_drawCount)
            break; // the row after the last draw holds only the latest patterns
        for (std::size_t n = 0; n < kNumberCount; ++n) {
            const std::uint8_t hit = flags[n][draw - 1] == '1' ? 1 : 0;
            m_hit[row + n] = hit;
            before[n] = std::uint8_t((hit << (order - 1)) | (before[n] >> 1));
        }
    }
}

void DataGodWindow::moveTo(int first, int last)
{
    Q_ASSERT(last <= m_drawCount);
    const int low = first + m_order;
    const int high = last;
    // Forward moves that overlap the counted draws only add and remove the draws at the ends.
    if (low < m_low || high < m_high || low > m_high + 1) {
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
    m_last = last;
}

void DataGodWindow::scores(std::array<int, kNumberCount>& scores) const
{
    const std::uint8_t* current = &m_before[std::size_t(m_last + 1) * kNumberCount];
    for (int n = 0; n < kNumberCount; ++n)
        scores[std::size_t(n)] = m_counts[(std::size_t(n) << m_order) + current[n]] * m_distinct[std::size_t(n)];
}

int DataGodWindow::score(int number) const
{
    const int n = number - 1;
    const int current = m_before[std::size_t(m_last + 1) * kNumberCount + n];
    return m_counts[(std::size_t(n) << m_order) + current] * m_distinct[n];
}

void DataGodWindow::clear()
{
    std::fill(m_counts.begin(), m_counts.end(), 0);
    std::fill(m_distinct.begin(), m_distinct.end(), 0);
}

void DataGodWindow::count(int draw, int step)
{
    const std::size_t row = std::size_t(draw) * kNumberCount;
    for (int n = 0; n < kNumberCount; ++n) {
        if (!m_hit[row + n])
            continue;
        int& c = m_counts[(std::size_t(n) << m_order) + m_before[row + n]];
        if (step > 0 && c++ == 0)
            ++m_distinct[n];
        else if (step < 0 && --c == 0)
            --m_distinct[n];
    }
}
