#pragma once

#include <QtGlobal>

/**
 * The temperature of an annealing: it falls by a hundredth every 500 swaps and starts again from the top
 * once it is below a twentieth of it, so that a long try climbs out of many dead ends.
 */
class Cooling {
public:
    explicit Cooling(double top) : m_top(top), m_temperature(top) {}

    double temperature() const { return m_temperature; }

    /** Called after each swap, with its number. */
    void after(qint64 step)
    {
        if (step % kSteps != 0)
            return;
        m_temperature *= kFactor;
        if (m_temperature < m_top * kColdest)
            m_temperature = m_top;
    }

private:
    static constexpr int kSteps = 500;
    static constexpr double kFactor = 0.99;
    static constexpr double kColdest = 0.05;

    const double m_top;
    double m_temperature;
};
