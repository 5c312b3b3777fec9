#pragma once

#include <functional>

/**
 * Calls work(0) … work(count − 1), each index once, on jobs threads counting the calling one: each
 * thread takes the next index when it is done with one. Once a call returns false no further index
 * is handed out. Returns whether every index was worked and every call returned true.
 */
bool workOnThreads(int count, int jobs, const std::function<bool(int index)>& work);
