#include "wheel/WheelMaker.h"

#include <QStringList>

#include <algorithm>

#include "text/WheelText.h"
#include "wheel/CoverSearch.h"
#include "wheel/KnownDesigns.h"
#include "wheel/WheelBound.h"

namespace WheelMaker {

Result<WheelResult> make(const WheelSettings& settings, const WheelControl& control)
{
    if (const Status fault = settings.check())
        return *fault;
    WheelResult result;
    result.lowerBound = WheelBound::lowerBound(settings);
    if (!settings.budgetMode() && result.lowerBound > kMaxTickets)
        return WheelText::wheelTooLarge(result.lowerBound, kMaxTickets);

    QList<int> freeNumbers;
    for (const int n : settings.pool) {
        if (!settings.fixed.contains(n))
            freeNumbers.append(n);
    }
    std::sort(freeNumbers.begin(), freeNumbers.end());
    const int fixedCount = int(settings.fixed.size());
    const int freeCount = int(freeNumbers.size());
    const CoverTargets targets =
        settings.budgetMode()
            ? CoverTargets::forDraws(freeCount, fixedCount, settings.matched)
            : CoverTargets::forGuarantee(freeCount, fixedCount, settings.matched, settings.drawnInPool);
    CoverSearch search(targets, settings.seed, settings.seconds, control);
    const auto design = settings.budgetMode() ? std::nullopt
                                              : KnownDesigns::forGuarantee(freeCount, targets.ticketFreeCount,
                                                                           settings.matched, settings.drawnInPool);
    const std::vector<quint32> masks = design                  ? *design
                                       : settings.budgetMode() ? search.bestOf(settings.ticketBudget)
                                                               : search.smallestCover(result.lowerBound);
    result.timedOut = search.timedOut();
    result.cancelled = search.cancelled();

    for (const quint32 mask : masks) {
        QList<int> ticket = settings.fixed;
        for (int i = 0; i < freeCount; ++i) {
            if (mask & (quint32(1) << i))
                ticket.append(freeNumbers[i]);
        }
        std::sort(ticket.begin(), ticket.end());
        result.tickets.append(ticket);
    }
    std::sort(result.tickets.begin(), result.tickets.end());

    result.proof = WheelProof::check(settings.pool, result.tickets, settings.matched, settings.drawnInPool);
    if (!settings.budgetMode() && !result.proof.kept()) {
        QStringList missed;
        for (const int n : result.proof.missed.first())
            missed.append(QString::number(n));
        return WheelText::guaranteeNotProven(missed.join(QStringLiteral("、")));
    }
    result.odds = WheelOdds::of(result.tickets);
    return result;
}

} // namespace WheelMaker
