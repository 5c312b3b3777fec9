#pragma once

#include <QString>

#include "UserMessage.h"

/** Texts of the wheels: tickets from a pool of numbers that keep a guarantee. */
namespace WheelText {

/** Why settings cannot make a wheel. */
UserMessage numberOutOfRange(int number);
UserMessage numberRepeated(int number);
UserMessage poolSize(int found);
UserMessage guaranteeOutOfRange(int matched, int drawnInPool);
UserMessage guaranteeBeyondPool(int drawnInPool, int poolSize);
UserMessage fixedOutsidePool(int number);
UserMessage tooManyFixed(int found);
UserMessage fixedLeaveNoRoom(int fixedCount, int matched);
UserMessage ticketBudgetOutOfRange(int found);
UserMessage noTime();
/** Even the lower bound on the tickets that keep the guarantee is more than a wheel may have. */
UserMessage wheelTooLarge(int lowerBound, int maxTickets);

/** The search ran out of time; the wheel is the smallest it found. */
UserMessage searchTimedOut(double seconds);

/** The check of every p-set found one that no ticket holds t of; the wheel is not given out. */
UserMessage guaranteeNotProven(const QString& missedNumbers);

} // namespace WheelText
