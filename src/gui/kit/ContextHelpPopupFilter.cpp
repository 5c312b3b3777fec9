#include "gui/kit/ContextHelpPopupFilter.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QCursor>
#include <QKeyEvent>
#include <QWidget>

#include "gui/kit/ContextHelpPopup.h"
#include "gui/kit/ControlHelp.h"

ContextHelpPopupFilter::ContextHelpPopupFilter(QWidget* dialog) : QObject(dialog), m_dialog(dialog)
{
    // Controls such as edits take right clicks for themselves, so the filter sits before all of them.
    qApp->installEventFilter(this);
}

bool ContextHelpPopupFilter::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::ContextMenu && event->type() != QEvent::KeyPress)
        return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget || !m_dialog || widget->window() != m_dialog)
        return false;
    if (event->type() == QEvent::ContextMenu)
        return showFor(widget, static_cast<QContextMenuEvent*>(event)->globalPos());
    if (static_cast<QKeyEvent*>(event)->key() != Qt::Key_F1)
        return false;
    // F1 asks about the control under the pointer, or failing that the one with the focus.
    const QPoint pointer = QCursor::pos();
    QWidget* pointed = QApplication::widgetAt(pointer);
    return showFor(pointed && pointed->window() == m_dialog ? pointed : widget, pointer);
}

bool ContextHelpPopupFilter::showFor(QWidget* widget, const QPoint& globalPos) const
{
    const std::optional<QString> text = ControlHelp::find(widget, m_dialog);
    if (text)
        ContextHelpPopup::show(*text, globalPos);
    return text.has_value();
}
