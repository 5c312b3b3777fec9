#pragma once

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QString>

class QWidget;

/**
 * Gives a dialog its context help: F1 or a right click over one of its controls shows that control's
 * help text in a ContextHelpPopup at the pointer. Controls are known by their "controlId" property;
 * a control without a registered text shows an empty popup, a point over no control shows nothing.
 */
class ContextHelpPopupFilter : public QObject {
public:
    /** Watches dialog and every control in it; lives as long as the dialog. */
    explicit ContextHelpPopupFilter(QWidget* dialog);

    void setText(int controlId, const QString& text);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool showFor(QWidget* widget, const QPoint& globalPos) const;

    QPointer<QWidget> m_dialog;
    QHash<int, QString> m_texts;
};
