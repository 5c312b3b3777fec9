#pragma once

#include <QString>

/**
 * The history bundled with the program is an example a random generator made, not real draws. A history
 * is that example for as long as it holds exactly the bundled draws.
 */
namespace ExampleHistory {

bool inUse(const QString& historyFile);

} // namespace ExampleHistory
