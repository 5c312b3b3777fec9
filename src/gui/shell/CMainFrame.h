#pragma once

#include <QFont>
#include <QMainWindow>
#include <QPointer>

#include <optional>

#include "gui/kit/BrowserRoom.h"
#include "gui/shell/MenuCommand.h"

class COpeningWnd;
class CVemoDoc;
class CVemoView;
class HitCountFlow;
class MainCommands;
class MainMenu;

/**
 * The main window: full screen, without a frame, not movable or resizable. It holds the menu and
 * the view, and shows the opening window over itself when it starts.
 */
class CMainFrame : public QMainWindow, public BrowserRoom {
    Q_OBJECT
public:
    explicit CMainFrame(CVemoDoc& doc);

    CVemoView* view() const { return m_view; }
    MainCommands& commands() const { return *m_commands; }
    HitCountFlow& hitCountFlow() const { return *m_hitCountFlow; }

    /**
     * Runs the view's initial update, shows the frame and the opening window over it; then the command
     * given, as if chosen from the menu.
     */
    void start(std::optional<MenuCommand> firstCommand = std::nullopt);

    /** Makes way for a browser started from a dialog: lowered, as small as it gets, in the top-right corner. */
    void makeWayForBrowser() override;
    /** Puts the window back over the whole screen, on top, if it made way. */
    void restoreFullScreen() override;
    bool madeWayForBrowser() const { return m_madeWay; }
    /** Comes in front of the desktop, with the window the player is answering, if any, in front of it. */
    void comeForward();
    /** The date text of the opening window, which ends every title; empty until it is painted. */
    const QString& titleSuffix() const { return m_titleSuffix; }

protected:
    void moveEvent(QMoveEvent* event) override;

private:
    void handleOpeningFinished();
    QPoint homePosition() const;

    QString m_titleSuffix;
    QPointer<COpeningWnd> m_opening;
    CVemoView* m_view;
    HitCountFlow* m_hitCountFlow;
    MainCommands* m_commands;
    MainMenu* m_menu;
    bool m_madeWay = false;
    std::optional<MenuCommand> m_firstCommand;
};
