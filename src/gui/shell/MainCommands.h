#pragma once

#include <QHash>
#include <QObject>
#include <QPointer>

#include <functional>
#include <memory>

class BrowserRoom;
class CVemoDoc;
class CVemoView;
class DataEntryDialog;
class DataUpdateGuide;
class HelpWindow;
class HitCountFlow;
class NumberCard;
class RandomGodDialog;
class WheelWindow;

/**
 * The menu commands in one table, id to handler: the table tells which items are enabled and carries each
 * one out. The windows the commands open are connected here, once, to the view and the main window.
 */
class MainCommands : public QObject {
    Q_OBJECT
public:
    /** frame is the main window, which makes room for a browser as room. */
    MainCommands(QWidget& frame, BrowserRoom& room, CVemoView& view, HitCountFlow& flow, CVemoDoc& doc);
    ~MainCommands() override;

    /** Whether the command has a handler; the others stay disabled. */
    bool handles(int commandId) const { return m_handlers.contains(commandId); }
    void run(int commandId);

    /** The data-entry dialog over the view, connected to it. */
    std::unique_ptr<DataEntryDialog> makeDataEntryDialog();

    /** The number card, while it shows; else null. */
    NumberCard* numberCard() const;
    /** The data-update guide, while it shows; else null. */
    DataUpdateGuide* updateGuide() const;

private:
    void fillTable();
    /** Command 32814: the data-entry dialog, after the registrant offer. */
    void openDataEntry();
    void openNumberCard();
    /** Command 32818. */
    void openLatestPattern();
    RandomGodDialog* openRandomGod();
    void openWheel(const QList<int>& pool);
    void openDataUpdate();
    void undoHistoryChange();
    /** Step A: the number card and the update guide come back in front. */
    void reopenModelessWindows();
    void listenToNumberCard();

    QWidget& m_frame;
    BrowserRoom& m_room;
    CVemoView& m_view;
    HitCountFlow& m_flow;
    CVemoDoc& m_doc;
    QHash<int, std::function<void()>> m_handlers;
    QPointer<HelpWindow> m_help;
    QPointer<NumberCard> m_numberCard;
    QPointer<DataUpdateGuide> m_updateGuide;
    QPointer<RandomGodDialog> m_randomGod;
    QPointer<WheelWindow> m_wheel;
};
