#include "gui/predict/PredictingWindow.h"

#include <QKeyEvent>
#include <QLabel>
#include <QScreen>

#include <array>

#include "core/predict/DataGodSettings.h"
#include "gui/kit/BitmapButton.h"
#include "gui/kit/DialogUnits.h"
#include "gui/kit/JapaneseFonts.h"
#include "gui/kit/Pictures.h"
#include "gui/predict/DataGodPictures.h"
#include "gui/predict/DataGodText.h"
#include "gui/predict/PredictingAnimation.h"

namespace {

constexpr int kBannerPicture = 343;
constexpr int kCancelPicture = 344;
// The clips of the animations, left to right.
constexpr std::array kClipIds{379, 380, 382, 383, 384};

} // namespace

PredictingWindow::PredictingWindow(QWidget* owner)
    : QFrame(owner, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("PredictingWindow"));
    setWindowModality(Qt::ApplicationModal);
    setFrameStyle(QFrame::WinPanel | QFrame::Raised);
    setAutoFillBackground(true);
    setFont(JapaneseFonts::dialogFont());
    const DialogUnits units(fontMetrics());
    const QSize banner = DataGodPictures::kBannerSize;
    setFixedSize(qMax(units.x(253), banner.width() + units.x(20)), units.y(157));

    auto* bannerLabel = new QLabel(this);
    bannerLabel->setObjectName(QStringLiteral("banner"));
    bannerLabel->setPixmap(Pictures::bitmap(kBannerPicture));
    bannerLabel->setGeometry((width() - banner.width()) / 2, units.y(21), banner.width(), banner.height());

    // Five controls 25 × 28 units, 48 units apart, in a row across the middle.
    const int step = (width() - units.x(20) - units.x(25)) / int(kClipIds.size() - 1);
    for (std::size_t i = 0; i < kClipIds.size(); ++i) {
        auto* animation = new PredictingAnimation(QStringLiteral("animation%1").arg(i + 1), kClipIds[i], this);
        animation->setGeometry(units.x(10) + int(i) * step, units.y(51), units.x(25), units.y(28));
    }

    auto* cancelButton = new BitmapButton(QStringLiteral("cancelButton"), kCancelPicture, this);
    cancelButton->setAccessibleName(DataGodText::predictingCancel());
    const QSize cancelSize(qMax(units.x(40), DataGodPictures::kPredictingCancelSize.width()),
                           qMax(units.y(25), DataGodPictures::kPredictingCancelSize.height()));
    cancelButton->setGeometry((width() - cancelSize.width()) / 2, height() - cancelSize.height() - units.y(4),
                              cancelSize.width(), cancelSize.height());
    connect(cancelButton, &QPushButton::clicked, this, &PredictingWindow::cancelRequested);
}

std::chrono::milliseconds PredictingWindow::displayTime(const DataGodSettings& settings)
{
    return s_displayTime.value_or(std::chrono::milliseconds(settings.waitMilliseconds()));
}

void PredictingWindow::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        Q_EMIT cancelRequested();
        return;
    }
    QFrame::keyPressEvent(event);
}

void PredictingWindow::showEvent(QShowEvent* event)
{
    QFrame::showEvent(event);
    if (const QScreen* shown = screen())
        move(shown->geometry().center() - rect().center());
}
