#include "shell/MainMenu.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>

#include "kit/ControlId.h"
#include "kit/ViewText.h"
#include "shell/MainCommands.h"

using namespace MenuCommand;

MainMenu::MainMenu(QMenuBar* bar, MainCommands& commands) : QObject(bar), m_bar(bar), m_commands(commands)
{
    addCommands(bar->addMenu(ViewText::dataMenu()),
                {kDataEntry, kPredictionFiles, kDataUpdate, 0, kUndoHistory, 0, kExportCsv, kImportCsv, 0, kExit});
    addCommands(bar->addMenu(ViewText::graphMenu()),
                {kPatternGraph, kAppearance, kHistoryGraph, kHitCount, 0, kWeightingOn, kWeightingOff});
    addCommand(bar, kLatestPattern);
    addCommand(bar, kNumberCard);
    addCommands(bar->addMenu(ViewText::godMenu()), {kRandomGod, kOracleTime, kOracleBirthday, kOracleColour,
                                                    kOracleNumber, 0, kDataGod, kBacktest, kWheel});
    QMenu* settings = bar->addMenu(ViewText::settingsMenu());
    addCommands(settings->addMenu(ViewText::browserMenu()), {kBrowserFromFile, kBrowserFromClipboard});
    addCommands(settings, {kHomePage});
    addCommands(bar->addMenu(ViewText::lastDrawPopup()), {kLastDraw});
    addCommands(bar->addMenu(ViewText::helpMenu()), {kHelp, kAbout});
    command(kWeightingOn)->setCheckable(true);
    command(kWeightingOff)->setCheckable(true);
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

void MainMenu::addCommands(QMenu* menu, std::initializer_list<int> ids)
{
    for (const int id : ids) {
        if (id == 0)
            menu->addSeparator();
        else
            addCommand(menu, id);
    }
}

QAction* MainMenu::addCommand(QWidget* container, int id)
{
    auto* action = new QAction(ViewText::commandText(id), container);
    identified(action, id);
    action->setEnabled(m_commands.handles(id));
    connect(action, &QAction::triggered, this, [this, id] { m_commands.run(id); });
    container->addAction(action);
    return action;
}

QAction* MainMenu::command(int id) const
{
    return findCommand(m_bar, id);
}

QAction* MainMenu::findCommand(const QWidget* window, int id)
{
    return window ? window->findChild<QAction*>(QStringLiteral("id%1").arg(id)) : nullptr;
}
