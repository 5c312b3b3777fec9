#pragma once

#include "predict/DataGodSettings.h"

/**
 * The view's data-god request message (WM_DATAGOD_REQUEST) read from its two values, so that the
 * view only hands them on.
 */
struct DataGodRequest {
    enum class Kind {
        RegistrantCheck, ///< wParam 0: show the hit-count screen, offer to register if nobody is
        ClosePredicting, ///< close the predicting window
        Compute,         ///< compute the data gods with settings
        Ignored,         ///< any other value, including compute values the settings dialog cannot send
    };

    Kind kind = Kind::Ignored;
    DataGodSettings settings; ///< the choices of a Compute request

    /**
     * Reads wParam = display flag (1000 shown, 2000 hidden) + priority (100 frequent, 200 rare) +
     * weight (0 … 20) and lParam = DataAmount × 100 + PredictionCount; lParam 1 with a wParam of
     * 100 … 2220 closes the predicting window.
     */
    static DataGodRequest decode(int wParam, int lParam);
};
