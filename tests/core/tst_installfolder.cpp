#include <QDir>
#include <QDirIterator>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>

#include "TestHistory.h"
#include "core/store/InstallLocator.h"
#include "core/store/InstallPaths.h"
#include "core/store/Registrants.h"
#include "core/text/StoreText.h"

class TestInstallFolder : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void optionComesFirst();
    void firstStartCopiesTheSample();
    void laterStartsUseTheRecordedFolder();
    void missingSampleIsReported();
    void olderFolderGetsWhatItLacks();
    void folderThatCannotTakeTheSampleIsReported();
    void registrantsFromFileNames();

private:
    QString sampleFolder() const { return qEnvironmentVariable("VEMO_SAMPLE"); }
};

void TestInstallFolder::optionComesFirst()
{
    QTemporaryDir dir;
    QSettings settings(dir.filePath(QStringLiteral("settings.ini")), QSettings::IniFormat);
    settings.setValue(InstallLocator::settingsKey(), QStringLiteral("/recorded"));
    InstallLocator locator(settings, dir.filePath(QStringLiteral("user")), sampleFolder());
    const auto path = locator.readInstallPath(dir.path() + QStringLiteral("/given/"));
    QVERIFY(path.ok());
    QCOMPARE(path.value(), dir.path() + QStringLiteral("/given"));
    QCOMPARE(settings.value(InstallLocator::settingsKey()).toString(), QStringLiteral("/recorded"));
    QVERIFY(!QDir(dir.filePath(QStringLiteral("user"))).exists());
}

void TestInstallFolder::firstStartCopiesTheSample()
{
    QTemporaryDir dir;
    QSettings settings(dir.filePath(QStringLiteral("settings.ini")), QSettings::IniFormat);
    const QString user = dir.filePath(QStringLiteral("user"));
    // A history the user already has there is never replaced by the sample.
    QDir().mkpath(user + QStringLiteral("/Vemo6Data"));
    TestHistory::writeFile(InstallPaths(user).historyFile(), "mine");

    InstallLocator locator(settings, user, sampleFolder());
    const auto path = locator.readInstallPath(QString());
    QVERIFY(path.ok());
    QCOMPARE(path.value(), user);
    QCOMPARE(settings.value(InstallLocator::settingsKey()).toString(), user);
    const InstallPaths paths(user);
    QCOMPARE(TestHistory::readFile(paths.historyFile()), QByteArray("mine"));
    QCOMPARE(TestHistory::readFile(paths.pathDataFile()),
             TestHistory::readFile(InstallPaths(sampleFolder()).pathDataFile()));
    QVERIFY(QFile::exists(paths.sampleFile()));
}

void TestInstallFolder::laterStartsUseTheRecordedFolder()
{
    QTemporaryDir dir;
    QSettings settings(dir.filePath(QStringLiteral("settings.ini")), QSettings::IniFormat);
    settings.setValue(InstallLocator::settingsKey(), QStringLiteral("/somewhere/else"));
    InstallLocator locator(settings, dir.filePath(QStringLiteral("user")), sampleFolder());
    QCOMPARE(locator.readInstallPath(QString()).value(), QStringLiteral("/somewhere/else"));
    QVERIFY(!QDir(dir.filePath(QStringLiteral("user"))).exists());
}

void TestInstallFolder::missingSampleIsReported()
{
    QTemporaryDir dir;
    QSettings settings(dir.filePath(QStringLiteral("settings.ini")), QSettings::IniFormat);
    InstallLocator locator(settings, dir.filePath(QStringLiteral("user")), dir.filePath(QStringLiteral("no-sample")));
    const auto path = locator.readInstallPath(QString());
    QVERIFY(!path.ok());
    QVERIFY(path.error().text.contains(dir.filePath(QStringLiteral("user"))));
    QVERIFY(!settings.contains(InstallLocator::settingsKey()));
}

