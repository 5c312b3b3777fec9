#include "predict/DataGodRequest.h"

DataGodRequest DataGodRequest::decode(int wParam, int lParam)
{
    DataGodRequest request;
    if (wParam == 0) {
        request.kind = Kind::RegistrantCheck;
        return request;
    }
    if (wParam < 100 || wParam > 2220)
        return request;
    if (lParam == 1) {
        request.kind = Kind::ClosePredicting;
        return request;
    }
    const int displayFlag = wParam / 1000 * 1000;
    const int priority = wParam % 1000 / 100 * 100;
    DataGodSettings& settings = request.settings;
    settings.showPredicting = displayFlag == 1000;
    settings.preferFrequent = priority == 100;
    settings.appearanceWeight = wParam % 100;
    settings.dataAmount = lParam / 100;
    settings.predictionCount = lParam % 100;
    // A value outside the dialog's choices would name files and weights the program does not know.
    const bool known = (displayFlag == 1000 || displayFlag == 2000) && (priority == 100 || priority == 200);
    if (known && lParam > 0 && settings.isValid())
        request.kind = Kind::Compute;
    return request;
}
