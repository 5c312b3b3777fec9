#include "shell/CMainFrame.h"

#include <QAction>
#include <QMenuBar>

#include "kit/JapaneseFonts.h"
#include "kit/Pictures.h"
#include "kit/ScreenScale.h"
#include "kit/ViewText.h"
#include "shell/COpeningWnd.h"
#include "shell/CVemoView.h"
#include "shell/HitCountFlow.h"
#include "shell/MainCommands.h"
#include "shell/MainMenu.h"
#include "shell/StatusNote.h"
#include "text/StoreText.h"

namespace {

constexpr int kWindowIcon = 200;

} // namespace

CMainFrame::CMainFrame(CVemoDoc& doc) : QMainWindow(nullptr, Qt::Window | Qt::FramelessWindowHint)
{
    ScreenScale::measure();
    setWindowTitle(ViewText::applicationTitle());
    setWindowIcon(Pictures::icon(kWindowIcon));
    setFixedSize(ScreenScale::width(), ScreenScale::height());
    m_view = new CVemoView(doc, this);
    setCentralWidget(m_view);
    m_hitCountFlow = new HitCountFlow(*m_view, doc);
    m_commands = new MainCommands(*this, *this, *m_view, *m_hitCountFlow, doc);
    m_menu = new MainMenu(menuBar(), *m_commands);
    auto* note = new StatusNote(menuBar());
    menuBar()->setCornerWidget(note, Qt::TopRightCorner);
    connect(m_view, &CVemoView::historyEditNoted, note, &StatusNote::showNote);
    connect(m_hitCountFlow, &HitCountFlow::statusNoted, note, &StatusNote::showNote);
    connect(m_view, &CVemoView::weightingChanged, this, [this](bool on) {
        m_menu->command(MenuCommand::kWeightingOn)->setChecked(on);
        m_menu->command(MenuCommand::kWeightingOff)->setChecked(!on);
    });
    m_menu->command(MenuCommand::kWeightingOff)->setChecked(true);
    connect(m_view, &CVemoView::drawCountShown, this, [this](int drawCount) {
        m_menu->command(MenuCommand::kLastDraw)->setText(StoreText::lastDrawMenu(drawCount));
    });
}

void CMainFrame::start()
{
    m_view->initialUpdate();
    move(0, 0);
    showFullScreen();
    m_view->setFocus();
    // Opened after the frame as a window of it: a window manager keeps it above the full-screen frame.
    if (COpeningWnd* opening = COpeningWnd::showOpening(this))
        connect(opening, &COpeningWnd::finished, this, &CMainFrame::handleOpeningFinished);
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
}
