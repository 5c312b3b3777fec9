#pragma once

#include <QList>

/** The prediction entered last in the data-entry dialog; the history graph shows it as a preview. */
struct LastEnteredPrediction {
    bool entered = false;
    int draw = 0;
    /** The six numbers in the order they were entered. */
    QList<int> numbers;
};
