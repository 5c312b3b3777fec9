#include <QImage>
#include <QPainter>
#include <QScrollBar>
#include <QTest>

#include <algorithm>
#include <memory>

#include "TestHistory.h"
#include "core/app/AppearanceCounts.h"
#include "core/patterns/PatternStats.h"
#include "core/predict/DataGodFiles.h"
#include "core/predict/PredictionRecord.h"
#include "core/store/DrawHistory.h"
#include "gui/document/CVemoDoc.h"
#include "gui/entry/DataEntryDialog.h"
#include "gui/kit/BrowserRoom.h"
#include "gui/kit/JapaneseFonts.h"
#include "gui/kit/KeptCanvas.h"
#include "gui/kit/ScreenScale.h"
#include "gui/kit/ViewDrawingKit.h"
#include "gui/patterns/AppearanceScreenPainter.h"
#include "gui/patterns/HistoryGraphPainter.h"
#include "gui/patterns/PatternGraphLayout.h"
#include "gui/patterns/PatternGraphPainter.h"
#include "gui/predict/DataGodResultWindow.h"
#include "gui/shell/HitCountScreen.h"
#include "gui/shell/MainViewState.h"

// The main view's screens painted as the view paints them, at 1920 × 1080, from the history in memory.
class BenchScreens : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void patternGraph_data();
    void patternGraph();
    void patternHover_data();
    void patternHover();
    void appearanceScreen_data();
    void appearanceScreen();
    void dataEntryStart();
    void historyGraph_data();
    void historyGraph();
    void hitCountScreen_data();
    void hitCountScreen();

private:
    void addDrawCounts();
    const DrawHistory& history(int draws);

    std::unique_ptr<TestInstall> m_installs[2];
    std::unique_ptr<DrawHistory> m_histories[2];
};

void BenchScreens::initTestCase()
{
    ScreenScale::setScreenSize(QSize(1920, 1080));
    JapaneseFonts::installSubstitutions();
}

void BenchScreens::addDrawCounts()
{
    QTest::addColumn<int>("draws");
    QTest::addColumn<int>("page");
    for (const int draws : {1853, 9998}) {
        for (const int page : PatternGraphLayout::kPages)
            QTest::addRow("%d draws, page %d", draws, page) << draws << page;
    }
}

const DrawHistory& BenchScreens::history(int draws)
{
    const int slot = draws > 2000 ? 1 : 0;
    if (!m_histories[slot]) {
        m_installs[slot] = std::make_unique<TestInstall>(TestHistory::randomLines(draws, 11));
        m_histories[slot] = std::move(DrawHistory::open(m_installs[slot]->paths().historyFile())).value();
    }
    return *m_histories[slot];
}

namespace {

// What both pattern-graph benchmarks paint with: a full-HD picture and the view's drawing kit.
struct PatternCanvas {
    ViewDrawingKit kit = ViewDrawingKit::forScreen();
    CurrentPatternTables tables;
    PatternGraphPainter painter{kit, tables};
    QImage image{1920, 1080, QImage::Format_RGB32};
};

} // namespace

void BenchScreens::patternGraph_data()
{
    addDrawCounts();
}

void BenchScreens::patternGraph()
{
    QFETCH(int, draws);
    QFETCH(int, page);
    const DrawHistory& h = history(draws);
    PatternCanvas canvas;
    const int scale = PatternStats::computePatternScales(h.readHitString(1), 1080).plain;
    QBENCHMARK {
        canvas.image.fill(Qt::white);
        QPainter p(&canvas.image);
        const QByteArray hits = h.readHitString(7);
        canvas.painter.paint(p, {hits, 7, page, scale, true, 0});
    }
}

void BenchScreens::patternHover_data()
{
    addDrawCounts();
}

void BenchScreens::patternHover()
{
    QFETCH(int, draws);
    QFETCH(int, page);
    const DrawHistory& h = history(draws);
    PatternCanvas canvas;
    canvas.image.fill(Qt::white);
    const BarGroup& group = PatternGraphLayout::groups(page).back();
    int slot = 0;
    // What the view redraws when the pointer reaches a bar: the area below the heading, without erasing.
    const QRect lower(0, ScreenScale::y(23), 1920, 1080 - ScreenScale::y(23));
    QBENCHMARK {
        slot = (slot + 1) % group.patternCount;
        QPainter p(&canvas.image);
        p.setClipRect(lower);
        const QByteArray hits = h.readHitString(7);
        canvas.painter.paint(p, {hits, 7, page, 20, false, ScreenScale::x(group.slotX(slot))});
    }
}

void BenchScreens::appearanceScreen_data()
{
    QTest::addColumn<int>("draws");
    QTest::addColumn<int>("partner");
    for (const int draws : {1853, 9998}) {
        QTest::addRow("%d draws, alone", draws) << draws << 0;
        QTest::addRow("%d draws, with a partner", draws) << draws << 12;
    }
}

void BenchScreens::appearanceScreen()
{
    QFETCH(int, draws);
    QFETCH(int, partner);
    const DrawHistory& h = history(draws);
    const ViewDrawingKit kit = ViewDrawingKit::forScreen();
    const AppearanceScreenPainter painter(kit);
    QImage image(1920, 1080, QImage::Format_RGB32);
    // A click counts again and paints the whole screen.
    QBENCHMARK {
        image.fill(Qt::white);
        QPainter p(&image);
        painter.paint(p, {appearanceCounts(h, partner), partner, 1, 37, h.drawCount(), DrawUniformity::of(h)});
        painter.hoverNumberRow(p, ScreenScale::x(240), ScreenScale::y(534));
    }
}

