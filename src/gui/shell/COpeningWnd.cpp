#include "gui/shell/COpeningWnd.h"

#include <QCloseEvent>
#include <QCursor>
#include <QDate>
#include <QGuiApplication>
#include <QPaintEvent>
#include <QPainter>

#include <array>

#include "core/app/TitleSuffix.h"
#include "gui/kit/JapaneseFonts.h"
#include "gui/kit/Pictures.h"
#include "gui/kit/ScreenScale.h"

namespace {

constexpr int kPictureId = 102;
// Frames 1 … 9 of the two animations: the coin turns away and back, the bell swings and returns.
constexpr std::array kLeftFrames{279, 285, 286, 287, 288, 287, 286, 285, 279};
constexpr std::array kRightFrames{280, 281, 282, 283, 284, 283, 282, 281, 280};
constexpr int kFrameCount = int(kLeftFrames.size());

QRect leftFrameRect()
{
    return ScreenScale::rect(180, 174, 212, 206);
}

QRect rightFrameRect()
{
    return ScreenScale::rect(600, 174, 632, 206);
}

} // namespace

void COpeningWnd::showOpening()
{
    setGeometry(0, 0, ScreenScale::width(), ScreenScale::height());
    show();
    repaint();
    // The time counts from when it is seen, and nothing can end it while it is being shown.
    m_closeTimer.start(s_displayTime);
}

COpeningWnd::COpeningWnd(QWidget* mainWindow)
    // A splash window belongs to the main window, which a window manager stacks it above.
    : QWidget(mainWindow, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      m_mainWindow(mainWindow), m_picture(ScreenScale::width(), ScreenScale::height()),
      m_headingFont(JapaneseFonts::font(JapaneseFonts::kMincho, ScreenScale::y(24), 900)),
      m_animationRegion(QRegion(leftFrameRect()) + QRegion(rightFrameRect()))
{
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_OpaquePaintEvent);
    QGuiApplication::setOverrideCursor(Qt::BlankCursor);
    m_cursorHidden = true;

    // The picture is drawn once at screen size; the 100 ms repaints only copy from it.
    QPainter painter(&m_picture);
    Pictures::paint(painter, m_picture.rect(), kPictureId);

    m_closeTimer.setSingleShot(true);
    connect(&m_closeTimer, &QTimer::timeout, this, &COpeningWnd::handleDisplayTimeOver);
    connect(&m_animationTimer, &QTimer::timeout, this, [this] { repaint(m_animationRegion); });
    m_animationTimer.start(std::chrono::milliseconds(100));
    setEnabled(false);
}

COpeningWnd::~COpeningWnd()
{
    restoreCursor();
}

void COpeningWnd::handleDisplayTimeOver()
{
    m_animationTimer.stop();
    m_closeTimer.stop();
    m_closing = true;
    close();
    restoreCursor();
    QCursor::setPos(ScreenScale::width() / 2, ScreenScale::height() / 2);
    if (m_mainWindow) {
        m_mainWindow->update();
        m_mainWindow->activateWindow();
    }
    Q_EMIT finished();
}

void COpeningWnd::restoreCursor()
{
    if (!m_cursorHidden)
        return;
    QGuiApplication::restoreOverrideCursor();
    m_cursorHidden = false;
}

void COpeningWnd::closeEvent(QCloseEvent* event)
{
    // Only the four seconds end the window; a close request from outside is turned down.
    if (m_closing)
        event->accept();
    else
        event->ignore();
}

void COpeningWnd::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    painter.drawPixmap(event->rect(), m_picture, event->rect());
    buildDateText();
    drawDateText(painter);
    drawAnimation(painter);
}

void COpeningWnd::buildDateText()
{
    const QString text = Calendar::titleSuffix(QDate::currentDate());
    if (text == m_dateText)
        return;
    m_dateText = text;
    Q_EMIT dateTextChanged(m_dateText);
}

void COpeningWnd::drawDateText(QPainter& painter) const
{
    painter.setFont(m_headingFont);
    painter.setPen(Qt::black);
    painter.drawText(ScreenScale::rect(104, 180, 704, 280), Qt::AlignHCenter | Qt::AlignTop, m_dateText);
}

void COpeningWnd::drawAnimation(QPainter& painter) const
{
    s_animationFrame = s_animationFrame % kFrameCount + 1;
    Pictures::paint(painter, leftFrameRect(), kLeftFrames[s_animationFrame - 1]);
    Pictures::paint(painter, rightFrameRect(), kRightFrames[s_animationFrame - 1]);
}
