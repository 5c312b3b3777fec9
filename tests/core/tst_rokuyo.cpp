#include "core/app/LunarMonthTable.h"
#include "core/app/Rokuyo.h"
#include "core/app/TitleSuffix.h"

#include <QDate>
#include <QHash>
#include <QSet>
#include <QTest>

#include <algorithm>
#include <array>

using Calendar::kRokuyoUnknown;
using Calendar::rokuyoIndex;

namespace {

int yyyymmdd(const QDate& date)
{
    return date.year() * 10000 + date.month() * 100 + date.day();
}

QDate fromYyyymmdd(int value)
{
    return QDate(value / 10000, value / 100 % 100, value % 100);
}

} // namespace

class TestRokuyo : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void year2000Spans_data();
    void year2000Spans();
    void knownDates_data();
    void knownDates();
    void leapEleventhMonth2033_data();
    void leapEleventhMonth2033();
    void noRokuyo_data();
    void noRokuyo();
    void advancesDailyAndRestartsWithEachMonth();
    void monthTableIsConsistent();
    void titleSuffix_data();
    void titleSuffix();
};

void TestRokuyo::year2000Spans_data()
{
    QTest::addColumn<int>("dayOfYear");
    QTest::addColumn<int>("expected");

    // Last day of each span and the offset added to the day of year inside it.
    constexpr std::array<int, 14> kSpanEnds = {5, 34, 64, 94, 123, 152, 182, 211, 240, 270, 299, 329, 359, 366};
    constexpr std::array<int, 14> kOffsets = {0, 1, 3, 4, 5, 1, 3, 4, 0, 2, 3, 5, 0, 1};
    constexpr int kLastDayOf2000 = 365;
    int first = 0;
    for (std::size_t i = 0; i < kSpanEnds.size(); ++i) {
        const int last = std::min(kSpanEnds[i], kLastDayOf2000);
        for (int day : {first, last}) {
            QTest::addRow("day %d", day) << day << (day + kOffsets[i]) % 6;
        }
        first = kSpanEnds[i] + 1;
    }
}

void TestRokuyo::year2000Spans()
{
    QFETCH(int, dayOfYear);
    QFETCH(int, expected);
    QCOMPARE(rokuyoIndex(yyyymmdd(QDate(2000, 1, 1).addDays(dayOfYear))), expected);
}

void TestRokuyo::knownDates_data()
{
    QTest::addColumn<int>("date");
    QTest::addColumn<int>("expected");

    QTest::newRow("2000-01-01") << 20000101 << 0;
    QTest::newRow("2000-01-07 12/1") << 20000107 << 1;
    QTest::newRow("Reiwa's first day, a 大安") << 20190501 << 0;

    // Lunar new year (旧正月) is always 先勝.
    constexpr int kSenshou = 2;
    for (int day :
         {20000205, 20010124, 20020212, 20030201, 20040122, 20050209, 20060129, 20070218, 20080207, 20090126, 20100214,
          20110203, 20120123, 20130210, 20140131, 20150219, 20160208, 20170128, 20180216, 20190205, 20200125, 20210212,
          20220201, 20230122, 20240210, 20250129, 20260217, 20300203, 20400212, 20500123, 20690123}) {
        QTest::addRow("new year %d", day) << day << kSenshou;
    }
    // New moon shortly after midnight JST: one day later than the Chinese new year.
    QTest::newRow("new year 2027 in JST") << 20270207 << kSenshou;
    QTest::newRow("new year 2028 in JST") << 20280127 << kSenshou;
    QTest::newRow("new year 2061 in JST") << 20610122 << kSenshou;

    // First days of published leap months, which count as their base month; 2012 and 2017 differ from China.
    QTest::newRow("2004 leap 2/1") << 20040321 << 3;
    QTest::newRow("2012 leap 3/1") << 20120421 << 4;
    QTest::newRow("2014 leap 9/1") << 20141024 << 4;
    QTest::newRow("2017 leap 5/1") << 20170624 << 0;
    QTest::newRow("2020 leap 4/1") << 20200523 << 5;
    QTest::newRow("2023 leap 2/1") << 20230322 << 3;
    QTest::newRow("2025 leap 6/1") << 20250725 << 1;

    // Month starts decided by new moons within minutes of midnight JST.
    QTest::newRow("2005-12-01 10/30") << 20051201 << 4;
    QTest::newRow("2005-12-02 11/1, new moon 00:01") << 20051202 << 0;
    QTest::newRow("2017-02-25 1/29") << 20170225 << 0;
    QTest::newRow("2017-02-26 2/1, new moon 23:58") << 20170226 << 3;
    QTest::newRow("2012-06-20 5/1, new moon 00:02") << 20120620 << 0;
}

