#pragma once
#include <QString>

class RevealedWord;
struct TestSettings;

// The clues of the word being asked; the word itself is never shown.
struct WordClues {
    QString definition;
    QString sentence;
    bool canPronounce = false; // the word can be heard: a recording, or the desktop's voice
};

// The screen a practice session runs on. The session decides what happens; its front end
// shows what it is told and hands the student's answers and clicks back to the session.
// Calls that show something modal return once it has gone.
class PracticeView {
public:
    virtual ~PracticeView() = default;

    // The test has begun: lay out the clues these settings allow.
    virtual void ArrangeClues(const TestSettings& settings) = 0;
    // A word is asked: its clues, an empty answer box with the keyboard in it.
    virtual void ShowWord(const WordClues& clues) = 0;
    // The answer as it is judged, blanks at both ends removed, back in the answer box.
    virtual void ShowAnswer(const QString& answer) = 0;
    // After a miss with tries left: the answer box emptied, or the miss kept in it with the
    // cursor after its last letter and nothing selected.
    virtual void ClearAnswer() = 0;
    virtual void KeepAnswerForCorrection() = 0;
    // The keyboard back in the answer box.
    virtual void FocusAnswer() = 0;

    // Starts playing a sound file and returns at once.
    virtual void Play(const QString& wavFile) = 0;
    // Whether the word can be heard (its recording, or a voice where the desktop has one),
    // and saying it: the recording always wins. Returns at once.
    virtual bool CanSayWord(const QString& word) = 0;
    virtual void SayWord(const QString& word) = 0;
    // The short feedback message of two lines.
    virtual void ShowFeedback(const QString& top, const QString& bottom) = 0;
    // Shows the correct spelling; returns once the student may go on.
    virtual void Reveal(const RevealedWord& word) = 0;
    // A message with an OK button; a question with Yes and No (true for Yes). When Yes gives
    // up what was answered, No is the answer Enter gives.
    virtual void Tell(const QString& message) = 0;
    virtual bool Ask(const QString& question, bool yesLosesAnswers) = 0;
    // A failure of the database, said once; the session carries on as it says.
    virtual void ReportError(const QString& what) = 0;

    // The session is over and asks nothing more. stored: its test row was written and its
    // results can be shown; otherwise nothing of it was kept.
    virtual void Ended(bool stored) = 0;
};
