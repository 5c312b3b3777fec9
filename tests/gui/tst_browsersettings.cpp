#include <QAbstractItemView>
#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

#include "GuiSuite.h"
#include "core/ApplicationInfo.h"
#include "core/store/PathSettings.h"
#include "core/text/EntryText.h"
#include "gui/document/CVemoDoc.h"
#include "gui/entry/BrowserService.h"
#include "gui/entry/BrowserText.h"
#include "gui/shell/CMainFrame.h"
#include "gui/shell/CVemoView.h"
#include "gui/shell/MainMenu.h"
#include "gui/shell/VersionDialog.h"

namespace {

const QString kFakeBrowser = QStringLiteral(FAKE_BROWSER_PATH);
const QString kOldBrowser =
    QStringLiteral("/opt/vemo/browsers/a-browser-path-much-longer-than-the-fake-one/bin/browser");
const QString kOldAddress = QStringLiteral("https://vemo6.example/kekka/index.html");
const QString kNewAddress = QStringLiteral("https://vemo6.example/toban");

QByteArray pathDataBytes(const QString& browser, const QString& address)
{
    return "Browser<" + browser.toUtf8() + ">URL[" + address.toUtf8() + "]" + '\0';
}

// Stands in for the desktop's browser when an address is opened.
class AddressCatcher : public QObject {
    Q_OBJECT
public:
    QList<QUrl> opened;
    Q_INVOKABLE void openUrl(const QUrl& url) { opened.append(url); }
};

} // namespace

class TestBrowserSettings : public GuiSuite {
    Q_OBJECT

public:
    TestBrowserSettings() : GuiSuite(Unqueued::Agreed) {}

private Q_SLOTS:
    void initTestCase();
    void cleanup();
    void browserFromClipboardTriesConfirmsAndStores();
    void unstorablePathChangesNothing();
    void browserFromFileDialog();
    void homePageFromClipboard();
    void versionDialogUnderHelp();

private:
    void startWithOldSettings();
    void choose(MenuCommand command);
    void messageComing(const UserMessage& message) override;
    void expectUnchanged();
    QStringList logLines() const;
    CVemoDoc& doc() const { return view()->document(); }

    QTemporaryDir m_logDir;
    QString m_log;
    FlagLines m_lines;
};

void TestBrowserSettings::initTestCase()
{
    m_lines = TestHistory::randomLines(120, 5);
    m_log = m_logDir.filePath(QStringLiteral("browser.log"));
    qputenv("FAKE_BROWSER_LOG", QFile::encodeName(m_log));
}

void TestBrowserSettings::cleanup()
{
    BrowserService::closeTestBrowser();
    stopProgram();
    QFile::remove(m_log);
}

void TestBrowserSettings::startWithOldSettings()
{
    const PathSettings old{kOldBrowser, kOldAddress};
    QVERIFY(!old.writePathData(makeInstall(m_lines).pathDataFile()));
    QVERIFY(startProgram());
    QCOMPARE(doc().pathSettings().browserPath, kOldBrowser);
}

void TestBrowserSettings::choose(MenuCommand command)
{
    QVERIFY(m_program->choose(command));
}

void TestBrowserSettings::messageComing(const UserMessage& message)
{
    // The user looks at the browser tried out before answering; a quicker answer would end it unborn.
    if (message.text == BrowserText::confirmBrowser(kFakeBrowser).text
        && !QTest::qWaitFor([this] { return logLines().contains(QStringLiteral("ready")); }))
        qWarning("the browser tried out did not start");
}

void TestBrowserSettings::expectUnchanged()
{
    QCOMPARE(TestHistory::readFile(m_install->paths().pathDataFile()), pathDataBytes(kOldBrowser, kOldAddress));
    QCOMPARE(doc().pathSettings().browserPath, kOldBrowser);
    QCOMPARE(doc().pathSettings().homePageUrl, kOldAddress);
}