void BenchScreens::historyGraph_data()
{
    QTest::addColumn<bool>("scroll");
    QTest::addRow("9998 draws, full paint") << false;
    QTest::addRow("9998 draws, page scroll") << true;
}

void BenchScreens::historyGraph()
{
    QFETCH(bool, scroll);
    const DrawHistory& h = history(9998);
    const HistoryGraphPainter painter;
    // The graph lies over the view, below the menu bar; its last page holds the prediction for the coming draw.
    const QSize window(1920, 1080 - ScreenScale::y(23));
    const int last = HistoryGraphScroll::lastPosition(h.drawCount());
    const HistoryGraphPreview preview{h.drawCount() + 1, {3, 11, 19, 27, 35, 42}};
    KeptCanvas canvas;
    canvas.resize(window);
    int firstColumn = last;
    QBENCHMARK {
        // A page step moves ten columns; the window then redraws the plot right of the captions.
        firstColumn = scroll && firstColumn == last ? last - 10 : last;
        const HistoryGraphLayout layout = HistoryGraphLayout::forHeight(window.height(), firstColumn);
        if (scroll)
            canvas.invalidate(layout.scrolledArea(window.width()), true);
        else
            canvas.invalidateAll();
        canvas.redraw([&](QPainter& p) { painter.paint(p, {h, layout, preview, window.width()}); });
    }
}

void BenchScreens::dataEntryStart()
{
    // The largest history, and a registrant who predicted every draw of it.
    constexpr int kDraws = 9998;
    TestInstall install(TestHistory::randomLines(kDraws, 11));
    QByteArray records;
    for (int draw = 1; draw <= kDraws; ++draw)
        records += QByteArray::number(draw).rightJustified(4, '0') + "01030511192742";
    TestHistory::writeFile(install.paths().registrantFile(1, QStringLiteral("bench")), records);
    auto doc = CVemoDoc::open(install.paths().root());
    QVERIFY(doc.ok());
    // Opening the dialog: its controls, then start-up steps 1 … 9 over the history and the file.
    // No browser starts here, so the main window never has to make way.
    struct StayingRoom final : BrowserRoom {
        void makeWayForBrowser() override {}
        void restoreFullScreen() override {}
    } room;
    SelectionHandOver handOver;
    QBENCHMARK {
        DataEntryDialog dialog(*doc.value(), room, handOver);
    }
}

void BenchScreens::hitCountScreen_data()
{
    QTest::addColumn<QString>("what");
    QTest::addRow("9998 draws, 13 numbers, recount") << QStringLiteral("recount");
    QTest::addRow("9998 draws, 13 numbers, repaint") << QStringLiteral("repaint");
    QTest::addRow("9998 draws, 13 numbers, chart scroll") << QStringLiteral("scroll");
}

void BenchScreens::hitCountScreen()
{
    QFETCH(QString, what);
    // The five gods' files of 13 numbers for every draw from 100 to the coming one.
    constexpr int kDraws = 9998;
    constexpr int kCount = 13;
    TestInstall install(TestHistory::randomLines(kDraws, 11));
    DataGodFiles::GodContents contents;
    for (std::size_t god = 0; god < contents.size(); ++god) {
        for (int draw = 100; draw <= kDraws + 1; ++draw) {
            PredictionRecord record{draw, 1, {}};
            for (int i = 0; i < kCount; ++i)
                record.numbers.append(1 + (draw * 7 + i * 3 + int(god)) % 43);
            std::sort(record.numbers.begin(), record.numbers.end());
            record.numbers.erase(std::unique(record.numbers.begin(), record.numbers.end()), record.numbers.end());
            while (record.numbers.size() < kCount)
                record.numbers.append(PredictionRecord::kEmptySlot);
            contents[god] += record.encode();
        }
    }
    QVERIFY(!DataGodFiles::write(install.paths(), kCount, contents));
    auto doc = CVemoDoc::open(install.paths().root());
    QVERIFY(doc.ok());
    const ViewDrawingKit kit = ViewDrawingKit::forScreen();
    QWidget view;
    view.resize(1920, 1080);
    HitCountScreen screen(*doc.value(), kit, &view, [](const QRect&) {});
    MainViewState state;
    state.dataGodMode = true;
    state.predictionCount = kCount;
    QImage image(1920, 1080, QImage::Format_RGB32);
    const auto paintScreen = [&] {
        image.fill(Qt::white);
        QPainter p(&image);
        screen.settle(state);
        screen.paint(p);
    };
    paintScreen();
    DataGodResultWindow* chart = screen.resultWindow(5);
    QImage chartImage(chart->size(), QImage::Format_RGB32);
    QBENCHMARK {
        if (what == QStringLiteral("scroll")) {
            // A page to the left and back, each drawn as the window draws it.
            chart->scrollBar()->triggerAction(QAbstractSlider::SliderPageStepSub);
            chart->render(&chartImage);
            chart->scrollBar()->triggerAction(QAbstractSlider::SliderPageStepAdd);
            chart->render(&chartImage);
        } else {
            state.resultPopupsPending = what == QStringLiteral("recount");
            paintScreen();
            for (int slot = 1; slot <= 5; ++slot)
                screen.resultWindow(slot)->render(&chartImage);
        }
    }
}

QTEST_MAIN(BenchScreens)
#include "bench_screens.moc"
