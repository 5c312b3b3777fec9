#pragma once

#include <QLabel>
#include <QTimer>

/**
 * A short note in the corner of the menu bar that says what a change of the history did; it goes by
 * itself after a few seconds, so that there is nothing to click away.
 */
class StatusNote : public QLabel {
    Q_OBJECT

public:
    explicit StatusNote(QWidget* parent = nullptr);

    void showNote(const QString& note);

private:
    QTimer m_hideTimer;
};
