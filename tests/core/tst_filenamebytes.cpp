#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>

#include "TestHistory.h"
#include "core/store/AtomicWriter.h"
#include "core/store/ChangeRecovery.h"
#include "core/store/FileNameBytes.h"

class TestFileNameBytes : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void namesComeBackAsTheirBytes_data();
    void namesComeBackAsTheirBytes();
    void anyBytesComeBack();
    void filesNamedInShiftJis();
};

void TestFileNameBytes::namesComeBackAsTheirBytes_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("readable");
    QTest::newRow("ASCII") << QByteArray("YDF1abc.txt") << QStringLiteral("YDF1abc.txt");
    QTest::newRow("UTF-8") << QByteArray("YDF2山田.txt") << QStringLiteral("YDF2山田.txt");
    QTest::newRow("beyond the BMP") << QByteArray("YDF2\xF0\x9F\x8E\xB2.txt") << QStringLiteral("YDF2🎲.txt");
    QTest::newRow("CP932") << QByteArray("YDF1\x8E\x52\x93\x63.txt") << QStringLiteral("YDF1山田.txt");
    QTest::newRow("CP932 kana and NEC specials")
        << QByteArray("YDF3\xC0\xDB\xB3\x87\x40\x87\x90.txt") << QStringLiteral("YDF3ﾀﾛｳ①≒.txt");
    QTest::newRow("CP932 wave dash") << QByteArray("\x81\x60") << QStringLiteral("～");
    QTest::newRow("UTF-8 folder, CP932 name")
        << QByteArray("/home/ユーザー/YDF1\x8E\x52\x93\x63.txt") << QStringLiteral("/home/ユーザー/YDF1山田.txt");
}

void TestFileNameBytes::namesComeBackAsTheirBytes()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, readable);
    const QString path = FileNameBytes::decode(bytes);
    QCOMPARE(FileNameBytes::encode(path), bytes);
    QCOMPARE(FileNameBytes::readable(path), readable);
}

void TestFileNameBytes::anyBytesComeBack()
{
    // Broken sequences too: overlong forms, encoded surrogates, cut-off and stray continuation bytes.
    for (const QByteArray& bytes : {QByteArray("\xC0\x80"), QByteArray("\xED\xA0\x80\xED\xB0\x80"),
                                    QByteArray("\xE5\xB1"), QByteArray("\x80\xBF"), QByteArray("\xF4\x90\x80\x80")})
        QCOMPARE(FileNameBytes::encode(FileNameBytes::decode(bytes)), bytes);
    QRandomGenerator random(7);
    for (int round = 0; round < 20000; ++round) {
        QByteArray bytes(random.bounded(1, 12), Qt::Uninitialized);
        for (char& c : bytes)
            c = char(random.bounded(1, 256));
        const QString path = FileNameBytes::decode(bytes);
        if (FileNameBytes::encode(path) != bytes)
            QFAIL(qPrintable(QString::fromLatin1(bytes.toHex(' '))));
    }
}

void TestFileNameBytes::filesNamedInShiftJis()
{
    const QTemporaryDir dir;
    const QString folder = dir.path() + QLatin1Char('/');
    const QString name = FileNameBytes::decode("YDF1\x8E\x52\x93\x63.txt");
    TestHistory::writeFile(folder + QStringLiteral("plain.txt"), "p");
    QVERIFY(!FileNameBytes::exists(folder + name));
    QVERIFY(!FileNameBytes::read(folder + name).bytes);
    QVERIFY(!AtomicWriter::write(folder + name, "abc"));
    QCOMPARE(FileNameBytes::fileNames(dir.path()), (QStringList{name, QStringLiteral("plain.txt")}));
    QCOMPARE(FileNameBytes::read(folder + name).bytes.value_or(QByteArray()), QByteArray("abc"));

    // The spare file of a save cut short under that name goes; the file itself stays.
    const QString spare = folder + QLatin1Char('.') + name + QStringLiteral("~Ab12Cd.vemo-new");
    FILE* leftover = std::fopen(FileNameBytes::encode(spare).constData(), "w");
    QVERIFY(leftover && std::fclose(leftover) == 0);
    QCOMPARE(FileNameBytes::fileNames(dir.path()).size(), 3);
    const ChangeRecovery::Outcome settled = ChangeRecovery::settle(dir.path());
    QVERIFY(!settled.fault && !settled.setAside);
    QCOMPARE(FileNameBytes::fileNames(dir.path()), (QStringList{name, QStringLiteral("plain.txt")}));

    QVERIFY(FileNameBytes::remove(folder + name));
    QCOMPARE(FileNameBytes::fileNames(dir.path()), QStringList{QStringLiteral("plain.txt")});
}

QTEST_GUILESS_MAIN(TestFileNameBytes)
#include "tst_filenamebytes.moc"
