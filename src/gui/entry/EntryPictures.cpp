#include "gui/entry/EntryPictures.h"

#include <array>

#include "gui/entry/DataEntryDrawings.h"
#include "gui/entry/DataUpdatePictures.h"
#include "gui/entry/NumberCardPictures.h"
#include "gui/entry/RegistrantPictures.h"

namespace EntryPictures {
namespace {

using PicturesDrawings::Drawing;

const std::array kDrawings{
    Drawing{262, RegistrantPictures::kSlotStateSize, RegistrantPictures::drawFreeSlot, {}},
    Drawing{268, RegistrantPictures::kSlotStateSize, RegistrantPictures::drawRegisteredSlot, {}},
    Drawing{263, RegistrantPictures::kColourFrameSize, RegistrantPictures::drawColourFrameOf<1>, {}},
    Drawing{264, RegistrantPictures::kColourFrameSize, RegistrantPictures::drawColourFrameOf<2>, {}},
    Drawing{265, RegistrantPictures::kColourFrameSize, RegistrantPictures::drawColourFrameOf<3>, {}},
    Drawing{266, RegistrantPictures::kColourFrameSize, RegistrantPictures::drawColourFrameOf<4>, {}},
    Drawing{267, RegistrantPictures::kColourFrameSize, RegistrantPictures::drawColourFrameOf<5>, {}},
    Drawing{387, RegistrantPictures::kButtonFaceSize, RegistrantPictures::drawOkFace, {}},
    Drawing{386, RegistrantPictures::kButtonFaceSize, RegistrantPictures::drawCancelFace, {}},
    Drawing{340, NumberCardPictures::kClearSize, NumberCardPictures::drawClear, {}},
    Drawing{153, NumberCardPictures::kHandOverSize, NumberCardPictures::drawHandOver, {}},
    Drawing{135, DataEntryDrawings::kButtonSize, DataEntryDrawings::drawEntryButton, {}},
    Drawing{137, DataEntryDrawings::kButtonSize, DataEntryDrawings::drawAverageButton, {}},
    Drawing{148, DataEntryDrawings::kButtonSize, DataEntryDrawings::drawDeleteLastButton, {}},
    Drawing{149, DataEntryDrawings::kButtonSize, DataEntryDrawings::drawModifyButton, {}},
    Drawing{152, DataEntryDrawings::kButtonSize, DataEntryDrawings::drawCardButton, {}},
    Drawing{330, DataEntryDrawings::kButtonSize, DataEntryDrawings::drawHomePageButton, {}},
    Drawing{335, DataEntryDrawings::kButtonSize, DataEntryDrawings::drawDeletePredictionButton, {}},
    Drawing{392, DataEntryDrawings::kButtonSize, DataEntryDrawings::drawCancelButton, {}},
    Drawing{270, DataEntryDrawings::kChipSize, [](QPainter& p) { DataEntryDrawings::drawRegistrantChip(p, 1); }, {}},
    Drawing{271, DataEntryDrawings::kChipSize, [](QPainter& p) { DataEntryDrawings::drawRegistrantChip(p, 2); }, {}},
    Drawing{272, DataEntryDrawings::kChipSize, [](QPainter& p) { DataEntryDrawings::drawRegistrantChip(p, 3); }, {}},
    Drawing{273, DataEntryDrawings::kChipSize, [](QPainter& p) { DataEntryDrawings::drawRegistrantChip(p, 4); }, {}},
    Drawing{274, DataEntryDrawings::kChipSize, [](QPainter& p) { DataEntryDrawings::drawRegistrantChip(p, 5); }, {}},
    Drawing{401, DataEntryDrawings::kButtonSize, DataUpdatePictures::drawCancelButton, {}},
    Drawing{402, DataEntryDrawings::kButtonSize, DataUpdatePictures::drawImportButton, {}},
    Drawing{403, DataUpdatePictures::kGuidePictureSize, DataUpdatePictures::drawGuidePicture, {}},
};

} // namespace

std::span<const PicturesDrawings::Drawing> drawings()
{
    return kDrawings;
}

} // namespace EntryPictures
