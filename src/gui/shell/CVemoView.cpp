#include "gui/shell/CVemoView.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

#include "core/app/AppearanceCounts.h"
#include "core/text/PredictText.h"
#include "gui/document/CVemoDoc.h"
#include "gui/kit/ArrowKeyPointer.h"
#include "gui/kit/Pictures.h"
#include "gui/kit/ScreenScale.h"
#include "gui/kit/SpinSteps.h"
#include "gui/kit/ViewText.h"
#include "gui/patterns/AppearanceLayout.h"
#include "gui/patterns/AppearanceZoom.h"
#include "gui/patterns/HistoryGraphWindow.h"
#include "gui/patterns/LatestPatternDialog.h"
#include "gui/patterns/PatternGraphLayout.h"
#include "gui/predict/DataGodResultWindow.h"
#include "gui/shell/HitCountScreen.h"
#include "gui/shell/ViewControls.h"

namespace {

constexpr int kHandCursor = 324;

} // namespace

CVemoView::CVemoView(CVemoDoc& doc, const QString& titleSuffix, QWidget* parent)
    : QWidget(parent), m_doc(doc), m_titleSuffix(titleSuffix), m_kit(ViewDrawingKit::forScreen()),
      m_patternPainter(m_kit, m_patternTables), m_appearancePainter(m_kit)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
}

CVemoView::~CVemoView() = default;

void CVemoView::initialUpdate()
{
    m_handCursor = Pictures::cursor(kHandCursor);
    m_state = MainViewState{};

    m_controls = new ViewControls(m_kit.button, *this);
    connect(m_controls, &ViewControls::zoomStepped, this, &CVemoView::onZoomSpin);
    connect(m_controls, &ViewControls::numberStepped, this, &CVemoView::onNumberSpin);
    connect(m_controls, &ViewControls::weightingClicked, this, [this] { setWeighting(!m_state.patternWeighting); });
    m_hitScreen = std::make_unique<HitCountScreen>(m_doc, m_kit, this,
                                                   [this](const QRect& area) { Q_EMIT latestPopupsShown(area); });
    for (int slot = 1; slot <= PredictText::kDataGodCount; ++slot)
        connect(m_hitScreen->resultWindow(slot), &DataGodResultWindow::wheelRequested, this,
                &CVemoView::wheelRequested);
    m_historyGraph = new HistoryGraphWindow(m_doc.history(), m_lastEnteredPrediction, this);
    m_historyGraph->hide();
    followDocument();

    m_state.currentNumber = 1;
    const PatternStats::PatternScales scales =
        PatternStats::computePatternScales(m_doc.history().readHitString(1), ScreenScale::height());
    m_state.patternScale = scales.plain;
    m_state.patternScaleWeighted = scales.weighted;
    enter(Screen::Pattern);
}

// The screens follow the document, whichever window changed it.
void CVemoView::followDocument()
{
    connect(&m_doc, &CVemoDoc::historyChanged, this, [this](const QString& note) {
        refreshAfterHistoryEdit();
        if (!note.isEmpty())
            Q_EMIT historyEditNoted(note);
    });
    // Hits are counted against the registrants and predictions as they are now.
    connect(&m_doc, &CVemoDoc::registrantsChanged, this, &CVemoView::markResultPopupsPending);
    connect(&m_doc, &CVemoDoc::predictionsChanged, this, &CVemoView::markResultPopupsPending);
}

void CVemoView::enter(Screen screen)
{
    const bool hitScreen = displayModeOf(screen) == DisplayMode::HitCount;
    if (!hitScreen) {
        // The result windows and their popups belong to the hit-count screen alone.
        m_hitScreen->hideResultWindows();
        destroyLatestPopups();
    }
    if (screen != Screen::HistoryGraph)
        m_historyGraph->hide();
    if (screen != Screen::Pattern)
        m_controls->hideAll();
    m_state.screen = screen;
    m_state.displayMode = displayModeOf(screen);
    if (screen == Screen::Pattern) {
        m_state.hoverX = 0;
        m_controls->showPatternControls();
        updateLastDrawMenu();
    }
    repaintAll();
}

void CVemoView::showPatternGraph()
{
    window()->setWindowTitle(weightingTitle());
    m_state.dataGodMode = false;
    m_state.currentNumber = 1;
    enter(Screen::Pattern);
}

void CVemoView::showAppearanceScreen()
{
    window()->setWindowTitle(weightingTitle());
    // A partner left from an earlier visit would be marked over counts taken without it.
    m_state.partnerNumber = 0;
    const std::array<int, kNumberCount> counts = appearanceCounts(m_doc.history(), 0);
    const int tallest = *std::max_element(counts.cbegin(), counts.cend());
    const AppearanceZoom zoom = AppearanceZoom::opening(tallest);
    m_state.appearanceScale = zoom.scale;
    m_state.appearanceStep = zoom.step;
    m_state.dataGodMode = false;
    enter(Screen::Appearance);
    showAppearance(0);
}

