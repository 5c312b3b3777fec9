#include "gui/shell/ProgramPictures.h"

#include "gui/entry/EntryPictures.h"
#include "gui/kit/PicturesDrawings.h"
#include "gui/oracle/RandomGodPictures.h"
#include "gui/patterns/LatestPatternPictures.h"
#include "gui/predict/PredictPictures.h"

namespace ProgramPictures {

void registerAll()
{
    PicturesDrawings::add(PredictPictures::drawings());
    PicturesDrawings::add(EntryPictures::drawings());
    PicturesDrawings::add(LatestPatternPictures::drawings());
    PicturesDrawings::add(RandomGodPictures::drawings());
}

} // namespace ProgramPictures
