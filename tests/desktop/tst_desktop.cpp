#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QPointer>
#include <QProcess>
#include <QScreen>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <functional>
#include <memory>

#include "GuiSuite.h"
#include "TestPixels.h"
#include "core/store/InstallLocator.h"
#include "core/store/PathSettings.h"
#include "gui/entry/BrowserText.h"
#include "gui/entry/DataEntryDialog.h"
#include "gui/entry/NumberCard.h"
#include "gui/kit/HelpWindow.h"
#include "gui/kit/ScreenScale.h"
#include "gui/oracle/RandomGodDialog.h"
#include "gui/patterns/LatestPatternDialog.h"
#include "gui/predict/BacktestWindow.h"
#include "gui/predict/LatestPredictionPopup.h"
#include "gui/shell/CMainFrame.h"
#include "gui/shell/COpeningWnd.h"
#include "gui/shell/CVemoView.h"
#include "gui/shell/HitCountFlow.h"
#include "gui/shell/MainCommands.h"
#include "gui/shell/MainMenu.h"
#include "gui/wheel/WheelWindow.h"

using namespace std::chrono_literals;

// A window manager on a busy machine may take seconds to stack and focus a window: every check waits for it up
// to half a minute, and passes as soon as it holds.
#undef QTRY_VERIFY
#define QTRY_VERIFY(expr) QTRY_VERIFY_WITH_TIMEOUT((expr), 30000)
#undef QTRY_COMPARE
#define QTRY_COMPARE(expr, expected) QTRY_COMPARE_WITH_TIMEOUT((expr), expected, 30000)

namespace {

// What the X server says, through xdotool: the window with the focus, the top window under a point.
QString xdotool(const QStringList& arguments)
{
    QProcess process;
    process.start(QStringLiteral("xdotool"), arguments);
    if (!process.waitForFinished(10000) || process.exitCode() != 0)
        return QString();
    return QString::fromLatin1(process.readAllStandardOutput()).trimmed();
}

WId focusedWindow()
{
    return xdotool({QStringLiteral("getwindowfocus")}).toULongLong();
}

// Whether window is the top window under the pointer at a point of the screen. xdotool names the window
// manager's frame there, which holds the program's window, directly or inside a window of its own.
bool onTopAt(const QWidget* window, QPoint global)
{
    // A move to where the pointer is already would wait for ever.
    xdotool({QStringLiteral("mousemove"), QString::number(global.x() + 1), QString::number(global.y() + 1)});
    const QString location =
        xdotool({QStringLiteral("mousemove"), QStringLiteral("--sync"), QString::number(global.x()),
                 QString::number(global.y()), QStringLiteral("getmouselocation"), QStringLiteral("--shell")});
    const QStringList lines = location.split(QLatin1Char('\n'));
    const auto frameLine = std::find_if(lines.cbegin(), lines.cend(),
                                        [](const QString& line) { return line.startsWith(QStringLiteral("WINDOW=")); });
    if (frameLine == lines.cend())
        return false;
    const WId frame = frameLine->mid(7).toULongLong();
    if (frame == window->winId())
        return true;
    QProcess children;
    children.start(QStringLiteral("xwininfo"),
                   {QStringLiteral("-tree"), QStringLiteral("-id"), QString::number(frame)});
    if (!children.waitForFinished(10000))
        return false;
    const QString wanted = QStringLiteral("0x%1 ").arg(window->winId(), 0, 16);
    return QString::fromUtf8(children.readAllStandardOutput()).contains(QLatin1Char(' ') + wanted);
}

// Whether the window manager stacks window above every other window it manages.
bool isTopClient(const QWidget* window)
{
    QProcess stacking;
    stacking.start(QStringLiteral("xprop"), {QStringLiteral("-root"), QStringLiteral("_NET_CLIENT_LIST_STACKING")});
    if (!stacking.waitForFinished(10000))
        return false;
    const QString list = QString::fromLatin1(stacking.readAllStandardOutput()).trimmed();
    return list.endsWith(QStringLiteral("0x%1").arg(window->winId(), 0, 16));
}

// The result popups of the hit-count screen that are up.
QList<QWidget*> resultPopups(const QWidget* frame)
{
    QList<QWidget*> popups;
    for (LatestPredictionPopup* popup : frame->findChildren<LatestPredictionPopup*>()) {
        if (popup->isVisible())
            popups.append(popup);
    }
    return popups;
}

// A click as the player's: the pointer goes there first, and the program sees it arrive before the button.
void clickAt(QPoint global)
{
    xdotool({QStringLiteral("mousemove"), QStringLiteral("--sync"), QString::number(global.x()),
             QString::number(global.y())});
    QTest::qWait(200);
    xdotool({QStringLiteral("click"), QStringLiteral("1")});
}

// The foot of the menu bar and the title line under it, which no window is to cover.
int headerBottom(const CMainFrame* frame)
{
    const auto* line = frame->findChild<QLabel*>(QStringLiteral("titleLine"));
    return line ? line->mapToGlobal(QPoint(0, line->height())).y() : frame->height();
}

// The window of that class the frame holds, while it shows.
template <typename Window>
Window* shownWindow(const QWidget* frame)
{
    for (Window* window : frame->findChildren<Window*>())
        if (window->isVisible())
            return window;
    return nullptr;
}

void pressKeys(const QString& keys)
{
    xdotool({QStringLiteral("key"), QStringLiteral("--clearmodifiers"), keys});
}

// Runs work on the next modal window of that class once it is up, while the command that opened it waits
// for it. It watches without an event loop of its own, so that watches for several windows may be set at once.
template <typename Window>
void whenModalShows(QObject* owner, std::function<void(Window*)> work)
{
    auto* watch = new QTimer(owner);
    QObject::connect(watch, &QTimer::timeout, owner, [watch, work = std::move(work)] {
        auto* window = qobject_cast<Window*>(QApplication::activeModalWidget());
        if (!window || !window->isVisible())
            return;
        watch->stop();
        watch->deleteLater();
        work(window);
        if (window->isVisible())
            window->reject();
    });
    watch->start(50ms);
}

} // namespace

