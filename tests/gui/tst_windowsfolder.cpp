#include <QAction>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cstdio>
#include <dirent.h>
#include <unistd.h>

#include "GuiSuite.h"
#include "gui/entry/BrowserText.h"
#include "gui/entry/DataEntryDialog.h"
#include "gui/entry/RegistrantDialog.h"
#include "gui/shell/CMainFrame.h"
#include "gui/shell/MainCommands.h"
#include "gui/shell/MainMenu.h"

namespace {

// Names as the Windows program wrote them, in code page 932: 山田, and ﾀﾛｳ① (half-width kana and an
// NEC special character, both outside plain Shift-JIS tables).
const QByteArray kYamadaFile("YDF1\x8E\x52\x93\x63.txt");
const QByteArray kTarouFile("YDF3\xC0\xDB\xB3\x87\x40.txt");
const QByteArray kYamadaRecords("012001010203040506");
const QByteArray kWindowsBrowser("C:\\Program Files\\Internet Explorer\\iexplore.exe");

void writeRaw(const QByteArray& path, const QByteArray& bytes)
{
    FILE* file = std::fopen(path.constData(), "wb");
    QVERIFY(file);
    QCOMPARE(std::fwrite(bytes.constData(), 1, size_t(bytes.size()), file), size_t(bytes.size()));
    QCOMPARE(std::fclose(file), 0);
}

// The folder's names as bytes, read past Qt, which skips names that are not UTF-8.
QList<QByteArray> rawNames(const QString& folder)
{
    QList<QByteArray> names;
    DIR* dir = ::opendir(folder.toUtf8().constData());
    while (const dirent* entry = dir ? ::readdir(dir) : nullptr) {
        if (entry->d_name[0] != '.')
            names.append(entry->d_name);
    }
    if (dir)
        ::closedir(dir);
    std::sort(names.begin(), names.end());
    return names;
}

} // namespace

class TestWindowsFolder : public GuiSuite {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void cliShowsNamesAndKeepsTheirBytes();
    void programShowsNamesAndReportsTheWindowsBrowser();

private:
    QByteArray yosoData() const { return m_install->paths().predictionFolder().toUtf8() + '/'; }
    QByteArray fileBytes(const QByteArray& name) const;
    QStringList cli(const QString& command) const;
};

void TestWindowsFolder::init()
{
    makeInstall(TestHistory::randomLines(119, 21));
    writeRaw(yosoData() + kYamadaFile, kYamadaRecords);
    writeRaw(yosoData() + kTarouFile, QByteArray());
    writeRaw(m_install->paths().pathDataFile().toUtf8(),
             "Browser<" + kWindowsBrowser + ">URL[http://www.vemo6.example/]" + '\0');
}

void TestWindowsFolder::cleanup()
{
    m_program.reset();
    // QTemporaryDir cannot see names that are not UTF-8, so it would leave the folder behind.
    for (const QByteArray& name : rawNames(m_install->paths().predictionFolder()))
        ::unlink((yosoData() + name).constData());
    stopProgram();
}

QByteArray TestWindowsFolder::fileBytes(const QByteArray& name) const
{
    QByteArray bytes;
    if (FILE* file = std::fopen((yosoData() + name).constData(), "rb")) {
        char buffer[4096];
        for (size_t got = 0; (got = std::fread(buffer, 1, sizeof buffer, file)) > 0;)
            bytes.append(buffer, qsizetype(got));
        std::fclose(file);
    }
    return bytes;
}

QStringList TestWindowsFolder::cli(const QString& command) const
{
    const CliRun run = runCli(m_install->paths(), command.split(QLatin1Char(' ')));
    if (run.exitCode != 0)
        qWarning("%s: %s", qPrintable(command), qPrintable(run.err));
    return run.outLines();
}

