// The rules of a practice test, run through a session without windows: answers in, stored
// attempts and what the student was shown out.
#include "SessionFixture.h"

#include "Connection.h"
#include "DataFolder.h"
#include "Globals.h"
#include "ListQueries.h"
#include "Recordset.h"
#include "RunningTests.h"
#include "Statements.h"
#include "TestQueries.h"
#include "WavFiles.h"
#include "WordQueries.h"

#include <QFile>
#include <QTemporaryDir>

namespace {
QString Id(int32_t v) { return QString::number(v); }

const QString kQuitQuestion =
    QStringLiteral("You have not completed the test.\rDo you really want to quit?");
const QString kMustRetype =
    QStringLiteral("message: You must type the word correctly before moving on");
const QString kCaseMessage =
    QStringLiteral("message: This word is case sensitive.\rPlease tray again.");
} // namespace

// ---- The asking order -------------------------------------------------------------------

struct OrderCase {
    const char* rule;
    const char* order;
    QStringList asked;
};

void PrintTo(const OrderCase& c, std::ostream* os) { *os << c.rule; }

class SessionOrder : public SessionTest, public ::testing::WithParamInterface<OrderCase> {};

TEST_P(SessionOrder, AsksEveryWordOnceInTheOrderChosen)
{
    MakeList({{"pear"}, {"Apple"}, {"zebra"}, {"mango"}});
    ASSERT_TRUE(Start(Quiet(3, QString::fromLatin1(GetParam().order))));
    while (!session.TestComplete())
        session.Answer(session.CurrentWord());
    EXPECT_EQ(Asked(), GetParam().asked);
    EXPECT_EQ(view.told.last(), QStringLiteral("ended stored"));
}

INSTANTIATE_TEST_SUITE_P(
    Orders, SessionOrder,
    ::testing::Values(
        OrderCase{"alphabetical", "Alphabetical", {"Apple", "mango", "pear", "zebra"}},
        OrderCase{"alphabetical_from_the_set_up", "ALPHABETICAL", {"Apple", "mango", "pear", "zebra"}},
        OrderCase{"created", "Order Created", {"pear", "Apple", "zebra", "mango"}},
        OrderCase{"created_in_any_case", "order created", {"pear", "Apple", "zebra", "mango"}},
        OrderCase{"any_other_text_is_alphabetical", "Backwards", {"Apple", "mango", "pear", "zebra"}},
        OrderCase{"no_text_is_alphabetical", "", {"Apple", "mango", "pear", "zebra"}}),
    [](const auto& info) { return std::string(info.param.rule); });

TEST_F(SessionTest, RandomOrderAsksEveryWordOnceAndChangesFromTestToTest)
{
    MakeList({{"pear"}, {"Apple"}, {"zebra"}, {"mango"}, {"cherry"}, {"kiwi"}, {"banana"}, {"lime"}});
    const QStringList sorted = {"Apple", "banana", "cherry", "kiwi", "lime", "mango", "pear", "zebra"};
    QList<QStringList> shuffles;
    for (int i = 0; i < 3; ++i) {
        RecordingView runView;
        PracticeSession run(runView, store);
        runView.session = &run;
        ASSERT_TRUE(run.Start(list, Quiet(3, QStringLiteral("Random"))));
        QStringList asked;
        while (!run.TestComplete()) {
            asked << run.CurrentWord();
            run.Answer(run.CurrentWord());
        }
        QStringList asSet = asked;
        std::sort(asSet.begin(), asSet.end(),
                  [](const QString& a, const QString& b) { return a.toUpper() < b.toUpper(); });
        EXPECT_EQ(asSet, sorted) << "every word once";
        shuffles << asked;
    }
    EXPECT_FALSE(shuffles[0] == shuffles[1] && shuffles[1] == shuffles[2])
        << "random order changes from test to test";
    EXPECT_EQ(CountListTests(list), 3);
}

TEST_F(SessionTest, OneWordListInRandomOrderAsksItOnce)
{
    MakeList({{"only"}});
    ASSERT_TRUE(Start(Quiet(3, QStringLiteral("RANDOM"))));
    EXPECT_EQ(session.TestWords(), QStringList{Id(ids["only"])});
    session.Answer(QStringLiteral("only"));
    EXPECT_EQ(Stored(), Rows({{"only", "only", "CORRECT", 1}}));
    EXPECT_EQ(StoredRowCount(QString(Sql::SELECT_TESTS) + Sql::WHERE_TEST_ID +
                             Id(session.TestID()) + " "),
              1);
}

