#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

#include "TestHistory.h"
#include "gui/entry/BrowserService.h"
#include "gui/entry/BrowserText.h"

class TestBrowserService : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void startsWithAddressAndCloses_data();
    void startsWithAddressAndCloses();
    void missingBrowserFailsWithMessage_data();
    void missingBrowserFailsWithMessage();
    void shellOpenResults_data();
    void shellOpenResults();
    void shellOpenStartsAndClosesTestBrowser();
    void registrationMessageExplainsResult();

private:
    QStringList logLines() const;

    QTemporaryDir m_dir;
    QString m_log;
};

void TestBrowserService::init()
{
    QVERIFY(m_dir.isValid());
    const QString tag = QString::fromUtf8(QTest::currentDataTag()).replace(QLatin1Char(' '), QLatin1Char('_'));
    m_log = m_dir.filePath(QStringLiteral("browser-%1.log").arg(tag));
    QFile::remove(m_log);
    qputenv("FAKE_BROWSER_LOG", QFile::encodeName(m_log));
}

QStringList TestBrowserService::logLines() const
{
    return QString::fromUtf8(TestHistory::readFile(m_log)).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

void TestBrowserService::startsWithAddressAndCloses_data()
{
    QTest::addColumn<QString>("browserPath");
    QTest::addColumn<QString>("address");
    QTest::addColumn<QStringList>("arguments");

    const QString fake = QStringLiteral(FAKE_BROWSER_PATH);
    const QString url = QStringLiteral("https://vemo6.example/hondata.html?kai=351&x=a b");
    // The built-in address begins with a blank; the browser gets the address alone.
    QTest::newRow("address") << fake << QStringLiteral(" ") + url << QStringList{url};
    QTest::newRow("no address") << fake << QString() << QStringList{};
}

void TestBrowserService::startsWithAddressAndCloses()
{
    QFETCH(QString, browserPath);
    QFETCH(QString, address);
    QFETCH(QStringList, arguments);

    Result<BrowserService::Process> started = BrowserService::startBrowser(browserPath, address);
    QVERIFY2(started.ok(), qPrintable(started.error().caption));
    BrowserService::Process process = std::move(started).value();
    QVERIFY(process.pid() > 0);
    QTRY_VERIFY(logLines().contains(QStringLiteral("ready")));
    QCOMPARE(logLines(), arguments + QStringList{QStringLiteral("ready")});

    BrowserService::closeBrowser(process);
    QVERIFY(process.isNull());
    QTRY_VERIFY(logLines().contains(QStringLiteral("terminated")));
}

void TestBrowserService::missingBrowserFailsWithMessage_data()
{
    QTest::addColumn<QString>("browserPath");
    const QString witness = m_dir.filePath(QStringLiteral("witness"));
    QTest::newRow("missing") << m_dir.filePath(QStringLiteral("no-such-browser"));
    QTest::newRow("a folder") << m_dir.path();
    // The field is one path: words after it are no options, and nothing is handed to a shell.
    QTest::newRow("options") << QStringLiteral(FAKE_BROWSER_PATH " --new-window");
    QTest::newRow("shell command") << QStringLiteral("/bin/sh -c \"touch %1\"").arg(witness);
}

void TestBrowserService::missingBrowserFailsWithMessage()
{
    QFETCH(QString, browserPath);
    const Result<BrowserService::Process> started =
        BrowserService::startBrowser(browserPath, QStringLiteral("https://x"));
    QVERIFY(!started.ok());
    QCOMPARE(started.error().caption, BrowserText::startFailed(QString()).caption);
    QVERIFY(started.error().text.contains(BrowserText::notExecutable(browserPath)));
    QVERIFY(started.error().text.startsWith(QStringLiteral("・・・ ブラウザの起動に失敗しました！！ ・・・\n\n")));
    QTest::qWait(200);
    QVERIFY(!QFile::exists(m_dir.filePath(QStringLiteral("witness"))));
    QVERIFY(logLines().isEmpty());
}

void TestBrowserService::shellOpenResults_data()
{
    QTest::addColumn<QString>("relativePath");
    QTest::addColumn<int>("result");

    QTest::newRow("empty") << QString() << int(BrowserService::FileNotFound);
    QTest::newRow("missing file") << QStringLiteral("browser") << int(BrowserService::FileNotFound);
    QTest::newRow("missing folder") << QStringLiteral("nowhere/browser") << int(BrowserService::PathNotFound);
    QTest::newRow("unreadable file") << QStringLiteral("locked") << int(BrowserService::AccessDenied);
}

void TestBrowserService::shellOpenResults()
{
    QFETCH(QString, relativePath);
    QFETCH(int, result);

    if (QByteArray(QTest::currentDataTag()) == "unreadable file") {
        if (::geteuid() == 0)
            QSKIP("root reads every file");
        TestHistory::writeFile(m_dir.filePath(relativePath), "x");
        QFile::setPermissions(m_dir.filePath(relativePath), QFileDevice::Permissions());
    }
    const QString text = relativePath.isEmpty() ? QString() : m_dir.filePath(relativePath);
    QCOMPARE(BrowserService::shellOpen(text), result);
    QVERIFY(!BrowserService::opened(result));
}

void TestBrowserService::shellOpenStartsAndClosesTestBrowser()
{
    // A path with blanks in it is still one program.
    QVERIFY(QDir(m_dir.path()).mkpath(QStringLiteral("my browsers")));
    const QString program = m_dir.filePath(QStringLiteral("my browsers/fake browser"));
    QVERIFY(QFile::link(QStringLiteral(FAKE_BROWSER_PATH), program));

    const int result = BrowserService::shellOpen(program);
    QCOMPARE(result, int(BrowserService::Opened));
    QVERIFY(BrowserService::opened(result));
    QTRY_COMPARE(logLines(), QStringList{QStringLiteral("ready")});

    BrowserService::closeTestBrowser();
    QTRY_VERIFY(logLines().contains(QStringLiteral("terminated")));
}

void TestBrowserService::registrationMessageExplainsResult()
{
    const UserMessage browser = BrowserText::browserRegistrationFailed(BrowserService::FileNotFound);
    QCOMPARE(browser.caption, QStringLiteral("ブラウザの設定に失敗しました！"));
    QCOMPARE(browser.text, QStringLiteral("ブラウザの登録に失敗しました。もう一度、最初から操作し直して下さい。\n\n"
                                          "理由：指定したファイルが見つかりません。"));
}

QTEST_MAIN(TestBrowserService)
#include "tst_browserservice.moc"
