#pragma once

#include <QObject>
#include <QPointer>

class QWidget;

/**
 * Gives a dialog its context help: F1 or a right click over one of its controls shows that control's
 * help text (ControlHelp) in a ContextHelpPopup at the pointer; a point over no control with help
 * shows nothing.
 */
class ContextHelpPopupFilter : public QObject {
public:
    /** Watches dialog and every control in it; lives as long as the dialog. */
    explicit ContextHelpPopupFilter(QWidget* dialog);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool showFor(QWidget* widget, const QPoint& globalPos) const;

    QPointer<QWidget> m_dialog;
};
