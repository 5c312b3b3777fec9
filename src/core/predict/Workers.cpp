#include "core/predict/Workers.h"

#include <algorithm>
#include <atomic>
#include <thread>
#include <vector>

bool workOnThreads(int count, int jobs, const std::function<bool(int index)>& work)
{
    std::atomic_int next = 0;
    std::atomic_bool stopped = false;
    const auto take = [&] {
        for (int at = next++; at < count && !stopped; at = next++) {
            if (!work(at))
                stopped = true;
        }
    };
    std::vector<std::thread> workers;
    for (int j = 1; j < std::min(jobs, count); ++j)
        workers.emplace_back(take);
    take();
    for (std::thread& worker : workers)
        worker.join();
    return !stopped;
}