TEST_F(SessionTest, AListWithoutWordsDoesNotStart)
{
    MakeList({});
    EXPECT_FALSE(Start(Quiet()));
    EXPECT_EQ(view.told, (QStringList{"message: This list has no words yet.\r"
                                      "Please add words to the list before taking a test.",
                                      "ended not stored"}));
    EXPECT_EQ(
        StoredRowCount(QString(Sql::SELECT_IDS) + Sql::WHERE_CODE + "TEST_ID" + Sql::CODE_END), 0)
        << "no identifier used up";
}

// ---- Judging one answer: trimming and letter case ----------------------------------------

struct JudgingCase {
    const char* rule;
    std::vector<WordSpec> words; // asked in this order
    QStringList answers;
    std::vector<RowSpec> rows;
};

void PrintTo(const JudgingCase& c, std::ostream* os) { *os << c.rule; }

class SessionJudging : public SessionTest, public ::testing::WithParamInterface<JudgingCase> {};

TEST_P(SessionJudging, StoresEachAnswerAsTypedWithItsResult)
{
    MakeList(GetParam().words);
    ASSERT_TRUE(Start(Quiet(3, QStringLiteral("Order Created"))));
    AnswerEach(GetParam().answers);
    EXPECT_EQ(Stored(), Rows(GetParam().rows));
}

const std::string kLongWord(300, 'z');

INSTANTIATE_TEST_SUITE_P(
    Answers, SessionJudging,
    ::testing::Values(
        JudgingCase{"blanks_around_are_trimmed_and_a_blank_answer_is_no_attempt",
                    {{"river"}},
                    {"    ", "  rivr ", "  river  "},
                    {{"river", "rivr", "INCORRECT", 1}, {"river", "river", "CORRECT", 2}}},
        JudgingCase{"a_capital_counts_nothing_on_a_plain_word",
                    {{"apple"}},
                    {"Apple"},
                    {{"apple", "Apple", "CORRECT", 1}}},
        JudgingCase{"a_case_sensitive_word_wants_its_case",
                    {{"boston", true}},
                    {"Boston", "boston"},
                    {{"boston", "Boston", "INCORRECT", 1}, {"boston", "boston", "CORRECT", 2}}},
        JudgingCase{"a_capital_case_sensitive_word",
                    {{"Paris", true}},
                    {"PARIS", "paris", "Paris"},
                    {{"Paris", "PARIS", "INCORRECT", 1},
                     {"Paris", "paris", "INCORRECT", 2},
                     {"Paris", "Paris", "CORRECT", 3}}},
        JudgingCase{"apostrophes_accents_and_inner_blanks_count",
                    {{"don't"}, {"café"}, {"either/or"}},
                    {"DON'T", "CAFE", QString::fromUtf8("CAFÉ"), "either or", "either/or"},
                    {{"don't", "DON'T", "CORRECT", 1},
                     {QString::fromUtf8("café"), "CAFE", "INCORRECT", 1},
                     {QString::fromUtf8("café"), QString::fromUtf8("CAFÉ"), "CORRECT", 2},
                     {"either/or", "either or", "INCORRECT", 1},
                     {"either/or", "either/or", "CORRECT", 2}}},
        JudgingCase{"a_long_word",
                    {{kLongWord.c_str()}},
                    {QString::fromStdString(kLongWord)},
                    {{QString::fromStdString(kLongWord), QString::fromStdString(kLongWord),
                      "CORRECT", 1}}}),
    [](const auto& info) { return std::string(info.param.rule); });

TEST_F(SessionTest, TheTrimmedAnswerGoesBackIntoTheBox)
{
    MakeList({{"river"}});
    ASSERT_TRUE(Start(Quiet()));
    session.Answer(QStringLiteral("    "));
    EXPECT_EQ(view.answerBox, QString());
    EXPECT_EQ(session.AttemptCount(), 0);
    EXPECT_TRUE(Stored().empty());
    session.Answer(QStringLiteral("  rivr "));
    EXPECT_EQ(view.answerBox, QStringLiteral("rivr"));
    EXPECT_EQ(session.AttemptCount(), 1);
}

// ---- After a miss: the same word, moving on, revealing, retyping -------------------------

struct MissCase {
    const char* rule;
    int moveOnAfter;
    bool reveal;
    bool retype;
    bool clear;
    std::vector<WordSpec> words;
    QStringList answers;
    std::deque<QStringList> retypings; // what the student types in each reveal window
    std::vector<RowSpec> rows;
    QStringList told;
};

void PrintTo(const MissCase& c, std::ostream* os) { *os << c.rule; }

class SessionMiss : public SessionTest, public ::testing::WithParamInterface<MissCase> {};

