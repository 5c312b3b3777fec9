#pragma once

#include <QFontMetrics>
#include <QRect>

/** A dialog template's units in pixels for the dialog's font: x × average
 * character width / 4, y × line height / 8. */
class DialogUnits {
public:
    explicit DialogUnits(const QFontMetrics& metrics) : m_unitX(metrics.averageCharWidth()), m_unitY(metrics.height())
    {
    }

    int x(int units) const { return units * m_unitX / 4; }
    int y(int units) const { return units * m_unitY / 8; }
    QRect rect(int left, int top, int width, int height) const { return {x(left), y(top), x(width), y(height)}; }

private:
    int m_unitX;
    int m_unitY;
};
