#include "gui/kit/HelpWindow.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "gui/kit/HelpText.h"
#include "gui/kit/MessageService.h"
#include "gui/kit/ModelessWindow.h"
#include "gui/kit/Pictures.h"
#include "gui/kit/ScreenScale.h"

namespace {

constexpr int kIconId = 200;

} // namespace

void HelpWindow::showContents(QPointer<HelpWindow>& window, const QString& helpIndexPath, QWidget* owner)
{
    if (!QFileInfo(helpIndexPath).isFile()) {
        MessageService::show(HelpText::manualMissing(helpIndexPath), MessageService::Buttons::Ok,
                             MessageService::Icon::Warning);
        return;
    }
    // A closed window lingers until its deletion comes round: a new one takes its place.
    if (!showing(window))
        window = new HelpWindow(owner);
    window->openContents(QUrl::fromLocalFile(QFileInfo(helpIndexPath).absoluteFilePath()));
    bringForward(*window);
}

// A dialog-type window, which the window system keeps above the window it belongs to; a plain one goes under
// the full-screen main window with a click on it.
HelpWindow::HelpWindow(QWidget* owner) : QWidget(owner, Qt::Dialog), m_browser(new QTextBrowser(this))
{
    setAttribute(Qt::WA_DeleteOnClose);
    setObjectName(QStringLiteral("HelpWindow"));
    setWindowTitle(HelpText::windowTitle());
    setWindowIcon(Pictures::icon(kIconId));

    auto* contentsButton = new QPushButton(HelpText::contentsButton(), this);
    auto* backButton = new QPushButton(HelpText::backButton(), this);
    auto* forwardButton = new QPushButton(HelpText::forwardButton(), this);
    contentsButton->setObjectName(QStringLiteral("contentsButton"));
    backButton->setObjectName(QStringLiteral("backButton"));
    forwardButton->setObjectName(QStringLiteral("forwardButton"));
    auto* closeButton = new QPushButton(HelpText::closeButton(), this);
    closeButton->setObjectName(QStringLiteral("closeButton"));
    connect(closeButton, &QPushButton::clicked, this, &QWidget::close);
    backButton->setEnabled(false);
    forwardButton->setEnabled(false);
    connect(contentsButton, &QPushButton::clicked, this, [this] { openContents(m_contents); });
    connect(backButton, &QPushButton::clicked, m_browser, &QTextBrowser::backward);
    connect(forwardButton, &QPushButton::clicked, m_browser, &QTextBrowser::forward);
    connect(m_browser, &QTextBrowser::backwardAvailable, backButton, &QPushButton::setEnabled);
    connect(m_browser, &QTextBrowser::forwardAvailable, forwardButton, &QPushButton::setEnabled);

    // Pages of the manual open here; addresses of the web go to the user's browser.
    m_browser->setOpenExternalLinks(true);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(contentsButton);
    buttons->addWidget(backButton);
    buttons->addWidget(forwardButton);
    buttons->addStretch();
    buttons->addWidget(closeButton);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(m_browser);

    const QRect area = ScreenScale::rect(140, 50, 660, 550);
    resize(area.size());
    move(area.topLeft());
}

void HelpWindow::keyPressEvent(QKeyEvent* event)
{
    // Escape closes it, as it closes a dialog.
    if (event->key() == Qt::Key_Escape)
        close();
    else
        QWidget::keyPressEvent(event);
}

void HelpWindow::openContents(const QUrl& contents)
{
    m_contents = contents;
    m_browser->setSource(contents);
}
