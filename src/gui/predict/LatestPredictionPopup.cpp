#include "gui/predict/LatestPredictionPopup.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

#include "core/text/WheelText.h"
#include "gui/kit/DialogUnits.h"
#include "gui/kit/JapaneseFonts.h"

namespace {

// Sizes in dialog units.
constexpr int kWidth = 165;
constexpr int kHeight = 32;
constexpr int kTextTop = 3;
constexpr int kTextHeight = 23;
constexpr int kCornerOffset = 3;
constexpr int kWheelButtonHeight = 12;

} // namespace

LatestPredictionPopup::LatestPredictionPopup(int slot, const QString& text, QWidget* resultWindow,
                                             const QList<int>& wheelPool)
    // A tool window of the main window stays above it without being top-most over everything.
    : QDialog(resultWindow->window(), Qt::Tool | Qt::FramelessWindowHint), m_resultWindow(*resultWindow)
{
    setObjectName(QStringLiteral("latestPopup%1").arg(slot));
    setAttribute(Qt::WA_DeleteOnClose);
    setFont(JapaneseFonts::dialogFont());

    auto* label = new QLabel(text, this);
    label->setObjectName(QStringLiteral("predictionText"));
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    label->setFrameStyle(QFrame::Panel | QFrame::Raised);
    label->setLineWidth(2);

    // Thirteen numbers need more room than the template's width.
    const DialogUnits units(fontMetrics());
    const QSize textSize = label->sizeHint();
    const int width = qMax(units.x(kWidth), textSize.width() + units.x(8));
    const int textHeight = qMax(units.y(kTextHeight), textSize.height());
    const int labelHeight = qMax(units.y(kHeight), textHeight + units.y(kHeight - kTextHeight));
    label->setGeometry(0, 0, width, labelHeight);
    label->setContentsMargins(0, units.y(kTextTop), 0, 0);
    setFixedSize(width, labelHeight);
    if (!wheelPool.isEmpty()) {
        auto* wheel = new QPushButton(WheelText::openButton(), this);
        wheel->setObjectName(QStringLiteral("wheelButton"));
        // Enter closes the popup, as it always did; the button is for the mouse.
        wheel->setAutoDefault(false);
        wheel->setFocusPolicy(Qt::NoFocus);
        wheel->setGeometry(0, labelHeight, width, units.y(kWheelButtonHeight));
        connect(wheel, &QPushButton::clicked, this, [this, wheelPool] { Q_EMIT wheelRequested(wheelPool); });
        setFixedSize(width, labelHeight + units.y(kWheelButtonHeight));
    }

    placeAtCorner();
    // The main window may still be settled by the window manager after the popup is up.
    resultWindow->window()->installEventFilter(this);
    show();
}

void LatestPredictionPopup::placeAtCorner()
{
    move(m_resultWindow.mapToGlobal(QPoint(0, 0)) + QPoint(kCornerOffset, kCornerOffset));
}

bool LatestPredictionPopup::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Move || event->type() == QEvent::Resize)
        placeAtCorner();
    return QDialog::eventFilter(watched, event);
}

QString LatestPredictionPopup::text() const
{
    return findChild<QLabel*>()->text();
}

void LatestPredictionPopup::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        accept();
        return;
    }
    QDialog::keyPressEvent(event);
}
