#include "gui/kit/MessageService.h"

#include <QApplication>
#include <QMessageBox>
#include <QWindow>

namespace {

QMessageBox::Icon boxIcon(MessageService::Icon icon)
{
    switch (icon) {
    case MessageService::Icon::Information:
        return QMessageBox::Information;
    case MessageService::Icon::Exclamation:
    case MessageService::Icon::Warning:
        return QMessageBox::Warning;
    case MessageService::Icon::Critical:
        return QMessageBox::Critical;
    case MessageService::Icon::Question:
        return QMessageBox::Question;
    case MessageService::Icon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons boxButtons(MessageService::Buttons buttons)
{
    switch (buttons) {
    case MessageService::Buttons::YesNo:
        return QMessageBox::Yes | QMessageBox::No;
    case MessageService::Buttons::OkCancel:
        return QMessageBox::Ok | QMessageBox::Cancel;
    case MessageService::Buttons::Ok:
        break;
    }
    return QMessageBox::Ok;
}

// Qt may break Japanese between any two characters, which cuts words in two (「ま／で」). Here a line breaks
// only after a punctuation mark or a blank and before an opening bracket, as Japanese is set: a word joiner
// holds every other pair of characters together.
QString withJapaneseBreaks(const QString& text)
{
    static const QString breaksAfter = QStringLiteral("、。，．！？!?）」』】〕・…：；:;,/");
    static const QString breaksBefore = QStringLiteral("（「『【〔");
    QString held;
    held.reserve(text.size() * 2);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar here = text[i];
        held += here;
        if (i + 1 == text.size())
            break;
        const QChar next = text[i + 1];
        if (!here.isSpace() && !next.isSpace() && !here.isHighSurrogate() && !breaksAfter.contains(here)
            && !breaksBefore.contains(next))
            held += QChar(0x2060);
    }
    return held;
}

} // namespace

MessageService::Answer MessageService::show(const UserMessage& message, Buttons buttons, Icon icon)
{
    if (s_answerer)
        return s_answerer(message, buttons, icon);
    QMessageBox box(boxIcon(icon), message.caption, withJapaneseBreaks(message.text), boxButtons(buttons));
    switch (exec(box)) {
    case QMessageBox::Ok:
        return Answer::Ok;
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    case QMessageBox::Cancel:
        return Answer::Cancel;
    default:
        // A box closed without a choice declines.
        return buttons == Buttons::YesNo ? Answer::No : buttons == Buttons::OkCancel ? Answer::Cancel : Answer::Ok;
    }
}

int MessageService::exec(QDialog& dialog)
{
    // A window manager stacks a dialog above the window it belongs to and lets it take the focus from that
    // window; a dialog of nobody's opens wherever new windows go, often under an always-on-top one. Only the
    // window system learns whom it belongs to: the dialog is not handed to a window that could delete it.
    dialog.setWindowFlag(Qt::WindowStaysOnTopHint);
    dialog.setWindowModality(Qt::ApplicationModal);
    if (QWidget* from = openedFrom(); from && from != &dialog) {
        dialog.winId();
        dialog.windowHandle()->setTransientParent(from->windowHandle());
    }
    dialog.show();
    dialog.raise();
    dialog.activateWindow();
    return dialog.exec();
}

QWidget* MessageService::openedFrom()
{
    QWidget* from = QApplication::activeModalWidget();
    if (!from)
        from = QApplication::activeWindow();
    return from && from->isVisible() ? from->window() : nullptr;
}

bool MessageService::confirm(const UserMessage& message)
{
    return show(message, Buttons::YesNo, Icon::Exclamation) == Answer::Yes;
}

void MessageService::setAnswerer(Answerer answerer)
{
    s_answerer = std::move(answerer);
}
