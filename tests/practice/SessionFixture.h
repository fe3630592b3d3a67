#pragma once
#include "Globals.h"
#include "PracticeRows.h"
#include "PracticeSession.h"
#include "PracticeView.h"
#include "RevealedWord.h"
#include "SqlitePracticeStore.h"

#include <QStringList>
#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <map>
#include <vector>

// A front end without windows. It writes down, in order, what the session told it to show:
//   "ask <word>"              a word is asked (its clues shown)
//   "<top>|<bottom>"          a feedback message
//   "keep" / "clear"          the answer box after a miss with tries left
//   "reveal <word>" (+ " retype" when retyping is required)
//   "retype cleared"          a wrong retyping emptied
//   "message: <text>", "question: <text>", "error: <text>"
//   "ended stored" / "ended not stored"
// Sounds go to plays (file names only). The quit question and the reveal window are answered
// from scripts; each retyping is judged by the revealed word as the reveal window does.
class RecordingView : public PracticeView {
public:
    QStringList told;
    QStringList plays;
    QString answerBox;
    bool canPronounce = false;
    std::deque<bool> quitAnswers;                  // default: Yes
    std::deque<QStringList> retypings;             // one script per reveal
    const PracticeSession* session = nullptr;
    // Runs while a feedback message is up (as a pending key press would).
    std::function<void()> duringFeedback;

    void ArrangeClues(const TestSettings&) override {}
    void ShowWord(const WordClues& clues) override;
    void ShowAnswer(const QString& answer) override { answerBox = answer; }
    void ClearAnswer() override;
    void KeepAnswerForCorrection() override { told << QStringLiteral("keep"); }
    void FocusAnswer() override {}
    void Play(const QString& wavFile) override;
    // A word is heard when its recording exists, as on a desktop without a voice.
    bool CanSayWord(const QString& word) override;
    void SayWord(const QString& word) override;
    void ShowFeedback(const QString& top, const QString& bottom) override;
    void Reveal(const RevealedWord& word) override;
    void Tell(const QString& message) override;
    bool Ask(const QString& question, bool yesLosesAnswers) override;
    void ReportError(const QString& what) override;
    void Ended(bool stored) override;

private:
    void Follow(const RetypeVerdict& verdict);
};

// A word of a test list: its text and whether its letter case counts.
struct WordSpec {
    const char* text;
    bool caseSensitive = false;
};

// A stored attempt written with the word's text instead of its identifier.
struct RowSpec {
    QString word;
    QString guess;
    const char* result;
    int32_t number;
};

// A session over a real database in a fresh folder, told to a RecordingView.
class SessionTest : public ::testing::Test, protected PracticeRows {
protected:
    void SetUp() override;
    void TearDown() override;

    // A list of these words, made in this order.
    void MakeList(const std::vector<WordSpec>& words);
    bool Start(const TestSettings& settings);
    void AnswerEach(const QStringList& answers);
    // The session's stored attempts, as RowSpec writes them.
    std::vector<AttemptRow> Stored() const { return Attempts(session.TestID()); }
    std::vector<AttemptRow> Rows(const std::vector<RowSpec>& rows) const;
    // The words in the order the session asked them.
    QStringList Asked() const { return AskedIn(view); }
    static QStringList AskedIn(const RecordingView& told);

    RecordingView view;
    // The program's own store, on the database of the test's folder.
    SqlitePracticeStore store{Globals::DbConnection()};
    PracticeSession session{view, store};
    int32_t list = 0;
    std::map<QString, int32_t> ids;
};
