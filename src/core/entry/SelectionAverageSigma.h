#pragma once

#include <QList>
#include <QString>

#include <span>

#include "core/UserMessage.h"

/** One sixth as the averages use it, in single precision. */
inline constexpr float kOneSixth = 0.16666667f;

/** The average and population σ of six chosen numbers, at the precisions the data-entry dialog shows. */
struct SelectionAverageSigma {
    float average = 0;
    double sigma = 0;

    /** Computes both for six different numbers 1 … 43; anything else is refused. */
    static Result<SelectionAverageSigma> of(const QList<int>& numbers);
    /** Computes both for any six numbers, unchecked: a history column may repeat one. */
    static SelectionAverageSigma ofAny(std::span<const int, 6> numbers);

    /** "【 平 均 】 " + average + "    【 σ 値 】 " + σ. */
    QString text() const;
};
