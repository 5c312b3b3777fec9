#include "gui/shell/CMainFrame.h"

#include <QAction>
#include <QApplication>
#include <QHBoxLayout>
#include <QMenuBar>
#include <QVBoxLayout>

#include "core/text/StoreText.h"
#include "gui/kit/JapaneseFonts.h"
#include "gui/kit/Pictures.h"
#include "gui/kit/ScreenScale.h"
#include "gui/kit/ViewText.h"
#include "gui/shell/COpeningWnd.h"
#include "gui/shell/CVemoView.h"
#include "gui/shell/ExampleNote.h"
#include "gui/shell/HitCountFlow.h"
#include "gui/shell/MainCommands.h"
#include "gui/shell/MainMenu.h"
#include "gui/shell/OwnedWindows.h"
#include "gui/shell/StatusNote.h"
#include "gui/shell/TitleLine.h"

namespace {

constexpr int kWindowIcon = 200;

} // namespace

CMainFrame::CMainFrame(CVemoDoc& doc) : QMainWindow(nullptr, Qt::Window | Qt::FramelessWindowHint)
{
    ScreenScale::measure();
    setWindowTitle(ViewText::applicationTitle());
    setWindowIcon(Pictures::icon(kWindowIcon));
    setFixedSize(ScreenScale::width(), ScreenScale::height());
    auto* body = new QWidget(this);
    auto* column = new QVBoxLayout(body);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    auto* titleRow = new QHBoxLayout;
    titleRow->setSpacing(0);
    auto* titleLine = new TitleLine(*this, body);
    titleRow->addWidget(titleLine, 1);
    titleRow->addWidget(new ExampleNote(doc, *titleLine, body));
    column->addLayout(titleRow);
    m_view = new CVemoView(doc, m_titleSuffix, body);
    column->addWidget(m_view, 1);
    setCentralWidget(body);
    new OwnedWindows(*this, *menuBar(), *titleLine);
    m_hitCountFlow = new HitCountFlow(*m_view, doc, m_titleSuffix);
    m_commands = new MainCommands(*this, *this, *m_view, *m_hitCountFlow, doc);
    m_menu = new MainMenu(menuBar(), *m_commands);
    auto* note = new StatusNote(menuBar());
    menuBar()->setCornerWidget(note, Qt::TopRightCorner);
    connect(m_view, &CVemoView::historyEditNoted, note, &StatusNote::showNote);
    connect(m_view, &CVemoView::weightingChanged, this, [this](bool on) {
        m_menu->command(MenuCommand::WeightingOn)->setChecked(on);
        m_menu->command(MenuCommand::WeightingOff)->setChecked(!on);
    });
    m_menu->command(MenuCommand::WeightingOff)->setChecked(true);
    connect(m_view, &CVemoView::drawCountShown, this, [this](int drawCount) {
        m_menu->command(MenuCommand::LastDraw)->setText(StoreText::lastDrawMenu(drawCount));
    });
}

void CMainFrame::start(std::optional<MenuCommand> firstCommand)
{
    m_firstCommand = firstCommand;
    m_view->initialUpdate();
    move(0, 0);
    showFullScreen();
    m_view->setFocus();
    // Opened after the frame as a window of it: a window manager keeps it above the full-screen frame.
    m_opening = new COpeningWnd(this);
    connect(m_opening, &COpeningWnd::dateTextChanged, this, [this](const QString& text) { m_titleSuffix = text; });
    connect(m_opening, &COpeningWnd::finished, this, &CMainFrame::handleOpeningFinished);
    m_opening->showOpening();
}

void CMainFrame::makeWayForBrowser()
{
    m_madeWay = true;
    lower();
    showNormal();
    setFixedSize(ScreenScale::x(200), menuBar()->sizeHint().height());
    move(homePosition());
}

void CMainFrame::restoreFullScreen()
{
    if (!m_madeWay)
        return;
    m_madeWay = false;
    setFixedSize(ScreenScale::width(), ScreenScale::height());
    move(homePosition());
    showFullScreen();
    raise();
}

void CMainFrame::comeForward()
{
    setWindowState(windowState() & ~Qt::WindowMinimized);
    raise();
    QWidget* front = QApplication::activeModalWidget();
    if (!front)
        front = this;
    front->raise();
    front->activateWindow();
}

QPoint CMainFrame::homePosition() const
{
    return m_madeWay ? QPoint(ScreenScale::width() - width(), 0) : QPoint(0, 0);
}

void CMainFrame::moveEvent(QMoveEvent* event)
{
    QMainWindow::moveEvent(event);
    // The window stays where it is, whatever asks to move it.
    if (pos() != homePosition())
        move(homePosition());
}

void CMainFrame::handleOpeningFinished()
{
    // The first title tells the weighting as it stands: the latest-pattern window reads it back from the title.
    setWindowTitle(m_view->weightingTitle());
    activateWindow();
    if (m_firstCommand)
        m_menu->command(*m_firstCommand)->trigger();
}
