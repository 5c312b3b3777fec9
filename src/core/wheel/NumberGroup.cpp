#include "core/wheel/NumberGroup.h"

NumberGroup::NumberGroup(int freeCount, int modulus, int multiplier)
{
    int a = 1;
    do {
        for (int b = 0; b < modulus; ++b) {
            std::array<quint8, 32> element{};
            for (int x = 0; x < freeCount; ++x)
                element[std::size_t(x)] = quint8(x < modulus ? (a * x + b) % modulus : x);
            m_elements.push_back(element);
        }
        a = a * multiplier % modulus;
    } while (a != 1 % modulus);
}
