#pragma once

#include <QAnyStringView>
#include <QList>
#include <QObject>
#include <QWidget>

#include <memory>

#include "TestHistory.h"
#include "TestProgram.h"
#include "gui/kit/MessageService.h"

class QFileDialog;

// What the GUI suites share: the program on a test installation, controls by their names, and the message
// boxes answered from a queue, each one recorded.
class GuiSuite : public QObject {
    Q_OBJECT

public:
    // The control of this name and type among the parent's children, as findChild() looks; a control that is
    // not there ends the suite with its name.
    template <typename Control = QWidget>
    static Control* control(const QObject* parent, QAnyStringView name)
    {
        auto* found = parent->findChild<Control*>(name.toString());
        if (!found)
            missingControl(Control::staticMetaObject, name);
        return found;
    }
    // Clicks the control near its left end, on a box's mark; it has to be there, shown and enabled.
    static void click(QWidget* control);
    static void click(const QObject* parent, QAnyStringView name) { click(control(parent, name)); }
    // What the help popup says when the control is right-clicked; the popup is closed again.
    static QString helpTextOf(QWidget* control);
    // What the help popup that is up says; it is closed.
    static QString closeHelpPopup();
    // Names the file in the file dialog and clicks its 決定, as the user does; the button has to be enabled.
    static void chooseFile(QFileDialog* dialog, const QString& file);

protected:
    using Answer = MessageService::Answer;
    // What a message box gets once the queued answers have run out.
    enum class Unqueued {
        Declined, // No to a question, Cancel to OK or Cancel, OK to a notice
        Agreed,   // Yes to a question, OK otherwise
        Shown,    // the box itself, as the player sees it; nothing is recorded
    };

    explicit GuiSuite(Unqueued unqueued = Unqueued::Declined);
    ~GuiSuite() override;

    // A new installation with these draws, for the program started next.
    const InstallPaths& makeInstall(const FlagLines& lines);
    // The program on the installation made last, on a new one with these draws, or on the given one;
    // false when it does not start.
    [[nodiscard]] bool startProgram();
    [[nodiscard]] bool startProgram(const FlagLines& lines);
    [[nodiscard]] bool startProgram(const InstallPaths& paths);
    // Ends the program, removes its installation and forgets the messages and answers.
    void stopProgram();
    // The windows of the program started.
    CMainFrame* frame() const { return m_program->frame(); }
    CVemoView* view() const { return m_program->view(); }
    // The foot of the first bar of the pattern graph, in the view; null when the graph shows none.
    QPoint firstPatternBar() const;

    // The next message boxes get these answers in turn.
    void queueAnswers(QList<Answer> answers) { m_answers = std::move(answers); }
    // Checks the first message not checked yet, and drops it.
    void expectMessage(const UserMessage& expected);
    // Checks that every message shown has been checked.
    void expectNoMoreMessages() const;
    // Sees each message before it is answered.
    virtual void messageComing(const UserMessage& message);

    std::unique_ptr<TestInstall> m_install;
    std::unique_ptr<TestProgram> m_program;
    QList<UserMessage> m_messages;

private:
    [[noreturn]] static void missingControl(const QMetaObject& type, QAnyStringView name);
    Answer answer(const UserMessage& message, MessageService::Buttons buttons);

    Unqueued m_unqueued;
    QList<Answer> m_answers;
};