void TestWindowsFolder::cliShowsNamesAndKeepsTheirBytes()
{
    QCOMPARE(cli(QStringLiteral("registrant list")),
             (QStringList{QStringLiteral("1 山田"), QStringLiteral("2 "), QStringLiteral("3 ﾀﾛｳ①"),
                          QStringLiteral("4 "), QStringLiteral("5 ")}));

    // New predictions go into the files as they are named.
    QCOMPARE(cli(QStringLiteral("prediction add 1 120 7 8 9 10 11 12")),
             QStringList{QStringLiteral("予想 2+7. 8. 9. 10. 11. 12")});
    QCOMPARE(cli(QStringLiteral("prediction add 3 118 1 2 3 4 5 6")),
             QStringList{QStringLiteral("予想 1+1. 2. 3. 4. 5. 6")});
    const QList<QByteArray> named{kYamadaFile, kTarouFile};
    QCOMPARE(rawNames(m_install->paths().predictionFolder()), named);
    QCOMPARE(fileBytes(kYamadaFile), kYamadaRecords + "012002070809101112");
    QCOMPARE(fileBytes(kTarouFile), QByteArray("011801010203040506"));
    QCOMPARE(cli(QStringLiteral("hit-summary --registrants")).value(2).split(QLatin1Char(' ')).value(6),
             QStringLiteral("1"));
    const QTemporaryDir outside;
    QCOMPARE(cli(QStringLiteral("export-csv --slot 3 ") + outside.filePath(QStringLiteral("slot3.csv"))),
             QStringList{QStringLiteral("predictions 1")});

    // Undo finds the kept version of a file named in Shift-JIS, and puts it back under the same bytes.
    QCOMPARE(cli(QStringLiteral("undo --slot 1")), QStringList{QStringLiteral("1 山田")});
    QCOMPARE(fileBytes(kYamadaFile), kYamadaRecords);
    QCOMPARE(rawNames(m_install->paths().predictionFolder()), named);

    // A new name is written in UTF-8; the predictions go with it and the old name is gone.
    QCOMPARE(cli(QStringLiteral("registrant add 1 山田花子")), QStringList{QStringLiteral("1 山田花子")});
    QCOMPARE(rawNames(m_install->paths().predictionFolder()),
             (QList<QByteArray>{QByteArrayLiteral("YDF1山田花子.txt"), kTarouFile}));
    QCOMPARE(fileBytes(QByteArrayLiteral("YDF1山田花子.txt")), kYamadaRecords);
    QCOMPARE(cli(QStringLiteral("registrant remove 3")), QStringList{QStringLiteral("3 ")});
    QVERIFY(!rawNames(m_install->paths().predictionFolder()).contains(kTarouFile));
}

void TestWindowsFolder::programShowsNamesAndReportsTheWindowsBrowser()
{
    QVERIFY(startProgram());
    QStringList shown;
    TestProgram::whenModalShows([&shown](QWidget* modal) {
        QVERIFY(qobject_cast<RegistrantDialog*>(modal));
        for (int slot = 1; slot <= 5; ++slot)
            shown.append(modal->findChild<QLineEdit*>(QStringLiteral("registrantName%1").arg(slot))->text());
    });
    MainMenu::findCommand(frame(), MenuCommand::PredictionFiles)->trigger();
    QCOMPARE(shown, (QStringList{QStringLiteral("山田"), QString(), QStringLiteral("ﾀﾛｳ①"), QString(), QString()}));
    QVERIFY(m_messages.isEmpty());

    // The browser of the Windows machine is reported when the home page is first asked for.
    const std::unique_ptr<DataEntryDialog> opened = frame()->commands().makeDataEntryDialog();
    DataEntryDialog& dialog = *opened;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    click(&dialog, "homePageButton");
    QCOMPARE(m_messages.size(), 1);
    QCOMPARE(m_messages[0].caption, BrowserText::windowsBrowser(QString::fromUtf8(kWindowsBrowser)).caption);
    QCOMPARE(m_messages[0].text, BrowserText::windowsBrowser(QString::fromUtf8(kWindowsBrowser)).text);
    dialog.reject();
}

QTEST_MAIN(TestWindowsFolder)
#include "tst_windowsfolder.moc"
