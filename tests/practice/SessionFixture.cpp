#include "SessionFixture.h"

#include "WavFiles.h"

#include <QFileInfo>
#include <utility>

void RecordingView::ShowWord(const WordClues& clues)
{
    told << QStringLiteral("ask ") + (session ? session->CurrentWord() : QString());
    canPronounce = clues.canPronounce;
    answerBox.clear();
}

void RecordingView::ClearAnswer()
{
    answerBox.clear();
    told << QStringLiteral("clear");
}

void RecordingView::Play(const QString& wavFile) { plays << QFileInfo(wavFile).fileName(); }

bool RecordingView::CanSayWord(const QString& word)
{
    const QString wav = WordWavFile(word);
    return !wav.isEmpty() && QFileInfo::exists(wav);
}

void RecordingView::SayWord(const QString& word)
{
    const QString wav = WordWavFile(word);
    if (!wav.isEmpty())
        Play(wav);
}

void RecordingView::ShowFeedback(const QString& top, const QString& bottom)
{
    told << top + QLatin1Char('|') + bottom;
    if (duringFeedback)
        std::exchange(duringFeedback, nullptr)();
}

void RecordingView::Reveal(const RevealedWord& word)
{
    told << QStringLiteral("reveal ") + word.Text() +
                (word.RetypingRequired() ? QStringLiteral(" retype") : QString());
    if (!word.RetypingRequired()) {
        Follow(word.Judge(QString())); // OK
        return;
    }
    const QStringList script = retypings.empty() ? QStringList() : retypings.front();
    if (!retypings.empty())
        retypings.pop_front();
    for (const QString& typed : script) {
        const RetypeVerdict verdict = word.Judge(typed);
        Follow(verdict);
        if (verdict.accepted)
            return;
    }
    told << QStringLiteral("reveal left open");
}

void RecordingView::Follow(const RetypeVerdict& verdict)
{
    if (!verdict.message.isEmpty())
        told << QStringLiteral("message: ") + verdict.message;
    else if (!verdict.feedbackTop.isEmpty())
        ShowFeedback(verdict.feedbackTop, verdict.feedbackBottom);
    if (verdict.clearTyping)
        told << QStringLiteral("retype cleared");
}

void RecordingView::Tell(const QString& message) { told << QStringLiteral("message: ") + message; }

bool RecordingView::Ask(const QString& question, bool /*yesLosesAnswers*/)
{
    told << QStringLiteral("question: ") + question;
    if (quitAnswers.empty())
        return true;
    const bool yes = quitAnswers.front();
    quitAnswers.pop_front();
    return yes;
}

void RecordingView::ReportError(const QString& what) { told << QStringLiteral("error: ") + what; }

void RecordingView::Ended(bool stored)
{
    told << (stored ? QStringLiteral("ended stored") : QStringLiteral("ended not stored"));
}

void SessionTest::SetUp()
{
    OpenFolder();
    view.session = &session;
}

void SessionTest::TearDown() { CloseFolder(); }

void SessionTest::MakeList(const std::vector<WordSpec>& words)
{
    list = AddList();
    for (const WordSpec& w : words)
        ids[QString::fromUtf8(w.text)] = AddWord(list, QString::fromUtf8(w.text),
                                                 {.caseSensitive = w.caseSensitive});
}

bool SessionTest::Start(const TestSettings& settings) { return session.Start(list, settings); }

void SessionTest::AnswerEach(const QStringList& answers)
{
    for (const QString& answer : answers)
        session.Answer(answer);
}

std::vector<AttemptRow> SessionTest::Rows(const std::vector<RowSpec>& rows) const
{
    std::vector<AttemptRow> out;
    for (const RowSpec& r : rows)
        out.push_back({ids.at(r.word), r.guess, QString::fromLatin1(r.result), r.number});
    return out;
}

QStringList SessionTest::AskedIn(const RecordingView& told)
{
    QStringList asked;
    for (const QString& entry : told.told)
        if (entry.startsWith(QLatin1String("ask ")))
            asked << entry.mid(4);
    return asked;
}
