#pragma once

#include <QPoint>
#include <QString>

/**
 * The small help text that a dialog shows for one of its controls on F1 or a right click: blue text
 * in a tooltip-like box at a screen point, gone at the next click or key. One shows at a time.
 */
class ContextHelpPopup {
public:
    static void show(const QString& text, const QPoint& globalPos);
};
