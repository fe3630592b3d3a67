#include "PracticeSession.h"

#include "DbError.h"
#include "Globals.h"
#include "PracticeStore.h"
#include "PracticeView.h"
#include "ProcessEvents.h"
#include "RandomNumber.h"
#include "RevealedWord.h"
#include "Spelling.h"
#include "WavFiles.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QScopedValueRollback>

namespace {
const QString kCorrect = QStringLiteral("CORRECT");
const QString kIncorrect = QStringLiteral("INCORRECT");

} // namespace

PracticeSession::PracticeSession(PracticeView& view, PracticeStore& store)
    : view_(view), store_(store)
{}

// A failed step is told to the student once; the caller decides how the test goes on.
template <class F>
bool PracticeSession::Guard(F&& step)
{
    return RunReported(std::forward<F>(step),
                       [this](const QString& what) { view_.ReportError(what); });
}

bool PracticeSession::StartPractice(int32_t listId, int32_t practisedTestId,
                                    const TestSettings& settings)
{
    practiceOf_ = practisedTestId;
    return Begin(listId, settings);
}

bool PracticeSession::Start(int32_t listId, const TestSettings& settings)
{
    practiceOf_ = 0;
    return Begin(listId, settings);
}

bool PracticeSession::Begin(int32_t listId, const TestSettings& settings)
{
    settings_ = settings;
    listId_ = listId;
    // The words are read before an identifier is taken, so that a list without words
    // neither starts a test nor uses up an identifier.
    bool ok = Guard([&] { LoadTestWords(); });
    if (ok && testWords_.isEmpty()) {
        view_.Tell(practiceOf_ != 0 ? tr("There are no missed words to practise.")
                                    : tr("This list has no words yet.\r"
                                         "Please add words to the list before taking a test."));
        ok = false;
    }
    const QDateTime now = QDateTime::currentDateTime();
    startTime_ = QDateTime(now.date(), QTime(now.time().hour(), now.time().minute(),
                                             now.time().second()));
    ok = ok && Guard([&] {
             testId_ = store_.NewTestId();
             store_.MarkRunning(Running());
         });
    if (!ok) {
        view_.Ended(false);
        return false;
    }
    view_.ArrangeClues(settings_);
    testComplete_ = false;
    currentIndex_ = -1;
    NextWord();
    return !testComplete_;
}

void PracticeSession::LoadTestWords()
{
    const WordOrder order = OrderOf(settings_.TestOrder);
    const WordSort sort = order == WordOrder::Created        ? WordSort::ByWordId
                          : order == WordOrder::Alphabetical ? WordSort::ByWord
                                                             : WordSort::Stored;
    testWords_.clear();
    SkippedRows skipped;
    testWords_ = store_.TestWordIds(listId_, practiceOf_, sort, skipped);
    if (!skipped.empty())
        view_.Tell(skipped.Message());
    if (order == WordOrder::Random)
        ShuffleWords();
}

// Between 32 and 51 exchanges of two randomly drawn positions.
void PracticeSession::ShuffleWords()
{
    if (testWords_.isEmpty())
        return;
    const int32_t last = static_cast<int32_t>(testWords_.size()) - 1;
    int32_t rounds = 0;
    while (rounds <= 30)
        rounds = RandomNumber(50);
    for (int32_t i = 0; i <= rounds; ++i) {
        const int32_t a = RandomNumber(last);
        const int32_t b = RandomNumber(last);
        testWords_.swapItemsAt(a, b);
    }
}

// Asks the next word, or ends the test when none is left.
void PracticeSession::NextWord()
{
    attemptCount_ = 0;
    if (currentIndex_ >= static_cast<int32_t>(testWords_.size()) - 1) {
        EndTest();
        return;
    }
    ++currentIndex_;
    // A word that cannot be read is reported; like a word deleted meanwhile, it ends the
    // test with what has been answered so far, rather than judging answers against the
    // previous word.
    std::optional<WordClues> clues;
    Guard([&] { clues = ReadWord(testWords_.at(currentIndex_)); });
    if (!clues) {
        EndTest();
        return;
    }
    view_.ShowWord(*clues);
    PronounceIfAllowed();
}

// Makes a stored word the current one; nothing when it is no longer stored.
std::optional<WordClues> PracticeSession::ReadWord(const QString& wordId)
{
    const std::optional<PracticeWord> word = store_.ReadWord(wordId);
    if (!word)
        return std::nullopt;
    WordClues clues;
    currentWordId_ = word->wordId;
    currentWord_ = word->word;
    clues.definition = word->definition;
    clues.sentence = word->sentence;
    canPronounce_ = view_.CanSayWord(currentWord_);
    clues.canPronounce = canPronounce_;
    caseSensitive_ = word->caseSensitive;
    return clues;
}

