#include "gui/oracle/RandomGodDialog.h"

#include <QComboBox>
#include <QLabel>
#include <QMoveEvent>
#include <QPainter>

#include "core/text/OracleText.h"
#include "gui/kit/BitmapButton.h"
#include "gui/kit/ContextHelpPopupFilter.h"
#include "gui/kit/ControlHelp.h"
#include "gui/kit/HelpText.h"
#include "gui/kit/JapaneseFonts.h"
#include "gui/kit/MessageService.h"
#include "gui/kit/ModelessWindow.h"
#include "gui/kit/PictureArt.h"
#include "gui/kit/Pictures.h"
#include "gui/kit/ScreenScale.h"
#include "gui/kit/UpDownControl.h"
#include "gui/oracle/RandomGodPictures.h"

namespace {

constexpr int kIconId = 200;
constexpr std::array kDigitLefts{48, 141, 235};
constexpr int kMonths = 12;
constexpr int kDays = 31;

// Pictures of the screens and of their buttons; the first mode button's picture is 160, the next ones follow.
constexpr int kGreetingPicture = 155;
constexpr int kModeChoicePicture = 159;
constexpr std::array kInputPictures{0, 170, 173, 197};
constexpr std::array kAnswerPictures{166, 194, 195, 196};
constexpr int kFirstModePicture = 160;
constexpr int kCancelPicture = 164;
constexpr int kThanksPicture = 165;

// Sizes and places in dialog units.
constexpr QSize kClientUnits{355, 129};
constexpr QSize kButtonUnits{58, 30};
constexpr QPoint kAskUnits{207, 80};
constexpr QPoint kCancelUnits{280, 80};

const QColor kDigitRed(255, 0, 0);

// Each control's help is its resource name.
QLabel* addLabel(QWidget* dialog, const QString& name, const QString& help, const QRect& place, const QColor& ink)
{
    auto* label = new QLabel(dialog);
    label->setObjectName(name);
    ControlHelp::attach(label, help);
    label->setGeometry(place);
    label->setAlignment(Qt::AlignCenter);
    label->setAutoFillBackground(true);
    QPalette colours = label->palette();
    colours.setColor(QPalette::Window, Qt::white);
    colours.setColor(QPalette::WindowText, ink);
    label->setPalette(colours);
    return label;
}

QComboBox* addList(QWidget* dialog, const QString& name, const QString& help, const QStringList& items)
{
    auto* list = new QComboBox(dialog);
    list->setObjectName(name);
    ControlHelp::attach(list, help);
    list->addItems(items);
    list->setMaxVisibleItems(10);
    return list;
}

} // namespace

void RandomGodDialog::setClock(Clock clock)
{
    s_clock = std::move(clock);
}

RandomGodDialog* RandomGodDialog::open(QPointer<RandomGodDialog>& dialog, QWidget& owner)
{
    if (!dialog) {
        dialog = new RandomGodDialog(owner);
        dialog->move(QRect(0, 0, ScreenScale::width(), ScreenScale::height()).center() - dialog->rect().center());
    }
    bringForward(*dialog);
    return dialog;
}

RandomGodDialog::RandomGodDialog(QWidget& owner)
    : QDialog(owner.window(), Qt::Dialog | Qt::WindowStaysOnTopHint | Qt::MSWindowsFixedSizeDialogHint),
      m_units(QFontMetrics(JapaneseFonts::dialogFont()))
{
    setAttribute(Qt::WA_DeleteOnClose);
    setObjectName(QStringLiteral("RandomGodDialog"));
    // A window manager centres the title itself: the blanks that centred it on Windows would push it out of the bar.
    setWindowTitle(OracleText::title().trimmed());
    setWindowIcon(Pictures::icon(kIconId));
    setFont(JapaneseFonts::dialogFont());
    setFixedSize(m_units.x(kClientUnits.width()), m_units.y(kClientUnits.height()));
    createControls();
    new ContextHelpPopupFilter(this);
    showScreen(Screen::Greeting, kGreetingPicture);
}

BitmapButton* RandomGodDialog::addButton(const QString& name, const QString& help, int pictureId, QPoint placeUnits)
{
    auto* button = new BitmapButton(name, pictureId, this);
    ControlHelp::attach(button, help);
    button->setGeometry(m_units.rect(placeUnits.x(), placeUnits.y(), kButtonUnits.width(), kButtonUnits.height()));
    return button;
}

