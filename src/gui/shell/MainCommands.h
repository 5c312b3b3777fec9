#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>
#include <memory>

#include "gui/entry/SelectionHandOver.h"
#include "gui/shell/MenuCommand.h"

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
 * The menu commands in one table, a row for each with its name, its text and its handler: the only place a
 * command's name is written. The windows the commands open are connected here, once, to the view and the main
 * window.
 */
class MainCommands : public QObject {
    Q_OBJECT
public:
    /** frame is the main window, which makes room for a browser as room. */
    /** A command: the name its menu item is known by, the item's text and what choosing it does. */
    struct Row {
        MenuCommand command;
        QString name;
        QString text;
        std::function<void()> run;
    };

    MainCommands(QWidget& frame, BrowserRoom& room, CVemoView& view, HitCountFlow& flow, CVemoDoc& doc);
    ~MainCommands() override;

    const Row& row(MenuCommand command) const;
    void run(MenuCommand command) const { row(command).run(); }

    /** The data-entry dialog over the view, connected to it. */
    std::unique_ptr<DataEntryDialog> makeDataEntryDialog();

    /** The number card, while it shows; else null. */
    NumberCard* numberCard() const;
    /** The data-update guide, while it shows; else null. */
    DataUpdateGuide* updateGuide() const;
    /** The ticks that the data-entry dialog and the number card hand each other, for the whole run. */
    SelectionHandOver& selectionHandOver() { return m_selectionHandOver; }

private:
    void fillTable();
    /** The data-entry dialog, after the registrant offer. */
    void openDataEntry();
    void openNumberCard();
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
    QList<Row> m_rows;
    SelectionHandOver m_selectionHandOver;
    QPointer<HelpWindow> m_help;
    QPointer<NumberCard> m_numberCard;
    QPointer<DataUpdateGuide> m_updateGuide;
    QPointer<RandomGodDialog> m_randomGod;
    QPointer<WheelWindow> m_wheel;
};
