#pragma once
#include "TestOptions.h"

#include <QString>

// What the reveal window does with one retyping (or with a request to close it): a feedback
// message or a message box to show, whether the typing is emptied, and whether the window
// closes.
struct RetypeVerdict {
    bool accepted = false;  // the student may go on: the window closes
    QString feedbackTop;    // a temporary message, shown when this is not empty
    QString feedbackBottom;
    QString message;        // a message box with OK, shown when this is not empty
    bool clearTyping = false;
};

// The correct spelling shown after the last allowed miss, and the rules for typing it again.
// The retyping is never stored and plays no sound.
class RevealedWord {
public:
    RevealedWord(const QString& word, bool caseSensitive, const TestSettings& settings);

    QString Text() const { return word_; } // trimmed
    bool CaseSensitive() const { return caseSensitive_; }
    bool RetypingRequired() const { return retypingRequired_; }

    // OK (or Enter) with this text typed; the caller shows the text trimmed.
    RetypeVerdict Judge(const QString& typed) const;
    // The window's close box or Escape: they do not skip a required retyping.
    RetypeVerdict CloseRequested() const;

    static QString MustRetypeMessage();
    static QString CaseSensitiveMessage();

private:
    QString word_;
    bool caseSensitive_ = false;
    bool retypingRequired_ = false;
    bool clearWrongRetyping_ = false;
};
