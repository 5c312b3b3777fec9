#pragma once

#include <functional>

#include "UserMessage.h"

/**
 * Shows every message box of the program: the given caption, text, buttons and icon, on top of
 * everything. Tests install an answerer that replies instead, without a box.
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

    /** Replaces the boxes by an answerer; an empty one brings the boxes back. */
    static void setAnswerer(Answerer answerer);

private:
    static inline Answerer s_answerer;
};
