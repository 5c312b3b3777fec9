#pragma once

#include <QtGlobal>

#include "core/wheel/SearchLimit.h"

/**
 * The temperature of an annealing: it falls by a hundredth every 500 swaps and starts again from the top
 * once it is below a twentieth of it, so that a long try climbs out of many dead ends.
 */
class Cooling {
public:
    explicit Cooling(double top) : m_top(top), m_temperature(top) {}

    double temperature() const { return m_temperature; }

    /**
     * Anneals from temperature `top`: swap(temperature) at most `steps` times while weight() is above 0
     * and the limit allows, keep() whenever the weight is the lowest yet; the swaps taken.
     */
    template <typename Weight, typename Swap, typename Keep>
    static qint64 anneal(double top, qint64 steps, SearchLimit& limit, const Weight& weight, const Swap& swap,
                         const Keep& keep)
    {
        Cooling cooling(top);
        qint64 lowest = weight();
        qint64 step = 0;
        while (weight() > 0 && ++step <= steps) {
            if (step % kStopCheckSteps == 0 && limit.reached())
                break;
            swap(cooling.temperature());
            if (weight() < lowest) {
                keep();
                lowest = weight();
            }
            cooling.after(step);
        }
        return step;
    }

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
    static constexpr int kStopCheckSteps = 64;
    static constexpr double kFactor = 0.99;
    static constexpr double kColdest = 0.05;

    const double m_top;
    double m_temperature;
};
