#include "gui/entry/NumberCard.h"

#include <QLabel>
#include <QMoveEvent>
#include <QPainter>
#include <QPushButton>

#include <algorithm>

#include "core/text/EntryText.h"
#include "core/text/WheelText.h"
#include "gui/entry/NumberBox.h"
#include "gui/entry/NumberCardPictures.h"
#include "gui/kit/BitmapButton.h"
#include "gui/kit/ContextHelpPopupFilter.h"
#include "gui/kit/ControlHelp.h"
#include "gui/kit/HelpText.h"
#include "gui/kit/JapaneseFonts.h"
#include "gui/kit/ModelessWindow.h"
#include "gui/kit/Pictures.h"
#include "gui/kit/ScreenScale.h"

namespace {

constexpr int kIconId = 200;
constexpr int kClearPicture = 340;
constexpr int kHandOverPicture = 153;
constexpr int kClosePicture = 392;

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
        auto* box = new NumberBox(number, this);
        box->setGeometry(boxRect(number));
        connect(box, &NumberBox::toggled, this, &NumberCard::showCount);
        m_boxes[std::size_t(number - 1)] = box;
    }

    m_count = new QLabel(this);
    m_count->setObjectName(QStringLiteral("countLine"));
    m_count->setAlignment(Qt::AlignCenter);
    m_count->setGeometry(ScreenScale::rect(4, 378, kCardWidth - 4, 394));

    m_clearButton = new BitmapButton(QStringLiteral("clearButton"), kClearPicture, this);
    m_clearButton->setGeometry(ScreenScale::rect(58, 330, 102, 374));
    connect(m_clearButton, &BitmapButton::clicked, this, &NumberCard::untickAll);

    m_handOverButton = new BitmapButton(QStringLiteral("handOverButton"), kHandOverPicture, this);
    m_handOverButton->setGeometry(ScreenScale::rect(6, 398, 102, 424));
    m_handOverButton->setDefault(true);
    connect(m_handOverButton, &BitmapButton::clicked, this, &NumberCard::handOver);

    m_closeButton = new BitmapButton(QStringLiteral("closeButton"), kClosePicture, this);
    m_closeButton->setGeometry(ScreenScale::rect(6, 428, 102, 454));
    connect(m_closeButton, &BitmapButton::clicked, this, &NumberCard::close);

    m_wheelButton = new QPushButton(WheelText::openButton(), this);
    m_wheelButton->setObjectName(QStringLiteral("wheelButton"));
    m_wheelButton->setGeometry(ScreenScale::rect(6, 460, 102, 484));
    connect(m_wheelButton, &QPushButton::clicked, this, [this] { Q_EMIT wheelRequested(tickedNumbers()); });
}

void NumberCard::installHelp()
{
    new ContextHelpPopupFilter(this);
    ControlHelp::attach(m_handOverButton, EntryText::numberCardHandOverHelp());
    ControlHelp::attach(m_closeButton, HelpText::cancelButtonPopup());
    ControlHelp::attach(m_clearButton, EntryText::numberCardClearHelp());
    ControlHelp::attach(m_wheelButton, WheelText::openButtonHelp());
    // The count shows an empty popup.
    ControlHelp::attach(m_count, {});
    for (NumberBox* box : m_boxes)
        ControlHelp::attach(box, EntryText::numberCardBoxHelp(box->number()));
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
