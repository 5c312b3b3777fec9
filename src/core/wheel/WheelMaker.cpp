#include "wheel/WheelMaker.h"

#include <QStringList>

#include <algorithm>

#include "text/WheelText.h"
#include "wheel/CoverSearch.h"
#include "wheel/KnownDesigns.h"
#include "wheel/WheelBound.h"

namespace WheelMaker {
namespace {

// The tickets of masks over the free numbers, each with the fixed numbers, all ascending.
QList<QList<int>> ticketsOf(const std::vector<quint32>& masks, const QList<int>& fixed, const QList<int>& freeNumbers)
{
    QList<QList<int>> tickets;
    for (const quint32 mask : masks) {
        QList<int> ticket = fixed;
        for (qsizetype i = 0; i < freeNumbers.size(); ++i) {
            if (mask & (quint32(1) << i))
                ticket.append(freeNumbers[i]);
        }
        std::sort(ticket.begin(), ticket.end());
        tickets.append(ticket);
    }
    std::sort(tickets.begin(), tickets.end());
    return tickets;
}

} // namespace

Result<WheelResult> make(const WheelSettings& settings, const WheelControl& control)
{
    if (const Status fault = settings.check())
        return *fault;
    WheelResult result;
    result.lowerBound = WheelBound::lowerBound(settings);
    if (!settings.budgetMode() && result.lowerBound > WheelSettings::kMaxTickets)
        return WheelText::wheelTooLarge(result.lowerBound, WheelSettings::kMaxTickets);

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
    std::vector<quint32> masks;
    if (settings.budgetMode())
        masks = search.bestOf(settings.ticketBudget);
    else if (auto design =
                 KnownDesigns::forGuarantee(freeCount, targets.ticketFreeCount, settings.matched, settings.drawnInPool))
        masks = std::move(*design);
    else
        masks = search.smallestCover(result.lowerBound);
    result.timedOut = search.timedOut();
    result.cancelled = search.cancelled();
    result.tickets = ticketsOf(masks, settings.fixed, freeNumbers);

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
