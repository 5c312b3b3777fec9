#include <QDir>
#include <QDirIterator>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

#include "TestHistory.h"

/** The program as `cmake --install` lays it out under a prefix, run as a user would. */
class TestInstalledProgram : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void installedCliMakesAndCompletesTheUserFolder();
    void helpVersionAndManualAgree();
    void desktopEntryAndMetainfoValidate();
    void bashCompletionFollowsTheUsage();

private:
    struct Run {
        int exitCode = -1;
        QString out;
        QString err;
    };
    Run run(const QString& program, const QStringList& arguments, const QProcessEnvironment& environment) const;
    Run runCli(const QStringList& arguments) const;
    QString installed(const QString& relative) const { return m_prefix.filePath(relative); }
    QString sample() const { return installed(QStringLiteral("share/nurugata/sample")); }

    QTemporaryDir m_prefix;
    QTemporaryDir m_home;
    QProcessEnvironment m_user;
};

void TestInstalledProgram::initTestCase()
{
    QVERIFY(m_prefix.isValid() && m_home.isValid());
    const Run install =
        run(QStringLiteral(CMAKE_PROGRAM),
            {QStringLiteral("--install"), QStringLiteral(BUILD_FOLDER), QStringLiteral("--prefix"), m_prefix.path()},
            QProcessEnvironment::systemEnvironment());
    QVERIFY2(install.exitCode == 0, qPrintable(install.err));

    // A fresh user: nothing but a home folder.
    m_user = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_DATA_DIRS"})
        m_user.remove(QString::fromLatin1(name));
    m_user.insert(QStringLiteral("HOME"), m_home.path());
    m_user.insert(QStringLiteral("PATH"), installed(QStringLiteral("bin")) + QStringLiteral(":/usr/bin:/bin"));
}

TestInstalledProgram::Run TestInstalledProgram::run(const QString& program, const QStringList& arguments,
                                                    const QProcessEnvironment& environment) const
{
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    if (!process.waitForFinished(120000))
        return {};
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardOutput()), QString::fromUtf8(process.readAllStandardError())};
}

TestInstalledProgram::Run TestInstalledProgram::runCli(const QStringList& arguments) const
{
    return run(installed(QStringLiteral("bin/vemo-cli")), arguments, m_user);
}

