#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include "TestHistory.h"
#include "core/store/InstallPaths.h"
#include "core/store/PageAddress.h"
#include "core/store/PathSettings.h"

using TestHistory::readFile;
using TestHistory::writeFile;

class TestPathSettings : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();

    void missingFileOrTagGivesEmptySettings_data();
    void missingFileOrTagGivesEmptySettings();
    void addressEndsAtItsBracket_data();
    void addressEndsAtItsBracket();
    void savesByteForByte_data();
    void savesByteForByte();
    void shorterPathReplacesTheWholeFile();
    void unstorableSettingsAreRefused_data();
    void unstorableSettingsAreRefused();
    void failedWriteKeepsTheOldFile();
    void browsersGetOnlyWebPagesAndTheInstallations_data();
    void browsersGetOnlyWebPagesAndTheInstallations();

private:
    QString path() const { return m_dir->filePath(QStringLiteral("PathData.txt")); }

    std::unique_ptr<QTemporaryDir> m_dir;
};

namespace {

QByteArray fileOf(const QByteArray& browser, const QByteArray& url)
{
    return "Browser<" + browser + ">URL[" + url + ']' + '\0';
}

const QByteArray kBrowser30("C:/Program Files/Web/web32.exe");
const QByteArray kUrl40("https://www.example.jp/vemo6/index.html#");

} // namespace

void TestPathSettings::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
}

void TestPathSettings::missingFileOrTagGivesEmptySettings_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("empty file") << QByteArray();
    QTest::newRow("no URL tag") << QByteArray("Browser</usr/bin/b]") + '\0';
    QTest::newRow("tag cut by NUL") << QByteArray("Browser</usr/bin/b") + '\0' + QByteArray(">URL[u]");
}

void TestPathSettings::missingFileOrTagGivesEmptySettings()
{
    QFETCH(QByteArray, bytes);
    if (!bytes.isEmpty())
        writeFile(path(), bytes);
    const PathSettings settings = PathSettings::loadPathSettings(path());
    QVERIFY(settings.browserPath.isEmpty());
    QVERIFY(settings.homePageUrl.isEmpty());
}

void TestPathSettings::addressEndsAtItsBracket_data()
{
    QTest::addColumn<QByteArray>("bytes");
    // Taken by the file's length, each of these would lose the address's last character or keep the "]".
    QTest::newRow("no closing NUL") << QByteArray("Browser</usr/bin/b>URL[http://a]");
    QTest::newRow("bytes after the NUL") << fileOf("/usr/bin/b", "http://a") + "junk";
    QTest::newRow("no closing bracket") << QByteArray("Browser</usr/bin/b>URL[http://a") + '\0';
}

void TestPathSettings::addressEndsAtItsBracket()
{
    QFETCH(QByteArray, bytes);
    writeFile(path(), bytes);
    const PathSettings settings = PathSettings::loadPathSettings(path());
    QCOMPARE(settings.browserPath, QStringLiteral("/usr/bin/b"));
    QCOMPARE(settings.homePageUrl, QStringLiteral("http://a"));
}

void TestPathSettings::savesByteForByte_data()
{
    QTest::addColumn<QString>("browser");
    QTest::addColumn<QString>("url");
    QTest::addColumn<int>("length");
    QTest::newRow("both empty") << QString() << QString() << 15;
    // m, the position of ">URL[", is 8 + 30 = 38; the address is L − m − 7 = 40 bytes.
    QTest::newRow("30 + 40") << QString::fromLatin1(kBrowser30) << QString::fromLatin1(kUrl40) << 85;
    QTest::newRow("browser only") << QStringLiteral("/usr/bin/b") << QString() << 25;
    QTest::newRow("address only") << QString() << QStringLiteral("http://a") << 23;
    QTest::newRow("address ending in ]") << QStringLiteral("b") << QStringLiteral("http://a/[x]") << 28;
    QTest::newRow("UTF-8") << QStringLiteral("/home/山田/b") << QStringLiteral("http://例え.jp/") << 15 + 14 + 17;
}

void TestPathSettings::savesByteForByte()
{
    QFETCH(QString, browser);
    QFETCH(QString, url);
    QFETCH(int, length);
    const PathSettings settings{browser, url};
    QVERIFY(!settings.writePathData(path()));

    const QByteArray bytes = readFile(path());
    QCOMPARE(bytes, fileOf(browser.toUtf8(), url.toUtf8()));
    QCOMPARE(bytes.size(), length);
    QCOMPARE(bytes.indexOf(">URL["), 8 + browser.toUtf8().size());

    const PathSettings loaded = PathSettings::loadPathSettings(path());
    QCOMPARE(loaded.browserPath, browser);
    QCOMPARE(loaded.homePageUrl, url);
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files), QStringList{QStringLiteral("PathData.txt")});
}

