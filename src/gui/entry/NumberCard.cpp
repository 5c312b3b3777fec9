#include "entry/NumberCard.h"

#include <QLabel>
#include <QMoveEvent>
#include <QPainter>
#include <QPushButton>

#include <algorithm>

#include "entry/NumberBox.h"
#include "entry/NumberCardPictures.h"
#include "kit/BitmapButton.h"
#include "kit/ContextHelpPopupFilter.h"
#include "kit/ControlId.h"
#include "kit/HelpText.h"
#include "kit/JapaneseFonts.h"
#include "kit/ModelessWindow.h"
#include "kit/Pictures.h"
#include "kit/ScreenScale.h"
#include "text/EntryText.h"
#include "text/WheelText.h"

namespace {

constexpr int kIconId = 200;
constexpr int kCountId = 1328;
constexpr int kClearId = 1376;
constexpr int kHandOverId = 1;
constexpr int kCloseId = 2;
constexpr int kWheelId = 1380;
constexpr int kClearPicture = 340;
constexpr int kHandOverPicture = 153;
constexpr int kClosePicture = 392;

// Number n's box is kBoxIds[n − 1]. The blocks of ids leave gaps that belong to no box.
constexpr std::array<int, kNumberCount> kBoxIds{
    1215, 1216, 1217, 1218, 1219, 1220, 1221, 1222, 1223, 1224, // 1 … 10
    1225, 1226, 1227, 1228, 1229, 1230, 1231, 1232, 1233, 1234, // 11 … 20
    1235, 1236, 1237, 1248, 1249, 1250, 1251, 1252, 1253, 1257, // 21 … 30
    1258, 1259, 1260, 1261, 1262, 1263, 1264, 1265, 1266, 1267, // 31 … 40
    1268, 1269, 1270,                                           // 41 … 43
};

// The card on the 800 × 600 design screen: two columns of ten numbers in two blocks, then 41 … 43.
constexpr int kCardWidth = 108;
constexpr int kCardHeight = 490;
// What a window manager's title bar holds beside the title: an icon and three buttons.
constexpr int kTitleBarRoom = 140;
constexpr int kRowPitch = 15;
constexpr int kBoxWidth = 38;
constexpr int kBoxHeight = 14;
constexpr std::array kColumnLeft{12, 60};
constexpr std::array kBlockTop{10, 170, 330};
constexpr int kNumbersPerColumn = 10;

// A column of up to ten numbers: 1 … 10, 11 … 20, 21 … 30, 31 … 40, 41 … 43.
struct ColumnPlace {
    int left;
    int top;
    int rows;
};

ColumnPlace columnPlace(int column)
{
    return {kColumnLeft[std::size_t(column % 2)], kBlockTop[std::size_t(column / 2)],
            qMin(kNumbersPerColumn, kNumberCount - column * kNumbersPerColumn)};
}

QRect boxRect(int number)
{
    const ColumnPlace place = columnPlace((number - 1) / kNumbersPerColumn);
    const int top = place.top + (number - 1) % kNumbersPerColumn * kRowPitch;
    return ScreenScale::rect(place.left, top, place.left + kBoxWidth, top + kBoxHeight);
}

} // namespace

NumberCard* NumberCard::open(QPointer<NumberCard>& card, SelectionHandOver& handOver, QWidget* parent)
{
    if (!showing(card)) {
        card = new NumberCard(handOver, parent ? parent->window() : nullptr);
        card->move((ScreenScale::width() - card->width()) / 2, (ScreenScale::height() - card->height()) / 2);
    }
    card->takeHandOver();
    bringForward(*card);
    return card;
}

int NumberCard::boxId(int number)
{
    Q_ASSERT(number >= 1 && number <= kNumberCount);
    return kBoxIds[std::size_t(number - 1)];
}

NumberCard::NumberCard(SelectionHandOver& handOver, QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::WindowStaysOnTopHint | Qt::MSWindowsFixedSizeDialogHint), m_handOver(handOver)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setObjectName(QStringLiteral("NumberCard"));
    setWindowTitle(EntryText::numberCardTitle());
    setWindowIcon(Pictures::icon(kIconId));
    setFont(JapaneseFonts::font(JapaneseFonts::kGothic, ScreenScale::y(12)));
    QPalette card = palette();
    card.setColor(QPalette::Window, NumberCardPictures::kCardColour);
    card.setColor(QPalette::WindowText, Qt::black);
    setPalette(card);
    // On a small screen the card grows to show its short title whole, its form in the middle.
    QFont titleFont = font();
    titleFont.setBold(true);
    const int formWidth = ScreenScale::x(kCardWidth);
    const int width = std::max(formWidth, kTitleBarRoom + QFontMetrics(titleFont).horizontalAdvance(windowTitle()));
    m_formLeft = (width - formWidth) / 2;
    setFixedSize(width, ScreenScale::y(kCardHeight));
    createControls();
    for (QWidget* control : findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        control->move(control->pos() + QPoint(m_formLeft, 0));
    installHelp();
    showCount();
}

