#pragma once

#include <QByteArray>
#include <QString>

#include <array>
#include <optional>

#include "core/UserMessage.h"
#include "core/store/HistoryFormat.h"

/**
 * What the player says a ticket costs and what each prize class pays (three to six numbers), as typed
 * from the last draw's results: kept in the data folder as TousenKin.txt, five lines "Kakaku=", "6=",
 * "5=", "4=", "3=" followed by yen in decimal digits.
 */
struct PrizeTable {
    /** Three numbers matched is the smallest prize. */
    static constexpr int kLowestClass = 3;
    static constexpr qint64 kMaxAmount = 999'999'999;
    static constexpr int kMaxTicketPrice = 99'999;
    static constexpr int kDefaultTicketPrice = 200;

    /** Yen paid for a ticket holding exactly k (3 … 6) of the drawn numbers; 0 below the lowest class. */
    std::array<qint64, kNumbersPerDraw + 1> amounts{};
    int ticketPrice = kDefaultTicketPrice;

    qint64 amount(int matched) const { return amounts[std::size_t(matched)]; }
    bool operator==(const PrizeTable&) const = default;

    /** Why the amounts cannot be kept: one out of 0 … kMaxAmount, or a price out of 1 … kMaxTicketPrice. */
    Status check() const;

    /** The file's text; parse() gives back the same table. */
    QByteArray encode() const;
    /** Reads the file's text strictly: the five lines in their order, nothing else; file names it in a refusal. */
    static Result<PrizeTable> parse(const QByteArray& text, const QString& file);
    /** Reads the file: none when it is not there, the reason when it cannot be read or is not a table. */
    static Result<std::optional<PrizeTable>> load(const QString& file);
    /** Replaces the file through the atomic writer, after check(); a failure leaves it as it was. */
    Status store(const QString& file) const;
    /** Removes the file through the atomic writer: no table is used from then on. */
    static Status remove(const QString& file);
};
