#pragma once
#include "MsgBox.h"

#include <QList>
#include <QPair>
#include <QStringList>
#include <deque>
#include <functional>
#include <optional>

// Answers the program's message boxes while it lives, without showing any, and writes down
// each text. A box gets the answer expected for the start of its text (Expect), else the next
// queued answer, else the fixed answer given when it was made, else Yes to a Yes/No question and
// OK to anything else. Recorders nest: the one made last answers, and the one before takes over
// again when it goes.
class MessageBoxes {
public:
    MessageBoxes();
    explicit MessageBoxes(MsgResult always);
    ~MessageBoxes();
    MessageBoxes(const MessageBoxes&) = delete;
    MessageBoxes& operator=(const MessageBoxes&) = delete;

    // The next box whose text starts so gets this answer (each expectation once).
    void Expect(const QString& textStart, MsgResult answer);
    // Real message boxes while `show` runs (to press their keys as a person would).
    void ShowRealBoxesDuring(const std::function<void()>& show);

    QStringList texts;
    std::deque<MsgResult> answers;
    // The answer to a question (Yes/No) when nothing else is expected or queued.
    MsgResult questions = MsgResult::Yes;
    // Runs while each box is up, before it is answered.
    std::function<void(const QString& text)> whileShown;

    MsgResult Answer(const QString& text, MsgButtons buttons);

private:
    std::optional<MsgResult> always_;
    QList<QPair<QString, MsgResult>> expected_;
};
