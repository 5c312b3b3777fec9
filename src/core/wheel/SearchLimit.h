#pragma once

#include <chrono>

#include "core/wheel/WheelControl.h"

/**
 * Where a search stops: at its deadline or when the caller cancels. The phases of one search share it,
 * so that its progress is reported from one start and its end is known whichever phase it fell in.
 */
class SearchLimit {
public:
    using Clock = std::chrono::steady_clock;

    SearchLimit(Clock::time_point deadline, const WheelControl& control);

    /** True once the time is over or the search is cancelled; reports the progress now and then. */
    bool reached();
    /**
     * Lets the phase that follows run for at most `share` of the time left; one ended so counts as timed
     * out, since with more time it would have gone on.
     */
    void startPhase(double share);
    void endPhase() { m_phaseEnd = Clock::time_point::max(); }

    /** Reports a wheel of `tickets` tickets as the best so far. */
    void report(int tickets);

    bool timedOut() const { return m_stop == Stop::Time || m_phaseCut; }
    bool cancelled() const { return m_stop == Stop::Cancel; }

private:
    enum class Stop { No, Time, Cancel };

    const WheelControl& m_control;
    const Clock::time_point m_start;
    const Clock::time_point m_deadline;
    Clock::time_point m_lastReport;
    Clock::time_point m_phaseEnd = Clock::time_point::max();
    Stop m_stop = Stop::No;
    bool m_phaseCut = false;
    int m_reportedTickets = 0;
};
