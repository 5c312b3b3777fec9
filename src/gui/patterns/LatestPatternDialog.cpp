#include "gui/patterns/LatestPatternDialog.h"

#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QTabBar>

#include "core/patterns/PatternStats.h"
#include "gui/document/CVemoDoc.h"
#include "gui/kit/BitmapButton.h"
#include "gui/kit/CanvasText.h"
#include "gui/kit/ContextHelpPopupFilter.h"
#include "gui/kit/ControlHelp.h"
#include "gui/kit/JapaneseFonts.h"
#include "gui/kit/ModelessWindow.h"
#include "gui/kit/Named.h"
#include "gui/kit/Pictures.h"
#include "gui/kit/ScreenScale.h"
#include "gui/patterns/LatestPatternPictures.h"
#include "gui/patterns/LatestPatternText.h"
#include "gui/patterns/PatternWeightingToggle.h"

namespace {

constexpr int kIconId = 200;
constexpr int kTabStripPicture = 147;
constexpr int kOkPicture = 392;

// COLORREF 0xFFE6E6.
const QColor kBackground(0xe6, 0xe6, 0xff);

// The dialog is laid out in plain pixels: pointing at a label is tested against fixed pixel boxes.
constexpr QSize kClientSize{640, 372};
constexpr std::array kColumnLeft{25, 150, 275, 400, 520};
constexpr int kNumbersPerColumn = 10;
constexpr int kFirstRowTop = 90;
constexpr int kRowPitch = 21;
constexpr int kHitWidth = 20;
constexpr int kHitHeight = 10;

int columnOf(int number)
{
    return (number - 1) / kNumbersPerColumn;
}

int rowOf(int number)
{
    return (number - 1) % kNumbersPerColumn;
}

// The number whose box holds the point, open intervals on every side; 0 between and outside the boxes.
int numberAt(QPoint point)
{
    for (int column = 0; column < int(kColumnLeft.size()); ++column) {
        const int left = kColumnLeft[std::size_t(column)];
        if (point.x() <= left || point.x() >= left + kHitWidth)
            continue;
        for (int row = 0; row < kNumbersPerColumn; ++row) {
            const int number = column * kNumbersPerColumn + row + 1;
            const int top = kFirstRowTop + row * kRowPitch;
            if (number <= kNumberCount && point.y() > top && point.y() < top + kHitHeight)
                return number;
        }
    }
    return 0;
}

// A label covers its box with a pixel to spare around it, and room for the font's descent.
QRect labelRect(int number)
{
    const QPoint box(kColumnLeft[std::size_t(columnOf(number))], kFirstRowTop + rowOf(number) * kRowPitch);
    return {box - QPoint(1, 2), QSize(kHitWidth + 2, kHitHeight + 4)};
}

} // namespace

LatestPatternDialog* LatestPatternDialog::open(const CVemoDoc& doc, CurrentPatternTables& tables, bool weighting,
                                               QWidget& owner)
{
    auto* dialog = new LatestPatternDialog(doc, tables, weighting, owner);
    dialog->move((ScreenScale::width() - dialog->frameGeometry().width()) / 2,
                 (ScreenScale::height() - dialog->frameGeometry().height()) / 2);
    bringForward(*dialog);
    return dialog;
}

QPoint LatestPatternDialog::labelPosition(int number)
{
    return labelRect(number).topLeft();
}

LatestPatternDialog::LatestPatternDialog(const CVemoDoc& doc, CurrentPatternTables& tables, bool weighting,
                                         QWidget& owner)
    : QDialog(owner.window(), Qt::Dialog | Qt::WindowStaysOnTopHint | Qt::MSWindowsFixedSizeDialogHint), m_doc(doc),
      m_tables(tables), m_weighting(weighting)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setObjectName(QStringLiteral("LatestPatternDialog"));
    setWindowIcon(Pictures::icon(kIconId));
    setFont(JapaneseFonts::font(JapaneseFonts::kPGothic, 12));
    QPalette colours = palette();
    colours.setColor(QPalette::Window, kBackground);
    colours.setColor(QPalette::WindowText, Qt::black);
    setPalette(colours);
    setFixedSize(kClientSize);
    setMouseTracking(true);
    createControls();
    installHelp();
    showWeighting(weighting);
}

void LatestPatternDialog::createControls()
{
    m_tabs = named(new QTabBar(this), QStringLiteral("patternTabs"));
    m_tabs->setExpanding(false);
    m_tabs->setDrawBase(false);
    // Padding 1 × 2 around each picture, so that the eight tabs fit side by side. The pictures fill their
    // tabs, so the active one stands higher, in a dark frame, and the others sit lower. With the keyboard's
    // focus its frame is red, where the arrow keys and Ctrl+Tab go.
    m_tabs->setStyleSheet(
        QStringLiteral("QTabBar::tab { width: 70px; height: 17px; padding: 2px 1px; margin-right: 2px;"
                       " border: 1px solid #8c8cb4; border-bottom: none; border-top-left-radius: 3px;"
                       " border-top-right-radius: 3px; background: #d2d2f0; margin-top: 4px; }"
                       "QTabBar::tab:selected { background: #ffffff; border: 2px solid #000080;"
                       " border-bottom: none; margin-top: 0px; }"
                       "QTabBar::tab:selected:focus { border-color: #d00000; }"));
    m_tabs->setIconSize(LatestPatternPictures::kTabSize);
    const QPixmap strip = Pictures::bitmap(kTabStripPicture);
    for (int tab = 0; tab < LatestPatternPictures::kTabCount; ++tab)
        m_tabs->addTab(QIcon(strip.copy(QRect(QPoint(tab * LatestPatternPictures::kTabSize.width(), 0),
                                              LatestPatternPictures::kTabSize))),
                       QString());
    m_tabs->setGeometry(11, 14, 612, 27);
    connect(m_tabs, &QTabBar::currentChanged, this, &LatestPatternDialog::latestPatternRefresh);

    m_caption = named(new QLabel(this), QStringLiteral("captionLine"));
    m_caption->setGeometry(24, 48, 310, 16);
    m_patternLine = named(new QLabel(this), QStringLiteral("patternLine"));
    m_patternLine->setGeometry(340, 48, 280, 16);

    createNumberColumns();

    m_toggle = named(new PatternWeightingToggle(font(), this), QStringLiteral("weightingToggle"));
    m_toggle->setGeometry(388, 314, 110, 44);
    connect(m_toggle, &PatternWeightingToggle::clicked, this, [this] { Q_EMIT weightingRequested(!m_weighting); });

    m_ok = new BitmapButton(QStringLiteral("okButton"), kOkPicture, this);
    m_ok->setGeometry(506, 320, 120, 32);
    m_ok->setDefault(true);
    connect(m_ok, &BitmapButton::clicked, this, &LatestPatternDialog::close);
}

