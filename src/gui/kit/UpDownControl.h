#pragma once

#include <QWidget>

class QToolButton;

/**
 * A pair of arrow buttons that report a signed step, as the screens' handlers take it. Across:
 * left −1, right +1. Upright, the way a control whose range ends at 0 reports: up −1, down +1.
 */
class UpDownControl : public QWidget {
    Q_OBJECT
public:
    UpDownControl(Qt::Orientation orientation, const QString& name, QWidget* parent);

Q_SIGNALS:
    void stepped(int delta);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QToolButton* addArrow(Qt::ArrowType arrow, const QString& name, int delta);

    Qt::Orientation m_orientation;
    QToolButton* m_first = nullptr;
    QToolButton* m_second = nullptr;
};
