#include "gui/shell/MainMenu.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>

#include "gui/kit/ViewText.h"
#include "gui/shell/MainCommands.h"

MainMenu::MainMenu(QMenuBar* bar, MainCommands& commands) : QObject(bar), m_bar(bar), m_commands(commands)
{
    using enum MenuCommand;
    addCommands(bar->addMenu(ViewText::dataMenu()),
                {{DataEntry, PredictionFiles, DataUpdate}, {UndoHistory}, {ExportCsv, ImportCsv}, {Exit}});
    addCommands(bar->addMenu(ViewText::graphMenu()),
                {{PatternGraph, Appearance, HistoryGraph, HitCount}, {WeightingOn, WeightingOff}});
    addCommand(bar, LatestPattern);
    addCommand(bar, NumberCard);
    addCommands(bar->addMenu(ViewText::godMenu()),
                {{RandomGod, OracleTime, OracleBirthday, OracleColour, OracleNumber}, {DataGod, Backtest, Wheel}});
    QMenu* settings = bar->addMenu(ViewText::settingsMenu());
    addCommands(settings->addMenu(ViewText::browserMenu()), {{BrowserFromFile, BrowserFromClipboard}});
    addCommands(settings, {{HomePage}});
    addCommands(bar->addMenu(ViewText::lastDrawPopup()), {{LastDraw}});
    addCommands(bar->addMenu(ViewText::helpMenu()), {{Help, About}});
    command(WeightingOn)->setCheckable(true);
    command(WeightingOff)->setCheckable(true);
    bar->installEventFilter(this);
}

bool MainMenu::eventFilter(QObject* watched, QEvent* event)
{
    // A tap of Alt puts the bar in keyboard mode, where Qt's bar only highlights a command of the bar itself
    // (one without a menu) whose letter is typed. Its letter runs it there, as Alt with the letter does.
    if (watched == m_bar && event->type() == QEvent::KeyPress && m_bar->activeAction()) {
        if (QAction* item = barCommandWithMnemonic(static_cast<QKeyEvent*>(event)->key())) {
            QKeyEvent leave(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
            QCoreApplication::sendEvent(m_bar, &leave);
            item->trigger();
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

QAction* MainMenu::barCommandWithMnemonic(int key) const
{
    const QKeySequence typed(QKeyCombination(Qt::AltModifier, Qt::Key(key)));
    const QList<QAction*> items = m_bar->actions();
    for (QAction* item : items) {
        if (!item->menu() && item->isEnabled() && QKeySequence::mnemonic(item->text()) == typed)
            return item;
    }
    return nullptr;
}

void MainMenu::addCommands(QMenu* menu, std::initializer_list<std::initializer_list<MenuCommand>> groups)
{
    for (auto group = groups.begin(); group != groups.end(); ++group) {
        if (group != groups.begin())
            menu->addSeparator();
        for (const MenuCommand command : *group)
            addCommand(menu, command);
    }
}

void MainMenu::addCommand(QWidget* container, MenuCommand command)
{
    const MainCommands::Row& row = m_commands.row(command);
    auto* action = new QAction(row.text, container);
    action->setObjectName(row.name);
    connect(action, &QAction::triggered, &m_commands, row.run);
    container->addAction(action);
}

QAction* MainMenu::command(MenuCommand command) const
{
    return m_bar->findChild<QAction*>(m_commands.row(command).name);
}

QAction* MainMenu::findCommand(const QWidget* window, MenuCommand command)
{
    const MainMenu* menu = window ? window->findChild<MainMenu*>() : nullptr;
    return menu ? menu->command(command) : nullptr;
}
