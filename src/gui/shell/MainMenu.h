#pragma once

#include <QObject>

#include <initializer_list>

#include "gui/shell/MenuCommand.h"

class MainCommands;
class QAction;
class QMenu;
class QMenuBar;
class QWidget;

/**
 * The main window's menu bar, laid out here and built from the command table's rows: choosing an item runs
 * its row's handler. Every command is an action named by its row, so that it can be looked up by name.
 */
class MainMenu : public QObject {
    Q_OBJECT
public:
    MainMenu(QMenuBar* bar, MainCommands& commands);

    QAction* command(MenuCommand command) const;
    /** The command of a window's menu, or null. */
    static QAction* findCommand(const QWidget* window, MenuCommand command);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    /** Adds the groups of commands to menu, a separator between one group and the next. */
    void addCommands(QMenu* menu, std::initializer_list<std::initializer_list<MenuCommand>> groups);
    void addCommand(QWidget* container, MenuCommand command);
    QAction* barCommandWithMnemonic(int key) const;

    QMenuBar* m_bar;
    MainCommands& m_commands;
};
