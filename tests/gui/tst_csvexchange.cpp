#include <QAction>
#include <QApplication>
#include <QFileDialog>
#include <QHeaderView>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeView>

#include <algorithm>

#include "GuiSuite.h"
#include "core/text/ExchangeText.h"
#include "core/text/StoreText.h"
#include "gui/kit/FileListText.h"
#include "gui/shell/CMainFrame.h"
#include "gui/shell/CVemoView.h"
#include "gui/shell/MainMenu.h"

namespace {

// Chooses a file in the command's file dialog once it is up, as the user does: the name, then 決定.
void chooseInFileDialog(const QString& expectedTitle, const QString& file)
{
    TestProgram::whenModalShows([expectedTitle, file](QWidget* modal) {
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        QVERIFY(dialog);
        QCOMPARE(dialog->windowTitle(), expectedTitle);
        QCOMPARE(dialog->labelText(QFileDialog::FileName), ExchangeText::dialogFileName());
        GuiSuite::chooseFile(dialog, file);
    });
}

} // namespace

class TestCsvExchange : public GuiSuite {
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { stopProgram(); }
    void exportThenImportThroughTheMenu();
    void fileListSpeaksJapanese();

private:
    void choose(MenuCommand command);
    QImage viewShot() const { return view()->grab().toImage(); }

    QTemporaryDir m_dir;
};

void TestCsvExchange::choose(MenuCommand command)
{
    QVERIFY(m_program->choose(command));
}

void TestCsvExchange::exportThenImportThroughTheMenu()
{
    QVERIFY(startProgram(TestHistory::randomLines(150, 9)));
    const QByteArray original = m_install->historyBytes();

    // Onto the history itself: refused at once, without the question, and nothing is written.
    const QString history = m_install->paths().historyFile();
    chooseInFileDialog(ExchangeText::exportDialogTitle(), history);
    choose(MenuCommand::ExportCsv);
    QCOMPARE(m_messages.size(), 1);
    QCOMPARE(m_messages[0].text, ExchangeText::csvTargetInInstallation(history, m_install->paths().root()).text);
    QCOMPARE(m_install->historyBytes(), original);

    // Export over a file that is there: the program asks first.
    m_messages.clear();
    const QString exported = m_dir.filePath(QStringLiteral("書き出し.csv"));
    TestHistory::writeFile(exported, "old");
    queueAnswers({Answer::Yes});
    chooseInFileDialog(ExchangeText::exportDialogTitle(), exported);
    choose(MenuCommand::ExportCsv);
    QCOMPARE(m_messages.size(), 2);
    QCOMPARE(m_messages[0].text, ExchangeText::confirmReplaceFile(exported).text);
    QCOMPARE(m_messages[1].text, ExchangeText::exportDone(exported, 150).text);
    const QByteArray csv = TestHistory::readFile(exported);
    QVERIFY(csv.startsWith("draw,n1,n2,n3,n4,n5,n6\n1,"));
    QCOMPARE(csv.count('\n'), 151);

    // A broken line: its message, no question, nothing changed.
    const QString broken = m_dir.filePath(QStringLiteral("broken.csv"));
    TestHistory::writeFile(broken, QByteArray(csv).replace("\n3,", "\n4,"));
    m_messages.clear();
    chooseInFileDialog(ExchangeText::importDialogTitle(), broken);
    choose(MenuCommand::ImportCsv);
    QCOMPARE(m_messages.size(), 1);
    QVERIFY2(m_messages[0].text.startsWith(QStringLiteral("CSVファイルの 4 行目が正しくありません。")),
             qPrintable(m_messages[0].text));
    QCOMPARE(m_install->historyBytes(), original);

    // Another history, written as a spreadsheet would: declined first, then taken.
    const FlagLines newer = TestHistory::randomLines(160, 4);
    const TestInstall other(newer);
    const QString newerCsv = m_dir.filePath(QStringLiteral("newer.csv"));
    QCOMPARE(runCli(other.paths(), {QStringLiteral("export-csv"), newerCsv}).exitCode, 0);
    TestHistory::writeFile(newerCsv, TestHistory::readFile(newerCsv).replace(',', '\t').replace("\n", "\r\n"));
    const QImage before = viewShot();
    m_messages.clear();
    queueAnswers({Answer::No});
    chooseInFileDialog(ExchangeText::importDialogTitle(), newerCsv);
    choose(MenuCommand::ImportCsv);
    QCOMPARE(m_messages.size(), 1);
    QCOMPARE(m_messages[0].text, ExchangeText::confirmImport(newerCsv, 160, 150).text);
    QCOMPARE(m_install->historyBytes(), original);

    m_messages.clear();
    queueAnswers({Answer::Yes});
    chooseInFileDialog(ExchangeText::importDialogTitle(), newerCsv);
    choose(MenuCommand::ImportCsv);
    QCOMPARE(m_messages.size(), 2);
    QCOMPARE(m_messages[1].text, ExchangeText::importDone(160).text);
    QCOMPARE(m_install->historyBytes(), HistoryFormat::serialize(newer));
    QCOMPARE(MainMenu::findCommand(frame(), MenuCommand::LastDraw)->text(), StoreText::lastDrawMenu(160));
    // The pattern graph is drawn again from the new draws.
    QTRY_VERIFY(viewShot() != before);

    // The replaced history is the one undo brings back.
    m_messages.clear();
    queueAnswers({Answer::Yes});
    choose(MenuCommand::UndoHistory);
    QCOMPARE(m_install->historyBytes(), original);
}