/**
 * The program on an X screen with a window manager, as on a player's desktop: boxes open above the
 * dialog they come from and take the focus, the opening window is seen over the main window, which
 * then has the focus, the menu bar's own mnemonics open their windows, the windows stay above the main
 * window and below its menu bar and title line, the backtest window beside the gods' popups, and a browser
 * that fails brings the main window back with the reason. Run under tools/under-window-manager.sh.
 */
class TestDesktop : public GuiSuite {
    Q_OBJECT

public:
    // The boxes themselves, as the window manager stacks them.
    TestDesktop() : GuiSuite(Unqueued::Shown) {}

private Q_SLOTS:
    void initTestCase();
    void cleanup();
    void openingWindowIsSeenAboveTheMainWindow();
    void boxesOpenAboveTheirDialogWithTheFocus();
    void menuMnemonicsOpenTheirWindows();
    void backtestWindowStaysAboveTheMainWindow();
    void titleLineShowsTheDataGodSettings();
    void windowsStayAboveTheMainWindowBelowTheMenuBar();
    void wheelFromTheNumberCardOpensAboveIt();
    void failingBrowserBringsTheMainWindowBack();
    void secondStartBringsTheFirstForward();

private:
    void startWithoutBrowser();
    /** Checks the next message box once it is up. */
    void whenBoxShows();
    void expectOnTopWithTheFocus(QWidget* box);

    std::unique_ptr<QObject> m_watches;
    int m_boxesChecked = 0;
};

void TestDesktop::initTestCase()
{
    QVERIFY2(QGuiApplication::platformName() == QStringLiteral("xcb"), "run under tools/under-window-manager.sh");
    QVERIFY2(!xdotool({QStringLiteral("getdisplaygeometry")}).isEmpty(), "xdotool is missing or cannot reach X");
}

void TestDesktop::cleanup()
{
    m_watches.reset();
    m_boxesChecked = 0;
    stopProgram();
}

