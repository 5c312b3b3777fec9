#pragma once

#include <QDialog>
#include <QPointer>

#include "gui/entry/BrowserService.h"

class BitmapButton;
class BrowserRoom;
class CVemoDoc;

/**
 * The main-number update guide: a small always-on-top window in the top-right corner that tells,
 * step by step, how to copy the whole main-number table from the update page in the browser. While
 * it is open the main window makes way for the browser; either button puts the main window back and
 * closes the browser, "データ 更 新" then imports the copied table. One guide at a time.
 */
class DataUpdateGuide : public QDialog {
    Q_OBJECT

public:
    /**
     * ShowDataUpdateGuide: the main window makes way, the registered browser starts on the update page
     * and a new guide opens (an open one goes first, with its browser). Without a browser that can start
     * a message says so first and nothing moves; where the registered one is missing, the desktop's
     * default browser is offered for this time. A browser that fails to start all the same brings the
     * main window back. The new guide goes into guide, which held the open one.
     */
    static void showGuide(QPointer<DataUpdateGuide>& guide, CVemoDoc& doc, QWidget& owner, BrowserRoom& room);
    ~DataUpdateGuide() override;

public Q_SLOTS:
    /** Cancel, the close box and Escape: the main window and the history as they were. */
    void reject() override;

private:
    DataUpdateGuide(CVemoDoc& doc, QWidget& owner, BrowserRoom& room);

    void createControls();
    void installHelp();
    void importFromClipboard();
    /** Puts the main window back, closes the browser and the guide. */
    void end();

    CVemoDoc& m_doc;
    BrowserService::Process m_browser;
    BrowserRoom& m_room;
    BitmapButton* m_importButton = nullptr;
    BitmapButton* m_cancelButton = nullptr;
};