void RandomGodDialog::createControls()
{
    m_background = new QLabel(this);
    m_background->setObjectName(QStringLiteral("background"));
    ControlHelp::attach(m_background, QStringLiteral("IDC_STATICokotoba"));
    m_background->setGeometry(m_units.rect(-2, 0, 365, 133));

    m_pleaseHelp = addButton(QStringLiteral("pleaseHelpButton"), QStringLiteral("IDC_otasuke"), 158, {290, 95});
    m_pleaseHelp->setAccessibleName(OracleText::pleaseHelpButton());
    connect(m_pleaseHelp, &BitmapButton::clicked, this, &RandomGodDialog::askForHelp);
    m_understood = addButton(QStringLiteral("understoodButton"), QStringLiteral("IDC_wakari"), 157, {226, 95});
    m_understood->setAccessibleName(OracleText::understoodButton());
    connect(m_understood, &BitmapButton::clicked, this, &RandomGodDialog::close);

    const std::array modeNames{QStringLiteral("momentModeButton"), QStringLiteral("birthdayModeButton"),
                               QStringLiteral("colourModeButton"), QStringLiteral("numberModeButton")};
    const std::array modeHelp{QStringLiteral("IDC_all"), QStringLiteral("IDC_tanjobi"), QStringLiteral("IDC_color"),
                              QStringLiteral("IDC_number")};
    for (std::size_t i = 0; i < m_modeButtons.size(); ++i) {
        m_modeButtons[i] = addButton(modeNames[i], modeHelp[i], kFirstModePicture + int(i), {16 + 66 * int(i), 80});
        connect(m_modeButtons[i], &BitmapButton::clicked, this, [this, i] { selectMode(Mode(int(i))); });
    }
    m_ask = addButton(QStringLiteral("askButton"), QStringLiteral("IDC_onegai"), 172, kAskUnits);
    m_ask->setAccessibleName(OracleText::askButton());
    connect(m_ask, &BitmapButton::clicked, this, &RandomGodDialog::askTheGod);
    m_cancel = addButton(QStringLiteral("cancelButton"), HelpText::cancelButtonPopup(), kCancelPicture, kCancelUnits);
    m_cancel->setAccessibleName(OracleText::cancelButton());
    connect(m_cancel, &BitmapButton::clicked, this, &RandomGodDialog::close);

    const QFont answerFont = JapaneseFonts::font(JapaneseFonts::kGothic, m_units.y(19) * 3 / 5, 700);
    for (std::size_t i = 0; i < m_answer.size(); ++i) {
        m_answer[i] = addLabel(this, QStringLiteral("answer%1").arg(i + 1), QStringLiteral("IDC_otugeNo%1").arg(i + 1),
                               m_units.rect(43 + 40 * int(i), 65, 29, 19), PictureArt::kNavy);
        m_answer[i]->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        m_answer[i]->setFont(answerFont);
    }
    createBirthdayLists();
    createColourButtons();
    createLuckyNumber();
}

void RandomGodDialog::createBirthdayLists()
{
    QStringList months;
    for (int month = 1; month <= kMonths; ++month)
        months.append(OracleText::monthItem(month));
    QStringList days;
    for (int day = 1; day <= kDays; ++day)
        days.append(OracleText::dayItem(day));
    m_month = addList(this, QStringLiteral("monthList"), QStringLiteral("IDC_COMBOmon"), months);
    m_day = addList(this, QStringLiteral("dayList"), QStringLiteral("IDC_COMBOday"), days);
    // The lists keep their places; one too narrow for its longest item grows to the right.
    const int height = m_month->sizeHint().height();
    const int monthWidth = qMax(m_units.x(32), m_month->sizeHint().width());
    m_month->setGeometry(m_units.x(85), m_units.y(81), monthWidth, height);
    m_day->setGeometry(qMax(m_units.x(116), m_month->geometry().right() + 2), m_units.y(81),
                       qMax(m_units.x(32), m_day->sizeHint().width()), height);
}

