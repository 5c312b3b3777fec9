#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include "TestHistory.h"
#include "core/entry/RegistrantSlots.h"

using TestHistory::readFile;
using TestHistory::writeFile;

class TestRegistrantSlots : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();

    void names_data();
    void names();
    void registeringCreatesTheFileAndSurvivesARestart();
    void registeringKeepsAnExistingFile();
    void renamingKeepsThePredictions();
    void renamingOntoAnotherFileIsRefused();
    void refusedNameChangesNothing();
    void removingDeletesTheFile();
    void removingAFreeSlotIsRefused();
    void freeSlotsReadTheSampleFile();

private:
    QStringList files() const { return QDir(m_paths->predictionFolder()).entryList(QDir::Files, QDir::Name); }

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<InstallPaths> m_paths;
};

void TestRegistrantSlots::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    m_paths = std::make_unique<InstallPaths>(m_dir->path());
    QDir().mkpath(m_paths->predictionFolder());
}

void TestRegistrantSlots::names_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("refusal"); // a word of the message, empty when accepted

    QTest::newRow("ten half-width") << QStringLiteral("abcdefghij") << QString();
    QTest::newRow("five full-width") << QStringLiteral("山田太郎様") << QString();
    QTest::newRow("mixed, ten bytes") << QStringLiteral("ab山田cd①") << QString();

    QTest::newRow("eleven half-width") << QStringLiteral("abcdefghijk") << QStringLiteral("長すぎます");
    QTest::newRow("six full-width") << QStringLiteral("山田太郎様方") << QStringLiteral("長すぎます");
    QTest::newRow("empty") << QString() << QStringLiteral("入力されていません");
    QTest::newRow("blanks only") << QStringLiteral(" 　") << QStringLiteral("空白だけ");
    QTest::newRow("slash") << QStringLiteral("a/b") << QStringLiteral("使えない文字");
    QTest::newRow("climbs up") << QStringLiteral("../x") << QStringLiteral("使えない文字");
    QTest::newRow("dot") << QStringLiteral(".") << QStringLiteral("使えない文字");
    QTest::newRow("dot dot") << QStringLiteral("..") << QStringLiteral("使えない文字");
    QTest::newRow("tab") << QStringLiteral("a\tb") << QStringLiteral("使えない文字");
    QTest::newRow("NUL") << QString(QChar(0)) << QStringLiteral("使えない文字");
    QTest::newRow("not in Shift-JIS") << QStringLiteral("café") << QStringLiteral("使えない文字");
}

void TestRegistrantSlots::names()
{
    QFETCH(QString, name);
    QFETCH(QString, refusal);
    const Status checked = RegistrantSlots::checkName(name);
    QCOMPARE(bool(checked), !refusal.isEmpty());
    if (checked)
        QVERIFY2(checked->text.contains(refusal), qPrintable(checked->text));

    RegistrantSlots slots(*m_paths);
    QCOMPARE(bool(slots.setName(2, name)), !refusal.isEmpty());
    QCOMPARE(slots.isRegistered(2), refusal.isEmpty());
    QCOMPARE(files().size(), refusal.isEmpty() ? 1 : 0);
    // Nothing is written outside the prediction folder.
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
             QStringList{QStringLiteral("Vemo6Data")});
}

void TestRegistrantSlots::registeringCreatesTheFileAndSurvivesARestart()
{
    RegistrantSlots slots(*m_paths);
    QVERIFY(!slots.setName(3, QStringLiteral("山田")));
    QVERIFY(!slots.setName(5, QStringLiteral("1")));
    QCOMPARE(files(), (QStringList{QStringLiteral("YDF3山田.txt"), QStringLiteral("YDF51.txt")}));
    QCOMPARE(readFile(m_paths->registrantFile(3, QStringLiteral("山田"))), QByteArray());

    const RegistrantSlots restarted(*m_paths);
    QCOMPARE(restarted.names(), slots.names());
    QCOMPARE(restarted.name(3), QStringLiteral("山田"));
    QCOMPARE(restarted.name(5), QStringLiteral("1"));
    QVERIFY(!restarted.isRegistered(1));
}

void TestRegistrantSlots::registeringKeepsAnExistingFile()
{
    const QString path = m_paths->registrantFile(1, QStringLiteral("abc"));
    writeFile(path, "000701031119273542");
    RegistrantSlots slots(*m_paths);
    QCOMPARE(slots.name(1), QStringLiteral("abc"));
    QVERIFY(!slots.setName(1, QStringLiteral("abc")));
    QCOMPARE(readFile(path), QByteArray("000701031119273542"));

    // A file left behind by an earlier registration under the same name is taken up again.
    QVERIFY(!slots.remove(1));
    writeFile(path, "000801031119273542");
    QVERIFY(!slots.setName(1, QStringLiteral("abc")));
    QCOMPARE(readFile(path), QByteArray("000801031119273542"));
}

