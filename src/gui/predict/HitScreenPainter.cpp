#include "gui/predict/HitScreenPainter.h"

#include <QPainter>

#include <algorithm>

#include "core/predict/PredictValueText.h"
#include "core/text/ChanceText.h"
#include "gui/kit/CanvasText.h"
#include "gui/kit/JapaneseFonts.h"
#include "gui/kit/Pictures.h"
#include "gui/kit/ScreenScale.h"
#include "gui/kit/ViewDrawingKit.h"

namespace {

constexpr int kRowCaptions = 269;
constexpr int kPanelLeft = 15;
constexpr int kPanelRight = 272;
constexpr int kChanceLeft = 152;
constexpr int kFirstNoteTop = 553;
constexpr int kScreenRight = 795;
// The narrowest the won line is drawn, in percent of its width, still to be read.
constexpr int kNarrowest = 50;
const QColor kChanceInk(80, 80, 80);
constexpr int kPanelHeight = 105;
constexpr int kLowestPanelTop = 444;
constexpr int kPanelSpacing = 110;
constexpr int kCountLineSpacing = 14;

struct SlotColours {
    QColor text;
    QColor pen;
    QColor brush;
};

const SlotColours& coloursOf(int slot)
{
    static const std::array<SlotColours, PredictText::kDataGodCount> colours{{
        {ViewColors::kRed, ViewColors::kRed, QColor(255, 230, 230)},
        {ViewColors::kGreen, ViewColors::kGreen, QColor(230, 255, 230)},
        {QColor(192, 128, 0), QColor(255, 192, 0), QColor(255, 255, 230)},
        {ViewColors::kBlue, ViewColors::kBlue, QColor(240, 240, 255)},
        {ViewColors::kMagenta, ViewColors::kMagenta, QColor(255, 240, 255)},
    }};
    return colours.at(std::size_t(slot - 1));
}

QPoint at(int x, int y)
{
    return {ScreenScale::x(x), ScreenScale::y(y)};
}

} // namespace

HitScreenPainter::HitScreenPainter(const ViewDrawingKit& kit)
    : m_kit(kit), m_rowCaptions(QRect(at(30, 42), at(80, 96)).size(), QImage::Format_RGB32)
{
    m_rowCaptions.fill(Qt::white);
    QPainter painter(&m_rowCaptions);
    Pictures::paint(painter, m_rowCaptions.rect(), kRowCaptions);
}

int HitScreenPainter::panelTop(int slot)
{
    return kLowestPanelTop - (slot - 1) * kPanelSpacing;
}

int HitScreenPainter::resultWindowLeft()
{
    return kPanelRight + 3;
}

void HitScreenPainter::paint(QPainter& painter, const HitPanels& panels, bool lookAhead) const
{
    for (int slot = 1; slot <= PredictText::kDataGodCount; ++slot)
        paintPanel(painter, slot, panels[std::size_t(slot - 1)]);
    const int noteRight = paintNotes(painter, lookAhead);
    if (!lookAhead)
        paintTicketsWon(painter, panels, noteRight);
}

void HitScreenPainter::paintPanel(QPainter& painter, int slot, const HitPanel& panel) const
{
    const SlotColours& colours = coloursOf(slot);
    const int top = panelTop(slot);
    painter.setPen(QPen(colours.pen, 2));
    painter.setBrush(colours.brush);
    painter.drawRect(QRect(at(kPanelLeft, top), at(kPanelRight, top + kPanelHeight) - QPoint(1, 1)));

    painter.setFont(JapaneseFonts::textFont());
    painter.setPen(colours.text);
    painter.drawText(QRect(at(kPanelLeft, top + 6), at(kPanelRight, top + 22)), Qt::AlignCenter | Qt::TextSingleLine,
                     panel.title);

    painter.setFont(m_kit.text);
    CanvasText::draw(painter, at(20, top + 26), PredictText::hitAverage(panel.statistics), colours.text);

    // The captions are dark on white: AND keeps the panel's colour around them.
    painter.save();
    painter.setCompositionMode(QPainter::RasterOp_SourceAndDestination);
    painter.drawImage(at(30, top + 42), m_rowCaptions);
    painter.restore();

    painter.setFont(m_kit.text);
    const auto& histogram = panel.statistics.hitHistogram();
    for (int line = 0; line < 4; ++line) {
        const int hits = 6 - line;
        const QString count = panel.statistics.hasData() ? PredictText::hitCountLine(histogram[std::size_t(hits - 1)])
                                                         : PredictText::hitCountUnknown();
        CanvasText::draw(painter, at(88, top + 42 + line * kCountLineSpacing), count, colours.text);
    }
    if (panel.statistics.hasData())
        paintChance(painter, top, panel);
}

void HitScreenPainter::paintChance(QPainter& painter, int top, const HitPanel& panel) const
{
    // The chance column starts on the average's line, under its heading.
    CanvasText::draw(painter, at(kChanceLeft, top + 26),
                     ChanceText::heading() + QLatin1Char(' ') + ChanceText::averageBand(panel.chance.average()),
                     kChanceInk);
    for (int line = 0; line < 4; ++line)
        CanvasText::draw(painter, at(kChanceLeft, top + 42 + line * kCountLineSpacing),
                         ChanceText::countBand(panel.chance.records(6 - line)), kChanceInk);
}

int HitScreenPainter::paintNotes(QPainter& painter, bool lookAhead) const
{
    painter.setFont(m_kit.text);
    // One line is all a 768-pixel screen leaves under the panels: that the gods look ahead matters more than
    // what 「偶然なら」 means.
    const QString note = lookAhead ? ChanceText::lookAheadNote() : ChanceText::hitChanceNote();
    CanvasText::draw(painter, at(kPanelLeft, kFirstNoteTop), note, lookAhead ? ViewColors::kRed : kChanceInk);
    return ScreenScale::x(kPanelLeft) + painter.fontMetrics().horizontalAdvance(note);
}

void HitScreenPainter::paintTicketsWon(QPainter& painter, const HitPanels& panels, int noteRight) const
{
    // The rest of that line has room for one: the lowest slot's, in its colour and after its name.
    const auto bought =
        std::find_if(panels.begin(), panels.end(), [](const HitPanel& panel) { return !panel.ticketsWon.isEmpty(); });
    if (bought == panels.end())
        return;
    const int slot = int(bought - panels.begin()) + 1;
    const QString line = bought->title + QStringLiteral("：") + bought->ticketsWon;
    // Narrowed as far as it takes to fit between the note and the screen's edge.
    QFont font = m_kit.text;
    const int room = ScreenScale::x(kScreenRight) - noteRight - ScreenScale::x(8);
    const int width = QFontMetrics(font).horizontalAdvance(line);
    if (width > room)
        font.setStretch(std::max(kNarrowest, room * 100 / width));
    painter.setFont(font);
    const int left = ScreenScale::x(kScreenRight) - painter.fontMetrics().horizontalAdvance(line);
    CanvasText::draw(painter, QPoint(left, ScreenScale::y(kFirstNoteTop)), line, coloursOf(slot).text);
}