void TestRokuyo::knownDates()
{
    QFETCH(int, date);
    QFETCH(int, expected);
    QCOMPARE(rokuyoIndex(date), expected);
}

void TestRokuyo::leapEleventhMonth2033_data()
{
    QTest::addColumn<int>("date");
    QTest::addColumn<int>("expected");

    // 2033: 7, 8, 9, 10, 11, leap 11, 12, then the new year of 2034.
    QTest::newRow("8/1") << 20330825 << 3;
    QTest::newRow("9/1") << 20330923 << 4;
    QTest::newRow("10/1") << 20331023 << 5;
    QTest::newRow("11/1") << 20331122 << 0;
    QTest::newRow("11/30") << 20331221 << 5;
    QTest::newRow("leap 11/1") << 20331222 << 0;
    QTest::newRow("leap 11/29") << 20340119 << 4;
    QTest::newRow("12/1") << 20340120 << 1;
    QTest::newRow("2034 new year") << 20340219 << 2;
}

void TestRokuyo::leapEleventhMonth2033()
{
    QFETCH(int, date);
    QFETCH(int, expected);
    QCOMPARE(rokuyoIndex(date), expected);
}

void TestRokuyo::noRokuyo_data()
{
    QTest::addColumn<int>("date");

    QTest::newRow("1999-12-31") << 19991231;
    QTest::newRow("1999-01-01") << 19990101;
    QTest::newRow("2070-01-01") << 20700101;
    QTest::newRow("2070-12-31") << 20701231;
    QTest::newRow("zero") << 0;
    QTest::newRow("negative") << -20000101;
    QTest::newRow("2001-02-29") << 20010229;
    QTest::newRow("month 13") << 20001301;
    QTest::newRow("day 0") << 20000100;
    QTest::newRow("day 32") << 20000132;
}

void TestRokuyo::noRokuyo()
{
    QFETCH(int, date);
    QCOMPARE(rokuyoIndex(date), kRokuyoUnknown);
}

void TestRokuyo::advancesDailyAndRestartsWithEachMonth()
{
    QHash<int, int> monthOfStart;
    for (const Calendar::LunarMonthStart& start : Calendar::kLunarMonthStarts)
        monthOfStart.insert(start.m_firstDay, start.m_month);

    int previous = rokuyoIndex(20000101);
    for (QDate date(2000, 1, 2); date <= QDate(2069, 12, 31); date = date.addDays(1)) {
        const int day = yyyymmdd(date);
        const int index = rokuyoIndex(day);
        const auto start = monthOfStart.constFind(day);
        const int expected = start != monthOfStart.cend() ? (*start + 1) % 6 : (previous + 1) % 6;
        if (index != expected)
            QFAIL(qPrintable(QStringLiteral("%1: %2, expected %3").arg(day).arg(index).arg(expected)));
        previous = index;
    }
}

