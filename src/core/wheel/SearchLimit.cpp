#include "core/wheel/SearchLimit.h"

namespace {

constexpr std::chrono::milliseconds kReportInterval(100);

} // namespace

SearchLimit::SearchLimit(Clock::time_point deadline, const WheelControl& control)
    : m_control(control), m_start(Clock::now()), m_deadline(deadline), m_lastReport(m_start)
{
}

bool SearchLimit::reached()
{
    if (m_stop != Stop::No)
        return true;
    const auto now = Clock::now();
    if (m_control.cancel && m_control.cancel->load())
        m_stop = Stop::Cancel;
    else if (now >= m_deadline)
        m_stop = Stop::Time;
    else if (now >= m_phaseEnd)
        return m_phaseCut = true;
    else if (now - m_lastReport >= kReportInterval)
        report(m_reportedTickets);
    return m_stop != Stop::No;
}

void SearchLimit::startPhase(double share)
{
    const auto now = Clock::now();
    m_phaseEnd = now + std::chrono::duration_cast<Clock::duration>((m_deadline - now) * share);
}

void SearchLimit::report(int tickets)
{
    m_reportedTickets = tickets;
    m_lastReport = Clock::now();
    if (m_control.progress)
        m_control.progress({tickets, std::chrono::duration<double>(m_lastReport - m_start).count()});
}
