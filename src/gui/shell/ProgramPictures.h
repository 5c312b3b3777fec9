#pragma once

/** The features' pictures, added to the kit's table once before the first window shows. */
namespace ProgramPictures {

/** Adds every feature's pictures; calling it again changes nothing. */
void registerAll();

} // namespace ProgramPictures