void NumberCard::createControls()
{
    for (int number = 1; number <= kNumberCount; ++number) {
        auto* box = new NumberBox(number, boxId(number), this);
        box->setGeometry(boxRect(number));
        connect(box, &NumberBox::toggled, this, &NumberCard::showCount);
        m_boxes[std::size_t(number - 1)] = box;
    }

    m_count = new QLabel(this);
    identified(m_count, kCountId);
    m_count->setAlignment(Qt::AlignCenter);
    m_count->setGeometry(ScreenScale::rect(4, 378, kCardWidth - 4, 394));

    auto* clear = new BitmapButton(kClearId, kClearPicture, this);
    clear->setGeometry(ScreenScale::rect(58, 330, 102, 374));
    connect(clear, &BitmapButton::clicked, this, &NumberCard::untickAll);

    auto* handOverButton = new BitmapButton(kHandOverId, kHandOverPicture, this);
    handOverButton->setGeometry(ScreenScale::rect(6, 398, 102, 424));
    handOverButton->setDefault(true);
    connect(handOverButton, &BitmapButton::clicked, this, &NumberCard::handOver);

    auto* closeButton = new BitmapButton(kCloseId, kClosePicture, this);
    closeButton->setGeometry(ScreenScale::rect(6, 428, 102, 454));
    connect(closeButton, &BitmapButton::clicked, this, &NumberCard::close);

    auto* wheelButton = new QPushButton(WheelText::openButton(), this);
    identified(wheelButton, kWheelId);
    wheelButton->setGeometry(ScreenScale::rect(6, 460, 102, 484));
    connect(wheelButton, &QPushButton::clicked, this, [this] { Q_EMIT wheelRequested(tickedNumbers()); });
}

void NumberCard::installHelp()
{
    auto* help = new ContextHelpPopupFilter(this);
    help->setText(kHandOverId, EntryText::numberCardHandOverHelp());
    help->setText(kCloseId, HelpText::cancelButtonPopup());
    help->setText(kClearId, EntryText::numberCardClearHelp());
    help->setText(kWheelId, WheelText::openButtonHelp());
    for (int number = 1; number <= kNumberCount; ++number)
        help->setText(boxId(number), EntryText::numberCardBoxHelp(number));
}

void NumberCard::takeHandOver()
{
    // Only when the card opens: a repaint must not throw away ticks the user made since.
    if (!m_handOver.handedOver)
        return;
    for (NumberBox* box : m_boxes)
        box->setChecked(m_handOver.ticks[std::size_t(box->number() - 1)]);
}

void NumberCard::untickAll()
{
    for (NumberBox* box : m_boxes)
        box->setChecked(false);
}

void NumberCard::handOver()
{
    m_handOver.handedOver = true;
    m_handOver.ticks = ticks();
    Q_EMIT handedOver();
    close();
}

void NumberCard::showCount()
{
    const std::array<bool, kNumberCount> ticked = ticks();
    m_count->setText(EntryText::numberCardCount(int(std::count(ticked.begin(), ticked.end(), true))));
}

std::array<bool, kNumberCount> NumberCard::ticks() const
{
    std::array<bool, kNumberCount> ticked{};
    for (const NumberBox* box : m_boxes)
        ticked[std::size_t(box->number() - 1)] = box->isChecked();
    return ticked;
}

QList<int> NumberCard::tickedNumbers() const
{
    QList<int> numbers;
    for (const NumberBox* box : m_boxes) {
        if (box->isChecked())
            numbers.append(box->number());
    }
    return numbers;
}

void NumberCard::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), NumberCardPictures::kCardColour);
    painter.translate(m_formLeft, 0);
    drawBlockFrames(painter);
}

void NumberCard::drawBlockFrames(QPainter& painter) const
{
    // Each column of numbers sits in a ruled frame, as on the paper form.
    painter.setPen(QPen(NumberCardPictures::kFormInk, 1));
    painter.setBrush(Qt::NoBrush);
    for (int column = 0; column * kNumbersPerColumn < kNumberCount; ++column) {
        const ColumnPlace place = columnPlace(column);
        painter.drawRect(ScreenScale::rect(place.left - 5, place.top - 4, place.left + kBoxWidth + 3,
                                           place.top + place.rows * kRowPitch + 3));
    }
}

void NumberCard::moveEvent(QMoveEvent* event)
{
    QDialog::moveEvent(event);
    Q_EMIT moved(geometry().topLeft());
}
