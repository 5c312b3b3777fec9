#pragma once

#include <QFont>
#include <QMainWindow>

class CVemoDoc;
class CVemoView;
class MainMenu;

/**
 * The main window: full screen, without a frame, not movable or resizable. It holds the menu and
 * the view, and shows the opening window over itself when it starts.
 */
class CMainFrame : public QMainWindow {
    Q_OBJECT
public:
    explicit CMainFrame(CVemoDoc& doc);

    CVemoView* view() const { return m_view; }

    /** Runs the view's initial update, shows the frame and the opening window over it. */
    void start();

    /** Makes way for a browser started from a dialog: lowered, as small as it gets, in the top-right corner. */
    void makeWayForBrowser();
    /** Puts the window back over the whole screen, on top, if it made way. */
    void restoreFullScreen();
    bool madeWayForBrowser() const { return m_madeWay; }

protected:
    void moveEvent(QMoveEvent* event) override;

private:
    void enableCommands();
    void handleOpeningFinished();
    QPoint homePosition() const;

    CVemoView* m_view;
    MainMenu* m_menu;
    bool m_madeWay = false;
};
