#include "predict/LatestPredictionPopup.h"

#include <QKeyEvent>
#include <QLabel>

#include "app/JapaneseFonts.h"

namespace {

// Dialog resources and text statics of popups 1 … 5.
constexpr std::array kPopupIds{409, 410, 411, 412, 413};
constexpr std::array kTextIds{1415, 1416, 1417, 1418, 1419};
constexpr int kPointSize = 9;
// Sizes in dialog units.
constexpr int kWidth = 165;
constexpr int kHeight = 32;
constexpr int kTextTop = 3;
constexpr int kTextHeight = 23;
constexpr int kCornerOffset = 3;

} // namespace

LatestPredictionPopup::LatestPredictionPopup(int slot, const QString& text, QWidget* resultWindow)
    // A tool window of the main window stays above it without being top-most over everything.
    : QDialog(resultWindow->window(), Qt::Tool | Qt::FramelessWindowHint)
{
    const int id = kPopupIds[std::size_t(slot - 1)];
    setObjectName(QStringLiteral("id%1").arg(id));
    setProperty("controlId", id);
    setAttribute(Qt::WA_DeleteOnClose);
    QFont dialogFont(JapaneseFonts::kPGothic);
    dialogFont.setPointSize(kPointSize);
    setFont(dialogFont);

    auto* label = new QLabel(text, this);
    const int textId = kTextIds[std::size_t(slot - 1)];
    label->setObjectName(QStringLiteral("id%1").arg(textId));
    label->setProperty("controlId", textId);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    label->setFrameStyle(QFrame::Panel | QFrame::Raised);
    label->setLineWidth(2);

    // Dialog units: an average character is four across, a line eight down; thirteen numbers need more.
    const int unitX = fontMetrics().averageCharWidth();
    const int unitY = fontMetrics().height();
    const QSize textSize = label->sizeHint();
    const int width = qMax(kWidth * unitX / 4, textSize.width() + 2 * unitX);
    const int textHeight = qMax(kTextHeight * unitY / 8, textSize.height());
    setFixedSize(width, qMax(kHeight * unitY / 8, textHeight + (kHeight - kTextHeight) * unitY / 8));
    label->setGeometry(0, 0, width, height());
    label->setContentsMargins(0, kTextTop * unitY / 8, 0, 0);

    move(resultWindow->mapToGlobal(QPoint(0, 0)) + QPoint(kCornerOffset, kCornerOffset));
    show();
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