void TestDesktop::startWithoutBrowser()
{
    const PathSettings noBrowser{QStringLiteral("/no/such/browser"), QStringLiteral("https://example.com/vemo6")};
    const InstallPaths& paths = makeInstall(TestHistory::randomLines(300, 7));
    QVERIFY(!noBrowser.writePathData(paths.pathDataFile()));
    // The manual, as the bundled sample has it.
    const QDir manual(InstallLocator::bundledSampleFolder() + QStringLiteral("/Help"));
    QVERIFY(QDir(paths.root()).mkdir(QStringLiteral("Help")));
    for (const QString& page : manual.entryList(QDir::Files))
        QVERIFY(QFile::copy(manual.filePath(page), paths.root() + QStringLiteral("/Help/") + page));
    QVERIFY(startProgram());
    m_watches = std::make_unique<QObject>();
}

void TestDesktop::expectOnTopWithTheFocus(QWidget* box)
{
    QVERIFY(QTest::qWaitForWindowExposed(box));
    QTRY_COMPARE(focusedWindow(), box->winId());
    // The top of the window manager's stacking: what is under the pointer can be a frame that xwininfo does not
    // show holding the box.
    QVERIFY(isTopClient(box));
    // Answered as the player would, with a key on the box that has the focus.
    pressKeys(QStringLiteral("Escape"));
    QTRY_VERIFY(!box->isVisible());
    ++m_boxesChecked;
}

void TestDesktop::whenBoxShows()
{
    whenModalShows<QMessageBox>(m_watches.get(), [this](QMessageBox* box) { expectOnTopWithTheFocus(box); });
}

void TestDesktop::openingWindowIsSeenAboveTheMainWindow()
{
    COpeningWnd::setDisplayTime(2s);
    // Halfway through its time, the screen shows the opening window, on top.
    QImage seen;
    bool onTop = false;
    QImage picture;
    QTimer::singleShot(1s, qApp, [&] {
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (qobject_cast<COpeningWnd*>(window) && window->isVisible()) {
                picture = TestPixels::grabOf(window);
                onTop = onTopAt(window, QPoint(ScreenScale::width() / 2, ScreenScale::height() * 3 / 4));
            }
        }
        seen = QGuiApplication::primaryScreen()->grabWindow(0).toImage().convertToFormat(QImage::Format_RGB32);
    });
    startWithoutBrowser();
    COpeningWnd::setDisplayTime(10ms);
    QVERIFY(!picture.isNull());
    QVERIFY(onTop);
    // The lower half holds neither the animations nor the date.
    const QRect lowerHalf = ScreenScale::rect(0, 300, 800, 600);
    QCOMPARE(seen.copy(lowerHalf), picture.copy(lowerHalf));
    // Then the main window has the focus.
    QTRY_COMPARE(focusedWindow(), frame()->winId());
}

void TestDesktop::boxesOpenAboveTheirDialogWithTheFocus()
{
    startWithoutBrowser();
    // Without a registrant the data-entry command first offers to register one: declined. Then in the dialog,
    // five numbers refused, and 宝くじHP with a browser that does not start.
    whenBoxShows();
    whenModalShows<DataEntryDialog>(m_watches.get(), [this](DataEntryDialog* dialog) {
        QVERIFY(QTest::qWaitForWindowActive(dialog));
        for (int n = 1; n <= 5; ++n)
            control<QCheckBox>(dialog, QStringLiteral("numberBox%1").arg(n))->setChecked(true);
        whenBoxShows();
        control<QAbstractButton>(dialog, "appendButton")->click();
        whenBoxShows();
        control<QAbstractButton>(dialog, "homePageButton")->click();
    });
    QVERIFY(m_program->choose(MenuCommand::DataEntry));
    QCOMPARE(m_boxesChecked, 3);

    // The random god in colour mode, asked without a colour.
    QVERIFY(m_program->choose(MenuCommand::OracleColour));
    RandomGodDialog* god = frame()->findChild<RandomGodDialog*>();
    QVERIFY(god && QTest::qWaitForWindowActive(god));
    whenBoxShows();
    control<QAbstractButton>(god, "askButton")->click();
    QCOMPARE(m_boxesChecked, 4);
}

