#pragma once
#include <QString>
#include <functional>

class QWidget;

// The one message-box function of each program. It shows the program's title (set once at
// start-up); a carriage return inside a message is a line break. Tests answer message boxes
// by installing a hook instead of showing a window.
enum class MsgButtons { OK, OKCancel, YesNo, YesNoCancel };
enum class MsgIcon { None, Information, Question, Exclamation, Critical };
enum class MsgResult { OK, Cancel, Yes, No };
// The answer Enter gives: the first button, or No for a question whose Yes loses something.
enum class MsgDefault { First, No };

MsgResult MsgBox(const QString& text, MsgButtons buttons = MsgButtons::OK,
                 MsgIcon icon = MsgIcon::None, QWidget* parent = nullptr,
                 MsgDefault defaultAnswer = MsgDefault::First);

void SetMsgBoxTitle(const QString& title);
QString MsgBoxTitle();

using MsgBoxHook = std::function<MsgResult(const QString& text, MsgButtons, MsgIcon)>;
void SetMsgBoxHook(MsgBoxHook hook); // empty hook: show real message boxes again
