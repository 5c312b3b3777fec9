#include "GuiSuite.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <algorithm>

#include "TestPixels.h"
#include "core/text/ExchangeText.h"
#include "gui/kit/ScreenScale.h"
#include "gui/patterns/PatternGraphLayout.h"
#include "gui/shell/CVemoView.h"

GuiSuite::GuiSuite(Unqueued unqueued) : m_unqueued(unqueued)
{
    TestProgram::prepareSuite();
    if (unqueued != Unqueued::Shown) {
        MessageService::setAnswerer([this](const UserMessage& message, MessageService::Buttons buttons,
                                           MessageService::Icon) { return answer(message, buttons); });
    }
}

GuiSuite::~GuiSuite()
{
    m_program.reset();
    MessageService::setAnswerer({});
}

const InstallPaths& GuiSuite::makeInstall(const FlagLines& lines)
{
    m_install = std::make_unique<TestInstall>(lines);
    return m_install->paths();
}

bool GuiSuite::startProgram()
{
    return m_install && startProgram(m_install->paths());
}

bool GuiSuite::startProgram(const FlagLines& lines)
{
    makeInstall(lines);
    return startProgram();
}

bool GuiSuite::startProgram(const InstallPaths& paths)
{
    m_program = TestProgram::start(paths);
    return m_program != nullptr;
}

void GuiSuite::stopProgram()
{
    m_program.reset();
    m_install.reset();
    m_messages.clear();
    m_answers.clear();
}

QPoint GuiSuite::firstPatternBar() const
{
    const QImage graph = view()->grab().toImage();
    const int y = ScreenScale::y(PatternGraphLayout::kBarBase);
    for (int x = ScreenScale::x(200); x < graph.width(); ++x) {
        if (TestPixels::isPatternBar(graph.pixel(x, y)))
            return {x, y};
    }
    return {};
}

void GuiSuite::expectMessage(const UserMessage& expected)
{
    QVERIFY2(!m_messages.isEmpty(), qPrintable(expected.text));
    const UserMessage shown = m_messages.takeFirst();
    QCOMPARE(shown.caption, expected.caption);
    QCOMPARE(shown.text, expected.text);
}

void GuiSuite::expectNoMoreMessages() const
{
    QVERIFY2(m_messages.isEmpty(), qPrintable(m_messages.isEmpty() ? QString() : m_messages.first().text));
}

void GuiSuite::messageComing(const UserMessage&)
{
}

void GuiSuite::click(QWidget* control)
{
    QVERIFY2(control && control->isVisible() && control->isEnabled(),
             control ? qPrintable(control->objectName()) : "no such control");
    QTest::mouseClick(control, Qt::LeftButton, {}, QPoint(4, control->height() / 2));
}

QString GuiSuite::helpTextOf(QWidget* control)
{
    const QPoint at(2, 2);
    QContextMenuEvent rightClick(QContextMenuEvent::Mouse, at, control->mapToGlobal(at));
    QApplication::sendEvent(control, &rightClick);
    return closeHelpPopup();
}

QString GuiSuite::closeHelpPopup()
{
    auto* popup = qobject_cast<QLabel*>(QApplication::activePopupWidget());
    if (!popup)
        return QStringLiteral("(no popup)");
    const QString text = popup->text();
    popup->close();
    return text;
}

void GuiSuite::chooseFile(QFileDialog* dialog, const QString& file)
{
    dialog->selectFile(file);
    const QList<QPushButton*> buttons = dialog->findChild<QDialogButtonBox*>()->findChildren<QPushButton*>();
    const auto decide = std::find_if(buttons.cbegin(), buttons.cend(), [](const QPushButton* button) {
        return button->text() == ExchangeText::dialogAccept();
    });
    QVERIFY(decide != buttons.cend() && (*decide)->isEnabled());
    QTest::mouseClick(*decide, Qt::LeftButton);
}

void GuiSuite::missingControl(const QMetaObject& type, QAnyStringView name)
{
    // The test cannot go on without it; the log names what was looked for.
    qFatal("no %s named \"%s\"", type.className(), qPrintable(name.toString()));
}

GuiSuite::Answer GuiSuite::answer(const UserMessage& message, MessageService::Buttons buttons)
{
    m_messages.append(message);
    messageComing(message);
    if (!m_answers.isEmpty())
        return m_answers.takeFirst();
    const bool agreed = m_unqueued == Unqueued::Agreed;
    switch (buttons) {
    case MessageService::Buttons::YesNo:
        return agreed ? Answer::Yes : Answer::No;
    case MessageService::Buttons::OkCancel:
        return agreed ? Answer::Ok : Answer::Cancel;
    case MessageService::Buttons::Ok:
        break;
    }
    return Answer::Ok;
}