void TestDesktop::menuMnemonicsOpenTheirWindows()
{
    startWithoutBrowser();
    CMainFrame* frame = m_program->frame();
    const auto shown = [frame](QChar letter) -> QWidget* {
        const char* className = letter == QLatin1Char('s') ? "LatestPatternDialog" : "NumberCard";
        const QList<QWidget*> windows = frame->findChildren<QWidget*>();
        const auto open = std::find_if(windows.cbegin(), windows.cend(),
                                       [className](QWidget* w) { return w->inherits(className) && w->isVisible(); });
        return open == windows.cend() ? nullptr : *open;
    };
    // Alt held with the letter, and Alt tapped before the letter; each window then closes with Escape.
    const QList<QStringList> ways{{QStringLiteral("alt+s")},
                                  {QStringLiteral("alt"), QStringLiteral("s")},
                                  {QStringLiteral("alt+c")},
                                  {QStringLiteral("alt"), QStringLiteral("c")}};
    for (const QStringList& keys : ways) {
        QTRY_COMPARE(focusedWindow(), frame->winId());
        for (const QString& key : keys)
            pressKeys(key);
        QPointer<QWidget> opened;
        QTRY_VERIFY2((opened = shown(keys.last().back())), qPrintable(keys.join(QLatin1Char(' '))));
        QTRY_COMPARE(focusedWindow(), opened->winId());
        pressKeys(QStringLiteral("Escape"));
        // Closed, it may go at once.
        QTRY_VERIFY(!opened || !opened->isVisible());
        // The bar is left as it was, nothing highlighted.
        QTRY_VERIFY2(!frame->menuBar()->activeAction(), qPrintable(keys.join(QLatin1Char(' '))));
    }
}

void TestDesktop::backtestWindowStaysAboveTheMainWindow()
{
    startWithoutBrowser();
    CMainFrame* frame = m_program->frame();
    QVERIFY(m_program->choose(MenuCommand::Backtest));
    const QPointer<BacktestWindow> backtest = frame->findChild<BacktestWindow*>();
    QVERIFY(backtest && QTest::qWaitForWindowActive(backtest));
    QTRY_COMPARE(focusedWindow(), backtest->winId());
    const QPoint inside = backtest->mapToGlobal(backtest->rect().center());

    // A click on the main window beside it takes the focus there, and the window stays in view above it.
    const QPoint beside(2, ScreenScale::height() - 2);
    QVERIFY(!backtest->frameGeometry().contains(beside));
    clickAt(beside);
    QTRY_COMPARE(focusedWindow(), frame->winId());
    QVERIFY(onTopAt(backtest, inside));

    // Chosen again, it has the focus. The gods called from it: it goes beside their popups, at both sizes,
    // neither covering the other, and stays in sight below the menu bar.
    QVERIFY(m_program->choose(MenuCommand::Backtest));
    QTRY_COMPARE(focusedWindow(), backtest->winId());
    QSignalSpy finished(backtest, &BacktestWindow::finished);
    control<QComboBox>(backtest, "drawsChoice")->setCurrentIndex(0);
    control<QAbstractButton>(backtest, "startButton")->click();
    QVERIFY(finished.wait(60000));
    control<QTableWidget>(backtest, "resultsTable")->selectRow(0);
    control<QAbstractButton>(backtest, "runSelectedButton")->click();
    QList<QWidget*> popups;
    QTRY_VERIFY((popups = resultPopups(frame)).size() == 5);
    const auto clear = [&popups, &backtest] {
        return std::none_of(popups.cbegin(), popups.cend(), [&backtest](const QWidget* popup) {
            return popup->frameGeometry().intersects(backtest->frameGeometry());
        });
    };
    QRect popupArea;
    for (const QWidget* popup : popups)
        popupArea |= popup->frameGeometry();
    QTRY_VERIFY2(clear(), qPrintable(QStringLiteral("%1,%2 %3×%4 beside %5,%6 %7×%8")
                                         .arg(backtest->frameGeometry().x())
                                         .arg(backtest->frameGeometry().y())
                                         .arg(backtest->frameGeometry().width())
                                         .arg(backtest->frameGeometry().height())
                                         .arg(popupArea.x())
                                         .arg(popupArea.y())
                                         .arg(popupArea.width())
                                         .arg(popupArea.height())));
    QVERIFY(backtest->isVisible());
    QVERIFY(backtest->frameGeometry().top() >= headerBottom(frame));
    QVERIFY(QRect(0, 0, ScreenScale::width(), ScreenScale::height()).contains(backtest->frameGeometry()));
    for (const QWidget* popup : popups)
        QTRY_VERIFY(onTopAt(popup, popup->mapToGlobal(popup->rect().center())));
    QCOMPARE(control<QTableWidget>(backtest, "resultsTable")->rowCount(), 20);
    // The results have the focus; the window is still above the main window, and its 閉じる closes it.
    const QWidget* close = control<QAbstractButton>(backtest, "closeButton");
    const QPoint onClose = close->mapToGlobal(close->rect().center());
    QVERIFY(onTopAt(backtest, onClose));
    clickAt(onClose);
    QTRY_VERIFY(!backtest);
}

