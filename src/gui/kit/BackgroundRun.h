#pragma once

#include <QObject>

#include <atomic>
#include <functional>
#include <memory>

class QThread;

/**
 * Runs one long piece of work at a time on a thread of its own. The work reads its cancel flag and hands
 * progress and results back through post(), which calls them later on the owner's thread; what a stopped or
 * replaced run still posts is dropped. Kept as a member of the window it serves: going, it stops the work
 * and waits for its thread.
 */
class BackgroundRun : public QObject {
    Q_OBJECT

public:
    /** What the work is handed: its cancel flag and its way back to the owner's thread. */
    class Work {
    public:
        /** Set once the work is to end; the core's long loops take it as is. */
        const std::atomic_bool* cancelFlag() const { return &m_runner.m_cancelled; }
        /** Calls call on the owner's thread, unless the run has been stopped or replaced by then. */
        void post(std::function<void()> call) const;

    private:
        friend class BackgroundRun;
        Work(BackgroundRun& runner, int run) : m_runner(runner), m_run(run) {}

        BackgroundRun& m_runner;
        int m_run;
    };

    BackgroundRun();
    ~BackgroundRun() override;

    /** Stops a run still going, then starts work on a new thread. */
    void start(std::function<void(const Work&)> work);
    /** Asks the work to end soon; what it still posts is delivered. */
    void cancel();
    /** Asks the work to end, waits for it and drops whatever it still posts. */
    void stop();

private:
    std::atomic_bool m_cancelled = false;
    std::unique_ptr<QThread> m_thread;
    int m_run = 0; // read and changed on the owner's thread only
};