void PracticeSession::Pronounce()
{
    view_.SayWord(currentWord_);
}

void PracticeSession::PronounceIfAllowed()
{
    if (canPronounce_ && settings_.Pronounce)
        Pronounce();
}

void PracticeSession::Answer(const QString& typed)
{
    // An answer that arrives while one is being handled (pending window events run while
    // the test is stored) must not be judged again or store the test twice.
    if (testComplete_ || answering_)
        return;
    const QScopedValueRollback<bool> busy(answering_, true);
    const QString answer = typed.trimmed();
    view_.ShowAnswer(answer);
    if (answer.isEmpty()) {
        view_.FocusAnswer();
        return;
    }
    Guard([&] { CheckAnswer(answer); });
}

// Letter case counts only for a case-sensitive word; nothing else is forgiven.
void PracticeSession::CheckAnswer(const QString& answer)
{
    const bool correct = SpellsWord(answer, currentWord_, caseSensitive_);
    ++attemptCount_;
    if (correct)
        AnswerCorrect(answer);
    else
        AnswerIncorrect(answer);
}

void PracticeSession::AnswerCorrect(const QString& answer)
{
    StoreAttempt(answer, kCorrect);
    if (settings_.PlayCorrectSound)
        view_.Play(Globals::CorrectSoundPath);
    view_.ShowFeedback(tr("Correct"), currentWord_);
    NextWord();
}

// After a miss the same word is asked again until MoveOnAfter misses; the last allowed miss
// may reveal the word (and have it retyped) before the test moves on.
void PracticeSession::AnswerIncorrect(const QString& answer)
{
    StoreAttempt(answer, kIncorrect);
    if (settings_.PlayIncorrectSound)
        view_.Play(Globals::IncorrectSoundPath);
    if (attemptCount_ < settings_.MoveOnAfter) {
        view_.ShowFeedback(tr("Incorrect"), tr("Try Again"));
        if (settings_.ClearWrongAnswer)
            view_.ClearAnswer();
        else
            view_.KeepAnswerForCorrection();
        PronounceIfAllowed();
        view_.FocusAnswer();
        return;
    }
    view_.ShowFeedback(tr("Incorrect"), QString());
    if (settings_.RevealAnswers)
        view_.Reveal(RevealedWord(currentWord_, caseSensitive_, settings_));
    NextWord();
}

// An answer counts as an attempt only once it is stored: when storing fails the error
// reaches the student and the same word is asked again with the same attempt number.
void PracticeSession::StoreAttempt(const QString& answer, const QString& result)
{
    try {
        store_.StoreAttempt(testId_, listId_, currentWordId_, answer, result, attemptCount_);
    } catch (...) {
        --attemptCount_;
        view_.FocusAnswer();
        throw;
    }
}

void PracticeSession::EndTest()
{
    testComplete_ = true;
    view_.Ended(SaveTestOrGiveUp());
}

bool PracticeSession::SaveTestOrGiveUp()
{
    // A finished test is not thrown away at the first refusal: a full disk can be cleared.
    QString problem;
    const auto remember = [&](const QString& what) { problem = what; };
    while (!RunReported([&] { SaveTest(); }, remember)) {
        if (!view_.Ask(tr("The test could not be saved.\r%1\rYour answers are kept. Try to save "
                            "the test again?").arg(problem), false))
            return GiveUp();
    }
    return true;
}

bool PracticeSession::GiveUp()
{
    // Its answers go now; a clean-up that fails is said, never silent (the next start
    // removes what is left, as for a test that never finished).
    Guard([&] { store_.DiscardTest(testId_); });
    return false;
}

void PracticeSession::SaveTest()
{
    store_.StoreTest(Running(), QDateTime::currentDateTime());
    ProcessEvents(3);
}

RunningTest PracticeSession::Running() const
{
    return {testId_, listId_, settings_.MoveOnAfter, startTime_, practiceOf_};
}

bool PracticeSession::Quit()
{
    if (testComplete_)
        return true;
    if (!view_.Ask(tr("You have not completed the test.\r"
                                  "Do you really want to quit?"), true)) {
        view_.FocusAnswer();
        return false;
    }
    GiveUp();
    return true;
}
