#include <QDate>
#include <QGuiApplication>
#include <QPainter>
#include <QSignalSpy>
#include <QTest>

#include "TestPixels.h"
#include "core/app/TitleSuffix.h"
#include "gui/kit/Pictures.h"
#include "gui/kit/ScreenScale.h"
#include "gui/shell/COpeningWnd.h"

using namespace std::chrono_literals;

class TestOpeningWnd : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void finishesAndCentresPointer();
    void coversScreenAndIgnoresInput();
    void writesDateOnPicture();
    void animationMovesOnEachPaint();

private:
    COpeningWnd* showOpening() const;
    QImage plainPicture() const;

    QWidget* m_mainWindow = nullptr;
};

void TestOpeningWnd::init()
{
    ScreenScale::setScreenSize(QSize(800, 600));
    COpeningWnd::setDisplayTime(1h);
    m_mainWindow = new QWidget;
}

void TestOpeningWnd::cleanup()
{
    delete m_mainWindow; // takes a still open opening window with it
    QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
}

COpeningWnd* TestOpeningWnd::showOpening() const
{
    auto* opening = new COpeningWnd(m_mainWindow);
    opening->showOpening();
    return opening;
}

QImage TestOpeningWnd::plainPicture() const
{
    QImage image(ScreenScale::width(), ScreenScale::height(), QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&image);
    Pictures::paint(painter, image.rect(), 102);
    painter.end();
    return image.convertToFormat(QImage::Format_RGB32);
}

void TestOpeningWnd::finishesAndCentresPointer()
{
    COpeningWnd::setDisplayTime(50ms);
    COpeningWnd* opening = showOpening();
    QVERIFY(!opening->dateText().isEmpty());
    QPointer<COpeningWnd> guard(opening);
    QSignalSpy finished(opening, &COpeningWnd::finished);
    QCursor::setPos(5, 5);

    QTRY_COMPARE(finished.count(), 1);
    // The wait may already have run the deferred delete.
    QVERIFY(guard.isNull() || !guard->isVisible());
    QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
    QCOMPARE(QCursor::pos(), QPoint(400, 300));
    QTRY_VERIFY(guard.isNull());
}

void TestOpeningWnd::coversScreenAndIgnoresInput()
{
    COpeningWnd* opening = showOpening();
    QCOMPARE(opening->geometry(), QRect(0, 0, 800, 600));
    QCOMPARE(QGuiApplication::overrideCursor()->shape(), Qt::BlankCursor);
    QTest::keyClick(opening, Qt::Key_Escape);
    QTest::keyClick(opening, Qt::Key_F4, Qt::AltModifier);
    QTest::mouseClick(opening, Qt::LeftButton, {}, QPoint(400, 300));
    QTest::mouseClick(opening, Qt::RightButton, {}, QPoint(10, 10));
    QVERIFY(!opening->close());
    QCoreApplication::processEvents();
    QVERIFY(opening->isVisible());
}

void TestOpeningWnd::writesDateOnPicture()
{
    COpeningWnd* opening = showOpening();
    const QDate before = QDate::currentDate();
    const QImage shown = TestPixels::grabOf(opening);
    const QDate after = QDate::currentDate();
    QVERIFY(opening->dateText() == Calendar::titleSuffix(before)
            || opening->dateText() == Calendar::titleSuffix(after));

    const QImage plain = plainPicture();
    const QRect dateBox = ScreenScale::rect(104, 180, 704, 280);
    const QRect besideIt = ScreenScale::rect(0, 300, 800, 600);
    QVERIFY(shown.copy(dateBox) != plain.copy(dateBox));
    QCOMPARE(shown.copy(besideIt), plain.copy(besideIt));
}

void TestOpeningWnd::animationMovesOnEachPaint()
{
    COpeningWnd* opening = showOpening();
    const QRect left = ScreenScale::rect(180, 174, 212, 206);
    const QRect right = ScreenScale::rect(600, 174, 632, 206);
    // One round of nine paints shows each of the five pictures of both animations.
    QList<QImage> leftSeen;
    QList<QImage> rightSeen;
    for (int paint = 0; paint < 9; ++paint) {
        const QImage shown = opening->grab().toImage();
        if (!leftSeen.contains(shown.copy(left)))
            leftSeen.append(shown.copy(left));
        if (!rightSeen.contains(shown.copy(right)))
            rightSeen.append(shown.copy(right));
    }
    QCOMPARE(leftSeen.size(), 5);
    QCOMPARE(rightSeen.size(), 5);
}

QTEST_MAIN(TestOpeningWnd)
#include "tst_openingwnd.moc"
