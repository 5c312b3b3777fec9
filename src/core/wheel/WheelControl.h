#pragma once

#include <atomic>
#include <functional>

/** How far a search has come. */
struct WheelProgress {
    /** Tickets of the best wheel so far; 0 until the first one is made. */
    int tickets = 0;
    double elapsedSeconds = 0;
};

/** Lets a caller follow a search and stop it; both may be left empty. */
struct WheelControl {
    /** Called now and then from the searching thread. */
    std::function<void(const WheelProgress&)> progress;
    /** Set by the caller, from any thread, to end the search with the best wheel it has. */
    const std::atomic_bool* cancel = nullptr;
};
