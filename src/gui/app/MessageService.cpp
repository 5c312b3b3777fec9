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
    case MessageService::Icon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

} // namespace

MessageService::Answer MessageService::show(const UserMessage& message, Buttons buttons, Icon icon)
{
    if (s_answerer)
        return s_answerer(message, buttons, icon);
    QMessageBox box(boxIcon(icon), message.caption, message.text,
                    buttons == Buttons::YesNo ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok);
    box.setWindowFlag(Qt::WindowStaysOnTopHint);
    box.setWindowModality(Qt::ApplicationModal);
    switch (box.exec()) {
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    default:
        return buttons == Buttons::YesNo ? Answer::No : Answer::Ok;
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