void TestRegistrantSlots::renamingKeepsThePredictions()
{
    writeFile(m_paths->registrantFile(2, QStringLiteral("old")), "000701031119273542");
    RegistrantSlots slots(*m_paths);
    QVERIFY(!slots.setName(2, QStringLiteral("新しい名前")));
    QCOMPARE(files(), QStringList{QStringLiteral("YDF2新しい名前.txt")});
    QCOMPARE(readFile(m_paths->registrantFile(2, QStringLiteral("新しい名前"))), QByteArray("000701031119273542"));
    QCOMPARE(RegistrantSlots(*m_paths).name(2), QStringLiteral("新しい名前"));

    // A private file stays private, and a file that is a link stays a link to the same predictions.
    const QString elsewhere = m_dir->filePath(QStringLiteral("kept-elsewhere.txt"));
    writeFile(elsewhere, "000901031119273542");
    QVERIFY(QFile::setPermissions(elsewhere, QFile::ReadOwner | QFile::WriteOwner));
    QVERIFY(QFile::remove(m_paths->registrantFile(2, QStringLiteral("新しい名前"))));
    QVERIFY(QFile::link(elsewhere, m_paths->registrantFile(2, QStringLiteral("新しい名前"))));
    QVERIFY(!slots.setName(2, QStringLiteral("三番目")));
    const QFileInfo renamed(m_paths->registrantFile(2, QStringLiteral("三番目")));
    QVERIFY(renamed.isSymLink());
    QCOMPARE(renamed.symLinkTarget(), elsewhere);
    QCOMPARE(QFile::permissions(elsewhere) & 0x0077, QFileDevice::Permissions());
}

void TestRegistrantSlots::renamingOntoAnotherFileIsRefused()
{
    writeFile(m_paths->registrantFile(2, QStringLiteral("old")), "000701031119273542");
    RegistrantSlots slots(*m_paths);
    // A stray file of the slot under the new name would be overwritten by the rename.
    writeFile(m_paths->registrantFile(2, QStringLiteral("new")), "000801031119273542");
    const Status fault = slots.setName(2, QStringLiteral("new"));
    QVERIFY(fault);
    QVERIFY(fault->text.contains(m_paths->registrantFile(2, QStringLiteral("new"))));
    QCOMPARE(slots.name(2), QStringLiteral("old"));
    QCOMPARE(readFile(m_paths->registrantFile(2, QStringLiteral("old"))), QByteArray("000701031119273542"));
    QCOMPARE(readFile(m_paths->registrantFile(2, QStringLiteral("new"))), QByteArray("000801031119273542"));
}

void TestRegistrantSlots::refusedNameChangesNothing()
{
    writeFile(m_paths->registrantFile(4, QStringLiteral("keep")), "000701031119273542");
    RegistrantSlots slots(*m_paths);
    QVERIFY(slots.setName(4, QStringLiteral("abcdefghijk")));
    QVERIFY(slots.setName(0, QStringLiteral("abc")));
    QVERIFY(slots.setName(6, QStringLiteral("abc")));
    QCOMPARE(slots.name(4), QStringLiteral("keep"));
    QCOMPARE(files(), QStringList{QStringLiteral("YDF4keep.txt")});
}

void TestRegistrantSlots::removingDeletesTheFile()
{
    writeFile(m_paths->registrantFile(1, QStringLiteral("a")), "000701031119273542");
    writeFile(m_paths->registrantFile(2, QStringLiteral("b")), "000701031119273542");
    RegistrantSlots slots(*m_paths);
    QVERIFY(!slots.remove(1));
    QVERIFY(!slots.isRegistered(1));
    QCOMPARE(files(), QStringList{QStringLiteral("YDF2b.txt")});

    // A file already deleted from outside frees the slot all the same.
    QFile::remove(m_paths->registrantFile(2, QStringLiteral("b")));
    QVERIFY(!slots.remove(2));
    QVERIFY(!slots.isRegistered(2));
}

void TestRegistrantSlots::removingAFreeSlotIsRefused()
{
    RegistrantSlots slots(*m_paths);
    for (const int slot : {0, 1, 5, 6}) {
        const Status fault = slots.remove(slot);
        QVERIFY(fault);
        QVERIFY(fault->text.contains(QString::number(slot)));
    }
}

void TestRegistrantSlots::freeSlotsReadTheSampleFile()
{
    RegistrantSlots slots(*m_paths);
    QVERIFY(!slots.setName(4, QStringLiteral("d")));
    QCOMPARE(slots.predictionFile(0).path(), m_paths->sampleFile());
    QCOMPARE(slots.predictionFile(1).path(), m_paths->sampleFile());
    QCOMPARE(slots.predictionFile(4).path(), m_paths->registrantFile(4, QStringLiteral("d")));
}

QTEST_GUILESS_MAIN(TestRegistrantSlots)
#include "tst_registrantslots.moc"
