#pragma once

#include <QString>

#include <array>

/** Number of registrant slots. */
inline constexpr int kRegistrantSlots = 5;

/** The registrants' names by slot 1 … 5 (index 0 … 4); an empty name is a free slot. */
using RegistrantNames = std::array<QString, kRegistrantSlots>;

/**
 * Recovers the registrant names from the prediction files "YDF<slot><name>.txt" in a folder.
 * Files are taken in name order; a later file for the same slot wins.
 */
RegistrantNames scanRegistrants(const QString& predictionFolder);
