#include "wheel/KnownDesigns.h"

#include <set>

namespace KnownDesigns {
namespace {

// The projective line over GF(11): 0 … 10 and infinity, which is bit 11.
constexpr int kInfinity = 11;

int inverse(int x)
{
    for (int y = 1; y < 11; ++y) {
        if (x * y % 11 == 1)
            return y;
    }
    return 0;
}

quint32 mapped(quint32 block, int (*map)(int))
{
    quint32 image = 0;
    for (int x = 0; x <= kInfinity; ++x) {
        if (block & (quint32(1) << x))
            image |= quint32(1) << map(x);
    }
    return image;
}

// The orbit of {∞, 1, 3, 4, 5, 9} (infinity and the squares mod 11) under PSL(2, 11), which x ↦ x + 1 and
// x ↦ −1/x generate: the 132 hexads of S(5,6,12).
std::vector<quint32> steinerS5612()
{
    const auto step = [](int x) { return x == kInfinity ? x : (x + 1) % 11; };
    const auto flip = [](int x) { return x == 0 ? kInfinity : x == kInfinity ? 0 : (11 - inverse(x)) % 11; };
    std::set<quint32> hexads{(quint32(1) << kInfinity) | 1u << 1 | 1u << 3 | 1u << 4 | 1u << 5 | 1u << 9};
    std::vector<quint32> open(hexads.begin(), hexads.end());
    while (!open.empty()) {
        const quint32 block = open.back();
        open.pop_back();
        for (const quint32 image : {mapped(block, step), mapped(block, flip)}) {
            if (hexads.insert(image).second)
                open.push_back(image);
        }
    }
    return {hexads.begin(), hexads.end()};
}

} // namespace

std::optional<std::vector<quint32>> forGuarantee(int freeCount, int ticketFree, int matched, int drawnInPool)
{
    if (freeCount == 12 && ticketFree == 6 && matched == 5 && drawnInPool == 5)
        return steinerS5612();
    return std::nullopt;
}

} // namespace KnownDesigns
