#pragma once

#include <QPointer>
#include <QUrl>
#include <QWidget>

class QTextBrowser;

/**
 * The user manual: HTML pages of the installation folder shown in a modeless window that opens at
 * the table of contents. One window at a time; asking again brings it to the front.
 */
class HelpWindow : public QWidget {
    Q_OBJECT

public:
    /**
     * Opens the manual whose contents page is helpIndexPath into window, or brings the one it holds forward
     * at that page; a missing manual is reported.
     */
    static void showContents(QPointer<HelpWindow>& window, const QString& helpIndexPath, QWidget* owner = nullptr);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    explicit HelpWindow(QWidget* owner);

    void openContents(const QUrl& contents);

    QTextBrowser* m_browser;
    QUrl m_contents;
};
