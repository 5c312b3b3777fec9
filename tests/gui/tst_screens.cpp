// The program's screens and windows at 1024 × 768 on a copy of the bundled sample, pixel for pixel against
// tests/data/screens; VEMO_UPDATE_SCREENS=1 writes those pictures instead. What goes by the clock stays out:
// the titles, which end with today's date, are no part of a grab, and the main window's title line is painted
// over in magenta; the random god reads a fixed clock; the predicting window's five animations are painted
// over in magenta, in the grab as in the picture.
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QPainter>
#include <QSettings>
#include <QStyleHints>
#include <QTemporaryDir>
#include <QTest>

#include <memory>
#include <optional>

#include "GuiSuite.h"
#include "TestPixels.h"
#include "core/store/InstallLocator.h"
#include "core/store/PathSettings.h"
#include "gui/kit/ScreenScale.h"
#include "gui/oracle/RandomGodDialog.h"
#include "gui/predict/DataGodResultWindow.h"
#include "gui/predict/LatestPredictionPopup.h"
#include "gui/predict/PredictingWindow.h"
#include "gui/shell/CMainFrame.h"
#include "gui/shell/CVemoView.h"
#include "gui/shell/HitCountScreen.h"
#include "gui/shell/MainMenu.h"

using namespace std::chrono_literals;

namespace {

const QSize kScreen(1024, 768);
// What masked areas are painted with, in the baselines as in the grabs.
const QColor kMaskColour(255, 0, 255);

// Lets what a change of screen posts (popups, layouts, repaints) come round.
void settle()
{
    for (int i = 0; i < 5; ++i) {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
    }
}

QList<QWidget*> visibleWindows()
{
    QList<QWidget*> shown;
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->isVisible())
            shown.append(window);
    return shown;
}

QImage diffOf(const QImage& expected, const QImage& actual)
{
    QImage diff(actual.size(), QImage::Format_RGB32);
    for (int y = 0; y < actual.height(); ++y) {
        for (int x = 0; x < actual.width(); ++x) {
            const QRgb pixel = actual.pixel(x, y);
            const int faded = 192 + qGray(pixel) / 4;
            diff.setPixel(x, y, pixel == expected.pixel(x, y) ? qRgb(faded, faded, faded) : qRgb(255, 0, 0));
        }
    }
    return diff;
}

} // namespace

class TestScreens : public GuiSuite {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void mainScreens_data();
    void mainScreens();
    void hitCountScreen_data();
    void hitCountScreen();
    void dataGodSettingsAndResults();
    void predictingWindow();
    void modalWindows_data();
    void modalWindows();
    void modelessWindows_data();
    void modelessWindows();

private:
    void startAndSettle();
    void verifyScreen(const QString& name, QWidget* widget, const QList<QWidget*>& masked = {});
    void verifyImage(const QString& name, QImage actual);

    QTemporaryDir m_browserLog;
    std::unique_ptr<QTemporaryDir> m_folder;
    InstallPaths m_paths{QString()};
};

void TestScreens::initTestCase()
{
    // The random god answers by the date and time.
    RandomGodDialog::setClock([] { return QDateTime(QDate(2026, 12, 6), QTime(21, 30, 15)); });
    // A steady text cursor: a blinking one would be caught at either phase.
    QGuiApplication::styleHints()->setCursorFlashTime(0);
    qputenv("FAKE_BROWSER_LOG", m_browserLog.filePath(QStringLiteral("browser.log")).toLocal8Bit());
    QVERIFY2(QFileInfo(QStringLiteral(VEMO_SCREENS)).isDir(), VEMO_SCREENS);
}

void TestScreens::init()
{
    // A copy of the bundled sample, whose browser is the test's stand-in so that the update guide shows.
    m_folder = std::make_unique<QTemporaryDir>();
    QSettings unused(m_folder->filePath(QStringLiteral("unused.ini")), QSettings::IniFormat);
    const InstallLocator locator(unused, QString(), qEnvironmentVariable("VEMO_SAMPLE"));
    const QString root = m_folder->filePath(QStringLiteral("install"));
    QVERIFY(QDir().mkpath(root));
    QVERIFY(!locator.addMissingSampleFiles(root));
    m_paths = InstallPaths(root);
    PathSettings settings = PathSettings::loadPathSettings(m_paths.pathDataFile());
    settings.browserPath = QStringLiteral(FAKE_BROWSER_PATH);
    QVERIFY(!settings.writePathData(m_paths.pathDataFile()));
    startAndSettle();
}