void TestInstalledProgram::installedCliMakesAndCompletesTheUserFolder()
{
    QVERIFY(QFileInfo(installed(QStringLiteral("bin/vemo"))).isExecutable());
    const Run first = runCli({QStringLiteral("info")});
    QVERIFY2(first.exitCode == 0, qPrintable(first.err));
    const QString user = m_home.filePath(QStringLiteral(".local/share/Quorvanex/ヌルガタ"));
    QCOMPARE(first.out.split(QLatin1Char('\n')).value(0), QStringLiteral("draws 2000"));
    QCOMPARE(first.out.split(QLatin1Char('\n')).value(2), QStringLiteral("path ") + user);
    QVERIFY(QFile::exists(m_home.filePath(QStringLiteral(".config/Quorvanex/ヌルガタ.conf"))));
    QStringList sampleFiles;
    for (QDirIterator it(sample(), QDir::Files, QDirIterator::Subdirectories); it.hasNext();)
        sampleFiles << QDir(sample()).relativeFilePath(it.next());
    QVERIFY(sampleFiles.contains(QStringLiteral("Help/index.html")));
    for (const QString& file : sampleFiles)
        QCOMPARE(TestHistory::readFile(user + QLatin1Char('/') + file),
                 TestHistory::readFile(sample() + QLatin1Char('/') + file));

    // The folder as an older version left it: fewer help pages, and the user's own history and settings.
    QVERIFY(runCli({QStringLiteral("append"), QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"),
                    QStringLiteral("4"), QStringLiteral("5"), QStringLiteral("6")})
                .exitCode
            == 0);
    const QByteArray history = TestHistory::readFile(user + QStringLiteral("/Vemo6Data/KakoData.txt"));
    TestHistory::writeFile(user + QStringLiteral("/Vemo6Data/PathData.txt"), QByteArrayLiteral("Browser<>URL[mine]\0"));
    QVERIFY(QDir(user + QStringLiteral("/Help")).removeRecursively());
    QVERIFY(QDir().mkpath(user + QStringLiteral("/Help")));
    TestHistory::writeFile(user + QStringLiteral("/Help/index.html"), "the old manual");

    const Run later = runCli({QStringLiteral("info")});
    QVERIFY2(later.exitCode == 0, qPrintable(later.err));
    QCOMPARE(later.out.split(QLatin1Char('\n')).value(0), QStringLiteral("draws 2001"));
    QCOMPARE(TestHistory::readFile(user + QStringLiteral("/Vemo6Data/KakoData.txt")), history);
    QCOMPARE(TestHistory::readFile(user + QStringLiteral("/Vemo6Data/PathData.txt")),
             QByteArrayLiteral("Browser<>URL[mine]\0"));
    QCOMPARE(TestHistory::readFile(user + QStringLiteral("/Help/index.html")), QByteArray("the old manual"));
    for (const QString& file : sampleFiles) {
        if (file.startsWith(QStringLiteral("Help/")) && file != QStringLiteral("Help/index.html"))
            QCOMPARE(TestHistory::readFile(user + QLatin1Char('/') + file),
                     TestHistory::readFile(sample() + QLatin1Char('/') + file));
    }

    // A folder named on the command line is used as it is.
    TestInstall given(TestHistory::randomLines(30, 8));
    const Run elsewhere = runCli({QStringLiteral("--install-path"), given.paths().root(), QStringLiteral("info")});
    QVERIFY2(elsewhere.exitCode == 0, qPrintable(elsewhere.err));
    QCOMPARE(QDir(given.paths().root()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
             QStringList{QStringLiteral("Vemo6Data")});
}

void TestInstalledProgram::helpVersionAndManualAgree()
{
    // Neither needs nor makes a data folder.
    QTemporaryDir home;
    QProcessEnvironment environment = m_user;
    environment.insert(QStringLiteral("HOME"), home.path());
    const QString cli = installed(QStringLiteral("bin/vemo-cli"));
    const Run help = run(cli, {QStringLiteral("--help")}, environment);
    QCOMPARE(help.exitCode, 0);
    QVERIFY(help.err.isEmpty());
    const Run version = run(cli, {QStringLiteral("--version")}, environment);
    QCOMPARE(version.exitCode, 0);
    const QRegularExpressionMatch number =
        QRegularExpression(QStringLiteral("^vemo-cli \\(ヌルガタ\\) ([0-9.]+)\\n$")).match(version.out);
    QVERIFY2(number.hasMatch(), qPrintable(version.out));
    QVERIFY(QDir(home.path()).isEmpty());

    // Every command of the usage has its entry in the manual page, which names the same version.
    QString page = QString::fromUtf8(TestHistory::readFile(installed(QStringLiteral("share/man/man1/vemo-cli.1"))));
    if (page.isEmpty()) {
        const Run unpacked =
            run(QStringLiteral("gzip"),
                {QStringLiteral("-dc"), installed(QStringLiteral("share/man/man1/vemo-cli.1.gz"))}, m_user);
        page = unpacked.out;
    }
    QVERIFY(page.startsWith(QStringLiteral(".TH VEMO-CLI 1 ")));
    QVERIFY2(page.section(QLatin1Char('\n'), 0, 0).contains(QStringLiteral("ヌルガタ ") + number.captured(1)),
             qPrintable(page.section(QLatin1Char('\n'), 0, 0)));
    const QStringList usage = help.out.split(QLatin1Char('\n'));
    const qsizetype commandsFrom = usage.indexOf(QStringLiteral("COMMAND:"));
    QVERIFY(commandsFrom > 0);
    for (const QString& line : usage.mid(commandsFrom + 1)) {
        if (line.isEmpty())
            continue;
        const QString command = line.simplified().section(QLatin1Char(' '), 0, 0);
        // Commands are entries ".B name", ".BI name", ".BR name" or "\fBname" in the troff source, with their
        // dashes escaped.
        QString escaped = command;
        escaped.replace(QStringLiteral("-"), QStringLiteral("\\-"));
        QVERIFY2(QRegularExpression(QStringLiteral("(^\\.B[IR]? \"?|\\\\fB)") + QRegularExpression::escape(escaped)
                                        + QStringLiteral("\\b"),
                                    QRegularExpression::MultilineOption)
                     .match(page)
                     .hasMatch(),
                 qPrintable(command));
        // Each command tells its own use.
        const Run own = run(cli, {command, QStringLiteral("--help")}, environment);
        QVERIFY2(own.exitCode == 0 && own.out.contains(line.trimmed()), qPrintable(command + own.err));
    }
    QVERIFY(QDir(home.path()).isEmpty());

    const QString metainfo = QString::fromUtf8(
        TestHistory::readFile(installed(QStringLiteral("share/metainfo/com.quorvanex.nurugata.metainfo.xml"))));
    QVERIFY(metainfo.contains(QStringLiteral("<release version=\"%1\"").arg(number.captured(1))));
}

void TestInstalledProgram::desktopEntryAndMetainfoValidate()
{
    const QString desktop = installed(QStringLiteral("share/applications/com.quorvanex.nurugata.desktop"));
    const QString metainfo = installed(QStringLiteral("share/metainfo/com.quorvanex.nurugata.metainfo.xml"));
    const QString entry = QString::fromUtf8(TestHistory::readFile(desktop));
    QVERIFY(entry.contains(QStringLiteral("\nName=ヌルガタ\n")));
    QVERIFY(entry.contains(QStringLiteral("\nExec=vemo\n")));
    QVERIFY(entry.contains(QStringLiteral("\nIcon=com.quorvanex.nurugata\n")));
    // The icon in each size it is installed in; a PNG gives its size at bytes 16 … 23.
    const QString icons = installed(QStringLiteral("share/icons/hicolor"));
    const QString svg = icons + QStringLiteral("/scalable/apps/com.quorvanex.nurugata.svg");
    QVERIFY(TestHistory::readFile(svg).contains("<svg"));
    for (int size : {48, 256}) {
        const QByteArray png =
            TestHistory::readFile(icons + QStringLiteral("/%1x%1/apps/com.quorvanex.nurugata.png").arg(size));
        QVERIFY(png.startsWith("\x89PNG"));
        QCOMPARE(qFromBigEndian<quint32>(png.constData() + 16), quint32(size));
        QCOMPARE(qFromBigEndian<quint32>(png.constData() + 20), quint32(size));
    }

    const QString desktopValidate = QStandardPaths::findExecutable(QStringLiteral("desktop-file-validate"));
    const QString appstreamcli = QStandardPaths::findExecutable(QStringLiteral("appstreamcli"));
    if (desktopValidate.isEmpty() || appstreamcli.isEmpty())
        QSKIP("desktop-file-validate or appstreamcli is not installed (desktop-file-utils, appstream)");
    const Run entryCheck = run(desktopValidate, {desktop}, m_user);
    QVERIFY2(entryCheck.exitCode == 0 && entryCheck.out.isEmpty(), qPrintable(entryCheck.out + entryCheck.err));
    const Run metainfoCheck =
        run(appstreamcli, {QStringLiteral("validate"), QStringLiteral("--no-net"), metainfo}, m_user);
    QVERIFY2(metainfoCheck.exitCode == 0, qPrintable(metainfoCheck.out + metainfoCheck.err));
}

void TestInstalledProgram::bashCompletionFollowsTheUsage()
{
    const QString bash = QStandardPaths::findExecutable(QStringLiteral("bash"));
    if (bash.isEmpty())
        QSKIP("bash is not installed");
    const QString script = QStringLiteral(
        "source \"$1\"\n"
        "complete_words() { COMP_WORDS=(\"$@\"); COMP_CWORD=$(($# - 1)); _vemo_cli; echo \"${COMPREPLY[*]}\"; }\n"
        "complete_words vemo-cli regi\n"
        "complete_words vemo-cli --install-path /tmp import\n"
        "complete_words vemo-cli registrant ''\n"
        "complete_words vemo-cli predict --count 6 --pre\n"
        "complete_words vemo-cli predict --prefer ''\n"
        "complete_words vemo-cli export-csv ''\n"
        "complete_words vemo-cli export-csv --\n"
        "complete -p vemo-cli\n");
    const Run completion = run(bash,
                               {QStringLiteral("-c"), script, QStringLiteral("bash"),
                                installed(QStringLiteral("share/bash-completion/completions/vemo-cli"))},
                               m_user);
    QVERIFY2(completion.exitCode == 0, qPrintable(completion.err));
    QCOMPARE(completion.out.split(QLatin1Char('\n')),
             QStringList({QStringLiteral("registrant"), QStringLiteral("import import-csv"),
                          QStringLiteral("add remove list"), QStringLiteral("--prefer"),
                          QStringLiteral("frequent rare"), QString(), QStringLiteral("--slot --gods"),
                          QStringLiteral("complete -o default -F _vemo_cli vemo-cli"), QString()}));
}

QTEST_GUILESS_MAIN(TestInstalledProgram)
#include "tst_install.moc"