void RandomGodDialog::createColourButtons()
{
    const std::array help{QStringLiteral("IDC_colCha"),   QStringLiteral("IDC_colAka"),
                          QStringLiteral("IDC_colPinku"), QStringLiteral("IDC_colDaidai"),
                          QStringLiteral("IDC_colKi"),    QStringLiteral("IDC_colMidori"),
                          QStringLiteral("IDC_colAo"),    QStringLiteral("IDC_colMurasaki"),
                          QStringLiteral("IDC_colSiro"),  QStringLiteral("IDC_colKuro")};
    for (std::size_t i = 0; i < m_colours.size(); ++i) {
        const int colour = int(i) + 1;
        auto* button = new BitmapButton(QStringLiteral("colourButton%1").arg(colour),
                                        RandomGodPictures::normalColourPicture(colour), this);
        ControlHelp::attach(button, help[i]);
        button->setAccessibleName(OracleText::colourName(colour));
        button->setGeometry(m_units.rect(23 + 23 * int(i), 20, 15, 35));
        button->setCheckable(true);
        button->setAutoExclusive(true);
        connect(button, &BitmapButton::clicked, this, [this, colour] { chooseColour(colour); });
        m_colours[i] = button;
    }
}

void RandomGodDialog::createLuckyNumber()
{
    const std::array places{QStringLiteral("hundreds"), QStringLiteral("tens"), QStringLiteral("ones")};
    const std::array resourcePlaces{QStringLiteral("100"), QStringLiteral("10"), QStringLiteral("1")};
    m_luckyNumber = addLabel(this, QStringLiteral("luckyNumber"), QStringLiteral("IDC_STATICLukkyNum"),
                             m_units.rect(305, 26, 25, 16), kDigitRed);
    // The digit font fills the lucky number's box: its height less a pixel, a third of its width a character.
    QFont digitFont = JapaneseFonts::font(JapaneseFonts::kGothic, m_luckyNumber->height() - 1);
    const int naturalWidth = QFontMetrics(digitFont).horizontalAdvance(QLatin1Char('0'));
    if (naturalWidth > 0)
        digitFont.setStretch(qBound(50, 100 * (m_luckyNumber->width() / 3) / naturalWidth, 200));
    m_luckyNumber->setFont(digitFont);
    for (std::size_t place = 0; place < m_digitLabels.size(); ++place) {
        m_digitLabels[place] = addLabel(this, places[place] + QStringLiteral("Digit"),
                                        QStringLiteral("IDC_LukkyNum") + resourcePlaces[place],
                                        m_units.rect(kDigitLefts[place], 32, 8, 16), kDigitRed);
        m_digitLabels[place]->setFont(digitFont);
        auto* spin = new UpDownControl(Qt::Horizontal, places[place] + QStringLiteral("Spin"), this);
        ControlHelp::attach(spin, QStringLiteral("IDC_SPIN") + resourcePlaces[place]);
        // Beside its digit's box, level with the digit, so that it is plainly the digit's own.
        spin->setGeometry(m_units.rect(kDigitLefts[place] + 21, 34, 15, 11));
        connect(spin, &UpDownControl::stepped, this, [this, place](int delta) { stepDigit(place, delta); });
        m_spins[place] = spin;
    }
}

void RandomGodDialog::askForHelp()
{
    showScreen(Screen::ModeChoice, kModeChoicePicture);
}

void RandomGodDialog::selectMode(Mode mode)
{
    m_mode = mode;
    switch (mode) {
    case Mode::Moment:
        askTheGod();
        return;
    case Mode::Colour:
        chooseColour(0);
        break;
    case Mode::Number:
        m_digits = {};
        showLuckyNumber();
        break;
    case Mode::Birthday:
        break;
    }
    showScreen(Screen::Input, kInputPictures[std::size_t(mode)]);
}

void RandomGodDialog::chooseColour(int colour)
{
    m_colour = colour;
    for (std::size_t i = 0; i < m_colours.size(); ++i) {
        const int buttonColour = int(i) + 1;
        const bool chosen = buttonColour == colour;
        // Unchecking one of an exclusive group takes leaving the group for a moment.
        m_colours[i]->setAutoExclusive(chosen);
        m_colours[i]->setChecked(chosen);
        m_colours[i]->setAutoExclusive(true);
        m_colours[i]->setPicture(chosen ? RandomGodPictures::chosenColourPicture(buttonColour)
                                        : RandomGodPictures::normalColourPicture(buttonColour));
    }
}

