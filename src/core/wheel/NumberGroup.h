#pragma once

#include <QtGlobal>

#include <array>
#include <bit>
#include <vector>

/**
 * A group of permutations of the free numbers, every element listed: the maps x ↦ ax + b modulo n on
 * the first n numbers, a a power of one multiplier (a unit mod n), the numbers from n on staying where
 * they are. With the multiplier 1 it is the cyclic group of one cycle turning, with n − 1 the dihedral.
 */
class NumberGroup {
public:
    NumberGroup(int freeCount, int modulus, int multiplier);

    int order() const { return int(m_elements.size()); }

    /** The set `mask` moved by element g. */
    quint32 image(quint32 mask, int g) const
    {
        const std::array<quint8, 32>& element = m_elements[std::size_t(g)];
        quint32 image = 0;
        for (; mask != 0; mask &= mask - 1)
            image |= quint32(1) << element[std::size_t(std::countr_zero(mask))];
        return image;
    }

private:
    std::vector<std::array<quint8, 32>> m_elements;
};