TEST_P(SessionMiss, StoresTheAttemptsAndShowsWhatFollows)
{
    const MissCase& c = GetParam();
    MakeList(c.words);
    TestSettings s = Quiet(c.moveOnAfter);
    s.RevealAnswers = c.reveal;
    s.ForceEcho = c.retype;
    s.ClearWrongAnswer = c.clear;
    view.retypings = c.retypings;
    ASSERT_TRUE(Start(s));
    AnswerEach(c.answers);
    EXPECT_EQ(Stored(), Rows(c.rows)) << "retyping is never stored";
    EXPECT_EQ(view.told, c.told);
}

INSTANTIATE_TEST_SUITE_P(
    Misses, SessionMiss,
    ::testing::Values(
        MissCase{"move_on_after_one",
                 1, false, false, false,
                 {{"alpha"}, {"beta"}},
                 {"alfa", "beta"},
                 {},
                 {{"alpha", "alfa", "INCORRECT", 1}, {"beta", "beta", "CORRECT", 1}},
                 {"ask alpha", "Incorrect|", "ask beta", "Correct|beta", "ended stored"}},
        MissCase{"move_on_after_three",
                 3, false, false, false,
                 {{"alpha"}, {"beta"}},
                 {"alpa", "alfa", "alpha", "bta", "betta", "bet"},
                 {},
                 {{"alpha", "alpa", "INCORRECT", 1}, {"alpha", "alfa", "INCORRECT", 2},
                  {"alpha", "alpha", "CORRECT", 3}, {"beta", "bta", "INCORRECT", 1},
                  {"beta", "betta", "INCORRECT", 2}, {"beta", "bet", "INCORRECT", 3}},
                 {"ask alpha", "Incorrect|Try Again", "keep", "Incorrect|Try Again", "keep",
                  "Correct|alpha", "ask beta", "Incorrect|Try Again", "keep",
                  "Incorrect|Try Again", "keep", "Incorrect|", "ended stored"}},
        MissCase{"a_wrong_answer_is_cleared_when_the_settings_say_so",
                 3, false, false, true,
                 {{"gamma"}},
                 {"gama", "gamma"},
                 {},
                 {{"gamma", "gama", "INCORRECT", 1}, {"gamma", "gamma", "CORRECT", 2}},
                 {"ask gamma", "Incorrect|Try Again", "clear", "Correct|gamma", "ended stored"}},
        MissCase{"reveal_off_goes_straight_on",
                 1, false, false, false,
                 {{"delta"}, {"echo"}},
                 {"delt", "echo"},
                 {},
                 {{"delta", "delt", "INCORRECT", 1}, {"echo", "echo", "CORRECT", 1}},
                 {"ask delta", "Incorrect|", "ask echo", "Correct|echo", "ended stored"}},
        MissCase{"reveal_without_retyping_goes_on_after_OK",
                 1, true, false, false,
                 {{"delta"}, {"echo"}},
                 {"delt", "echo"},
                 {},
                 {{"delta", "delt", "INCORRECT", 1}, {"echo", "echo", "CORRECT", 1}},
                 {"ask delta", "Incorrect|", "reveal delta", "ask echo", "Correct|echo",
                  "ended stored"}},
        MissCase{"reveal_only_after_the_last_allowed_miss",
                 2, true, false, false,
                 {{"delta"}},
                 {"delt", "dela"},
                 {},
                 {{"delta", "delt", "INCORRECT", 1}, {"delta", "dela", "INCORRECT", 2}},
                 {"ask delta", "Incorrect|Try Again", "keep", "Incorrect|", "reveal delta",
                  "ended stored"}},
        MissCase{"retyping_insists_on_the_word_and_its_case",
                 1, true, true, false,
                 {{"Paris", true}, {"tango"}},
                 {"Pari", "tang"},
                 {{"paris", "", " Paris "}, {"   ", "tanga", "TANGO"}},
                 {{"Paris", "Pari", "INCORRECT", 1}, {"tango", "tang", "INCORRECT", 1}},
                 {"ask Paris", "Incorrect|", "reveal Paris retype", kCaseMessage,
                  "Incorrect|Try Again", "Correct|", "ask tango", "Incorrect|",
                  "reveal tango retype", kMustRetype, "Incorrect|Try Again", "Correct|",
                  "ended stored"}},
        MissCase{"a_wrong_retyping_is_cleared_when_the_settings_say_so",
                 1, true, true, true,
                 {{"kite"}},
                 {"kit"},
                 {{"kyte", "kite"}},
                 {{"kite", "kit", "INCORRECT", 1}},
                 {"ask kite", "Incorrect|", "reveal kite retype", "Incorrect|Try Again",
                  "retype cleared", "Correct|", "ended stored"}}),
    [](const auto& info) { return std::string(info.param.rule); });

