#include "core/wheel/KnownDesigns.h"

#include <bit>
#include <set>

namespace KnownDesigns {
namespace {

// A permutation of the points: the image of each.
using Map = std::vector<int>;

template <typename F>
Map mapOf(int points, const F& f)
{
    Map map(std::size_t(points), 0);
    for (int x = 0; x < points; ++x)
        map[std::size_t(x)] = f(x);
    return map;
}

// The orbit of `block` under the group that `maps` generate.
std::vector<quint32> orbitOf(quint32 block, const std::vector<Map>& maps)
{
    std::set<quint32> blocks{block};
    std::vector<quint32> open{block};
    while (!open.empty()) {
        const quint32 next = open.back();
        open.pop_back();
        for (const Map& map : maps) {
            quint32 image = 0;
            for (std::size_t x = 0; x < map.size(); ++x) {
                if (next & (quint32(1) << x))
                    image |= quint32(1) << map[x];
            }
            if (blocks.insert(image).second)
                open.push_back(image);
        }
    }
    return {blocks.begin(), blocks.end()};
}

// The orbit of {∞, 1, 3, 4, 5, 9} (infinity and the squares mod 11, infinity being point 11) under
// PSL(2, 11), which x ↦ x + 1 and x ↦ −1/x generate: the 132 hexads of S(5,6,12).
std::vector<quint32> steinerS5612()
{
    constexpr int kInfinity = 11;
    const auto inverse = [](int x) {
        int y = 1;
        while (x * y % 11 != 1)
            ++y;
        return y;
    };
    const Map step = mapOf(12, [](int x) { return x == kInfinity ? x : (x + 1) % 11; });
    const Map flip = mapOf(12, [&](int x) { return x == 0 ? kInfinity : x == kInfinity ? 0 : (11 - inverse(x)) % 11; });
    return orbitOf(quint32(1) << kInfinity | 1u << 1 | 1u << 3 | 1u << 4 | 1u << 5 | 1u << 9, {step, flip});
}

// GF(25) as a + 5b for a + bα, where α² = 2 (no square mod 5); point 25 is infinity.
int timesIn25(int x, int y)
{
    const int a = x % 5, b = x / 5, c = y % 5, d = y / 5;
    return (a * c + 2 * b * d) % 5 + 5 * ((a * d + b * c) % 5);
}

// The images of GF(5) and infinity under PGL(2, 25), which x ↦ x + 1, x ↦ x + α, x ↦ yx and x ↦ 1/x
// generate: the 130 circles of the inversive plane of order 5, in which every 3 of 26 points lie on
// exactly one, an S(3,6,26).
std::vector<quint32> steinerS3626()
{
    constexpr int kInfinity = 25;
    const auto plus = [](int x, int y) { return x == kInfinity ? x : (x % 5 + y % 5) % 5 + 5 * ((x / 5 + y / 5) % 5); };
    const auto inverse = [](int x) {
        int y = 1;
        while (timesIn25(x, y) != 1)
            ++y;
        return y;
    };
    std::vector<Map> maps{mapOf(26, [&](int x) { return plus(x, 1); }), mapOf(26, [&](int x) { return plus(x, 5); }),
                          mapOf(26, [&](int x) { return x == 0           ? kInfinity
                                                        : x == kInfinity ? 0
                                                                         : inverse(x); })};
    for (int y = 1; y < 25; ++y)
        maps.push_back(mapOf(26, [&](int x) { return x == kInfinity ? x : timesIn25(x, y); }));
    return orbitOf(quint32(1) << kInfinity | 0b11111u, maps);
}

// The octads of the extended binary Golay code (the cyclic code of length 23 with generator
// x^11 + x^10 + x^6 + x^5 + x^4 + x^2 + 1, and a parity bit 23) that hold both 22 and 23, without them:
// the 77 hexads of S(3,6,22), in which every 3 of 22 numbers lie exactly once.
std::vector<quint32> steinerS3622()
{
    constexpr quint32 kGenerator = 0b110001110101;
    constexpr quint32 kBoth = quint32(3) << 22;
    std::vector<quint32> hexads;
    for (quint32 message = 0; message < (quint32(1) << 12); ++message) {
        quint32 word = 0;
        for (int i = 0; i < 12; ++i) {
            if (message & (quint32(1) << i))
                word ^= kGenerator << i;
        }
        if (std::popcount(word) % 2 == 1)
            word |= quint32(1) << 23;
        if (std::popcount(word) == 8 && (word & kBoth) == kBoth)
            hexads.push_back(word & ~kBoth);
    }
    return hexads;
}

// Tickets of disjoint sixes, the last one filled up from the first numbers: with m of them, p drawn numbers
// put t on one ticket whenever m(t - 1) < p.
std::vector<quint32> disjointTickets(int freeCount)
{
    std::vector<quint32> tickets;
    for (int first = 0; first < freeCount; first += 6) {
        quint32 ticket = 0;
        for (int n = first; std::popcount(ticket) < 6; ++n)
            ticket |= quint32(1) << (n % freeCount);
        tickets.push_back(ticket);
    }
    return tickets;
}

// A design on more numbers serves fewer: each number beyond them is replaced by one of them, which can only
// keep the sets of the smaller pool hit, and a ticket left short is filled up from the first numbers.
std::vector<quint32> shrunk(const std::vector<quint32>& design, int freeCount)
{
    std::set<quint32> tickets;
    for (const quint32 block : design) {
        quint32 ticket = block & ((quint32(1) << freeCount) - 1);
        for (int n = 0; std::popcount(ticket) < std::popcount(block); ++n)
            ticket |= quint32(1) << n;
        tickets.insert(ticket);
    }
    return {tickets.begin(), tickets.end()};
}

} // namespace

std::vector<quint32> forGuarantee(int freeCount, int ticketFree, int matched, int drawnInPool)
{
    if (ticketFree != 6)
        return {};
    std::vector<std::vector<quint32>> designs;
    if (freeCount <= 12 && matched == 5)
        designs.push_back(shrunk(steinerS5612(), freeCount));
    if (freeCount <= 22 && matched == 3)
        designs.push_back(shrunk(steinerS3622(), freeCount));
    if (freeCount <= 26 && matched == 3)
        designs.push_back(shrunk(steinerS3626(), freeCount));
    const int groups = (freeCount + 5) / 6;
    if (groups * (matched - 1) < drawnInPool)
        designs.push_back(disjointTickets(freeCount));
    std::vector<quint32> smallest;
    for (const std::vector<quint32>& design : designs) {
        if (smallest.empty() || design.size() < smallest.size())
            smallest = design;
    }
    return smallest;
}

} // namespace KnownDesigns
