#include "RevealedWord.h"

#include "Spelling.h"

#include <QCoreApplication>

namespace {
RetypeVerdict Feedback(bool accepted, const QString& top, const QString& bottom)
{
    RetypeVerdict v;
    v.accepted = accepted;
    v.feedbackTop = top;
    v.feedbackBottom = bottom;
    return v;
}

RetypeVerdict Message(const QString& text)
{
    RetypeVerdict v;
    v.message = text;
    return v;
}
} // namespace

RevealedWord::RevealedWord(const QString& word, bool caseSensitive, const TestSettings& settings)
    : word_(word.trimmed()),
      caseSensitive_(caseSensitive),
      retypingRequired_(settings.ForceEcho),
      clearWrongRetyping_(settings.ClearWrongAnswer)
{
}

QString RevealedWord::MustRetypeMessage()
{
    return QCoreApplication::translate("RevealedWord",
                                       "You must type the word correctly before moving on");
}

QString RevealedWord::CaseSensitiveMessage()
{
    return QCoreApplication::translate("RevealedWord",
                                       "This word is case sensitive.\rPlease tray again.");
}

// A case-sensitive word typed in the wrong case is named as such; an empty retyping of any
// other word is asked for again; every other miss is "Incorrect".
RetypeVerdict RevealedWord::Judge(const QString& typed) const
{
    if (!retypingRequired_)
        return Feedback(true, {}, {});
    const QString text = typed.trimmed();
    const bool sameButForCase = SpellsWord(text, word_, false);
    const bool correct = caseSensitive_ ? SpellsWord(text, word_, true) : sameButForCase;
    if (correct)
        return Feedback(true, QCoreApplication::translate("PracticeSession", "Correct"), {});
    if (caseSensitive_ && sameButForCase)
        return Message(CaseSensitiveMessage());
    if (!caseSensitive_ && text.isEmpty())
        return Message(MustRetypeMessage());
    RetypeVerdict miss = Feedback(false,
                                  QCoreApplication::translate("PracticeSession", "Incorrect"),
                                  QCoreApplication::translate("PracticeSession", "Try Again"));
    miss.clearTyping = clearWrongRetyping_;
    return miss;
}

RetypeVerdict RevealedWord::CloseRequested() const
{
    if (!retypingRequired_)
        return Feedback(true, {}, {});
    return Message(MustRetypeMessage());
}