void TestInstallFolder::olderFolderGetsWhatItLacks()
{
    // A folder of years of use, from before the manual had most of its pages and before sample.txt.
    QTemporaryDir dir;
    const QString user = dir.filePath(QStringLiteral("user"));
    const InstallPaths paths(user);
    QDir().mkpath(paths.predictionFolder());
    QDir().mkpath(user + QStringLiteral("/Help"));
    const QByteArray history = HistoryFormat::serialize(TestHistory::randomLines(40, 3));
    TestHistory::writeFile(paths.historyFile(), history);
    TestHistory::writeFile(paths.pathDataFile(), QByteArrayLiteral("Browser</usr/bin/true>URL[]\0"));
    TestHistory::writeFile(paths.helpIndex(), "old manual");
    TestHistory::writeFile(paths.registrantFile(2, QStringLiteral("花子")), "mine");

    QSettings settings(dir.filePath(QStringLiteral("settings.ini")), QSettings::IniFormat);
    const InstallLocator locator(settings, user, sampleFolder());
    QVERIFY(!locator.addMissingSampleFiles(user));

    QCOMPARE(TestHistory::readFile(paths.historyFile()), history);
    QCOMPARE(TestHistory::readFile(paths.pathDataFile()), QByteArrayLiteral("Browser</usr/bin/true>URL[]\0"));
    QCOMPARE(TestHistory::readFile(paths.helpIndex()), QByteArray("old manual"));
    QCOMPARE(TestHistory::readFile(paths.registrantFile(2, QStringLiteral("花子"))), QByteArray("mine"));
    // Everything else of the sample is there, byte for byte, and nothing more.
    int copied = 0;
    QDirIterator it(sampleFolder(), QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString relative = QDir(sampleFolder()).relativeFilePath(it.next());
        const QString target = user + QLatin1Char('/') + relative;
        if (target == paths.historyFile() || target == paths.pathDataFile() || target == paths.helpIndex())
            continue;
        QCOMPARE(TestHistory::readFile(target), TestHistory::readFile(it.filePath()));
        ++copied;
    }
    QVERIFY(copied >= 3);
    QVERIFY(QFile::exists(paths.sampleFile()));
    QCOMPARE(QDir(paths.predictionFolder()).entryList(QDir::Files).size(), 2);
    // Nothing is left to add a second time.
    QVERIFY(!locator.addMissingSampleFiles(user));
    QCOMPARE(TestHistory::readFile(paths.helpIndex()), QByteArray("old manual"));
}

void TestInstallFolder::folderThatCannotTakeTheSampleIsReported()
{
    QTemporaryDir dir;
    const QString user = dir.filePath(QStringLiteral("user"));
    QDir().mkpath(user);
    const QByteArray inTheWay("a file where the manual's folder goes");
    TestHistory::writeFile(user + QStringLiteral("/Help"), inTheWay);
    QSettings settings(dir.filePath(QStringLiteral("settings.ini")), QSettings::IniFormat);
    const Status fault = InstallLocator(settings, user, sampleFolder()).addMissingSampleFiles(user);
    QVERIFY(fault);
    QVERIFY(fault->text.contains(user));
    // The message says why, in the program's words.
    QVERIFY2(fault->text.contains(StoreText::systemReason(ENOTDIR)), qPrintable(fault->text));
    QCOMPARE(TestHistory::readFile(user + QStringLiteral("/Help")), inTheWay);
}

void TestInstallFolder::registrantsFromFileNames()
{
    QTemporaryDir dir;
    for (const char* name :
         {"YDF2abc.txt", "YDF5.txt", "YDF31.txt", "ydf4lower.txt", "YDF1田中.txt", "sample.txt", "YonDataSin6.txt"})
        TestHistory::writeFile(dir.filePath(QString::fromUtf8(name)), QByteArray());
    const RegistrantNames names = scanRegistrants(dir.path());
    QCOMPARE(names[0], QStringLiteral("田中"));
    QCOMPARE(names[1], QStringLiteral("abc"));
    QCOMPARE(names[2], QStringLiteral("1")); // "3" is first found right after YDF, "1" only after it
    QCOMPARE(names[3], QString());
    QCOMPARE(names[4], QString());
    QVERIFY(scanRegistrants(dir.filePath(QStringLiteral("missing")))[0].isEmpty());
}

QTEST_GUILESS_MAIN(TestInstallFolder)
#include "tst_installfolder.moc"
