#pragma once

#include <QDate>
#include <QDateTime>
#include <QList>

#include <cstdint>

#include "core/UserMessage.h"

/**
 * The random god's answer: seven different numbers 1 … 43 drawn with the classic generator from a
 * seed. The seeds of the birthday, the colour and the lucky number start from the date, so the same
 * question asked on the same date gets the same answer on every machine. The caller passes the
 * date; nothing here reads the clock.
 */
class Oracle {
public:
    /** Numbers in an answer. */
    static constexpr int kAnswerSize = 7;
    /** Lucky colours, numbered 1 (茶) … 10 (黒). */
    static constexpr int kColourCount = 10;
    /** Largest lucky number: three digits. */
    static constexpr int kMaxLuckyNumber = 999;

    /** (year mod 100) × 10,000 + month × 100 + day: 261206 for 6 December 2026. */
    static std::uint32_t dateSeed(const QDate& today);

    /** Luck of the moment: the clock in whole seconds since 1970-01-01 UTC, cut to 32 bits. */
    static std::uint32_t momentSeed(const QDateTime& now);

    /** Birthday: the date seed + month (1 … 12) × 100 + day (1 … 31). */
    static std::uint32_t birthdaySeed(const QDate& today, int month, int day);

    /** Lucky colour 1 … 10: the date seed + the colour; no colour (0) is refused with the god's warning. */
    static Result<std::uint32_t> colourSeed(const QDate& today, int colour);

    /** Lucky number 0 … 999: the date seed + the number. */
    static std::uint32_t numberSeed(const QDate& today, int luckyNumber);

    /**
     * Seeds the generator and draws seven values rand() × 43 / 32768 + 1 until all seven differ;
     * returns them in ascending order.
     */
    static QList<int> answer(std::uint32_t seed);
};