void TestCsvExchange::fileListSpeaksJapanese()
{
    QVERIFY(startProgram(TestHistory::randomLines(20, 3)));
    QTemporaryDir folder;
    QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("保存先")));
    const QString file = folder.filePath(QStringLiteral("KakoData.csv"));
    TestHistory::writeFile(file, "draw,n1,n2,n3,n4,n5,n6\n");

    // Whatever the desktop's language: the headings, the types and the dates, each column as wide as its texts.
    QStringList shown;
    TestProgram::whenModalShows([&](QWidget* modal) {
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        QVERIFY(dialog);
        dialog->setDirectory(folder.path());
        auto* details = dialog->findChild<QTreeView*>(QStringLiteral("treeView"));
        QVERIFY(details && details->isVisible());
        const QAbstractItemModel* list = details->model();
        QTRY_COMPARE(list->rowCount(details->rootIndex()), 2);
        for (int column = 0; column < 4; ++column)
            shown.append(list->headerData(column, Qt::Horizontal).toString());
        for (int row = 0; row < 2; ++row) {
            const QModelIndex name = list->index(row, 0, details->rootIndex());
            shown.append(QStringList{name.data().toString(), name.siblingAtColumn(2).data().toString(),
                                     name.siblingAtColumn(3).data().toString()}
                             .join(QLatin1Char(' ')));
        }
        const QAbstractItemView* view = details;
        for (int column = 1; column < 4; ++column)
            QVERIFY2(details->header()->sectionSize(column) >= view->sizeHintForColumn(column),
                     qPrintable(QString::number(column)));
    });
    choose(MenuCommand::ExportCsv);
    const QString modified = FileListText::modifiedAt(QFileInfo(file).lastModified());
    const QString folderModified =
        FileListText::modifiedAt(QFileInfo(folder.filePath(QStringLiteral("保存先"))).lastModified());
    std::sort(shown.begin() + 4, shown.end());
    QCOMPARE(shown, (QStringList{QStringLiteral("名前"), QStringLiteral("サイズ"), QStringLiteral("種類"),
                                 QStringLiteral("更新日時"), QStringLiteral("KakoData.csv CSV ファイル ") + modified,
                                 QStringLiteral("保存先 フォルダー ") + folderModified}));
    QVERIFY(QRegularExpression(QStringLiteral("^\\d{4}/\\d\\d/\\d\\d \\d\\d:\\d\\d$")).match(modified).hasMatch());
}

QTEST_MAIN(TestCsvExchange)
#include "tst_csvexchange.moc"
