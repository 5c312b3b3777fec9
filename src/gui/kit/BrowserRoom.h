#pragma once

/**
 * The main window's part while a browser is open over it: it makes way (a strip at the top of the screen)
 * and takes the whole screen back afterwards. The windows that start a browser know it only by this.
 */
class BrowserRoom {
public:
    virtual void makeWayForBrowser() = 0;
    /** Back to the whole screen, if it made way. */
    virtual void restoreFullScreen() = 0;

protected:
    ~BrowserRoom() = default;
};