QStringList TestBrowserSettings::logLines() const
{
    QFile file(m_log);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

void TestBrowserSettings::browserFromClipboardTriesConfirmsAndStores()
{
    startWithOldSettings();
    QClipboard* clipboard = QGuiApplication::clipboard();

    clipboard->clear();
    choose(MenuCommand::BrowserFromClipboard);
    expectMessage({QStringLiteral("クリップボードにデータが入っていません。"),
                   QStringLiteral("クリップボードにブラウザのパスがコピーがされていません。"
                                  "登録するブラウザのパスをコピー＆貼り付けして下さい。")});
    expectUnchanged();

    // A browser that is not there: the shell's "file not found", the clipboard emptied, nothing stored.
    clipboard->setText(m_logDir.filePath(QStringLiteral("no-such-browser")));
    choose(MenuCommand::BrowserFromClipboard);
    expectMessage({QStringLiteral("ブラウザの設定に失敗しました！"),
                   QStringLiteral("ブラウザの登録に失敗しました。もう一度、最初から操作し直して下さい。\n\n"
                                  "理由：指定したファイルが見つかりません。")});
    QVERIFY(clipboard->text().isEmpty());
    expectUnchanged();

    // Declined: the browser tried out stays open and nothing is stored.
    clipboard->setText(kFakeBrowser + QLatin1Char('\n'));
    queueAnswers({Answer::No});
    choose(MenuCommand::BrowserFromClipboard);
    expectMessage(BrowserText::confirmBrowser(kFakeBrowser));
    QVERIFY(m_messages.isEmpty());
    QTRY_COMPARE(logLines(), QStringList{QStringLiteral("ready")});
    QTest::qWait(100);
    QCOMPARE(logLines(), QStringList{QStringLiteral("ready")});
    expectUnchanged();
    BrowserService::closeTestBrowser();
    QTRY_VERIFY(logLines().contains(QStringLiteral("terminated")));
    QFile::remove(m_log);

    // Confirmed: a shorter path than before replaces the whole file, the address kept; the test browser closes.
    clipboard->setText(kFakeBrowser);
    queueAnswers({Answer::Yes});
    choose(MenuCommand::BrowserFromClipboard);
    expectMessage(BrowserText::confirmBrowser(kFakeBrowser));
    QVERIFY(m_messages.isEmpty());
    QCOMPARE(TestHistory::readFile(m_install->paths().pathDataFile()), pathDataBytes(kFakeBrowser, kOldAddress));
    QCOMPARE(doc().pathSettings().browserPath, kFakeBrowser);
    QCOMPARE(doc().pathSettings().homePageUrl, kOldAddress);
    QTRY_COMPARE(logLines(), (QStringList{QStringLiteral("ready"), QStringLiteral("terminated")}));
}

void TestBrowserSettings::unstorablePathChangesNothing()
{
    startWithOldSettings();
    // A real program, in a folder whose name the settings file cannot hold.
    const QString folder = m_logDir.filePath(QStringLiteral("a>URL[b"));
    QVERIFY(QDir().mkpath(folder));
    const QString browser = folder + QStringLiteral("/browser");
    QVERIFY(QFile::link(kFakeBrowser, browser));
    QGuiApplication::clipboard()->setText(browser);
    choose(MenuCommand::BrowserFromClipboard);
    expectMessage(BrowserText::confirmBrowser(browser));
    expectMessage(EntryText::pathDataUnstorable());
    expectUnchanged();
    QTRY_COMPARE(logLines(), QStringList{QStringLiteral("ready")});
}

void TestBrowserSettings::browserFromFileDialog()
{
    startWithOldSettings();
    // The dialog lists folders and programs, in Japanese, and nothing else.
    const QString folder = m_logDir.filePath(QStringLiteral("programs"));
    QVERIFY(QDir().mkpath(folder + QStringLiteral("/sub")));
    QVERIFY(QFile::copy(kFakeBrowser, folder + QStringLiteral("/browser")));
    TestHistory::writeFile(folder + QStringLiteral("/readme.txt"), "not a program");
    TestProgram::whenModalShows([&folder](QWidget* modal) {
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        QVERIFY(dialog);
        dialog->setDirectory(folder);
        auto* list = dialog->findChild<QAbstractItemView*>(QStringLiteral("listView"));
        QVERIFY(list);
        const auto shown = [list] {
            QStringList names;
            for (int row = 0; row < list->model()->rowCount(list->rootIndex()); ++row)
                names << list->model()->index(row, 0, list->rootIndex()).data().toString();
            return names;
        };
        QTRY_COMPARE(shown().join(u','), QStringLiteral("..,browser,sub"));
        auto* typeLabel = dialog->findChild<QLabel*>(QStringLiteral("fileTypeLabel"));
        QVERIFY(typeLabel);
        QCOMPARE(typeLabel->text(), QStringLiteral("ファイルの種類:"));
        dialog->reject();
    });
    choose(MenuCommand::BrowserFromFile);
    QVERIFY(m_messages.isEmpty());
    expectUnchanged();

    QRect shownAt;
    TestProgram::whenModalShows([&shownAt](QWidget* modal) {
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        QVERIFY(dialog);
        QCOMPARE(dialog->windowTitle(), QStringLiteral("ブラウザの設定"));
        QCOMPARE(dialog->labelText(QFileDialog::Accept), QStringLiteral("決　　定"));
        QCOMPARE(dialog->labelText(QFileDialog::Reject), QStringLiteral("キャンセル"));
        shownAt = dialog->frameGeometry();
        chooseFile(dialog, kFakeBrowser);
    });
    choose(MenuCommand::BrowserFromFile);
    const QRect screen = frame()->screen()->geometry();
    QVERIFY2(qAbs(shownAt.center().x() - screen.center().x()) <= 8, qPrintable(QString::number(shownAt.x())));
    QVERIFY2(qAbs(shownAt.center().y() - screen.center().y()) <= 40, qPrintable(QString::number(shownAt.y())));
    expectMessage(BrowserText::confirmBrowser(kFakeBrowser));
    QCOMPARE(TestHistory::readFile(m_install->paths().pathDataFile()), pathDataBytes(kFakeBrowser, kOldAddress));
    QCOMPARE(doc().pathSettings().browserPath, kFakeBrowser);
    QTRY_COMPARE(logLines(), (QStringList{QStringLiteral("ready"), QStringLiteral("terminated")}));
}

void TestBrowserSettings::homePageFromClipboard()
{
    startWithOldSettings();
    AddressCatcher catcher;
    QDesktopServices::setUrlHandler(QStringLiteral("https"), &catcher, "openUrl");
    QClipboard* clipboard = QGuiApplication::clipboard();

    clipboard->clear();
    choose(MenuCommand::HomePage);
    expectMessage({QStringLiteral("クリップボードにデータが入っていません。"),
                   QStringLiteral("クリップボードにURLのコピーがされていません。"
                                  "登録するホームページのURLをコピー＆貼り付けして下さい。")});

    // A copied paragraph is refused before anything is opened.
    clipboard->setText(kNewAddress + QStringLiteral("\nVEMO6 当せん番号"));
    choose(MenuCommand::HomePage);
    expectMessage(BrowserText::clipboardNotOneLine());
    QVERIFY(clipboard->text().isEmpty());

    // What the browser could take for an option is no page: refused before anything is opened.
    const QString option = QStringLiteral("-cimport os;os.system('id')");
    clipboard->setText(option);
    choose(MenuCommand::HomePage);
    expectMessage(BrowserText::homePageRefused(option));
    QVERIFY(catcher.opened.isEmpty());
    expectUnchanged();

    clipboard->setText(m_install->paths().root() + QStringLiteral("/no/such/folder/page.html"));
    choose(MenuCommand::HomePage);
    expectMessage(BrowserText::homePageRegistrationFailed(BrowserService::PathNotFound));
    QVERIFY(catcher.opened.isEmpty());
    expectUnchanged();

    clipboard->setText(kNewAddress);
    queueAnswers({Answer::Cancel});
    choose(MenuCommand::HomePage);
    expectMessage(
        {QStringLiteral("ホームページアドレスの登録の確認"),
         QStringLiteral("登録するホームページが今開いているページでよければ \" O K ボタン \"を押して下さい。\n\n"
                        "やり直しする場合は\" キャンセルボタン \"を押して最初から操作し直して下さい。")});
    QCOMPARE(catcher.opened, QList<QUrl>{QUrl(kNewAddress)});
    expectUnchanged();

    clipboard->setText(kNewAddress);
    queueAnswers({Answer::Ok});
    choose(MenuCommand::HomePage);
    expectMessage(BrowserText::confirmHomePage());
    QCOMPARE(catcher.opened.size(), 2);
    QCOMPARE(TestHistory::readFile(m_install->paths().pathDataFile()), pathDataBytes(kOldBrowser, kNewAddress));
    QCOMPARE(doc().pathSettings().browserPath, kOldBrowser);
    QCOMPARE(doc().pathSettings().homePageUrl, kNewAddress);
    QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
}

void TestBrowserSettings::versionDialogUnderHelp()
{
    startWithOldSettings();
    QAction* about = MainMenu::findCommand(frame(), MenuCommand::About);
    QVERIFY(about);
    auto* helpMenu = qobject_cast<QMenu*>(about->parent());
    QVERIFY(helpMenu);
    QCOMPARE(helpMenu->title(), QStringLiteral("ヘルプ(&H)"));
    QVERIFY(helpMenu->actions().contains(MainMenu::findCommand(frame(), MenuCommand::Help)));

    bool shown = false;
    TestProgram::whenModalShows([&shown](QWidget* modal) {
        auto* dialog = qobject_cast<VersionDialog*>(modal);
        QVERIFY(dialog);
        QVERIFY(QTest::qWaitForWindowExposed(dialog));
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Vemoのﾊﾞｰｼﾞｮﾝ情報"));
        QLabel* version = nullptr;
        for (QLabel* label : dialog->findChildren<QLabel*>())
            if (label->text() == QStringLiteral("Vemo Version ") + applicationVersion())
                version = label;
        QVERIFY(version);
        // The line is drawn in full: dark text pixels at both of its ends.
        const QImage image = version->grab().toImage();
        int left = image.width();
        int right = -1;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (qGray(image.pixel(x, y)) < 96) {
                    left = qMin(left, x);
                    right = qMax(right, x);
                }
        QVERIFY(right > left);
        QVERIFY(right - left >= version->fontMetrics().horizontalAdvance(version->text()) * 9 / 10);
        auto* ok = control<QPushButton>(dialog, "okButton");
        QVERIFY(!ok->geometry().intersects(version->geometry()));
        QTest::mouseClick(ok, Qt::LeftButton);
        shown = true;
    });
    about->trigger();
    QVERIFY(shown);
    QVERIFY(!frame()->findChild<VersionDialog*>());
}

QTEST_MAIN(TestBrowserSettings)
#include "tst_browsersettings.moc"