// ---- Retyping the revealed word ----------------------------------------------------------

struct RetypeCase {
    const char* rule;
    const char* word;
    bool caseSensitive;
    bool retype;
    bool clear;
    const char* typed;
    bool accepted;
    const char* feedback; // "top|bottom", "" for none
    const char* message;
    bool cleared;
};

void PrintTo(const RetypeCase& c, std::ostream* os) { *os << c.rule; }

class Retyping : public ::testing::TestWithParam<RetypeCase> {};

TEST_P(Retyping, JudgesOneRetyping)
{
    const RetypeCase& c = GetParam();
    TestSettings s;
    s.ForceEcho = c.retype;
    s.ClearWrongAnswer = c.clear;
    const RevealedWord word(QString::fromUtf8(c.word), c.caseSensitive, s);
    const RetypeVerdict v = word.Judge(QString::fromUtf8(c.typed));
    EXPECT_EQ(v.accepted, c.accepted);
    const QString feedback =
        v.feedbackTop.isEmpty() ? QString() : v.feedbackTop + QLatin1Char('|') + v.feedbackBottom;
    EXPECT_EQ(feedback, QString::fromUtf8(c.feedback));
    EXPECT_EQ(v.message, QString::fromUtf8(c.message));
    EXPECT_EQ(v.clearTyping, c.cleared);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, Retyping,
    ::testing::Values(
        RetypeCase{"not_required_OK_goes_on", "delta", false, false, false, "", true, "", "", false},
        RetypeCase{"plain_word_in_any_case", "tango", false, true, false, " TANGO ", true, "Correct|", "", false},
        RetypeCase{"plain_word_wrong", "tango", false, true, false, "tanga", false, "Incorrect|Try Again", "", false},
        RetypeCase{"plain_word_wrong_and_cleared", "tango", false, true, true, "tanga", false, "Incorrect|Try Again", "", true},
        RetypeCase{"plain_word_empty", "tango", false, true, true, "   ", false, "", "You must type the word correctly before moving on", false},
        RetypeCase{"case_word_in_its_case", "Paris", true, true, false, "Paris", true, "Correct|", "", false},
        RetypeCase{"case_word_in_the_wrong_case", "Paris", true, true, true, "paris", false, "", "This word is case sensitive.\rPlease tray again.", false},
        RetypeCase{"case_word_empty_is_incorrect", "Paris", true, true, false, "", false, "Incorrect|Try Again", "", false},
        RetypeCase{"revealed_word_is_trimmed", " Oslo ", true, true, false, "Oslo", true, "Correct|", "", false}),
    [](const auto& info) { return std::string(info.param.rule); });

// ---- One rule of spelling for the test and the reveal window -------------------------------

// Only letter case is forgiven, one letter for one; the composed and decomposed forms of one
// text are the same text. Each pair is judged by the test and by the reveal window's retyping.
struct SpellingCase {
    const char* rule;
    const char* word;
    bool caseSensitive;
    const char* typed;
    bool correct;
};

void PrintTo(const SpellingCase& c, std::ostream* os) { *os << c.rule; }

class Spelling : public SessionTest, public ::testing::WithParamInterface<SpellingCase> {};

TEST_P(Spelling, TheTestAndTheRetypingJudgeAlike)
{
    const SpellingCase& c = GetParam();
    const QString word = QString::fromUtf8(c.word);
    const QString typed = QString::fromUtf8(c.typed);
    MakeList({{c.word, c.caseSensitive}});
    ASSERT_TRUE(Start(Quiet(1)));
    AnswerEach({typed});
    EXPECT_EQ(Stored(), Rows({{word, typed, c.correct ? "CORRECT" : "INCORRECT", 1}}));

    TestSettings retype;
    retype.ForceEcho = true;
    EXPECT_EQ(RevealedWord(word, c.caseSensitive, retype).Judge(typed).accepted, c.correct);
}

