#pragma once

#include <QTimer>
#include <QWidget>

/** One of the predicting window's animations: a clip of drawn frames playing in
 * a loop from the start. */
class PredictingAnimation : public QWidget {
    Q_OBJECT
public:
    PredictingAnimation(const QString& name, int clipId, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void nextFrame();

    int m_clipId;
    int m_frame = 0;
    QTimer m_frameTimer;
};
