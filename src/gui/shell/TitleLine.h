#pragma once

#include <QLabel>

/**
 * The main window's title, shown in a line of its own under the menu bar: a full-screen window has no title
 * bar, and the title is what tells the date, the weighting and the settings the data gods' results came from.
 */
class TitleLine : public QLabel {
    Q_OBJECT

public:
    /** Follows the title of window, which it is shown in. */
    explicit TitleLine(QWidget& window, QWidget* parent);

private:
    void showTitle(const QString& title);
};