INSTANTIATE_TEST_SUITE_P(
    Pairs, Spelling,
    ::testing::Values(
        SpellingCase{"plain_case_pair", "apple", false, "APPLE", true},
        SpellingCase{"sharp_s_is_not_ss", "Straße", false, "strasse", false},
        SpellingCase{"sharp_s_is_not_SS", "Straße", false, "STRASSE", false},
        SpellingCase{"capital_sharp_s_is_its_capital", "Straße", false, "STRAẞE", true},
        SpellingCase{"lower_case_sharp_s", "Straße", false, "straße", true},
        SpellingCase{"capital_sharp_s_word_typed_small", "STRAẞE", false, "straße", true},
        SpellingCase{"ss_word_is_not_sharp_s", "Strasse", false, "Straße", false},
        SpellingCase{"dotted_capital_I_and_i", "İstanbul", false, "istanbul", true},
        SpellingCase{"dotted_capital_I_is_not_I", "İstanbul", false, "Istanbul", false},
        SpellingCase{"dotless_i_and_I", "kış", false, "KIŞ", true},
        SpellingCase{"dotless_i_is_not_i", "kış", false, "kiş", false},
        SpellingCase{"I_and_i", "Iris", false, "iris", true},
        SpellingCase{"ligature_is_not_its_letters", "ﬁsh", false, "fish", false},
        SpellingCase{"letters_are_not_a_ligature", "fish", false, "FIsh", true},
        SpellingCase{"ligature_typed_as_itself", "ﬁsh", false, "ﬁsh", true},
        SpellingCase{"composed_and_decomposed", "café", false, "cafe\u0301", true},
        SpellingCase{"decomposed_in_capitals", "cafe\u0301", false, "CAFÉ", true},
        SpellingCase{"accent_still_counts", "café", false, "cafe", false},
        SpellingCase{"case_sensitive_composed_and_decomposed", "Café", true, "Cafe\u0301", true},
        SpellingCase{"case_sensitive_wants_its_case", "Straße", true, "STRAẞE", false},
        SpellingCase{"case_sensitive_exact", "Straße", true, "Straße", true},
        SpellingCase{"final_sigma_is_not_sigma", "λόγος", false, "λόγοσ", false},
        SpellingCase{"greek_capitals", "λόγος", false, "ΛΌΓΟΣ", true}),
    [](const auto& info) { return std::string(info.param.rule); });

TEST(RetypingWindow, CloseBoxAndEscapeDoNotSkipARequiredRetyping)
{
    TestSettings s;
    s.ForceEcho = true;
    const RetypeVerdict required = RevealedWord(QStringLiteral("Paris"), true, s).CloseRequested();
    EXPECT_FALSE(required.accepted);
    EXPECT_EQ(required.message, QStringLiteral("You must type the word correctly before moving on"));
    s.ForceEcho = false;
    const RetypeVerdict free = RevealedWord(QStringLiteral("Paris"), true, s).CloseRequested();
    EXPECT_TRUE(free.accepted);
    EXPECT_TRUE(free.message.isEmpty());
}

// ---- Sounds and pronunciation ------------------------------------------------------------

TEST_F(SessionTest, SoundsAndPronunciationFollowTheSettings)
{
    MakeList({{"echo"}, {"fox"}});
    QFile wav(WordWavFile(QStringLiteral("echo")));
    ASSERT_TRUE(wav.open(QIODevice::WriteOnly));
    wav.close();
    TestSettings s = Quiet(3);
    s.PlayCorrectSound = true;
    s.PlayIncorrectSound = true;
    ASSERT_TRUE(Start(s));
    EXPECT_TRUE(view.canPronounce) << "echo has a recording";
    session.Answer(QStringLiteral("ecko"));
    session.Answer(QStringLiteral("echo"));
    EXPECT_FALSE(view.canPronounce) << "fox has none";
    session.Pronounce(); // the button plays whatever the word's file name gives
    EXPECT_EQ(view.plays, (QStringList{"ECHO.wav", "Sound_Incorrect.wav", "ECHO.wav",
                                       "Sound_Correct.wav", "FOX.wav"}));

    RecordingView quietView;
    PracticeSession quiet(quietView, store);
    s = Quiet(3);
    s.Pronounce = false;
    ASSERT_TRUE(quiet.Start(list, s));
    quiet.Answer(QStringLiteral("ecko"));
    quiet.Answer(QStringLiteral("echo"));
    EXPECT_TRUE(quietView.plays.isEmpty()) << "no pronunciation and no sounds";
}

TEST_F(SessionTest, AWordWhoseTextNamesNoFileHasNoRecording)
{
    MakeList({{"either/or"}});
    ASSERT_TRUE(Start(Quiet()));
    EXPECT_FALSE(view.canPronounce) << "a slash names no recording";
    session.Pronounce();
    EXPECT_TRUE(view.plays.isEmpty());
}

// ---- Quitting, a deleted word, failures of the database -----------------------------------

