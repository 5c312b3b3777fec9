#pragma once

#include <QByteArray>
#include <QList>

#include <optional>

#include "core/UserMessage.h"

class DrawHistory;

/**
 * One fixed-length record of a prediction file: the draw it predicts (four digits), the prediction
 * number within that draw (two digits, "01" for a data god) and the predicted numbers, two digits
 * each; 99 stands for an empty slot. Registrant files hold six numbers (18 bytes), data-god files
 * 6 … 13.
 */
struct PredictionRecord {
    /** Stands for an empty slot among the numbers. */
    static constexpr int kEmptySlot = 99;

    int draw = 0;
    int index = 0;
    QList<int> numbers;

    /**
     * How many of the numbers were drawn in the draw the record predicts. Nothing while that draw
     * is still to come and the first slot names a number; with an empty first slot it has 0 hits.
     */
    std::optional<int> hits(const DrawHistory& history) const;

    /** How many different numbers the record names, empty slots left out. */
    int namedCount() const;

    /** Record length for a count of numbers. */
    static constexpr int length(int numberCount) { return 6 + 2 * numberCount; }

    /** The record's bytes: "0100" "01" "07" "12" … */
    QByteArray encode() const;

    /** Decodes one record of numberCount numbers; nothing when a field is not digits. */
    static std::optional<PredictionRecord> decode(QByteArrayView bytes, int numberCount);

    /**
     * Reads a whole prediction file of records with numberCount numbers each. A missing file holds
     * no records; an unreadable one, or one that does not decode or names a number other than
     * 1 … 43 and the empty slot, gives a message naming the file.
     */
    static Result<QList<PredictionRecord>> readFile(const QString& path, int numberCount);

    /**
     * Decodes a whole file. Nothing when its length is not a multiple of the record length or a
     * record does not decode; badRecord then tells which (0-based), or -1 for the length.
     */
    static std::optional<QList<PredictionRecord>> decodeAll(const QByteArray& bytes, int numberCount,
                                                            int* badRecord = nullptr);
};
