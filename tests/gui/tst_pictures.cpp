#include <QImage>
#include <QTest>

#include "TestPixels.h"
#include "gui/kit/Pictures.h"
#include "gui/shell/ProgramPictures.h"

namespace {

// Share of pixels that are not fully transparent.
double coverage(const QImage& image)
{
    const int drawn = TestPixels::count(image, [](QRgb pixel) { return qAlpha(pixel) > 0; });
    return double(drawn) / (image.width() * image.height());
}

} // namespace

class TestPictures : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void bitmapHasItsSize_data();
    void bitmapHasItsSize();
    void handCursorPointsWithItsTip();
    void unknownIdGivesVisiblePlaceholder();
    void openingPictureKeepsDateReadable();
};

void TestPictures::initTestCase()
{
    ProgramPictures::registerAll();
}

void TestPictures::bitmapHasItsSize_data()
{
    QTest::addColumn<int>("id");
    QTest::addColumn<QSize>("size");

    QTest::newRow("opening picture") << 102 << QSize(400, 300);
    for (int id = 279; id <= 288; ++id)
        QTest::addRow("animation frame %d", id) << id << QSize(32, 32);
    QTest::newRow("hand cursor") << 324 << QSize(32, 32);
    QTest::newRow("window icon") << 200 << QSize(32, 32);
    QTest::newRow("end mark") << 389 << QSize(15, 90);
    QTest::newRow("six hits") << 315 << QSize(15, 90);
    QTest::newRow("three to five hits") << 314 << QSize(15, 15);
    QTest::newRow("not yet drawn") << 312 << QSize(15, 15);
    QTest::newRow("one or two hits") << 248 << QSize(15, 15);
    QTest::newRow("no hit") << 313 << QSize(15, 90);
    // The features' own tables.
    QTest::newRow("row captions") << 269 << QSize(50, 54);
    QTest::newRow("registrant chip") << 272 << QSize(36, 28);
    QTest::newRow("update guide") << 403 << QSize(64, 64);
    QTest::newRow("pattern tabs") << 147 << QSize(560, 17);
    QTest::newRow("lucky colour") << 193 << QSize(30, 70);
}

void TestPictures::bitmapHasItsSize()
{
    QFETCH(int, id);
    QFETCH(QSize, size);

    const QPixmap pixmap = Pictures::bitmap(id);
    QVERIFY(!pixmap.isNull());
    QCOMPARE(pixmap.size(), size);
    QVERIFY(coverage(pixmap.toImage()) > 0.05); // not blank; the coin edge on is thin
    QCOMPARE(Pictures::bitmap(id).cacheKey(), pixmap.cacheKey());
}

void TestPictures::handCursorPointsWithItsTip()
{
    const QCursor hand = Pictures::cursor(324);
    QCOMPARE(hand.shape(), Qt::BitmapCursor);
    QCOMPARE(hand.pixmap().size(), QSize(32, 32));
    const QImage image = hand.pixmap().toImage();
    QVERIFY(qAlpha(image.pixel(hand.hotSpot())) > 0);
    int top = 0;
    while (top < image.height() && coverage(image.copy(0, top, image.width(), 1)) == 0)
        ++top;
    QVERIFY(hand.hotSpot().y() - top <= 1);
}

void TestPictures::unknownIdGivesVisiblePlaceholder()
{
    const QPixmap pixmap = Pictures::bitmap(99999);
    QVERIFY(!pixmap.isNull());
    QCOMPARE(coverage(pixmap.toImage()), 1.0);
    QVERIFY(!Pictures::cursor(-1).pixmap().isNull());
    QVERIFY(!Pictures::icon(0).isNull());
}

void TestPictures::openingPictureKeepsDateReadable()
{
    // The date is written in black from the top of the box (104, 180)–(704, 280) of the 800 × 600
    // screen, which is (52, 90)–(352, 140) of the picture: it needs a light ground there.
    const QImage picture = Pictures::bitmap(102).toImage();
    const QRect dateBox(QPoint(52, 90), QPoint(351, 139));
    int darkest = 255;
    for (int y = dateBox.top(); y <= dateBox.bottom(); y += 2)
        for (int x = dateBox.left(); x <= dateBox.right(); x += 2)
            darkest = qMin(darkest, qGray(picture.pixel(x, y)));
    QVERIFY2(darkest > 150, qPrintable(QString::number(darkest)));
}

QTEST_MAIN(TestPictures)
#include "tst_pictures.moc"
