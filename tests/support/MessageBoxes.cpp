#include "MessageBoxes.h"

#include <vector>

namespace {
// The recorders alive, the answering one last.
std::vector<MessageBoxes*>& Recorders()
{
    static std::vector<MessageBoxes*> recorders;
    return recorders;
}

void AnswerThroughLast()
{
    if (Recorders().empty()) {
        SetMsgBoxHook({});
        return;
    }
    MessageBoxes* answering = Recorders().back();
    SetMsgBoxHook([answering](const QString& text, MsgButtons buttons, MsgIcon) {
        return answering->Answer(text, buttons);
    });
}
} // namespace

MessageBoxes::MessageBoxes()
{
    Recorders().push_back(this);
    AnswerThroughLast();
}

MessageBoxes::MessageBoxes(MsgResult always) : MessageBoxes() { always_ = always; }

MessageBoxes::~MessageBoxes()
{
    std::erase(Recorders(), this);
    AnswerThroughLast();
}

void MessageBoxes::Expect(const QString& textStart, MsgResult answer)
{
    expected_.append({textStart, answer});
}

void MessageBoxes::ShowRealBoxesDuring(const std::function<void()>& show)
{
    SetMsgBoxHook({});
    show();
    AnswerThroughLast();
}

MsgResult MessageBoxes::Answer(const QString& text, MsgButtons buttons)
{
    texts << text;
    if (whileShown)
        whileShown(text);
    for (int i = 0; i < expected_.size(); ++i)
        if (text.startsWith(expected_[i].first))
            return expected_.takeAt(i).second;
    if (!answers.empty()) {
        const MsgResult answer = answers.front();
        answers.pop_front();
        return answer;
    }
    if (always_)
        return *always_;
    return buttons == MsgButtons::YesNo ? questions : MsgResult::OK;
}