void TestScreens::startAndSettle()
{
    QVERIFY(startProgram(m_paths));
    QCOMPARE(QSize(ScreenScale::width(), ScreenScale::height()), kScreen);
    QCOMPARE(frame()->size(), kScreen);
    settle();
}

void TestScreens::cleanup()
{
    stopProgram();
    m_folder.reset();
}

void TestScreens::verifyScreen(const QString& name, QWidget* widget, const QList<QWidget*>& masked)
{
    QVERIFY2(widget && widget->isVisible(), qPrintable(name));
    QVERIFY(QTest::qWaitForWindowExposed(widget->window()));
    settle();
    QImage image = TestPixels::grabOf(widget);
    QPainter painter(&image);
    QList<QWidget*> clocked = masked;
    if (QWidget* titleLine = widget->findChild<QLabel*>(QStringLiteral("titleLine")))
        clocked.append(titleLine);
    for (const QWidget* area : std::as_const(clocked))
        painter.fillRect(QRect(area->mapTo(widget, QPoint(0, 0)), area->size()), kMaskColour);
    painter.end();
    verifyImage(name, image);
}

void TestScreens::verifyImage(const QString& name, QImage actual)
{
    const QString baseline = QDir(QStringLiteral(VEMO_SCREENS)).filePath(name + QStringLiteral(".png"));
    if (qEnvironmentVariableIntValue("VEMO_UPDATE_SCREENS") == 1) {
        QVERIFY2(actual.save(baseline, "PNG", 0), qPrintable(baseline));
        return;
    }
    const QImage expected = QImage(baseline).convertToFormat(QImage::Format_RGB32);
    if (expected == actual)
        return;
    const QDir out(QStringLiteral(VEMO_SCREENS_OUT));
    QVERIFY(out.mkpath(QStringLiteral(".")));
    const QString actualFile = out.filePath(name + QStringLiteral("-actual.png"));
    QVERIFY(actual.save(actualFile));
    QString message = QStringLiteral("%1 differs from %2; the grab is %3").arg(name, baseline, actualFile);
    if (expected.size() == actual.size()) {
        const QString diffFile = out.filePath(name + QStringLiteral("-diff.png"));
        QVERIFY(diffOf(expected, actual).save(diffFile));
        message += QStringLiteral(", the differing pixels are red in %1").arg(diffFile);
    } else {
        message += QStringLiteral(", of %1 × %2 instead of %3 × %4")
                       .arg(actual.width())
                       .arg(actual.height())
                       .arg(expected.width())
                       .arg(expected.height());
    }
    QFAIL(qPrintable(message));
}

void TestScreens::mainScreens_data()
{
    QTest::addColumn<std::optional<MenuCommand>>("command");
    QTest::newRow("pattern-graph") << std::optional<MenuCommand>();
    QTest::newRow("pattern-graph-weighted") << std::optional(MenuCommand::WeightingOn);
    QTest::newRow("appearance") << std::optional(MenuCommand::Appearance);
    QTest::newRow("history-graph") << std::optional(MenuCommand::HistoryGraph);
}

void TestScreens::mainScreens()
{
    using OptionalCommand = std::optional<MenuCommand>;
    QFETCH(OptionalCommand, command);
    if (command)
        QVERIFY(m_program->choose(*command));
    verifyScreen(QString::fromLatin1(QTest::currentDataTag()), frame());
}

void TestScreens::hitCountScreen_data()
{
    QTest::addColumn<bool>("registered");
    QTest::newRow("hit-count") << false;
    QTest::newRow("hit-count-registered") << true;
}

void TestScreens::hitCountScreen()
{
    // Nobody registered: the offer to register is declined and the windows stay white. Registered:
    // the sample's own predictions as the first registrant's, with the figures and the newest one.
    QFETCH(bool, registered);
    if (registered) {
        stopProgram();
        QVERIFY(QFile::copy(m_paths.predictionFolder() + QStringLiteral("/sample.txt"),
                            m_paths.registrantFile(1, QStringLiteral("見本"))));
        startAndSettle();
    }
    QVERIFY(m_program->choose(MenuCommand::HitCount));
    if (registered)
        QTRY_VERIFY(view()->hitCountScreen().resultWindow(1)->latestPopup());
    verifyScreen(QString::fromLatin1(QTest::currentDataTag()), frame());
}

