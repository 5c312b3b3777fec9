#pragma once

#include <QColor>

#include <array>

/** The colour that tells registrant slot 1 … 5 apart wherever the slots are shown. */
inline QColor registrantColour(int slot)
{
    static const std::array<QColor, 5> colours{QColor(255, 0, 0), QColor(0, 128, 0), QColor(192, 128, 0),
                                               QColor(0, 0, 255), QColor(255, 0, 255)};
    return colours.at(std::size_t(slot - 1));
}
