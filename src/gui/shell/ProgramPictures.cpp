#include "shell/ProgramPictures.h"

#include "entry/EntryPictures.h"
#include "kit/PicturesDrawings.h"
#include "oracle/RandomGodPictures.h"
#include "patterns/LatestPatternPictures.h"
#include "predict/PredictPictures.h"

namespace ProgramPictures {

void registerAll()
{
    PicturesDrawings::add(PredictPictures::drawings());
    PicturesDrawings::add(EntryPictures::drawings());
    PicturesDrawings::add(LatestPatternPictures::drawings());
    PicturesDrawings::add(RandomGodPictures::drawings());
}

} // namespace ProgramPictures