void TestRokuyo::monthTableIsConsistent()
{
    const auto& table = Calendar::kLunarMonthStarts;
    QVERIFY(table.front().m_firstDay <= 20000101);
    QVERIFY(table.back().m_firstDay > 20691231);

    QSet<int> newYears;
    for (std::size_t i = 0; i < table.size(); ++i) {
        const Calendar::LunarMonthStart& month = table[i];
        const QDate first = fromYyyymmdd(month.m_firstDay);
        QVERIFY2(first.isValid(), qPrintable(QString::number(month.m_firstDay)));
        QVERIFY(month.m_month >= 1 && month.m_month <= 12);
        if (month.m_month == 1 && !month.m_leap) {
            // Lunar new year falls between 21 January and 20 February.
            QVERIFY2(first >= QDate(first.year(), 1, 21) && first <= QDate(first.year(), 2, 20),
                     qPrintable(QString::number(month.m_firstDay)));
            newYears.insert(first.year());
        }
        if (i == 0)
            continue;
        const Calendar::LunarMonthStart& before = table[i - 1];
        const qint64 length = fromYyyymmdd(before.m_firstDay).daysTo(first);
        QVERIFY2(length == 29 || length == 30, qPrintable(QString::number(month.m_firstDay)));
        const int expectedMonth = month.m_leap ? before.m_month : before.m_month % 12 + 1;
        QVERIFY2(month.m_month == expectedMonth && !(month.m_leap && before.m_leap),
                 qPrintable(QString::number(month.m_firstDay)));
    }
    for (int year = 2000; year <= 2069; ++year)
        QVERIFY2(newYears.contains(year), qPrintable(QString::number(year)));
}

void TestRokuyo::titleSuffix_data()
{
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QString>("expected");

    QTest::newRow("2000-01-07") << QDate(2000, 1, 7) << QStringLiteral("1月 7日  金曜日  ≪赤口≫");
    QTest::newRow("2000-01-01") << QDate(2000, 1, 1) << QStringLiteral("1月 1日  土曜日  ≪大安≫");
    QTest::newRow("2000-12-31") << QDate(2000, 12, 31) << QStringLiteral("12月 31日  日曜日  ≪大安≫");
    QTest::newRow("2000-02-05") << QDate(2000, 2, 5) << QStringLiteral("2月 5日  土曜日  ≪先勝≫");
    QTest::newRow("2000-02-06") << QDate(2000, 2, 6) << QStringLiteral("2月 6日  日曜日  ≪友引≫");
    QTest::newRow("2000-02-07") << QDate(2000, 2, 7) << QStringLiteral("2月 7日  月曜日  ≪先負≫");
    QTest::newRow("2000-02-08") << QDate(2000, 2, 8) << QStringLiteral("2月 8日  火曜日  ≪仏滅≫");
    QTest::newRow("2019-05-01") << QDate(2019, 5, 1) << QStringLiteral("5月 1日  水曜日  ≪大安≫");
    QTest::newRow("2033-12-22") << QDate(2033, 12, 22) << QStringLiteral("12月 22日  木曜日  ≪大安≫");
    QTest::newRow("2069-12-31") << QDate(2069, 12, 31) << QStringLiteral("12月 31日  火曜日  ≪仏滅≫");
    QTest::newRow("1999-12-31") << QDate(1999, 12, 31) << QStringLiteral("12月 31日  金曜日  ≪？？≫");
    QTest::newRow("2070-01-01") << QDate(2070, 1, 1) << QStringLiteral("1月 1日  水曜日  ≪？？≫");
    QTest::newRow("far future") << QDate(123456, 3, 4) << QStringLiteral("3月 4日  火曜日  ≪？？≫");
    QTest::newRow("invalid") << QDate() << QString();
}

void TestRokuyo::titleSuffix()
{
    QFETCH(QDate, date);
    QFETCH(QString, expected);
    QCOMPARE(Calendar::titleSuffix(date), expected);
}

QTEST_GUILESS_MAIN(TestRokuyo)
#include "tst_rokuyo.moc"
