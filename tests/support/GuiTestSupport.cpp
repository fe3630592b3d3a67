#include "GuiTestSupport.h"

#include "AudioDevices.h"
#include "Sound.h"

#include <QAccessible>
#include <QApplication>
#include <QWidget>
#include <gtest/gtest.h>

int RunGuiTests(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    InitSound();
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    const int result = RUN_ALL_TESTS();
    CloseRecorder();
    StopPlaying();
    ReleasePlayer();
    return result;
}

void AnswerMessageBoxes(QStringList& messages, std::deque<MsgResult>& answers)
{
    SetMsgBoxHook([&messages, &answers](const QString& text, MsgButtons buttons, MsgIcon) {
        messages << text;
        if (!answers.empty()) {
            const MsgResult answer = answers.front();
            answers.pop_front();
            return answer;
        }
        return buttons == MsgButtons::YesNo ? MsgResult::Yes : MsgResult::OK;
    });
}

QString SpokenName(QWidget* control)
{
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(control);
    return iface ? iface->text(QAccessible::Name) : QString();
}
