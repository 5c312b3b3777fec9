#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QMenuBar>
#include <QMessageBox>
#include <QPointer>
#include <QProcess>
#include <QScreen>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <functional>
#include <memory>

#include "GuiSuite.h"
#include "TestPixels.h"
#include "entry/DataEntryDialog.h"
#include "entry/NumberCard.h"
#include "kit/ScreenScale.h"
#include "oracle/RandomGodDialog.h"
#include "patterns/LatestPatternDialog.h"
#include "predict/BacktestText.h"
#include "predict/BacktestWindow.h"
#include "shell/CMainFrame.h"
#include "shell/COpeningWnd.h"
#include "shell/CVemoView.h"
#include "shell/HitCountFlow.h"
#include "shell/MainMenu.h"
#include "store/PathSettings.h"

using namespace std::chrono_literals;

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
    for (QDialog* popup : frame->findChildren<QDialog*>()) {
        const int id = popup->property("controlId").toInt();
        if (id >= 409 && id <= 413 && popup->isVisible())
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
 * then has the focus, the menu bar's own mnemonics open their windows, and the backtest window stays
 * above the main window. Run under tools/under-window-manager.sh.
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
    stopProgram();
}

void TestDesktop::startWithoutBrowser()
{
    const PathSettings noBrowser{QStringLiteral("/no/such/browser"), QStringLiteral("https://example.com/vemo6")};
    QVERIFY(!noBrowser.writePathData(makeInstall(TestHistory::randomLines(300, 7)).pathDataFile()));
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
            control<QCheckBox>(dialog, 1044 + n)->setChecked(true);
        whenBoxShows();
        control<QAbstractButton>(dialog, 1088)->click();
        whenBoxShows();
        control<QAbstractButton>(dialog, 1329)->click();
    });
    QVERIFY(m_program->choose(MenuCommand::DataEntry));
    QCOMPARE(m_boxesChecked, 3);

    // The random god in colour mode, asked without a colour.
    QVERIFY(m_program->choose(MenuCommand::OracleColour));
    RandomGodDialog* god = frame()->findChild<RandomGodDialog*>();
    QVERIFY(god && QTest::qWaitForWindowActive(god));
    whenBoxShows();
    god->findChild<QAbstractButton*>(QStringLiteral("IDC_onegai"))->click();
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

    // Chosen again, it has the focus. The gods called from it: where the screen has room for the window beside
    // the results, their popups come up beside it; at 1024 pixels it goes out of sight, and the status note
    // says where it is kept.
    QVERIFY(m_program->choose(MenuCommand::Backtest));
    QTRY_COMPARE(focusedWindow(), backtest->winId());
    QSignalSpy finished(backtest, &BacktestWindow::finished);
    control<QComboBox>(backtest, 1601)->setCurrentIndex(0);
    control<QAbstractButton>(backtest, 1604)->click();
    QVERIFY(finished.wait(60000));
    control<QTableWidget>(backtest, 1611)->selectRow(0);
    QSignalSpy noted(&frame->hitCountFlow(), &HitCountFlow::statusNoted);
    control<QAbstractButton>(backtest, 1612)->click();
    QList<QWidget*> popups;
    QTRY_VERIFY((popups = resultPopups(frame)).size() == 5);
    if (ScreenScale::width() < 1400) {
        QVERIFY(!backtest->isVisible());
        QCOMPARE(noted.size(), 1);
        QCOMPARE(noted.first().first().toString(), BacktestText::steppedAsideNote());
        // Chosen again, it is back with its scores, above the results.
        QVERIFY(m_program->choose(MenuCommand::Backtest));
        QTRY_COMPARE(focusedWindow(), backtest->winId());
        QCOMPARE(control<QTableWidget>(backtest, 1611)->rowCount(), 20);
    } else {
        for (const QWidget* popup : popups)
            QVERIFY(!popup->frameGeometry().intersects(backtest->frameGeometry()));
    }
    // The results have the focus; the window is still above the main window, and its 閉じる closes it.
    const QWidget* close = control<QAbstractButton>(backtest, 1613);
    const QPoint onClose = close->mapToGlobal(close->rect().center());
    QVERIFY(onTopAt(backtest, onClose));
    clickAt(onClose);
    QTRY_VERIFY(!backtest);
}

QTEST_MAIN(TestDesktop)
#include "tst_desktop.moc"