void CVemoView::showHistoryGraph()
{
    m_state.dataGodMode = false;
    window()->setWindowTitle(weightingTitle());
    m_lastEnteredPrediction.entered = false;
    enter(Screen::HistoryGraph);
    m_historyGraph->showGraph();
}

void CVemoView::showHistoryGraphAt(int draw)
{
    enter(Screen::HistoryGraph);
    m_historyGraph->showDraw(draw);
}

void CVemoView::showEnteredPrediction(int draw, const QList<int>& numbers)
{
    m_lastEnteredPrediction = {true, draw, numbers};
    showHistoryGraphAt(draw);
}

void CVemoView::showHitCountScreen()
{
    markResultPopupsPending();
    m_state.dataGodMode = false;
    enter(Screen::HitCount);
}

void CVemoView::markResultPopupsPending()
{
    m_state.resultPopupsPending = true;
}

void CVemoView::destroyLatestPopups()
{
    m_hitScreen->destroyLatestPopups();
}

void CVemoView::resetResultCharts()
{
    m_hitScreen->resetResultCharts();
}

void CVemoView::updateLastDrawMenu()
{
    Q_EMIT drawCountShown(m_doc.history().drawCount());
}

void CVemoView::refreshAfterHistoryEdit()
{
    updateLastDrawMenu();
    if (m_state.displayMode == DisplayMode::Appearance)
        m_state.appearanceCount = appearanceCounts(m_doc.history(), m_state.partnerNumber);
    if (m_historyGraph->isVisible())
        m_historyGraph->showGraph();
    // Hits are counted against the history that just changed.
    markResultPopupsPending();
    repaintAll();
}

void CVemoView::showAppearance(int partner)
{
    m_state.appearanceCount = appearanceCounts(m_doc.history(), partner);
    m_state.displayMode = DisplayMode::Appearance;
    invalidate(lowerArea(), true);
    if (m_state.appearanceScreenActive())
        m_controls->showZoomSpin();
}

QString CVemoView::weightingTitle() const
{
    return ViewText::weightingTitle(m_state.patternWeighting, m_titleSuffix);
}

void CVemoView::paintEvent(QPaintEvent* event)
{
    m_canvas.redraw([this](QPainter& painter) { onDraw(painter); });
    QPainter painter(this);
    painter.drawImage(event->rect(), m_canvas.image(), event->rect());
}

void CVemoView::resizeEvent(QResizeEvent*)
{
    m_canvas.resize(size());
}

void CVemoView::onDraw(QPainter& painter)
{
    switch (m_state.displayMode) {
    case DisplayMode::Pattern:
        paintPatternGraph(painter, m_state.hoverX);
        return;
    case DisplayMode::Appearance:
        m_appearancePainter.paint(painter, {m_state.appearanceCount, m_state.partnerNumber, m_state.appearanceScale,
                                            m_state.appearanceStep, m_doc.history().drawCount(),
                                            DrawUniformity::of(m_doc.history())});
        return;
    case DisplayMode::HitCount:
        m_hitScreen->paint(painter);
        return;
    case DisplayMode::HistoryGraph: // the history-graph window covers the view
    case DisplayMode::Nothing:
        return;
    }
}

void CVemoView::paintPatternGraph(QPainter& painter, int hoverX)
{
    const QByteArray hits = m_doc.history().readHitString(m_state.currentNumber);
    m_patternPainter.paint(painter, {hits, m_state.currentNumber, m_state.patternGraphMode,
                                     m_state.activePatternScale(), m_state.patternWeighting, hoverX});
}

void CVemoView::applyWeighting(bool on)
{
    m_state.patternWeighting = on;
    m_controls->showWeighting(on);
    Q_EMIT weightingChanged(on);
    if (m_latestPattern)
        m_latestPattern->showWeighting(on);
}

LatestPatternDialog* CVemoView::latestPattern() const
{
    return m_latestPattern;
}

void CVemoView::openLatestPattern(bool weighting)
{
    if (m_latestPattern) {
        m_latestPattern->raise();
        return;
    }
    m_latestPattern = LatestPatternDialog::open(m_doc, m_patternTables, weighting, *this);
    connect(m_latestPattern, &LatestPatternDialog::weightingRequested, this, &CVemoView::setWeighting);
    connect(m_latestPattern, &LatestPatternDialog::moved, this, &CVemoView::dialogMoved);
    applyWeighting(weighting);
    dialogMoved(m_latestPattern->geometry().topLeft());
}

void CVemoView::setWeighting(bool on)
{
    applyWeighting(on);
    window()->setWindowTitle(weightingTitle());
    if (m_state.patternScreenActive()) {
        m_state.displayMode = DisplayMode::Pattern;
        m_state.hoverX = 0;
        repaintAll();
    }
}

void CVemoView::onNumberSpin(int delta)
{
    m_state.spinNumber = SpinSteps::nextNumber(m_state.spinNumber, delta);
    m_state.currentNumber = m_state.spinNumber;
    enter(Screen::Pattern);
}