TEST_F(SessionTest, QuittingNoGoesOnYesKeepsNothing)
{
    MakeList({{"one"}, {"two"}});
    ASSERT_TRUE(Start(Quiet()));
    AnswerEach({"one", "tw"});

    view.quitAnswers = {false};
    EXPECT_FALSE(session.Quit());
    EXPECT_EQ(view.told.last(), QStringLiteral("question: ") + kQuitQuestion);
    EXPECT_EQ(session.CurrentWord(), QStringLiteral("two"));
    EXPECT_EQ(session.AttemptCount(), 1) << "the test goes on with the same word";
    session.Answer(QStringLiteral("twoo"));
    EXPECT_EQ(Stored().back().number, 2);

    view.quitAnswers = {true};
    EXPECT_TRUE(session.Quit());
    EXPECT_TRUE(Stored().empty());
    EXPECT_EQ(CountListTests(list), 0);
    EXPECT_FALSE(view.told.contains(QStringLiteral("ended stored")));
}

TEST_F(SessionTest, AnAnswerArrivingWhileOneIsHandledIsIgnored)
{
    MakeList({{"cat"}, {"dog"}});
    ASSERT_TRUE(Start(Quiet()));
    view.duringFeedback = [this] { session.Answer(QStringLiteral("cat")); };
    session.Answer(QStringLiteral("kat"));
    EXPECT_EQ(Stored(), Rows({{"cat", "kat", "INCORRECT", 1}}));
    EXPECT_EQ(session.AttemptCount(), 1);
}

TEST_F(SessionTest, AFinishedTestClosesWithoutAQuestion)
{
    MakeList({{"one"}});
    ASSERT_TRUE(Start(Quiet()));
    session.Answer(QStringLiteral("one"));
    EXPECT_TRUE(session.Quit());
    EXPECT_FALSE(view.told.join('\n').contains(kQuitQuestion));
    EXPECT_EQ(CountListTests(list), 1);
}

TEST_F(SessionTest, AWordDeletedDuringTheTestEndsItWithWhatWasAnswered)
{
    MakeList({{"able"}, {"baker"}, {"charlie"}});
    ASSERT_TRUE(Start(Quiet()));
    DeleteWord(ids["baker"]);
    session.Answer(QStringLiteral("able"));
    EXPECT_TRUE(session.TestComplete());
    EXPECT_EQ(Stored(), Rows({{"able", "able", "CORRECT", 1}}));
    EXPECT_EQ(view.told, (QStringList{"ask able", "Correct|able", "ended stored"}));
    EXPECT_EQ(CountListTests(list), 1);
}

TEST_F(SessionTest, TheTestRowHoldsTheListTheMoveOnCountAndTheTimes)
{
    MakeList({{"one"}, {"two"}});
    const QDateTime before = QDateTime::currentDateTime().addSecs(-1);
    ASSERT_TRUE(Start(Quiet(4)));
    AnswerEach({"one", "two"});
    Recordset rs(QString(Sql::SELECT_TESTS) + Sql::WHERE_TEST_ID + Id(session.TestID()) + " ",
                 Globals::DbConnection());
    ASSERT_FALSE(rs.Eof());
    EXPECT_EQ(rs.Field("LIST_ID").toLong(), list);
    EXPECT_EQ(rs.Field("MOVE_ON_AFTER").toLong(), 4);
    EXPECT_GE(rs.Field("START_TIME").toDateTime(), before);
    EXPECT_GE(rs.Field("END_TIME").toDateTime(), rs.Field("START_TIME").toDateTime());
}

TEST_F(SessionTest, AnAnswerThatCannotBeStoredIsReportedAndAskedAgain)
{
    MakeList({{"quiet"}});
    ASSERT_TRUE(Start(Quiet()));
    RefuseInserts("WORD_ATTEMPTS");
    session.Answer(QStringLiteral("quite"));
    ASSERT_EQ(view.told.size(), 2);
    EXPECT_TRUE(view.told[1].startsWith(QStringLiteral("error: ")));
    EXPECT_TRUE(view.told[1].contains(QStringLiteral("disk full")));
    EXPECT_EQ(session.AttemptCount(), 0) << "an answer not stored is not counted";
    EXPECT_EQ(session.CurrentWord(), QStringLiteral("quiet"));

    AllowInserts();
    session.Answer(QStringLiteral("quiet"));
    EXPECT_EQ(Stored(), Rows({{"quiet", "quiet", "CORRECT", 1}}));
}