void RandomGodDialog::stepDigit(std::size_t place, int delta)
{
    // The spins wrap: up from 9 gives 0, down from 0 gives 9.
    m_digits[place] = ((m_digits[place] + delta) % 10 + 10) % 10;
    showLuckyNumber();
}

void RandomGodDialog::showLuckyNumber()
{
    QString number;
    for (std::size_t place = 0; place < m_digits.size(); ++place) {
        m_digitLabels[place]->setText(QString::number(m_digits[place]));
        number += QString::number(m_digits[place]);
    }
    m_luckyNumber->setText(number);
}

void RandomGodDialog::askTheGod()
{
    const QDateTime now = s_clock ? s_clock() : QDateTime::currentDateTime();
    const QDate today = now.date();
    switch (m_mode) {
    case Mode::Moment:
        showAnswer(Oracle::momentSeed(now));
        break;
    case Mode::Birthday:
        showAnswer(Oracle::birthdaySeed(today, m_month->currentIndex() + 1, m_day->currentIndex() + 1));
        break;
    case Mode::Colour:
        if (const Result<std::uint32_t> seed = Oracle::colourSeed(today, m_colour); seed.ok())
            showAnswer(seed.value());
        else
            MessageService::show(seed.error());
        break;
    case Mode::Number:
        showAnswer(Oracle::numberSeed(today, m_luckyNumber->text().toInt()));
        break;
    }
}

void RandomGodDialog::showAnswer(std::uint32_t seed)
{
    const QList<int> numbers = Oracle::answer(seed);
    for (std::size_t i = 0; i < m_answer.size(); ++i)
        m_answer[i]->setText(QString::number(numbers.at(qsizetype(i))));
    showScreen(Screen::Answer, kAnswerPictures[std::size_t(m_mode)]);
}

void RandomGodDialog::showScreen(Screen screen, int backgroundPicture)
{
    QPixmap background(m_background->size() * devicePixelRatioF());
    background.setDevicePixelRatio(devicePixelRatioF());
    QPainter painter(&background);
    Pictures::paint(painter, QRectF(m_background->rect()), backgroundPicture);
    painter.end();
    m_background->setPixmap(background);

    // Each screen shows its own controls and none of another's.
    const bool input = screen == Screen::Input;
    m_understood->setVisible(screen == Screen::Greeting);
    m_pleaseHelp->setVisible(screen == Screen::Greeting);
    for (BitmapButton* button : m_modeButtons)
        button->setVisible(screen == Screen::ModeChoice);
    for (QLabel* number : m_answer)
        number->setVisible(screen == Screen::Answer);
    m_month->setVisible(input && m_mode == Mode::Birthday);
    m_day->setVisible(input && m_mode == Mode::Birthday);
    for (BitmapButton* button : m_colours)
        button->setVisible(input && m_mode == Mode::Colour);
    const bool number = input && m_mode == Mode::Number;
    for (std::size_t place = 0; place < m_digitLabels.size(); ++place) {
        m_digitLabels[place]->setVisible(number);
        m_spins[place]->setVisible(number);
    }
    m_luckyNumber->setVisible(number);

    // The buttons move to the places the screens' pictures keep free for them.
    QPoint ask = m_units.rect(kAskUnits.x(), kAskUnits.y(), 0, 0).topLeft();
    QPoint cancel = m_units.rect(kCancelUnits.x(), kCancelUnits.y(), 0, 0).topLeft();
    if (input && m_mode == Mode::Colour) {
        ask = scaledPixels(490, 60);
    } else if (number) {
        ask = scaledPixels(505, 90);
        cancel = scaledPixels(505, 140);
    } else if (screen == Screen::Answer) {
        cancel = scaledPixels(260, 140);
    }
    m_ask->move(ask);
    m_ask->setVisible(input);
    m_cancel->move(cancel);
    m_cancel->setPicture(screen == Screen::Answer ? kThanksPicture : kCancelPicture);
    m_cancel->setVisible(screen != Screen::Greeting);
}

QPoint RandomGodDialog::scaledPixels(int x, int y) const
{
    // The screens' pixel places were laid out on a dialog font of 7 × 12 pixels to 4 × 8 units.
    return {x * m_units.x(4) / 7, y * m_units.y(8) / 12};
}

void RandomGodDialog::moveEvent(QMoveEvent* event)
{
    QDialog::moveEvent(event);
    Q_EMIT moved(geometry().topLeft());
}
