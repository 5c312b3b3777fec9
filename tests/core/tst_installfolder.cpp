#include <QDir>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include "TestHistory.h"
#include "store/InstallLocator.h"
#include "store/InstallPaths.h"
#include "store/Registrants.h"

class TestInstallFolder : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void optionComesFirst();
    void firstStartCopiesTheSample();
    void laterStartsUseTheRecordedFolder();
    void missingSampleIsReported();
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
    QCOMPARE(TestHistory::readFile(paths.pathDataFile()), TestHistory::readFile(InstallPaths(sampleFolder()).pathDataFile()));
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

void TestInstallFolder::registrantsFromFileNames()
{
    QTemporaryDir dir;
    for (const char* name : {"YDF2abc.txt", "YDF5.txt", "YDF31.txt", "ydf4lower.txt", "YDF1田中.txt", "sample.txt",
                             "YonDataSin6.txt"})
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
