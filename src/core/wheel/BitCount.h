#pragma once

#include <QtGlobal>

// Bits set in a mask. Built for any x86-64, std::popcount is a library call, which the searches and
// the counts over every draw would spend most of their time in.

inline int bitCount(quint32 mask)
{
    mask = mask - ((mask >> 1) & 0x55555555u);
    mask = (mask & 0x33333333u) + ((mask >> 2) & 0x33333333u);
    return int((((mask + (mask >> 4)) & 0x0F0F0F0Fu) * 0x01010101u) >> 24);
}

inline int bitCount(quint64 mask)
{
    mask = mask - ((mask >> 1) & 0x5555555555555555u);
    mask = (mask & 0x3333333333333333u) + ((mask >> 2) & 0x3333333333333333u);
    return int((((mask + (mask >> 4)) & 0x0F0F0F0F0F0F0F0Fu) * 0x0101010101010101u) >> 56);
}
