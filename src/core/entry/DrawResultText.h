#pragma once

#include <QString>

#include "core/UserMessage.h"

class DrawHistory;

/** The numbers of a stored draw as text, and the warning for a draw that lacks some. */
struct DrawResultText {
    QString text;
    Status warning; ///< set when the draw holds one to five numbers

    /**
     * The first six numbers drawn in draw k joined by ". " ("3. 11. 20. 28. 35. 42"); a draw
     * with none (or one not stored) gives the missing-result text, one with one to five numbers
     * the same text and a warning.
     */
    static DrawResultText of(const DrawHistory& history, int draw);
};
