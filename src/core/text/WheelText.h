#pragma once

#include <QString>
#include <QStringList>

#include "core/UserMessage.h"

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
UserMessage ticketBudgetOutOfRange(int found, int maxTickets);
UserMessage ticketLimitOutOfRange(int found, int mostTickets);
UserMessage noTime();
/** Even the lower bound on the tickets that keep the guarantee is more than a wheel may have. */
UserMessage wheelTooLarge(int lowerBound, int maxTickets);

/** The search found a wheel with more tickets than allowed, which is not given out. */
UserMessage wheelAboveLimit(int tickets, int maxTickets);

/** The search ran out of time; the wheel is the smallest it found. */
UserMessage searchTimedOut(double seconds);
/** What the command line adds to that: a longer search may find fewer tickets. */
QString searchLonger();

/** The check of every p-set found one that no ticket holds t of; the wheel is not given out. */
UserMessage guaranteeNotProven(const QString& missedNumbers);

/** The window that makes wheels, and the buttons that open it with numbers. */
QString windowTitle();
QString openButton();
QString openButtonHelp();
QString poolCaption();
QString poolCount(int poolSize, int fixedCount);
QString guaranteeCaption();
QString drawnInPoolSuffix();
QString matchedSuffix();
QString budgetCaption();
QString budgetNone();
QString ticketSuffix();
QString secondsCaption();
QString secondsSuffix();
QString make();
QString cancel();
QString exportCsv();
QString closeButton();
QString searching();
QString searchProgress(int tickets);
/** The bar once the search has ended: by itself, on time or cancelled. */
QString searchDone(int tickets);
QString searchDoneOnTime(int tickets);
QString searchDoneCancelled(int tickets);
QString ticketsSummary(int tickets, int lowerBound);
/** Asks before a wheel of more than WheelSettings::kMaxTickets tickets is shown. */
UserMessage askLargeWheel(int tickets);
QString searchLongerButton();
QString searchLongerHelp();
/** The proof of every p-set: kept, or how many missed, with the first missed numbers. */
QString proofKept(qint64 checked, int drawnInPool);
QString proofMissed(qint64 missed, qint64 checked, const QString& firstMissed);
QString searchCancelled();
QStringList oddsHeaders();
/** The chance that some ticket wins a prize (three numbers or more), and as once in how many draws. */
QString anyPrize(double probability);
QString oddsRow(int matched);
/** A probability as a percentage to three significant digits, and as once in how many draws. */
QString oddsProbability(double probability);
/** An average to three significant digits, without an exponent. */
QString oddsAverage(double average);
QString exportDialogTitle();
QString exportFileName();
UserMessage exportDone(const QString& path, int tickets);

QString poolHelp();
QString guaranteeHelp();
QString budgetHelp();
QString secondsHelp();
QString makeHelp();
QString cancelHelp();
QString progressHelp();
QString ticketsHelp();
QString proofHelp();
QString oddsHelp();
QString exportHelp();
QString closeHelp();

} // namespace WheelText
