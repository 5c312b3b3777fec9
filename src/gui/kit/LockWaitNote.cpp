#include "gui/kit/LockWaitNote.h"

#include <QProgressDialog>
#include <QThread>

#include <atomic>

#include "core/text/StoreText.h"
#include "gui/kit/MessageService.h"

namespace LockWaitNote {
namespace {

// Short tries, so that 中止 is answered at once.
constexpr std::chrono::milliseconds kTry(100);

} // namespace

ChangeLock::Waiter waiter()
{
    return [](const QString& historyPath, std::chrono::milliseconds, const ChangeLock::Attempt& attempt) {
        return wait(historyPath, attempt);
    };
}

bool wait(const QString& historyPath, const ChangeLock::Attempt& attempt)
{
    std::atomic_bool stopped = false;
    bool had = false;
    QProgressDialog note(StoreText::waitingForOtherProgram(historyPath), QStringLiteral("中止"), 0, 0);
    note.setObjectName(QStringLiteral("lockWaitNote"));
    note.setWindowTitle(QStringLiteral("ヌルガタ"));
    note.setAutoReset(false);
    note.setAutoClose(false);
    QThread* trying = QThread::create([&stopped, &had, &attempt] {
        while (!stopped && !had)
            had = attempt(kTry);
    });
    QObject::connect(trying, &QThread::finished, &note, &QDialog::accept);
    QObject::connect(&note, &QProgressDialog::canceled, &note, [&stopped] { stopped = true; });
    trying->start();
    MessageService::exec(note);
    stopped = true;
    trying->wait();
    delete trying;
    return had;
}

} // namespace LockWaitNote