void TestScreens::dataGodSettingsAndResults()
{
    TestProgram::whenModalShows([this](QWidget* dialog) {
        verifyScreen(QStringLiteral("data-god-settings"), dialog);
        // Nine numbers, without the predicting window.
        click(dialog, "countChoice9");
        click(dialog, "hidePredictingChoice");
        click(dialog, "okButton");
    });
    QVERIFY(m_program->choose(MenuCommand::DataGod));
    QVERIFY(view()->state().dataGodMode);
    QCOMPARE(view()->state().predictionCount, 9);
    verifyScreen(QStringLiteral("data-god-results"), frame());
    // The newest prediction of each god comes up over its window.
    const DataGodResultWindow* results = view()->hitCountScreen().resultWindow(1);
    QTRY_VERIFY(results->latestPopup());
    verifyScreen(QStringLiteral("data-god-latest"), results->latestPopup());
}

void TestScreens::predictingWindow()
{
    // Long enough to be grabbed; its animations play by the clock, so their areas are left out.
    PredictingWindow::setDisplayTime(60s);
    bool grabbed = false;
    TestProgram::whenModalShows([this, &grabbed](QWidget* dialog) {
        click(dialog, "showPredictingChoice");
        TestProgram::whenModalShows([this, &grabbed](QWidget* window) {
            QVERIFY(qobject_cast<PredictingWindow*>(window));
            QList<QWidget*> animations;
            for (int i = 1; i <= 5; ++i)
                animations.append(control(window, QStringLiteral("animation%1").arg(i)));
            verifyScreen(QStringLiteral("predicting"), window, animations);
            grabbed = true;
            click(window, "cancelButton");
        });
        click(dialog, "okButton");
    });
    QVERIFY(m_program->choose(MenuCommand::DataGod));
    PredictingWindow::setDisplayTime(std::nullopt);
    QVERIFY(grabbed);
}

void TestScreens::modalWindows_data()
{
    QTest::addColumn<MenuCommand>("command");
    QTest::newRow("data-entry") << MenuCommand::DataEntry;
    QTest::newRow("registrants") << MenuCommand::PredictionFiles;
    QTest::newRow("version") << MenuCommand::About;
}

void TestScreens::modalWindows()
{
    QFETCH(MenuCommand, command);
    bool grabbed = false;
    TestProgram::whenModalShows([this, &grabbed](QWidget* window) {
        verifyScreen(QString::fromLatin1(QTest::currentDataTag()), window);
        grabbed = true;
    });
    QVERIFY(m_program->choose(command));
    QVERIFY(grabbed);
}

void TestScreens::modelessWindows_data()
{
    QTest::addColumn<MenuCommand>("command");
    QTest::newRow("number-card") << MenuCommand::NumberCard;
    QTest::newRow("latest-pattern") << MenuCommand::LatestPattern;
    QTest::newRow("random-god") << MenuCommand::RandomGod;
    QTest::newRow("random-god-moment") << MenuCommand::OracleTime;
    QTest::newRow("backtest") << MenuCommand::Backtest;
    QTest::newRow("help") << MenuCommand::Help;
    QTest::newRow("update-guide") << MenuCommand::DataUpdate;
}

void TestScreens::modelessWindows()
{
    QFETCH(MenuCommand, command);
    const QList<QWidget*> before = visibleWindows();
    QVERIFY(m_program->choose(command));
    settle();
    QList<QWidget*> opened = visibleWindows();
    opened.removeIf([&before](QWidget* window) { return before.contains(window); });
    QCOMPARE(opened.size(), 1);
    verifyScreen(QString::fromLatin1(QTest::currentDataTag()), opened.first());
    opened.first()->close();
}

// The screen of 1024 × 768 is the offscreen platform's, set before the application starts.
int main(int argc, char* argv[])
{
    const QTemporaryDir platform;
    const QString config = platform.filePath(QStringLiteral("screen.json"));
    QFile file(config);
    if (!file.open(QIODevice::WriteOnly)
        || file.write(QStringLiteral(R"({"screens": [{"name": "screens", "width": %1, "height": %2, )"
                                     R"("logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})")
                          .arg(kScreen.width())
                          .arg(kScreen.height())
                          .toUtf8())
               < 0)
        return 2;
    file.close();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + config.toLocal8Bit());
    QApplication app(argc, argv);
    TestScreens test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_screens.moc"
