#pragma once

#include <functional>

#include "core/UserMessage.h"

class QDialog;
class QWidget;

/**
 * Shows every message box of the program: the given caption, text, buttons and icon, on top of
 * everything. Tests install an answerer that replies instead, without a box. Boxes and the program's
 * file dialogs open as windows of the window they are opened from, which a window manager keeps them
 * above, and take the focus.
 */
class MessageService {
public:
    enum class Buttons { Ok, YesNo, OkCancel };
    enum class Icon { None, Information, Exclamation, Warning, Critical, Question };
    enum class Answer { Ok, Yes, No, Cancel };
    using Answerer = std::function<Answer(const UserMessage& message, Buttons buttons, Icon icon)>;

    static Answer show(const UserMessage& message, Buttons buttons = Buttons::Ok, Icon icon = Icon::None);
    /** A Yes/No question with the exclamation icon; true on Yes. */
    static bool confirm(const UserMessage& message);

    /** Runs a dialog modally above the window it is opened from, with the focus; gives its result. */
    static int exec(QDialog& dialog);

    /** Replaces the boxes by an answerer; an empty one brings the boxes back. */
    static void setAnswerer(Answerer answerer);

private:
    static QWidget* openedFrom();

    static inline Answerer s_answerer;
};
