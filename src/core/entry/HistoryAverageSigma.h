#pragma once

#include <QList>
#include <QString>

#include "core/UserMessage.h"

class DrawHistory;

/**
 * Mean and σ, over every stored draw, of the draws' averages and of their σ values, at the
 * precisions the data-entry dialog shows. A draw without six numbers counts as 0 in both.
 */
struct HistoryAverageSigma {
    float averageMean = 0;
    double averageSigma = 0;
    float sigmaMean = 0;
    double sigmaSigma = 0;
    /** One message per draw without six numbers, oldest first. */
    QList<UserMessage> warnings;

    /** Computes all four from the history; an empty history gives zeros. */
    static HistoryAverageSigma of(const DrawHistory& history);

    /** "≪平均≫ " + mean + "    ≪σ値≫ " + σ of the draws' averages. */
    QString averageText() const;
    /** The same for the draws' σ values. */
    QString sigmaText() const;
};
