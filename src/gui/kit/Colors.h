#pragma once

#include <QColor>

/** Colours written as the Windows COLORREF 0x00BBGGRR. */
inline QColor fromColorRef(quint32 colorRef)
{
    return QColor(int(colorRef & 0xFF), int((colorRef >> 8) & 0xFF), int((colorRef >> 16) & 0xFF));
}