// A finished test the database refuses (a full disk) is not thrown away at once: the student
// is asked to try again, and only giving up removes its answers.
TEST_F(SessionTest, ATestThatCannotBeStoredIsOfferedAgainThenGivenUp)
{
    MakeList({{"last"}});
    ASSERT_TRUE(Start(Quiet()));
    EXPECT_EQ(StoredRowCount("SELECT * FROM RUNNING_TESTS WHERE TEST_ID = " + Id(session.TestID())),
              1);
    RefuseInserts("TESTS");
    view.quitAnswers = {true, false};
    session.Answer(QStringLiteral("last"));
    ASSERT_EQ(view.told.size(), 5);
    EXPECT_EQ(view.told[1], QStringLiteral("Correct|last"));
    for (int i : {2, 3}) {
        EXPECT_TRUE(view.told[i].startsWith(QStringLiteral("question: The test could not be saved.")))
            << view.told[i].toStdString();
        EXPECT_TRUE(view.told[i].contains(QStringLiteral("disk full")));
        EXPECT_FALSE(view.told[i].contains(QStringLiteral("INSERT"))) << "no statement shown";
    }
    EXPECT_EQ(view.told[4], QStringLiteral("ended not stored"));
    EXPECT_TRUE(Stored().empty()) << "the given-up test leaves no attempts";
    EXPECT_EQ(CountListTests(list), 0);
    EXPECT_EQ(StoredRowCount("SELECT * FROM RUNNING_TESTS"), 0);

    session.Answer(QStringLiteral("last"));
    EXPECT_TRUE(session.Quit()) << "closing asks nothing";
    EXPECT_EQ(view.told.size(), 5);
}

// A damaged word row is not asked (nor spliced into a statement); the test runs on the rest
// after one message naming it.
TEST_F(SessionTest, DamagedWordRowsAreLeftOutOfTheTest)
{
    MakeList({{"able"}, {"baker"}});
    Globals::DbConnection().Execute(
        QStringLiteral("INSERT INTO WORDS (WORD_ID, LIST_ID, WORD) VALUES ('1 OR 1=1', %1, 'x')")
            .arg(list));
    ASSERT_TRUE(Start(Quiet()));
    ASSERT_FALSE(view.told.isEmpty());
    EXPECT_TRUE(view.told[0].startsWith(QStringLiteral("message: Some rows of the database are damaged")))
        << view.told[0].toStdString();
    AnswerEach({"able", "baker"});
    EXPECT_EQ(Asked(), (QStringList{"able", "baker"}));
    EXPECT_EQ(Stored(), Rows({{"able", "able", "CORRECT", 1}, {"baker", "baker", "CORRECT", 1}}));
}

// ---- Practising the missed words of a test --------------------------------------------------

struct PracticeCase {
    const char* rule;
    int moveOnAfter;
    const char* order;
    std::vector<WordSpec> words;
    std::vector<QStringList> answers; // the whole-list test, then each practice round
    std::vector<QStringList> asked;   // the words each practice round asked; none: not started
    std::vector<RowSpec> lastRows;    // what the last round stored
    int lastScore;                    // its score, of the words it asked
};

void PrintTo(const PracticeCase& c, std::ostream* os) { *os << c.rule; }

class SessionPractice : public SessionTest, public ::testing::WithParamInterface<PracticeCase> {};