void TestDesktop::titleLineShowsTheDataGodSettings()
{
    startWithoutBrowser();
    CMainFrame* frame = m_program->frame();
    const auto* line = frame->findChild<QLabel*>(QStringLiteral("titleLine"));
    QVERIFY(line && line->isVisible());
    QVERIFY(line->text().contains(QStringLiteral("ＶＥＭＯ ６")));
    // Nine numbers, without the predicting window.
    whenModalShows<QDialog>(m_watches.get(), [](QDialog* dialog) {
        click(dialog, "countChoice9");
        click(dialog, "hidePredictingChoice");
        click(dialog, "okButton");
    });
    QVERIFY(m_program->choose(MenuCommand::DataGod));
    QTRY_COMPARE(resultPopups(frame).size(), 5);
    QVERIFY(line->text().contains(QStringLiteral("データ神の予想数は 9個、出現数考慮は ")));
    // Whole, under the menu bar, and on top where it is, with the popups below it.
    const QWidget* bar = frame->menuBar();
    QVERIFY(line->mapToGlobal(QPoint(0, 0)).y() >= bar->mapToGlobal(QPoint(0, bar->height())).y());
    QVERIFY(line->fontMetrics().horizontalAdvance(line->text()) <= line->contentsRect().width());
    QVERIFY(onTopAt(frame, line->mapToGlobal(QPoint(line->width() / 2, line->height() / 2))));
    for (const QWidget* popup : resultPopups(frame))
        QVERIFY(popup->frameGeometry().top() >= headerBottom(frame));
    // The backtest window opened over the results comes up beside their popups.
    QVERIFY(m_program->choose(MenuCommand::Backtest));
    BacktestWindow* backtest = nullptr;
    QTRY_VERIFY((backtest = shownWindow<BacktestWindow>(frame)));
    for (const QWidget* popup : resultPopups(frame))
        QTRY_VERIFY(!popup->frameGeometry().intersects(backtest->frameGeometry()));
    QTRY_VERIFY(backtest->frameGeometry().top() >= headerBottom(frame));
}

void TestDesktop::windowsStayAboveTheMainWindowBelowTheMenuBar()
{
    startWithoutBrowser();
    CMainFrame* frame = m_program->frame();
    const QPoint onMainWindow(ScreenScale::width() - 4, ScreenScale::height() - 4);
    const QList<MenuCommand> commands{MenuCommand::Help, MenuCommand::Wheel, MenuCommand::Backtest};
    for (const MenuCommand command : commands) {
        QVERIFY(m_program->choose(command));
        QWidget* window = nullptr;
        QTRY_VERIFY((window = QApplication::activeWindow()) && window != frame);
        QVERIFY(QTest::qWaitForWindowExposed(window));
        const char* name = window->metaObject()->className();
        QTRY_VERIFY2(window->frameGeometry().top() >= headerBottom(frame), name);
        QVERIFY2(!window->frameGeometry().contains(onMainWindow), name);
        // A click on the main window takes the focus there; the window stays in sight above it.
        clickAt(onMainWindow);
        QTRY_COMPARE(focusedWindow(), frame->winId());
        QVERIFY2(onTopAt(window, window->mapToGlobal(window->rect().center())), name);
        // Escape closes it once it has the focus again.
        window->activateWindow();
        QTRY_COMPARE(focusedWindow(), window->winId());
        const QPointer<QWidget> closing(window);
        pressKeys(QStringLiteral("Escape"));
        QTRY_VERIFY2(!closing || !closing->isVisible(), name);
    }
    // The help window also closes by its 閉じる.
    QVERIFY(m_program->choose(MenuCommand::Help));
    QPointer<HelpWindow> help;
    QTRY_VERIFY((help = shownWindow<HelpWindow>(frame)));
    help->findChild<QAbstractButton*>(QStringLiteral("closeButton"))->click();
    QTRY_VERIFY(!help || !help->isVisible());
}

