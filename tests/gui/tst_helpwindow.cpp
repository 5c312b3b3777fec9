#include <QApplication>
#include <QDir>
#include <QPushButton>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>

#include "GuiSuite.h"
#include "gui/kit/HelpText.h"
#include "gui/kit/HelpWindow.h"

namespace {

QList<QWidget*> helpWindows()
{
    QList<QWidget*> found;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->objectName() == QLatin1String("HelpWindow") && widget->isVisible())
            found.append(widget);
    }
    return found;
}

QList<QTextCharFormat> formatsOf(const QTextDocument* document)
{
    QList<QTextCharFormat> formats;
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment)
            formats.append(fragment.fragment().charFormat());
    }
    return formats;
}

QStringList linksOf(const QTextDocument* document)
{
    QStringList links;
    for (const QTextCharFormat& format : formatsOf(document)) {
        if (!format.anchorHref().isEmpty() && !links.contains(format.anchorHref()))
            links.append(format.anchorHref());
    }
    return links;
}

QStringList anchorsOf(const QTextDocument* document)
{
    QStringList anchors;
    for (const QTextCharFormat& format : formatsOf(document))
        anchors += format.anchorNames();
    return anchors;
}

} // namespace

class TestHelpWindow : public GuiSuite {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanup();
    void opensOnceAndReturnsToContents();
    void everyLinkReachesItsPage();
    void contentsListsEveryPage();
    void closesByItsButtonAndEscape();
    void missingManualIsReported();

private:
    QTextBrowser* browser() const;

    QString m_index;
    QPointer<HelpWindow> m_window;
};

void TestHelpWindow::initTestCase()
{
    m_index = qEnvironmentVariable("VEMO_SAMPLE") + QStringLiteral("/Help/index.html");
    QVERIFY2(QFile::exists(m_index), qPrintable(m_index));
}

void TestHelpWindow::cleanup()
{
    for (QWidget* window : helpWindows())
        window->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    m_messages.clear();
}

QTextBrowser* TestHelpWindow::browser() const
{
    const QList<QWidget*> windows = helpWindows();
    return windows.size() == 1 ? windows.first()->findChild<QTextBrowser*>() : nullptr;
}

void TestHelpWindow::opensOnceAndReturnsToContents()
{
    HelpWindow::showContents(m_window, m_index);
    QTextBrowser* view = browser();
    QVERIFY(view);
    QCOMPARE(view->source(), QUrl::fromLocalFile(m_index));
    QVERIFY(view->documentTitle().contains(QStringLiteral("目次")));
    const QStringList links = linksOf(view->document());
    QVERIFY(!links.isEmpty());
    view->setSource(view->source().resolved(QUrl(links.first())));
    QVERIFY(view->source() != QUrl::fromLocalFile(m_index));

    auto* back = view->window()->findChild<QPushButton*>(QStringLiteral("backButton"));
    QVERIFY(back && back->isEnabled());
    back->click();
    QCOMPARE(view->source(), QUrl::fromLocalFile(m_index));

    view->setSource(view->source().resolved(QUrl(links.last())));
    HelpWindow::showContents(m_window, m_index);
    QCOMPARE(helpWindows().size(), 1);
    QCOMPARE(browser(), view);
    QCOMPARE(view->source(), QUrl::fromLocalFile(m_index));
}

void TestHelpWindow::everyLinkReachesItsPage()
{
    HelpWindow::showContents(m_window, m_index);
    QTextBrowser* view = browser();
    QVERIFY(view);
    const QDir folder = QFileInfo(m_index).dir();
    for (const QString& page : folder.entryList({QStringLiteral("*.html")})) {
        const QUrl pageUrl = QUrl::fromLocalFile(folder.filePath(page));
        view->setSource(pageUrl);
        QVERIFY2(!view->documentTitle().isEmpty(), qPrintable(page));
        const QStringList links = linksOf(view->document());
        QVERIFY2(links.contains(QStringLiteral("index.html")) || page == QLatin1String("index.html"), qPrintable(page));
        for (const QString& link : links) {
            const QUrl target = pageUrl.resolved(QUrl(link));
            if (!target.isLocalFile())
                continue;
            const QString where = page + QStringLiteral(" → ") + link;
            QVERIFY2(QFileInfo(target.toLocalFile()).isFile(), qPrintable(where));
            if (target.hasFragment()) {
                view->setSource(target);
                QVERIFY2(anchorsOf(view->document()).contains(target.fragment()), qPrintable(where));
                view->setSource(pageUrl);
            }
        }
    }
}

void TestHelpWindow::contentsListsEveryPage()
{
    HelpWindow::showContents(m_window, m_index);
    QTextBrowser* view = browser();
    QVERIFY(view);
    QStringList listed;
    for (const QString& link : linksOf(view->document()))
        listed.append(QUrl(link).path());
    QStringList pages = QFileInfo(m_index).dir().entryList({QStringLiteral("*.html")});
    pages.removeOne(QStringLiteral("index.html"));
    QVERIFY(pages.size() >= 12);
    for (const QString& page : pages)
        QVERIFY2(listed.contains(page), qPrintable(page));
}

void TestHelpWindow::closesByItsButtonAndEscape()
{
    HelpWindow::showContents(m_window, m_index);
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
    auto* close = m_window->findChild<QPushButton*>(QStringLiteral("closeButton"));
    QVERIFY(close);
    QCOMPARE(close->text(), HelpText::closeButton());
    close->click();
    QVERIFY(helpWindows().isEmpty());

    // Escape, with the page that has the keyboard.
    HelpWindow::showContents(m_window, m_index);
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
    browser()->setFocus();
    QTest::keyClick(browser(), Qt::Key_Escape);
    QVERIFY(helpWindows().isEmpty());
}

void TestHelpWindow::missingManualIsReported()
{
    const QString missing = QDir::tempPath() + QStringLiteral("/no-such-install/Help/index.html");
    HelpWindow::showContents(m_window, missing);
    expectMessage(HelpText::manualMissing(missing));
    expectNoMoreMessages();
    QVERIFY(helpWindows().isEmpty());
}

QTEST_MAIN(TestHelpWindow)
#include "tst_helpwindow.moc"
