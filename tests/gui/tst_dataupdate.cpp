#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

#include "GuiSuite.h"
#include "core/store/DrawHistory.h"
#include "core/store/PathSettings.h"
#include "core/text/StoreText.h"
#include "gui/document/CVemoDoc.h"
#include "gui/entry/BrowserText.h"
#include "gui/entry/DataUpdateGuide.h"
#include "gui/kit/ScreenScale.h"
#include "gui/shell/CMainFrame.h"
#include "gui/shell/CVemoView.h"
#include "gui/shell/MainCommands.h"
#include "gui/shell/MainMenu.h"

namespace {

constexpr int kDraws = 350;
const QString kFakeBrowser = QStringLiteral(FAKE_BROWSER_PATH);

// A table as a browser copies it: LF line ends and a final line end.
QString copiedTable(const FlagLines& lines)
{
    return QString::fromLatin1(HistoryFormat::serialize(lines).replace("\r\n", "\n") + "\n");
}

QStringList sorted(QStringList lines)
{
    lines.sort();
    return lines;
}

} // namespace

class TestDataUpdate : public GuiSuite {
    Q_OBJECT

public:
    TestDataUpdate() : GuiSuite(Unqueued::Agreed) {}

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void importReplacesHistoryOnlyWhenNewer();
    void refusedTablesChangeNothing();
    void cancelPutsEverythingBack();
    void noBrowserToStart();

private:
    void startWithBrowser(const QString& browserPath);
    DataUpdateGuide* openGuide();
    QPushButton* button(const char* name) const { return control<QPushButton>(m_guide, name); }
    void messageComing(const UserMessage& message) override;
    void expectFullScreen() const;
    QStringList browserLog() const;

    FlagLines m_lines;
    QTemporaryDir m_logDir;
    QPointer<DataUpdateGuide> m_guide;
    QList<bool> m_madeWayWhenAsked;
};

void TestDataUpdate::initTestCase()
{
    m_lines = TestHistory::randomLines(kDraws, 41);
    qputenv("FAKE_BROWSER_LOG", QFile::encodeName(m_logDir.filePath(QStringLiteral("browser.log"))));
}

void TestDataUpdate::init()
{
    QFile::remove(m_logDir.filePath(QStringLiteral("browser.log")));
}

void TestDataUpdate::cleanup()
{
    expectNoMoreMessages();
    stopProgram();
    m_madeWayWhenAsked.clear();
}

void TestDataUpdate::messageComing(const UserMessage&)
{
    m_madeWayWhenAsked.append(m_program && frame()->madeWayForBrowser());
}

void TestDataUpdate::startWithBrowser(const QString& browserPath)
{
    const PathSettings settings{browserPath, QStringLiteral("https://example.com/lottery")};
    QVERIFY(!settings.writePathData(makeInstall(m_lines).pathDataFile()));
    // The installation's own page, named relative to the folder.
    TestHistory::writeFile(m_install->paths().updatePageFile(), "HomePage/index.html\n");
    QVERIFY(startProgram());
}

DataUpdateGuide* TestDataUpdate::openGuide()
{
    MainMenu::findCommand(frame(), MenuCommand::DataUpdate)->trigger();
    // A guide that was replaced lingers, closed, until its deletion comes round.
    m_guide = nullptr;
    for (DataUpdateGuide* guide : frame()->findChildren<DataUpdateGuide*>())
        if (guide->isVisible())
            m_guide = guide;
    return m_guide && QTest::qWaitForWindowExposed(m_guide) ? m_guide.data() : nullptr;
}

void TestDataUpdate::expectFullScreen() const
{
    QVERIFY(!frame()->madeWayForBrowser());
    QCOMPARE(frame()->geometry(), QRect(0, 0, ScreenScale::width(), ScreenScale::height()));
}