void TestPathSettings::shorterPathReplacesTheWholeFile()
{
    writeFile(path(), fileOf("/a/very/long/path/to/the/browser", kUrl40));
    PathSettings settings = PathSettings::loadPathSettings(path());
    settings.browserPath = QStringLiteral("/b");
    QVERIFY(!settings.writePathData(path()));
    QCOMPARE(readFile(path()), fileOf("/b", kUrl40));

    settings.homePageUrl = QStringLiteral("http://x");
    QVERIFY(!settings.writePathData(path()));
    QCOMPARE(PathSettings::loadPathSettings(path()).browserPath, QStringLiteral("/b"));
    QCOMPARE(readFile(path()), fileOf("/b", "http://x"));
}

void TestPathSettings::unstorableSettingsAreRefused_data()
{
    QTest::addColumn<QString>("browser");
    QTest::addColumn<QString>("url");
    QTest::newRow("URL tag in the path") << QStringLiteral("/a>URL[b") << QStringLiteral("u");
    QTest::newRow("NUL in the path") << QStringLiteral("/a") + QChar(0) << QStringLiteral("u");
    QTest::newRow("NUL in the address") << QStringLiteral("/a") << QStringLiteral("u") + QChar(0) + QStringLiteral("v");
}

void TestPathSettings::unstorableSettingsAreRefused()
{
    QFETCH(QString, browser);
    QFETCH(QString, url);
    const QByteArray before = fileOf("/usr/bin/b", "http://a");
    writeFile(path(), before);
    const Status fault = PathSettings{browser, url}.writePathData(path());
    QVERIFY(fault);
    QVERIFY(!fault->text.isEmpty());
    QCOMPARE(readFile(path()), before);
}

void TestPathSettings::failedWriteKeepsTheOldFile()
{
    const QString missingFolder = m_dir->filePath(QStringLiteral("gone/PathData.txt"));
    const Status fault = PathSettings{QStringLiteral("/b"), QStringLiteral("u")}.writePathData(missingFolder);
    QVERIFY(fault);
    QVERIFY(fault->text.contains(missingFolder));
    QVERIFY(!QFile::exists(missingFolder));
}

void TestPathSettings::browsersGetOnlyWebPagesAndTheInstallations_data()
{
    // ROOT stands for the installation folder, REAL for the same folder with its links followed.
    QTest::addColumn<QString>("address");
    QTest::addColumn<QString>("given");
    const QString refused = QStringLiteral("<refused>");
    QTest::newRow("option") << QStringLiteral("-cimport os;os.system('id')") << refused;
    QTest::newRow("long option") << QStringLiteral("--version") << refused;
    QTest::newRow("script") << QStringLiteral("javascript:alert(1)") << refused;
    QTest::newRow("file outside") << QStringLiteral("file:///etc/passwd") << refused;
    QTest::newRow("no scheme") << QStringLiteral("www.example.jp/vemo6/") << refused;
    QTest::newRow("relative path") << QStringLiteral("Help/index.html") << refused;
    QTest::newRow("other scheme") << QStringLiteral("ftp://example.jp/vemo6/") << refused;
    QTest::newRow("no host") << QStringLiteral("http:///vemo6/") << refused;
    QTest::newRow("out by ..") << QStringLiteral("ROOT/Help/../../passwd") << refused;
    QTest::newRow("out by a link") << QStringLiteral("file://ROOT/Help/out.html") << refused;

    QTest::newRow("https") << QStringLiteral("https://www.example.jp/vemo6/")
                           << QStringLiteral("https://www.example.jp/vemo6/");
    QTest::newRow("http, blanks around") << QStringLiteral(" http://www.example.jp/?a=1 ")
                                         << QStringLiteral("http://www.example.jp/?a=1");
    QTest::newRow("capitals") << QStringLiteral("HTTPS://WWW.EXAMPLE.JP/") << QStringLiteral("HTTPS://WWW.EXAMPLE.JP/");
    QTest::newRow("help page") << QStringLiteral("ROOT/Help/index.html")
                               << QStringLiteral("file://REAL/Help/index.html");
    QTest::newRow("file address") << QStringLiteral("file://ROOT/Help/index.html#toc")
                                  << QStringLiteral("file://REAL/Help/index.html#toc");
    QTest::newRow("none: the browser's own page") << QString() << QString();
}

void TestPathSettings::browsersGetOnlyWebPagesAndTheInstallations()
{
    QFETCH(QString, address);
    QFETCH(QString, given);
    // The installation is reached through a link, and one of its pages leads out of it.
    const QString real = m_dir->filePath(QStringLiteral("real"));
    QVERIFY(QDir().mkpath(real + QStringLiteral("/Help")));
    writeFile(real + QStringLiteral("/Help/index.html"), "<html></html>");
    QVERIFY(QFile::link(QStringLiteral("/etc/passwd"), real + QStringLiteral("/Help/out.html")));
    const QString root = m_dir->filePath(QStringLiteral("install"));
    QVERIFY(QFile::link(real, root));
    const QString canonical = QFileInfo(real).canonicalFilePath();

    const std::optional<QString> page =
        PageAddress::forBrowser(QString(address).replace(QStringLiteral("ROOT"), root), InstallPaths(root));
    QCOMPARE(page.value_or(QStringLiteral("<refused>")), QString(given).replace(QStringLiteral("REAL"), canonical));
}

QTEST_GUILESS_MAIN(TestPathSettings)
#include "tst_pathsettings.moc"
