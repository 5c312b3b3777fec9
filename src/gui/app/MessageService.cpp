#include "app/MessageService.h"

#include <QMessageBox>

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

} // namespace

MessageService::Answer MessageService::show(const UserMessage& message, Buttons buttons, Icon icon)
{
    if (s_answerer)
        return s_answerer(message, buttons, icon);
    QMessageBox box(boxIcon(icon), message.caption, message.text, boxButtons(buttons));
    box.setWindowFlag(Qt::WindowStaysOnTopHint);
    box.setWindowModality(Qt::ApplicationModal);
    switch (box.exec()) {
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

bool MessageService::confirm(const UserMessage& message)
{
    return show(message, Buttons::YesNo, Icon::Exclamation) == Answer::Yes;
}

void MessageService::setAnswerer(Answerer answerer)
{
    s_answerer = std::move(answerer);
}