QStringList TestDataUpdate::browserLog() const
{
    return QString::fromUtf8(TestHistory::readFile(m_logDir.filePath(QStringLiteral("browser.log"))))
        .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

void TestDataUpdate::importReplacesHistoryOnlyWhenNewer()
{
    startWithBrowser(kFakeBrowser);
    const QByteArray original = m_install->historyBytes();
    QClipboard* clipboard = QGuiApplication::clipboard();

    // The guide: top right under the strip of the menu bar, no caption, the steps as the user reads them, beside
    // the browser on the page.
    QVERIFY(openGuide());
    QVERIFY(frame()->madeWayForBrowser());
    QVERIFY(frame()->width() < ScreenScale::width() / 2);
    QCOMPARE(m_guide->frameGeometry().topRight(), QPoint(ScreenScale::width() - 1, frame()->geometry().bottom() + 1));
    QVERIFY(m_guide->windowTitle().isEmpty());
    QVERIFY(m_guide->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QStringList shownLines;
    for (const QLabel* label : m_guide->findChildren<QLabel*>())
        if (!label->text().isEmpty())
            shownLines.append(label->text());
    QCOMPARE(shownLines, StoreText::updateGuideLines());
    QVERIFY(button("importButton")->isDefault());
    const QUrl page = QUrl::fromLocalFile(m_install->paths().root() + QStringLiteral("/HomePage/index.html"));
    QTRY_COMPARE(browserLog(), (QStringList{page.toString(QUrl::FullyEncoded), QStringLiteral("ready")}));
    // Every label fits: the last step ends above the guide's bottom edge and inside its width.
    const QLabel* lastStep = m_guide->findChildren<QLabel*>().constLast();
    QVERIFY(m_guide->rect().contains(lastStep->geometry()));
    const QImage face = m_guide->grab().toImage();
    const QRect importFace = button("importButton")->geometry();
    QVERIFY(face.pixelColor(importFace.center()) != m_guide->palette().color(QPalette::Window));

    // The same draw count as the history: refused, the copy gone all the same.
    clipboard->setText(copiedTable(TestHistory::randomLines(kDraws, 42)));
    QTest::mouseClick(button("importButton"), Qt::LeftButton);
    expectMessage(StoreText::clipboardOlder());
    QVERIFY(clipboard->text().isEmpty());
    QCOMPARE(m_install->historyBytes(), original);
    expectFullScreen();
    QTRY_VERIFY(!m_guide);
    QTRY_COMPARE(browserLog().constLast(), QStringLiteral("terminated"));

    // One draw more: written after the Yes, with the replaced history kept for undo.
    FlagLines newer = m_lines;
    const QList<int> newest{3, 11, 20, 28, 35, 42};
    for (int n = 1; n <= kNumberCount; ++n)
        newer[n - 1].append(newest.contains(n) ? '1' : '0');
    QVERIFY(openGuide());
    clipboard->setText(copiedTable(newer));
    QTest::keyClick(m_guide, Qt::Key_Return);
    expectMessage(StoreText::confirmImport());
    expectMessage(StoreText::importDone());
    QCOMPARE(m_install->historyBytes(), HistoryFormat::serialize(newer));
    QVERIFY(clipboard->text().isEmpty());
    const DrawHistory& history = view()->document().history();
    QCOMPARE(history.drawCount(), kDraws + 1);
    QCOMPARE(MainMenu::findCommand(frame(), MenuCommand::LastDraw)->text(), StoreText::lastDrawMenu(351));
    QCOMPARE(history.backups().value().size(), 1);
    QCOMPARE(history.backups().value().first().drawCount, std::optional<int>(kDraws));
    expectFullScreen();

    MainMenu::findCommand(frame(), MenuCommand::UndoHistory)->trigger();
    QVERIFY(!m_messages.isEmpty());
    m_messages.takeFirst();
    QCOMPARE(m_install->historyBytes(), original);
    QCOMPARE(MainMenu::findCommand(frame(), MenuCommand::LastDraw)->text(), StoreText::lastDrawMenu(kDraws));
}

void TestDataUpdate::refusedTablesChangeNothing()
{
    startWithBrowser(kFakeBrowser);
    const QByteArray original = m_install->historyBytes();
    FlagLines sevenInADraw = TestHistory::randomLines(kDraws + 5, 43);
    // Draw 351 gets a seventh number.
    for (QByteArray& line : sevenInADraw) {
        if (line[kDraws] == '0') {
            line[kDraws] = '1';
            break;
        }
    }
    const QString newer = copiedTable(TestHistory::randomLines(kDraws + 5, 44));
    const QList<std::pair<QString, UserMessage>> refused{
        {QString(), StoreText::clipboardEmpty()},
        {QStringLiteral("VEMO6 本数字データ\n") + newer, StoreText::clipboardWrongTag()},
        {copiedTable(sevenInADraw), StoreText::clipboardDrawNotSixNumbers(kDraws + 1, 7)},
        {newer.left(newer.indexOf(QLatin1Char('\n'))), StoreText::clipboardMalformed(1, StoreText::reasonLineCount(1))},
        {QString(newer).replace(QStringLiteral("d12*"), QStringLiteral("d12*0")),
         StoreText::clipboardMalformed(12, StoreText::reasonLength())},
        {QStringLiteral("d01*") + QString(2 * kNumberCount * (kMaxDraws + 6), QLatin1Char('0')),
         StoreText::clipboardTooLarge(kMaxDraws)},
    };
    for (const auto& [text, message] : refused) {
        QVERIFY(openGuide());
        QGuiApplication::clipboard()->setText(text);
        QTest::mouseClick(button("importButton"), Qt::LeftButton);
        expectMessage(message);
        QVERIFY(m_messages.isEmpty());
        QVERIFY(QGuiApplication::clipboard()->text().isEmpty());
        QCOMPARE(m_install->historyBytes(), original);
        QCOMPARE(view()->document().history().drawCount(), kDraws);
        expectFullScreen();
        QTRY_VERIFY(!m_guide);
    }

    // A newer table declined at the question: nothing written either.
    queueAnswers({Answer::No});
    QVERIFY(openGuide());
    QGuiApplication::clipboard()->setText(newer);
    QTest::mouseClick(button("importButton"), Qt::LeftButton);
    expectMessage(StoreText::confirmImport());
    QCOMPARE(m_install->historyBytes(), original);
    QVERIFY(view()->document().history().backups().value().isEmpty());
}

void TestDataUpdate::cancelPutsEverythingBack()
{
    startWithBrowser(kFakeBrowser);
    const QByteArray original = m_install->historyBytes();
    QVERIFY(openGuide());
    QTRY_COMPARE(browserLog().size(), 2);
    const QStringList onThePage = browserLog();

    // Asked again while it is open: one guide, the first browser gone, a new one on the page.
    const QPointer<DataUpdateGuide> first = m_guide;
    QVERIFY(openGuide());
    QVERIFY(m_guide != first);
    QTRY_VERIFY(!first);
    QCOMPARE(frame()->findChildren<DataUpdateGuide*>().size(), 1);
    // The old browser's end and the new one's page are two processes writing: either may come first.
    QTRY_COMPARE(sorted(browserLog()), sorted(onThePage + onThePage + QStringList{QStringLiteral("terminated")}));
    QVERIFY(frame()->madeWayForBrowser());

    QGuiApplication::clipboard()->setText(copiedTable(TestHistory::randomLines(kDraws + 1, 45)));
    QTest::mouseClick(button("cancelButton"), Qt::LeftButton);
    QTRY_VERIFY(!m_guide);
    expectFullScreen();
    QTRY_COMPARE(browserLog().count(QStringLiteral("terminated")), 2);
    QCOMPARE(m_install->historyBytes(), original);
    QVERIFY(!QGuiApplication::clipboard()->text().isEmpty());
}

void TestDataUpdate::noBrowserToStart()
{
    startWithBrowser(QString());
    MainMenu::findCommand(frame(), MenuCommand::DataUpdate)->trigger();
    expectMessage(BrowserText::notRegistered());
    QVERIFY(!frame()->commands().updateGuide());
    expectFullScreen();

    // A browser this machine lacks, as a desktop without one does. The desktop's opener stands in for this
    // time: here the fake browser under that name, so that the test sees the page it is given.
    const QString missing = QStringLiteral("/no/such/browser");
    QVERIFY(!view()->document().storePathSettings({missing, QString()}));
    QTemporaryDir desktop;
    QVERIFY(QFile::link(kFakeBrowser, desktop.filePath(QStringLiteral("xdg-open"))));
    const QByteArray searchPath = qgetenv("PATH");
    qputenv("PATH", QFile::encodeName(desktop.path()) + ':' + searchPath);
    queueAnswers({Answer::No});
    MainMenu::findCommand(frame(), MenuCommand::DataUpdate)->trigger();
    expectMessage(BrowserText::offerDesktopBrowser(missing));
    QVERIFY(!frame()->commands().updateGuide());
    expectFullScreen();
    QVERIFY(browserLog().isEmpty());

    queueAnswers({Answer::Yes});
    QVERIFY(openGuide());
    expectMessage(BrowserText::offerDesktopBrowser(missing));
    QVERIFY(frame()->madeWayForBrowser());
    QTRY_COMPARE(browserLog().size(), 2);
    QVERIFY(browserLog().first().endsWith(QStringLiteral("/HomePage/index.html")));
    QTest::mouseClick(button("cancelButton"), Qt::LeftButton);
    QTRY_VERIFY(!m_guide);
    expectFullScreen();

    // Without a desktop opener either: the program's own message naming the path, and nothing moves.
    qputenv("PATH", QFile::encodeName(m_logDir.path()));
    MainMenu::findCommand(frame(), MenuCommand::DataUpdate)->trigger();
    qputenv("PATH", searchPath);
    expectMessage(BrowserText::browserMissing(missing));
    QVERIFY(!frame()->commands().updateGuide());
    expectFullScreen();
    QVERIFY(!m_madeWayWhenAsked.contains(true));
}

QTEST_MAIN(TestDataUpdate)
#include "tst_dataupdate.moc"
