#include "gui/predict/PredictPictures.h"

#include <array>

#include "gui/predict/DataGodPictures.h"
#include "gui/predict/HitScreenPictures.h"

namespace PredictPictures {
namespace {

using PicturesDrawings::Drawing;

const std::array kDrawings{
    Drawing{269, HitScreenPictures::kRowCaptionSize, HitScreenPictures::drawRowCaptions, {}},
    Drawing{385, DataGodPictures::kShowResultsSize, DataGodPictures::drawShowResults, {}},
    Drawing{343, DataGodPictures::kBannerSize, DataGodPictures::drawBanner, {}},
    Drawing{344, DataGodPictures::kPredictingCancelSize, DataGodPictures::drawPredictingCancel, {}},
};

} // namespace

std::span<const PicturesDrawings::Drawing> drawings()
{
    return kDrawings;
}

} // namespace PredictPictures