void LatestPatternDialog::createNumberColumns()
{
    for (int column = 0; column < int(m_frames.size()); ++column) {
        // An etched frame only: a styled group box would wash over the label frames drawn beneath it.
        auto* frame = named(new QFrame(this), QStringLiteral("columnFrame%1").arg(column + 1));
        frame->setFrameStyle(QFrame::Box | QFrame::Sunken);
        m_frames[std::size_t(column)] = frame;
        frame->setGeometry(kColumnLeft[std::size_t(column)] - 12, 74, 116, 228);
    }
    for (int number = 1; number <= kNumberCount; ++number) {
        auto* label = named(new QLabel(LatestPatternText::numberLabel(number), this),
                            QStringLiteral("numberLabel%1").arg(number));
        label->setGeometry(labelRect(number));
        label->setAlignment(Qt::AlignCenter);
        // A label passes the pointer's moves on to the dialog, which tests them against the boxes.
        label->setMouseTracking(true);
        m_labels[std::size_t(number - 1)] = label;

        auto* value = named(new QLabel(this), QStringLiteral("patternValue%1").arg(number));
        value->setGeometry(labelRect(number).translated(kHitWidth + 6, 0).adjusted(0, 0, 56, 0));
        m_values[std::size_t(number - 1)] = value;
    }
}

void LatestPatternDialog::installHelp()
{
    new ContextHelpPopupFilter(this);
    ControlHelp::attach(m_ok, LatestPatternText::okHelp());
    ControlHelp::attach(m_tabs, LatestPatternText::tabHelp());
    ControlHelp::attach(m_patternLine, LatestPatternText::patternLineHelp());
    ControlHelp::attach(m_caption, LatestPatternText::captionHelp());
    // The weighting toggle, the column frames and the values show an empty popup.
    ControlHelp::attach(m_toggle, {});
    for (QFrame* frame : m_frames)
        ControlHelp::attach(frame, {});
    for (int number = 1; number <= kNumberCount; ++number) {
        ControlHelp::attach(m_labels[std::size_t(number - 1)], LatestPatternText::numberLabelHelp(number));
        ControlHelp::attach(m_values[std::size_t(number - 1)], {});
    }
}

void LatestPatternDialog::showWeighting(bool on)
{
    m_weighting = on;
    setWindowTitle(LatestPatternText::title(on));
    m_toggle->setWeighting(on);
    // A hidden dialog counts when it shows.
    if (isVisible())
        latestPatternRefresh();
}

void LatestPatternDialog::latestPatternRefresh()
{
    m_tables.updateCurrentPatternTables(m_doc.history(), m_tabs->currentIndex(), CurrentPatternTables::kNoNumber,
                                        m_weighting);
    for (int number = 1; number <= kNumberCount; ++number)
        m_values[std::size_t(number - 1)]->setText(QString::number(m_tables.count(order(), number)));
    m_caption->setText(LatestPatternText::idleCaption());
    m_patternLine->setText(LatestPatternText::idlePatternLine());
    m_highlightedNumber = 0;
    update();
}

void LatestPatternDialog::pointAt(int number)
{
    m_highlightedNumber = number;
    update();
    // The count as it stands; the tables are computed again only for the pattern line.
    m_caption->setText(LatestPatternText::caption(number, m_tables.count(order(), number)));
    m_tables.updateCurrentPatternTables(m_doc.history(), m_tabs->currentIndex(), number, m_weighting);
    m_patternLine->setText(LatestPatternText::patternLine(m_tables.bits()));
}

int LatestPatternDialog::order() const
{
    return m_tabs->currentIndex() + kMinPatternOrder;
}

void LatestPatternDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    latestPatternRefresh();
}

void LatestPatternDialog::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), kBackground);
    if (m_highlightedNumber != 0)
        CanvasText::drawEdge(painter, labelRect(m_highlightedNumber).adjusted(-1, -1, 1, 1), false);
}

void LatestPatternDialog::mouseMoveEvent(QMouseEvent* event)
{
    const int number = numberAt(event->position().toPoint());
    if (number != 0)
        pointAt(number);
    QDialog::mouseMoveEvent(event);
}

void LatestPatternDialog::moveEvent(QMoveEvent* event)
{
    QDialog::moveEvent(event);
    Q_EMIT moved(geometry().topLeft());
}