TEST_P(SessionPractice, AsksTheWordsMissedAtTheFirstTryAndStoresAMarkedRound)
{
    const PracticeCase& c = GetParam();
    MakeList(c.words);
    const TestSettings settings = Quiet(c.moveOnAfter, QString::fromLatin1(c.order));
    ASSERT_TRUE(Start(settings));
    AnswerEach(c.answers[0]);
    ASSERT_EQ(view.told.last(), QStringLiteral("ended stored"));
    int32_t practised = session.TestID();
    for (size_t round = 1; round < c.answers.size(); ++round) {
        SCOPED_TRACE(round);
        RecordingView roundView;
        PracticeSession practice(roundView, store);
        roundView.session = &practice;
        const bool started = practice.StartPractice(list, practised, settings);
        for (const QString& answer : c.answers[round])
            practice.Answer(answer);
        EXPECT_EQ(AskedIn(roundView), c.asked[round - 1]);
        if (c.asked[round - 1].isEmpty()) {
            EXPECT_FALSE(started);
            EXPECT_EQ(roundView.told, (QStringList{"message: There are no missed words to practise.",
                                                   "ended not stored"}));
            EXPECT_EQ(StoredRowCount("SELECT * FROM TESTS"), static_cast<int>(round));
            return;
        }
        EXPECT_EQ(roundView.told.last(), QStringLiteral("ended stored"));
        EXPECT_EQ(StoredRowCount(QStringLiteral("SELECT * FROM TESTS WHERE TEST_ID = %1 AND "
                                                "PRACTICE_OF = %2 AND LIST_ID = %3")
                                     .arg(practice.TestID())
                                     .arg(practised)
                                     .arg(list)),
                  1)
            << "the round names the test it practised";
        practised = practice.TestID();
    }
    EXPECT_EQ(Attempts(practised), Rows(c.lastRows));
    EXPECT_EQ(GetTestScore(practised), c.lastScore);
    EXPECT_EQ(CountListTests(list), 1) << "practice rounds are no tests of the list";
    EXPECT_EQ(StoredRowCount("SELECT * FROM RUNNING_TESTS"), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Practice, SessionPractice,
    ::testing::Values(
        PracticeCase{"words_missed_once_or_moved_on_alphabetically",
                     3, "Alphabetical",
                     {{"pear"}, {"Apple"}, {"zebra"}, {"mango"}},
                     {{"Apple", "mngo", "mango", "pear", "zbra", "zebr", "zeba"},
                      {"mango", "zebr", "zebra"}},
                     {{"mango", "zebra"}},
                     {{"mango", "mango", "CORRECT", 1}, {"zebra", "zebr", "INCORRECT", 1},
                      {"zebra", "zebra", "CORRECT", 2}},
                     50},
        PracticeCase{"in_the_order_of_creation_with_the_same_tries",
                     1, "Order Created",
                     {{"pear"}, {"Apple"}, {"zebra"}, {"mango"}},
                     {{"per", "Apple", "zbra", "mango"}, {"pear", "zbr"}},
                     {{"pear", "zebra"}},
                     {{"pear", "pear", "CORRECT", 1}, {"zebra", "zbr", "INCORRECT", 1}},
                     50},
        PracticeCase{"a_second_round_asks_what_the_first_missed",
                     1, "Alphabetical",
                     {{"able"}, {"baker"}, {"charlie"}},
                     {{"abel", "bakr", "charlie"}, {"able", "bakr"}, {"baker"}},
                     {{"able", "baker"}, {"baker"}},
                     {{"baker", "baker", "CORRECT", 1}},
                     100},
        PracticeCase{"nothing_missed_starts_nothing",
                     3, "Alphabetical",
                     {{"one"}, {"two"}},
                     {{"one", "two"}, {}},
                     {{}},
                     {},
                     0}),
    [](const auto& info) { return std::string(info.param.rule); });

// ---- The store ------------------------------------------------------------------------

// A session reads and stores through the store it is given and nothing else: a test on a
// store over a second database file leaves the program's own database as it was.
TEST_F(SessionTest, ReadsAndStoresOnlyThroughItsStore)
{
    MakeList({{"cat"}}); // in the program's database: not the list the test asks
    QTemporaryDir otherFolder;
    ASSERT_TRUE(otherFolder.isValid());
    MakeTestDatabase(otherFolder.path());
    Connection other;
    other.Open(ConnectionStringFor(otherFolder.path()));
    PrepareRunningTests(other);
    other.Execute(QStringLiteral("INSERT INTO WORDS (WORD_ID, LIST_ID, WORD, DEFINITION, "
                                 "SENTENCE, CASE_SENSITIVE) VALUES (5, %1, 'dog', 'd', 's', "
                                 "'FALSE'), (6, %1, 'ant', 'a', 's', 'FALSE')")
                      .arg(list));
    SqlitePracticeStore otherStore(other);
    RecordingView otherView;
    PracticeSession run(otherView, otherStore);
    otherView.session = &run;

    ASSERT_TRUE(run.Start(list, Quiet(2)));
    for (const char* answer : {"ant", "dgo", "dog"})
        run.Answer(QString::fromLatin1(answer));

    EXPECT_EQ(AskedIn(otherView), (QStringList{"ant", "dog"}));
    EXPECT_EQ(otherView.told.last(), QStringLiteral("ended stored"));
    const QString test = Id(run.TestID());
    EXPECT_EQ(other.CountRows("SELECT * FROM TESTS WHERE TEST_ID = " + test), 1);
    EXPECT_EQ(other.CountRows("SELECT * FROM WORD_ATTEMPTS WHERE TEST_ID = " + test), 3);
    EXPECT_EQ(other.CountRows("SELECT * FROM RUNNING_TESTS"), 0);
    EXPECT_EQ(StoredRowCount("SELECT * FROM TESTS"), 0);
    EXPECT_EQ(StoredRowCount("SELECT * FROM WORD_ATTEMPTS"), 0);
    EXPECT_EQ(StoredRowCount("SELECT * FROM IDS WHERE CODE = 'TEST_ID'"), 0);
    other.Close();
}
