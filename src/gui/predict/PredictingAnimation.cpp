#include "gui/predict/PredictingAnimation.h"

#include <QPainter>

#include "gui/predict/DataGodPictures.h"

namespace {

constexpr int kFrameMilliseconds = 80;

} // namespace

PredictingAnimation::PredictingAnimation(const QString& name, int clipId, QWidget* parent)
    : QWidget(parent), m_clipId(clipId)
{
    setObjectName(name);
    connect(&m_frameTimer, &QTimer::timeout, this, &PredictingAnimation::nextFrame);
    m_frameTimer.start(kFrameMilliseconds);
}

void PredictingAnimation::nextFrame()
{
    m_frame = (m_frame + 1) % DataGodPictures::kClipFrames;
    update();
}

void PredictingAnimation::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    // The frame keeps its proportions in the middle of the control.
    const QSizeF frame = QSizeF(DataGodPictures::kClipSize).scaled(QSizeF(size()), Qt::KeepAspectRatio);
    painter.translate((width() - frame.width()) / 2, (height() - frame.height()) / 2);
    painter.scale(frame.width() / DataGodPictures::kClipSize.width(),
                  frame.height() / DataGodPictures::kClipSize.height());
    DataGodPictures::drawClipFrame(painter, m_clipId, m_frame);
}
