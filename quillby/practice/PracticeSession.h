#pragma once
#include "TestOptions.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>

class PracticeStore;
struct RunningTest;
class PracticeView;
struct WordClues;

// One practice test from start to end: asks every word of a list once in the chosen order,
// judges each answer, stores it as an attempt, decides what follows a miss, and stores the
// test when the words run out. What the student sees goes through a PracticeView; what is
// read and stored goes through a PracticeStore.
//
// The attempts of a test are stored while it runs, before its TESTS row: a test that ends
// gets its row; a test given up through the quit question loses its attempts.
class PracticeSession {
    Q_DECLARE_TR_FUNCTIONS(PracticeSession)

public:
    PracticeSession(PracticeView& view, PracticeStore& store);

    // Begins a test on a list and asks its first word. Returns false when no test runs: the
    // list has no words (said to the student) or the test could not begin; the view has
    // then been told it ended.
    bool Start(int32_t listId, const TestSettings& settings);
    // Begins a practice round on the words of a stored test of the list that were not right
    // at the first attempt, in the order the settings choose; stored like any test, marked as
    // practising that test. Returns false as Start does (no missed word is left to ask).
    bool StartPractice(int32_t listId, int32_t practisedTestId, const TestSettings& settings);
    // The student's answer (Enter or Next). A blank answer is neither judged nor counted.
    void Answer(const QString& typed);
    // Plays the recording of the word being asked.
    void Pronounce();
    // The student asks to leave before the end. Returns whether the test may close; when it
    // does, nothing of the test is kept.
    bool Quit();

    int32_t TestID() const { return testId_; }
    int32_t ListID() const { return listId_; }
    // The test a practice round practises; 0 for a whole-list test.
    int32_t PracticeOf() const { return practiceOf_; }
    // The settings the test runs with.
    const TestSettings& Settings() const { return settings_; }
    // The WORD_ID texts of the words in asking order.
    const QStringList& TestWords() const { return testWords_; }
    int32_t CurrentIndex() const { return currentIndex_; }
    QString CurrentWord() const { return currentWord_; }
    // Answers given to the current word so far.
    int32_t AttemptCount() const { return attemptCount_; }
    bool TestComplete() const { return testComplete_; }

private:
    bool Begin(int32_t listId, const TestSettings& settings);
    void LoadTestWords();
    void ShuffleWords();
    void NextWord();
    std::optional<WordClues> ReadWord(const QString& wordId);
    void PronounceIfAllowed();
    void CheckAnswer(const QString& answer);
    void AnswerCorrect(const QString& answer);
    void AnswerIncorrect(const QString& answer);
    void StoreAttempt(const QString& answer, const QString& result);
    void EndTest();
    void SaveTest();
    // What the test's row holds, as listed while it runs.
    RunningTest Running() const;
    // Saves the finished test, asking to try again while it fails; false when given up.
    bool SaveTestOrGiveUp();
    // Removes what the test stored (quitting, or a save given up); false.
    bool GiveUp();
    template <class F>
    bool Guard(F&& step);

    PracticeView& view_;
    PracticeStore& store_;
    TestSettings settings_;
    int32_t testId_ = 0;
    int32_t listId_ = 0;
    int32_t practiceOf_ = 0;
    QStringList testWords_;
    int32_t currentIndex_ = -1;
    int32_t attemptCount_ = 0;
    QString currentWord_;
    int32_t currentWordId_ = 0;
    bool caseSensitive_ = false;
    bool canPronounce_ = false;
    bool testComplete_ = false;
    bool answering_ = false;
    QDateTime startTime_;
};