void TestDesktop::wheelFromTheNumberCardOpensAboveIt()
{
    startWithoutBrowser();
    CMainFrame* frame = m_program->frame();
    QVERIFY(m_program->choose(MenuCommand::NumberCard));
    NumberCard* card = frame->commands().numberCard();
    QVERIFY(card);
    QTRY_COMPARE(focusedWindow(), card->winId());
    QVERIFY(card->frameGeometry().top() >= headerBottom(frame));
    for (const int number : {3, 8, 15, 21, 30, 36, 42})
        control<QAbstractButton>(card, QStringLiteral("numberBox%1").arg(number))->click();
    control<QAbstractButton>(card, "wheelButton")->click();
    WheelWindow* wheel = nullptr;
    QTRY_VERIFY((wheel = shownWindow<WheelWindow>(frame)));
    QTRY_COMPARE(focusedWindow(), wheel->winId());
    QVERIFY(isTopClient(wheel));
    QTRY_VERIFY(wheel->frameGeometry().top() >= headerBottom(frame));
    // Where they overlap (at 1024 pixels; the larger screen has room for both), the wheel is seen.
    const QRect both = wheel->frameGeometry() & card->frameGeometry();
    QVERIFY(!both.isEmpty() || ScreenScale::width() > 1024);
    if (!both.isEmpty())
        QVERIFY(onTopAt(wheel, both.center()));
}

void TestDesktop::failingBrowserBringsTheMainWindowBack()
{
    // A registered browser that exits with status 3 at once, as xdg-open does on a desktop without a browser.
    QTemporaryDir folder;
    const QString browser = folder.filePath(QStringLiteral("browser"));
    TestHistory::writeFile(browser, "#!/bin/sh\nexit 3\n");
    QVERIFY(QFile::setPermissions(browser, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    const PathSettings failing{browser, QStringLiteral("https://example.com/vemo6")};
    QVERIFY(!failing.writePathData(makeInstall(TestHistory::randomLines(300, 7)).pathDataFile()));
    QVERIFY(startProgram());
    m_watches = std::make_unique<QObject>();
    CMainFrame* frame = m_program->frame();
    QTRY_COMPARE(focusedWindow(), frame->winId());

    QString told;
    whenModalShows<QMessageBox>(m_watches.get(), [this, &told, frame](QMessageBox* box) {
        // By then the main window is back over the whole screen, the guide gone.
        QVERIFY(!frame->madeWayForBrowser());
        QVERIFY(!frame->commands().updateGuide());
        told = box->text().remove(QChar(0x2060));
        expectOnTopWithTheFocus(box);
    });
    QVERIFY(m_program->choose(MenuCommand::DataUpdate));
    QTRY_COMPARE(m_boxesChecked, 1);
    QCOMPARE(told, BrowserText::browserEnded(browser, true, 3).text);
    QVERIFY(told.contains(QStringLiteral("終了コード 3")));
    QCOMPARE(frame->geometry(), QRect(0, 0, ScreenScale::width(), ScreenScale::height()));
    QTRY_COMPARE(focusedWindow(), frame->winId());
    QVERIFY(onTopAt(frame, QPoint(ScreenScale::width() / 2, ScreenScale::height() / 2)));
}

void TestDesktop::secondStartBringsTheFirstForward()
{
    startWithoutBrowser();
    CMainFrame* frame = m_program->frame();
    QTRY_COMPARE(focusedWindow(), frame->winId());
    // Put away, as a player does who turns to another program; the window manager is the one that hides it.
    xdotool({QStringLiteral("windowminimize"), QString::number(frame->winId())});
    QTRY_VERIFY(focusedWindow() != frame->winId());
    QProcess second;
    second.start(QStringLiteral(VEMO_PROGRAM), {QStringLiteral("--install-path"), m_install->paths().root()});
    QVERIFY(second.waitForFinished(60000));
    QCOMPARE(second.exitCode(), 0);
    QTRY_COMPARE(focusedWindow(), frame->winId());
    QTRY_VERIFY(isTopClient(frame));
}

QTEST_MAIN(TestDesktop)
#include "tst_desktop.moc"
