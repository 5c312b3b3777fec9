#pragma once

#include <QString>

struct ChanceBand;
struct ExpectedReturn;

/** Texts of what tickets pay back on average under a prize table, and of a wheel laid over past draws. */
namespace ReturnText {

/** What the wheel pays back on average for one draw, per ticket, and what it costs. */
QString wheelReturn(const ExpectedReturn& expected);
/** The same for as many different tickets picked at random. */
QString anyTicketsReturn(const ExpectedReturn& expected);
/** Why the two are the same, and what a wheel changes instead. */
QString returnNote(int tickets);

/** Before the lines of a wheel laid over the stored draws. */
QString pastHeading(int draws);
/** In how many draws class matched paid, beside what chance gives. */
QString pastClass(int matched, int paying, const ChanceBand& chance);
/** That a wheel's past record is luck, and that it was made after those draws. */
QString pastNote();

} // namespace ReturnText