void CVemoView::onZoomSpin(int delta)
{
    if (m_state.patternScreenActive()) {
        int& scale = m_state.activePatternScale();
        scale = SpinSteps::patternScale(scale, delta, m_state.appearanceStep);
        m_state.displayMode = DisplayMode::Pattern;
        m_state.hoverX = 0;
        invalidate(lowerArea(), true);
    } else if (m_state.appearanceScreenActive()) {
        const AppearanceZoom zoom = AppearanceZoom{m_state.appearanceScale, m_state.appearanceStep}.stepped(delta);
        m_state.appearanceScale = zoom.scale;
        m_state.appearanceStep = zoom.step;
        m_state.displayMode = DisplayMode::Appearance;
        invalidate(lowerArea(), true);
    }
}

void CVemoView::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint point = event->position().toPoint();
    if (m_state.patternScreenActive()) {
        movePatternPointer(point);
    } else if (m_state.appearanceScreenActive()) {
        const QRect row(QPoint(0, ScreenScale::y(520)), QPoint(width(), ScreenScale::y(545)));
        drawNow(row, [&](QPainter& painter) { m_appearancePainter.hoverNumberRow(painter, point.x(), point.y()); });
    }
}

void CVemoView::dialogMoved(const QPoint& globalPos)
{
    if (m_state.patternScreenActive())
        movePatternPointer(mapFromGlobal(globalPos));
}

void CVemoView::movePatternPointer(QPoint point)
{
    const int x = point.x();
    const int y = point.y();
    if (x <= ScreenScale::x(30) || x >= ScreenScale::width()) {
        unsetCursor();
        return;
    }
    if (0 < y && y < ScreenScale::y(21)) {
        drawNow(QRect(0, 0, width(), ScreenScale::y(21)),
                [&](QPainter& painter) { m_patternPainter.paintPageLabels(painter, point); });
    }
    if (y <= ScreenScale::height() / 30 || y >= ScreenScale::y(525)) {
        unsetCursor();
        return;
    }
    setCursor(m_handCursor);
    invalidate(QRect(QPoint(ScreenScale::x(21), ScreenScale::y(525)), QPoint(width(), height())), false);
    if (m_state.patternGraphMode == 7) {
        const QString title = ViewText::pageTitle(7, PatternGraphLayout::pointedOrder(x));
        drawNow(ScreenScale::rect(355, 1, 423, 19),
                [&](QPainter& painter) { m_patternPainter.paintTitleBox(painter, title); });
    }
    if (PatternGraphLayout::isBarColour(m_canvas.pixel(point))) {
        m_state.displayMode = DisplayMode::Pattern;
        m_state.hoverX = x;
        invalidate(lowerArea(), false);
    }
}

void CVemoView::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    const QPoint point = event->position().toPoint();
    if (m_state.patternScreenActive() && m_state.currentNumber != 0)
        clickPatternGraph(point);
    else if (m_state.appearanceScreenActive())
        clickAppearanceScreen(point);
}

void CVemoView::clickPatternGraph(QPoint point)
{
    const int page = PatternGraphLayout::pageAt(point.x(), point.y());
    if (page == 0)
        return;
    m_state.patternGraphMode = page;
    m_state.displayMode = DisplayMode::Pattern;
    m_state.hoverX = 0;
    repaintAll();
}

void CVemoView::clickAppearanceScreen(QPoint point)
{
    if (AppearanceLayout::inChart(point))
        m_state.partnerNumber = 0;
    if (AppearanceLayout::inNumberRow(point.y())) {
        if (const int picked = AppearanceLayout::pickedNumber(point.x()))
            m_state.partnerNumber = picked;
    }
    showAppearance(m_state.partnerNumber);
}

void CVemoView::keyPressEvent(QKeyEvent* event)
{
    // The graph lies over the view, which keeps the keyboard.
    if (m_historyGraph->isVisible() && m_historyGraph->scrollByKey(event->key()))
        return;
    ArrowKeyPointer::move(*event);
    QWidget::keyPressEvent(event);
}

void CVemoView::invalidate(const QRect& area, bool erase)
{
    m_canvas.invalidate(area, erase);
    // What the hit-count screen shows is settled when it is to be drawn again, so that its paint only paints.
    if (m_state.displayMode == DisplayMode::HitCount) {
        m_hitScreen->settle(m_state);
        // The result windows placed, the latest-pattern dialog stays in front of them.
        if (m_latestPattern)
            m_latestPattern->raise();
    }
    update(area);
}

void CVemoView::repaintAll()
{
    invalidate(rect(), true);
}

void CVemoView::drawNow(const QRect& area, const std::function<void(QPainter&)>& draw)
{
    m_canvas.drawNow(draw);
    update(area);
}

QRect CVemoView::lowerArea() const
{
    return QRect(QPoint(0, ScreenScale::y(23)), QPoint(ScreenScale::width(), ScreenScale::height()));
}
