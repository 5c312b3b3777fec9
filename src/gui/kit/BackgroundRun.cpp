#include "gui/kit/BackgroundRun.h"

#include <QThread>

void BackgroundRun::Work::post(std::function<void()> call) const
{
    QMetaObject::invokeMethod(
        &m_runner,
        [runner = &m_runner, run = m_run, call = std::move(call)] {
            if (run == runner->m_run)
                call();
        },
        Qt::QueuedConnection);
}

BackgroundRun::BackgroundRun() = default;

BackgroundRun::~BackgroundRun()
{
    stop();
}

void BackgroundRun::start(std::function<void(const Work&)> work)
{
    stop();
    m_cancelled = false;
    m_thread.reset(QThread::create([work = std::move(work), handle = Work(*this, m_run)] { work(handle); }));
    m_thread->start();
}

void BackgroundRun::cancel()
{
    m_cancelled = true;
}

void BackgroundRun::stop()
{
    ++m_run;
    if (!m_thread)
        return;
    m_cancelled = true;
    m_thread->wait();
    m_thread.reset();
}
