#pragma once

#include <QObject>

#include "shell/MenuCommand.h"

class MainCommands;
class QAction;
class QMenu;
class QMenuBar;
class QWidget;

/**
 * The main window's menu bar, built from the command table: an item is enabled when the table has it, and
 * choosing it runs it there. Every command is an action named "id" + its number with the number as its
 * "controlId" property, so that it can be looked up by id.
 */
class MainMenu : public QObject {
    Q_OBJECT
public:
    MainMenu(QMenuBar* bar, MainCommands& commands);

    QAction* command(int id) const;
    /** The command of a window's menu, or null. */
    static QAction* findCommand(const QWidget* window, int id);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void addCommands(QMenu* menu, std::initializer_list<int> ids);
    QAction* addCommand(QWidget* container, int id);
    QAction* barCommandWithMnemonic(int key) const;

    QMenuBar* m_bar;
    MainCommands& m_commands;
};
