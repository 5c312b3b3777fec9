#pragma once

#include <QByteArray>

#include <array>

#include "core/UserMessage.h"
#include "core/text/PredictText.h"

class DrawHistory;
class InstallPaths;
struct DataGodSettings;

/** The forty DataGodFiles: five gods × counts 6 … 13. */
namespace DataGodFiles {

/** Contents of the five files of one count, by slot 1 … 5 (index 0 … 4). */
using GodContents = std::array<QByteArray, PredictText::kDataGodCount>;

/**
 * RunDataGods: computes the five gods for valid settings, fills their files for the settings'
 * PredictionCount and empties the other 35.
 */
Status runDataGods(const InstallPaths& paths, const DrawHistory& history, const DataGodSettings& settings);

/**
 * Replaces all forty files: the five of predictionCount get contents, the others become empty
 * (those already empty are left alone). All of them change or, on any failure, none.
 */
Status write(const InstallPaths& paths, int predictionCount, const GodContents& contents);

} // namespace DataGodFiles
