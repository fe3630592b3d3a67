#include "SchemaUpgrade.h"

#include "SchemaText.h"
#include "StartLooks.h"

#include <algorithm>
#include <cctype>
#include <sqlite3.h>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <vector>

namespace {

bool HasColumn(sqlite3* db, const char* table, const char* column)
{
    const std::string sql = std::string("PRAGMA table_info(") + table + ")";
    sqlite3_stmt* stmt = nullptr;
    bool found = false;
    if (sqlite3_prepare_v2(db, sql.c_str(), -1, &stmt, nullptr) == SQLITE_OK) {
        while (!found && sqlite3_step(stmt) == SQLITE_ROW) {
            const auto* name = reinterpret_cast<const char*>(sqlite3_column_text(stmt, 1));
            found = name && sqlite3_stricmp(name, column) == 0;
        }
    }
    sqlite3_finalize(stmt);
    return found;
}

bool Exists(sqlite3* db, const std::string& name)
{
    sqlite3_stmt* stmt = nullptr;
    bool found = false;
    if (sqlite3_prepare_v2(db, "SELECT 1 FROM sqlite_master WHERE name = ? COLLATE NOCASE", -1,
                           &stmt, nullptr) == SQLITE_OK) {
        sqlite3_bind_text(stmt, 1, name.c_str(), -1, SQLITE_TRANSIENT);
        found = sqlite3_step(stmt) == SQLITE_ROW;
    }
    sqlite3_finalize(stmt);
    return found;
}

// The names of every table, index and trigger of the file, in capitals (SQLite's names ignore
// the case of ASCII letters); empty when the file cannot be read. One statement in place of
// one per name: each statement prepared costs more than the lookup.
using SchemaNameSet = std::unordered_set<std::string>;

std::string Capitals(std::string name)
{
    for (char& c : name)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return name;
}

SchemaNameSet SchemaNames(sqlite3* db)
{
    SchemaNameSet names;
    sqlite3_stmt* stmt = nullptr;
    if (sqlite3_prepare_v2(db, "SELECT name FROM sqlite_master", -1, &stmt, nullptr) == SQLITE_OK) {
        while (sqlite3_step(stmt) == SQLITE_ROW)
            if (const auto* name = reinterpret_cast<const char*>(sqlite3_column_text(stmt, 0)))
                names.insert(Capitals(name));
    }
    sqlite3_finalize(stmt);
    return names;
}

bool Named(const SchemaNameSet& names, const std::string& name)
{
    return names.count(Capitals(name)) > 0;
}

// The schema's text without its comments (from "--" to the end of the line).
std::string SchemaWithoutComments()
{
    const std::string text(kQuillbySchemaText);
    std::string kept;
    kept.reserve(text.size());
    for (size_t at = 0; at < text.size();) {
        const size_t comment = text.find("--", at);
        kept.append(text, at, comment == std::string::npos ? std::string::npos : comment - at);
        at = comment == std::string::npos ? text.size() : text.find('\n', comment);
    }
    return kept;
}

bool IsWordChar(char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_'; }

// Whether the statement begins with CREATE [TEMP] TRIGGER.
bool IsTrigger(const std::string& statement)
{
    std::string words;
    for (size_t at = 0; at < statement.size() && words.size() < 40; ++at)
        words += static_cast<char>(std::toupper(static_cast<unsigned char>(statement[at])));
    const size_t trigger = words.find("TRIGGER");
    return trigger != std::string::npos && trigger > 0 && !IsWordChar(words[trigger - 1]) &&
           words.find("CREATE") < trigger &&
           (trigger + 7 == words.size() || !IsWordChar(words[trigger + 7]));
}

// Whether the piece ends with the word END before its ';' (blanks aside).
bool EndsWithEnd(std::string_view piece)
{
    size_t end = piece.size() - 1; // the ';'
    while (end > 0 && std::isspace(static_cast<unsigned char>(piece[end - 1])))
        --end;
    return end >= 3 && (end == 3 || !IsWordChar(piece[end - 4])) &&
           std::equal(piece.begin() + end - 3, piece.begin() + end, "END", [](char a, char b) {
               return std::toupper(static_cast<unsigned char>(a)) == b;
           });
}

// The statements of the schema, comments left out, each whole (a trigger with its body).
// Read by hand: a regular expression over the whole schema cost more than a step of the count.
std::vector<std::string> SchemaStatements()
{
    const std::string text = SchemaWithoutComments();
    std::vector<std::string> statements;
    std::string current;
    for (size_t at = 0; at < text.size();) {
        const size_t semicolon = std::min(text.find(';', at), text.size() - 1);
        const std::string_view piece(text.data() + at, semicolon + 1 - at);
        current += piece;
        at = semicolon + 1;
        // Asked of SQLite only where a statement can end: a trigger ends at its END.
        if (current.back() == ';' && (!IsTrigger(current) || EndsWithEnd(piece)) &&
            sqlite3_complete(current.c_str())) {
            statements.push_back(current);
            current.clear();
        }
    }
    return statements;
}

// The kind and name of what a CREATE statement makes ("TABLE", "INDEX" or "TRIGGER"; a unique
// index is left out); false for any other statement.
bool CreatedObject(const std::string& statement, std::string& kind, std::string& name)
{
    const auto isBlank = [](char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; };
    const auto isWord = [](char c) {
        return std::isalnum(static_cast<unsigned char>(c)) || c == '_';
    };
    for (size_t at = statement.find("CREATE"); at != std::string::npos;
         at = statement.find("CREATE", at + 1)) {
        size_t p = at + 6;
        const size_t kindStart = p;
        while (p < statement.size() && isBlank(statement[p]))
            ++p;
        const size_t kindAt = p;
        while (p < statement.size() && isWord(statement[p]))
            ++p;
        kind = statement.substr(kindAt, p - kindAt);
        const size_t nameStart = p;
        while (p < statement.size() && isBlank(statement[p]))
            ++p;
        const size_t nameAt = p;
        while (p < statement.size() && isWord(statement[p]))
            ++p;
        name = statement.substr(nameAt, p - nameAt);
        if (kindAt > kindStart && nameAt > nameStart && !name.empty() &&
            (kind == "TABLE" || kind == "INDEX" || kind == "TRIGGER"))
            return true;
    }
    return false;
}

struct TallyPart {
    std::vector<std::string> statements;        // everything that names a tally, in order
    std::vector<std::string> kinds;             // TABLE, INDEX, TRIGGER or "" (a count)
    std::vector<std::pair<std::string, std::string>> objects; // kind, name of what they make
};

const TallyPart& Tallies()
{
    static const TallyPart part = [] {
        TallyPart p;
        for (const std::string& statement : SchemaStatements()) {
            if (statement.find("_TALL") == std::string::npos)
                continue;
            p.statements.push_back(statement);
            std::string kind;
            std::string name;
            const bool makes = CreatedObject(statement, kind, name);
            p.kinds.push_back(makes ? kind : std::string());
            if (makes)
                p.objects.emplace_back(kind, name);
        }
        return p;
    }();
    return part;
}

bool Run(sqlite3* db, const std::string& sql)
{
    return sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr) == SQLITE_OK;
}

// Tables that later versions added, that nothing else in the file refers to.
const char* const kStandAloneTables[] = {"WINDOW_PLACES", "CHILDREN"};

} // namespace

namespace {

TallyCountListener tallyCountListener;

void TellProgress(int perMille)
{
    if (tallyCountListener)
        tallyCountListener(perMille);
}

// Where an interrupted count stands: the stage and the last key counted (a value of any type,
// kept as it is: keys are walked in the database's own order of values).
constexpr const char* kProgressTable = "TALLY_COUNT_PROGRESS";

// Stage 1 walks the tests by TEST_ID, stage 2 the answers by WORD_ID.
enum Stage { kTestsStage = 1, kWordsStage = 2 };
// The way of counting, kept with the progress: earlier versions counted the first tries in
// stage 1 and left no COUNT_WAY, so a count of theirs left under way is made again whole.
constexpr int kCountWay = 2;
// A step counts this many tests (tests stage) or about this many answers (answers stage):
// each step is one transaction of a few hundred milliseconds at most, and its sorts stay small.
constexpr int kTestsPerStep = 50000;
constexpr int kAnswersPerStep = 60000;
int answersPerStep = kAnswersPerStep;
int testsPerStep = kTestsPerStep;

// A value read from one statement and bound into the next, of its own type.
struct Key {
    sqlite3_value* value = nullptr;
    Key() = default;
    explicit Key(sqlite3_value* v) : value(sqlite3_value_dup(v)) {}
    Key(Key&& other) noexcept : value(other.value) { other.value = nullptr; }
    Key& operator=(Key&& other) noexcept
    {
        std::swap(value, other.value);
        return *this;
    }
    ~Key() { sqlite3_value_free(value); }
    bool empty() const { return value == nullptr; }
};

class Statement {
public:
    Statement(sqlite3* db, const char* sql)
        : ok_(sqlite3_prepare_v2(db, sql, -1, &stmt_, nullptr) == SQLITE_OK)
    {}
    ~Statement() { sqlite3_finalize(stmt_); }
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;
    Statement& Bind(int index, const Key& key)
    {
        if (ok_)
            sqlite3_bind_value(stmt_, index, key.value);
        return *this;
    }
    Statement& Bind(int index, int number)
    {
        if (ok_)
            sqlite3_bind_int(stmt_, index, number);
        return *this;
    }
    // The first column of the first row; empty when there is none.
    Key First(bool& ok)
    {
        Key key;
        const int rc = ok_ ? sqlite3_step(stmt_) : SQLITE_ERROR;
        if (rc == SQLITE_ROW)
            key = Key(sqlite3_column_value(stmt_, 0));
        else if (rc != SQLITE_DONE)
            ok = false;
        return key;
    }
    Statement& Bind(int index, const std::string& text)
    {
        if (ok_)
            sqlite3_bind_text(stmt_, index, text.c_str(), int(text.size()), SQLITE_TRANSIENT);
        return *this;
    }
    bool Run() { return ok_ && sqlite3_step(stmt_) == SQLITE_DONE; }
    // The next row: SQLITE_ROW, SQLITE_DONE or an error.
    int Step() { return ok_ ? sqlite3_step(stmt_) : SQLITE_ERROR; }
    sqlite3_stmt* Raw() const { return stmt_; }

private:
    sqlite3_stmt* stmt_ = nullptr;
    bool ok_ = false;
};

// The keys of a stage, in the order of their index, with the statements of one step.
struct StageText {
    const char* nextEnd; // ?1 last key, ?2 rows per step - 1: the last key of the next step
    const char* lastKey; // the last key of all
    std::vector<const char*> step; // ?1 last key counted, ?2 last key of this step
};

int RowsPerStep(int stage) { return stage == kTestsStage ? testsPerStep : answersPerStep; }

const StageText& TextOf(int stage)
{
    static const StageText tests{
        "SELECT TEST_ID FROM TESTS WHERE TEST_ID > ?1 ORDER BY TEST_ID LIMIT 1 OFFSET ?2",
        "SELECT TEST_ID FROM TESTS WHERE TEST_ID IS NOT NULL ORDER BY TEST_ID DESC LIMIT 1",
        {// A row per stored test, counted from nothing; the answers stage adds to it.
         "INSERT OR IGNORE INTO TEST_TALLIES (TEST_ID, FIRST_TRY, WORDS_ASKED)"
         " SELECT TEST_ID, 0, 0 FROM TESTS WHERE TEST_ID > ?1 AND TEST_ID <= ?2",
         // The first tries of answers without a word, which the answers stage never walks.
         "INSERT INTO TEST_TALLIES (TEST_ID, FIRST_TRY, WORDS_ASKED)"
         " SELECT TEST_ID, COUNT(*), 0 FROM WORD_ATTEMPTS WHERE WORD_ID IS NULL"
         " AND TEST_ID > ?1 AND TEST_ID <= ?2 AND ATTEMPT_NUMBER = 1 AND RESULT = 'CORRECT'"
         " GROUP BY TEST_ID HAVING TEST_ID IN (SELECT TEST_ID FROM TEST_TALLIES)"
         " ON CONFLICT (TEST_ID) DO UPDATE SET FIRST_TRY = FIRST_TRY + excluded.FIRST_TRY"}};
    static const StageText words{
        "SELECT WORD_ID FROM WORD_ATTEMPTS WHERE WORD_ID > ?1 ORDER BY WORD_ID LIMIT 1 OFFSET ?2",
        "SELECT WORD_ID FROM WORD_ATTEMPTS WHERE WORD_ID IS NOT NULL ORDER BY WORD_ID DESC LIMIT 1",
        {// Each test's first tries and the words it asked, in one walk of the index of answers
         // by word: it holds each (word, test) pair's answers in a row, so they are grouped
         // without a sort the size of the answers; a stored test's row is looked for once
         // per test of the step, after the grouping, never once per answer. (CountStepByWalk
         // counts the same, quicker, where every key is a whole number.)
         "INSERT INTO TEST_TALLIES (TEST_ID, FIRST_TRY, WORDS_ASKED)"
         " SELECT TEST_ID, SUM(FIRST), COUNT(*) FROM (SELECT TEST_ID,"
         " COUNT(CASE WHEN ATTEMPT_NUMBER = 1 AND RESULT = 'CORRECT' THEN 1 END) AS FIRST"
         " FROM WORD_ATTEMPTS WHERE WORD_ID > ?1 AND WORD_ID <= ?2 GROUP BY WORD_ID, TEST_ID)"
         " GROUP BY TEST_ID HAVING TEST_ID IN (SELECT TEST_ID FROM TEST_TALLIES)"
         " ON CONFLICT (TEST_ID) DO UPDATE SET FIRST_TRY = FIRST_TRY + excluded.FIRST_TRY,"
         " WORDS_ASKED = WORDS_ASKED + excluded.WORDS_ASKED",
         // The wrong answers, from their own index, in word order ("+TEST_ID": the list of
         // whole-list tests is looked into, never walked to find the answers).
         "INSERT INTO WORD_TALLIES (WORD_ID, TESTS_MISSED, MISSES)"
         " SELECT WORD_ID, COUNT(DISTINCT TEST_ID), COUNT(*) FROM WORD_ATTEMPTS"
         " WHERE RESULT = 'INCORRECT' AND WORD_ID > ?1 AND WORD_ID <= ?2"
         " AND +TEST_ID IN (SELECT TEST_ID FROM temp.WHOLE_LIST_TESTS) GROUP BY WORD_ID",
         "INSERT INTO GUESS_TALLIES (WORD_ID, GUESS, TIMES)"
         " SELECT WORD_ID, IFNULL(GUESS, '') COLLATE BINARY, COUNT(*) FROM WORD_ATTEMPTS"
         " WHERE RESULT = 'INCORRECT' AND WORD_ID > ?1 AND WORD_ID <= ?2"
         " AND +TEST_ID IN (SELECT TEST_ID FROM temp.WHOLE_LIST_TESTS) GROUP BY 1, 2"}};
    return stage == kTestsStage ? tests : words;
}

// The whole-list tests whose keys are whole numbers, in order: the walks of the answers look a
// wrong answer's test up here. The statements that count a step whose keys are not whole
// numbers read them from a temporary table instead, made the first time one is needed.
struct WholeListTests {
    std::vector<long long> keys;
    bool tableMade = false;
    bool Has(long long test) const { return std::binary_search(keys.begin(), keys.end(), test); }
};

WholeListTests ReadWholeListTests(sqlite3* db)
{
    WholeListTests tests;
    Statement read(db, "SELECT TEST_ID FROM TESTS WHERE PRACTICE_OF IS NULL");
    while (read.Step() == SQLITE_ROW)
        if (sqlite3_column_type(read.Raw(), 0) == SQLITE_INTEGER)
            tests.keys.push_back(sqlite3_column_int64(read.Raw(), 0));
    std::sort(tests.keys.begin(), tests.keys.end());
    return tests;
}

// What the walks of the answers of a step count: each test's first tries and words asked,
// each word's wrong answers in whole-list tests (and in how many such tests), and each word's
// wrong spellings in them.
struct WalkCounts {
    struct Test {
        long long firstTries = 0;
        long long words = 0;
    };
    struct Word {
        long long testsMissed = 0;
        long long misses = 0;
    };
    struct Guess {
        long long word = 0;
        bool blob = false; // a spelling stored as a blob: never equal to a text
        std::string bytes;
        long long times = 0;
        bool operator<(const Guess& other) const
        {
            return std::tie(word, blob, bytes) < std::tie(other.word, other.blob, other.bytes);
        }
        bool SameAs(long long w, bool b, std::string_view text) const
        {
            return word == w && blob == b && bytes == text;
        }
    };
    std::unordered_map<long long, Test> tests;
    std::vector<std::pair<long long, Word>> words; // in word order
    std::vector<Guess> guesses;                    // in word and spelling order once read
    long long lastWord = 0;                        // the step's last word; none when no rows
    bool any = false;
};

// Reads the answers after the last word counted from the index of answers by word, in its
// order (each (word, test) pair's answers in a row), and ends the step at the first word that
// starts once it holds a step's answers, so that a step is found and counted in one walk.
// False when a key is not a whole number.
bool WalkAnswers(sqlite3* db, const Key& last, const WholeListTests& wholeList, WalkCounts& counts,
                 bool& ok)
{
    // What the answer counts for: 1 right at the first try, 2 wrong, 0 neither (a right
    // answer, the most common, is told by one comparison of its result).
    Statement walk(db, "SELECT WORD_ID, TEST_ID, CASE WHEN RESULT = 'CORRECT' THEN"
                       " ATTEMPT_NUMBER = 1 WHEN RESULT = 'INCORRECT' THEN 2 ELSE 0 END"
                       " FROM WORD_ATTEMPTS WHERE WORD_ID > ?1 ORDER BY WORD_ID, TEST_ID");
    walk.Bind(1, last);
    long long rows = 0;
    long long word = 0; // of the last answer counted with a test
    long long test = 0;
    long long missedTest = 0;
    bool counted = false;
    int rc;
    while ((rc = walk.Step()) == SQLITE_ROW) {
        // Each column read once as a value, whose own calls take no lock: the connection is
        // used by one thread, opened without its mutex, so its values need none.
        sqlite3_value* wordValue = sqlite3_column_value(walk.Raw(), 0);
        if (sqlite3_value_type(wordValue) != SQLITE_INTEGER)
            return false;
        const long long rowWord = sqlite3_value_int64(wordValue);
        if (counts.any && rowWord != counts.lastWord && rows >= answersPerStep)
            break; // the step ends with its last whole word
        counts.any = true;
        counts.lastWord = rowWord;
        ++rows;
        sqlite3_value* testValue = sqlite3_column_value(walk.Raw(), 1);
        const int testType = sqlite3_value_type(testValue);
        if (testType == SQLITE_NULL)
            continue; // an answer of no test belongs to no tally
        if (testType != SQLITE_INTEGER)
            return false;
        const long long rowTest = sqlite3_value_int64(testValue);
        const int kind = sqlite3_value_int(sqlite3_column_value(walk.Raw(), 2));
        const bool newWord = !counted || rowWord != word;
        WalkCounts::Test& testCounts = counts.tests[rowTest];
        if (newWord || rowTest != test)
            ++testCounts.words;
        testCounts.firstTries += kind == 1;
        if (kind == 2 && wholeList.Has(rowTest)) {
            const bool firstMiss = counts.words.empty() || counts.words.back().first != rowWord;
            if (firstMiss)
                counts.words.emplace_back(rowWord, WalkCounts::Word());
            WalkCounts::Word& wordCounts = counts.words.back().second;
            ++wordCounts.misses;
            wordCounts.testsMissed += firstMiss || rowTest != missedTest;
            missedTest = rowTest;
        }
        word = rowWord;
        test = rowTest;
        counted = true;
    }
    ok = rc == SQLITE_DONE || rc == SQLITE_ROW;
    return true;
}

// Reads the step's wrong answers from their own index (the one that holds the spellings) and
// counts each word's spellings in whole-list tests, no spelling (NULL) as the empty one. The
// index gives a word's answers by spelling, so alike ones mostly come in a row and are added
// up at once; they are sorted and merged at the end, whatever order they came in, within the
// step's memory. False when a key or a spelling is of a kind the walk does not compare.
bool WalkGuesses(sqlite3* db, const Key& last, long long end, const WholeListTests& wholeList,
                 WalkCounts& counts, bool& ok)
{
    Statement walk(db, "SELECT WORD_ID, GUESS, TEST_ID FROM WORD_ATTEMPTS"
                       " WHERE RESULT = 'INCORRECT' AND WORD_ID > ?1 AND WORD_ID <= ?2");
    walk.Bind(1, last).Bind(2, end);
    std::vector<WalkCounts::Guess>& guesses = counts.guesses;
    int rc;
    while ((rc = walk.Step()) == SQLITE_ROW) {
        sqlite3_stmt* row = walk.Raw();
        const int testType = sqlite3_column_type(row, 2);
        if (testType == SQLITE_NULL)
            continue;
        const int guessType = sqlite3_column_type(row, 1);
        if (testType != SQLITE_INTEGER || sqlite3_column_type(row, 0) != SQLITE_INTEGER ||
            (guessType != SQLITE_NULL && guessType != SQLITE_TEXT && guessType != SQLITE_BLOB))
            return false;
        if (!wholeList.Has(sqlite3_column_int64(row, 2)))
            continue;
        const long long rowWord = sqlite3_column_int64(row, 0);
        const bool blob = guessType == SQLITE_BLOB;
        const auto* data = static_cast<const char*>(blob ? sqlite3_column_blob(row, 1)
                                                         : sqlite3_column_text(row, 1));
        const std::string_view guess(data ? data : "", size_t(sqlite3_column_bytes(row, 1)));
        if (guesses.empty() || !guesses.back().SameAs(rowWord, blob, guess))
            guesses.push_back({rowWord, blob, std::string(guess), 0});
        ++guesses.back().times;
    }
    ok = rc == SQLITE_DONE;
    std::sort(guesses.begin(), guesses.end());
    size_t kept = 0;
    for (size_t i = 0; i < guesses.size(); ++i) {
        if (kept > 0 &&
            guesses[kept - 1].SameAs(guesses[i].word, guesses[i].blob, guesses[i].bytes))
            guesses[kept - 1].times += guesses[i].times;
        else if (kept++ != i)
            guesses[kept - 1] = std::move(guesses[i]);
    }
    guesses.resize(kept);
    return true;
}

// Runs a statement prepared once for each of the items, bound by the given function.
template <typename Items, typename BindItem>
bool RunForEach(sqlite3* db, const char* sql, const Items& items, BindItem bind)
{
    sqlite3_stmt* stmt = nullptr;
    bool ok = sqlite3_prepare_v2(db, sql, -1, &stmt, nullptr) == SQLITE_OK;
    for (auto it = items.begin(); ok && it != items.end(); ++it) {
        bind(stmt, *it);
        ok = sqlite3_step(stmt) == SQLITE_DONE;
        sqlite3_reset(stmt);
    }
    sqlite3_finalize(stmt);
    return ok;
}

// Adds a step's counts to the stored tests' tallies (in key order, each page of them visited
// once; a test never stored has no row and gets none) and writes its words' and spellings'
// tallies, in key order.
bool WriteWalkCounts(sqlite3* db, const WalkCounts& counts)
{
    std::vector<std::pair<long long, WalkCounts::Test>> tests(counts.tests.begin(),
                                                               counts.tests.end());
    std::sort(tests.begin(), tests.end(),
              [](const auto& a, const auto& b) { return a.first < b.first; });
    const auto bindTest = [](sqlite3_stmt* add, const auto& test) {
        sqlite3_bind_int64(add, 1, test.first);
        sqlite3_bind_int64(add, 2, test.second.firstTries);
        sqlite3_bind_int64(add, 3, test.second.words);
    };
    const auto bindWord = [](sqlite3_stmt* put, const auto& word) {
        sqlite3_bind_int64(put, 1, word.first);
        sqlite3_bind_int64(put, 2, word.second.testsMissed);
        sqlite3_bind_int64(put, 3, word.second.misses);
    };
    const auto bindGuess = [](sqlite3_stmt* put, const WalkCounts::Guess& guess) {
        sqlite3_bind_int64(put, 1, guess.word);
        const int size = int(guess.bytes.size());
        if (guess.blob)
            sqlite3_bind_blob(put, 2, guess.bytes.data(), size, SQLITE_STATIC);
        else
            sqlite3_bind_text(put, 2, guess.bytes.data(), size, SQLITE_STATIC);
        sqlite3_bind_int64(put, 3, guess.times);
    };
    return RunForEach(db,
                      "UPDATE TEST_TALLIES SET FIRST_TRY = FIRST_TRY + ?2,"
                      " WORDS_ASKED = WORDS_ASKED + ?3 WHERE TEST_ID = ?1",
                      tests, bindTest) &&
           RunForEach(db,
                      "INSERT INTO WORD_TALLIES (WORD_ID, TESTS_MISSED, MISSES)"
                      " VALUES (?1, ?2, ?3)",
                      counts.words, bindWord) &&
           RunForEach(db, "INSERT INTO GUESS_TALLIES (WORD_ID, GUESS, TIMES) VALUES (?1, ?2, ?3)",
                      counts.guesses, bindGuess);
}

// A key of a whole number, to bind and keep as the step reached.
Key WholeNumberKey(sqlite3* db, long long number)
{
    Statement value(db, "SELECT ?1");
    sqlite3_bind_int64(value.Raw(), 1, number);
    bool ok = true;
    return value.First(ok);
}

// A step of the answers stage counted from two walks of the answers' indexes (one by word for
// the tests' and words' tallies, one of the wrong answers for the spellings'), found by the
// first as it goes and written with statements prepared once: no sort in SQL, no look-up of a
// test per answer in a table. False, with nothing written, when a key is not a whole number:
// the statements then count the step. end is left empty when no answer is left.
bool CountStepByWalk(sqlite3* db, const Key& last, const WholeListTests& wholeList, Key& end,
                     bool& ok)
{
    WalkCounts counts;
    if (!WalkAnswers(db, last, wholeList, counts, ok))
        return false;
    if (!ok || !counts.any)
        return true;
    if (!WalkGuesses(db, last, counts.lastWord, wholeList, counts, ok))
        return false;
    end = WholeNumberKey(db, counts.lastWord);
    ok = ok && !end.empty() && WriteWalkCounts(db, counts);
    return true;
}

bool ReadProgress(sqlite3* db, int& stage, Key& last)
{
    bool ok = true;
    Statement read(db, "SELECT STAGE FROM TALLY_COUNT_PROGRESS WHERE COUNT_WAY = ?1");
    read.Bind(1, kCountWay);
    const Key stageValue = read.First(ok);
    Statement key(db, "SELECT LAST_KEY FROM TALLY_COUNT_PROGRESS");
    last = key.First(ok);
    if (!ok || stageValue.empty() || last.empty())
        return false;
    stage = sqlite3_value_int(stageValue.value);
    return stage == kTestsStage || stage == kWordsStage;
}

bool SaveProgress(sqlite3* db, int stage, const Key& last)
{
    Statement save(db, "UPDATE TALLY_COUNT_PROGRESS SET STAGE = ?1, LAST_KEY = ?2");
    return save.Bind(1, stage).Bind(2, last).Run();
}

// The whole-list tests as a temporary table, for the statements that count a step of the
// answers stage; made once per opening, at the first such step.
bool ListWholeListTests(sqlite3* db, WholeListTests& wholeList)
{
    if (wholeList.tableMade)
        return true;
    wholeList.tableMade =
        Run(db, "DROP TABLE IF EXISTS temp.WHOLE_LIST_TESTS") &&
        Run(db, "CREATE TEMP TABLE WHOLE_LIST_TESTS (TEST_ID PRIMARY KEY) WITHOUT ROWID") &&
        Run(db, "INSERT OR IGNORE INTO temp.WHOLE_LIST_TESTS SELECT TEST_ID FROM TESTS"
                " WHERE PRACTICE_OF IS NULL AND TEST_ID IS NOT NULL");
    return wholeList.tableMade;
}

// Below every key: keys are numbers, texts or blobs, and every one is above minus infinity.
Key LowestKey(sqlite3* db)
{
    Statement low(db, "SELECT -1e999");
    bool ok = true;
    return low.First(ok);
}

// A number the statement gives (0 when none).
long long Number(sqlite3* db, const char* sql, const Key* key = nullptr)
{
    Statement count(db, sql);
    if (key)
        count.Bind(1, *key);
    bool ok = true;
    const Key value = count.First(ok);
    return ok && !value.empty() ? sqlite3_value_int64(value.value) : 0;
}

// How far the count has come: the tests stage is the first twentieth, the answers the rest. The
// totals are the tables' highest rowids, read at once; an interrupted count starts from the
// rows counted before.
class CountProgress {
public:
    void Start(sqlite3* db, int stage, const Key& last)
    {
        const bool tests = stage == kTestsStage;
        stage_ = stage;
        total_ = std::max(1LL, Number(db, tests ? "SELECT MAX(_rowid_) FROM TESTS"
                                                : "SELECT MAX(_rowid_) FROM WORD_ATTEMPTS"));
        done_ = Number(db,
                       tests ? "SELECT COUNT(*) FROM TESTS WHERE TEST_ID <= ?1"
                             : "SELECT COUNT(*) FROM WORD_ATTEMPTS WHERE WORD_ID <= ?1",
                       &last);
        Tell();
    }
    void Step()
    {
        done_ += RowsPerStep(stage_);
        Tell();
    }

private:
    void Tell() const
    {
        const auto share = static_cast<int>(std::min(1000LL, done_ * 1000 / total_));
        TellProgress(stage_ == kTestsStage ? share / 20 : 50 + share * 19 / 20);
    }
    int stage_ = kTestsStage;
    long long total_ = 1;
    long long done_ = 0;
};

// The last key of the next step of a stage, by its index (empty at the end of the stage).
Key NextStepEnd(sqlite3* db, int stage, const Key& last, bool& ok)
{
    const StageText& text = TextOf(stage);
    const auto keyAfter = [&](int rows) {
        Statement next(db, text.nextEnd);
        return next.Bind(1, last).Bind(2, rows).First(ok);
    };
    Key end = keyAfter(RowsPerStep(stage) - 1);
    if (ok && end.empty() && !keyAfter(0).empty()) { // the last, shorter step
        Statement lastOfAll(db, text.lastKey);
        end = lastOfAll.First(ok);
    }
    return end;
}

// A step counted by the stage's statements, up to the key that ends it.
bool CountStepByStatements(sqlite3* db, int stage, const Key& last, Key& end,
                           WholeListTests& wholeList)
{
    bool ok = true;
    end = NextStepEnd(db, stage, last, ok);
    if (stage == kWordsStage && ok && !end.empty())
        ok = ListWholeListTests(db, wholeList);
    const std::vector<const char*>& statements = TextOf(stage).step;
    for (size_t i = 0; ok && !end.empty() && i < statements.size(); ++i) {
        Statement step(db, statements[i]);
        ok = step.Bind(1, last).Bind(2, end).Run();
    }
    return ok;
}

// One step of a stage in its own transaction; false at the end of the stage or on failure.
bool CountStep(sqlite3* db, int stage, Key& last, WholeListTests& wholeList, bool& ok)
{
    ok = Run(db, "BEGIN IMMEDIATE");
    Key end;
    const bool walked = ok && stage == kWordsStage && CountStepByWalk(db, last, wholeList, end, ok);
    if (ok && !walked)
        ok = CountStepByStatements(db, stage, last, end, wholeList);
    const bool stageDone = ok && end.empty(); // nothing was left to count, nothing written
    ok = ok && !stageDone && SaveProgress(db, stage, end) && Run(db, "COMMIT");
    if (!ok) {
        Run(db, "ROLLBACK");
        ok = ok || stageDone;
        return false;
    }
    last = std::move(end);
    return true;
}

// Makes the tally tables afresh (dropping whatever was partly there, their indexes with
// them) and the progress row at the start, in one transaction.
bool StartCount(sqlite3* db, const TallyPart& part)
{
    if (!Run(db, "BEGIN IMMEDIATE"))
        return false;
    bool ok = true;
    for (auto it = part.objects.rbegin(); ok && it != part.objects.rend(); ++it)
        if (it->first != "INDEX")
            ok = Run(db, "DROP " + it->first + " IF EXISTS " + it->second);
    for (size_t i = 0; ok && i < part.statements.size(); ++i)
        if (part.kinds[i] == "TABLE")
            ok = Run(db, part.statements[i]);
    ok = ok && Run(db, std::string("DROP TABLE IF EXISTS ") + kProgressTable) &&
         Run(db, std::string("CREATE TABLE ") + kProgressTable +
             " (STAGE INTEGER, LAST_KEY, COUNT_WAY INTEGER)") &&
         Run(db, std::string("INSERT INTO ") + kProgressTable + " VALUES (" +
                 std::to_string(kTestsStage) + ", -1e999, " + std::to_string(kCountWay) + ")");
    if (ok && Run(db, "COMMIT"))
        return true;
    Run(db, "ROLLBACK");
    return false;
}

// The indexes of the tallies (made once from the counted rows, not kept up row by row while
// they are written; a count of an earlier version may have made them already) and their
// triggers, once every tally is counted, and the progress row dropped with them.
bool FinishCount(sqlite3* db, const TallyPart& part)
{
    if (!Run(db, "BEGIN IMMEDIATE"))
        return false;
    bool ok = true;
    for (const char* kind : {"INDEX", "TRIGGER"}) {
        size_t object = 0;
        for (size_t i = 0; ok && i < part.statements.size(); ++i) {
            if (part.kinds[i].empty())
                continue;
            const std::string& name = part.objects[object++].second;
            if (part.kinds[i] == kind && !Exists(db, name))
                ok = Run(db, part.statements[i]);
        }
    }
    ok = ok && Run(db, std::string("DROP TABLE ") + kProgressTable);
    if (ok && Run(db, "COMMIT"))
        return true;
    Run(db, "ROLLBACK");
    return false;
}

} // namespace

void SetTallyCountListener(TallyCountListener listener)
{
    tallyCountListener = std::move(listener);
}

void SetTallyCountStep(int rows)
{
    testsPerStep = rows > 0 ? rows : kTestsPerStep;
    answersPerStep = rows > 0 ? rows : kAnswersPerStep;
}

namespace {
// Whether the tallies are all there, and whether their tables are (a count under way fills
// them; their indexes and triggers come last).
void FindTallies(const SchemaNameSet& names, bool& complete, bool& tablesMade)
{
    complete = tablesMade = true;
    for (const auto& object : Tallies().objects) {
        const bool exists = Named(names, object.second);
        complete = complete && exists;
        tablesMade = tablesMade && (exists || object.first != "TABLE");
    }
}
} // namespace

bool TalliesToCount(const std::string& path)
{
    const ReadOnlyLook look(path, 0);
    bool toCount = false;
    if (sqlite3* db = look.get()) {
        const SchemaNameSet names = SchemaNames(db);
        bool complete = true;
        bool tablesMade = true;
        FindTallies(names, complete, tablesMade);
        toCount = Named(names, "WORD_ATTEMPTS") && (!complete || Named(names, kProgressTable));
    }
    return toCount;
}

bool AddMissingTallies(sqlite3* db, std::string& error, bool* counted)
{
    const TallyPart& part = Tallies();
    const SchemaNameSet names = SchemaNames(db);
    bool complete = true;
    bool tablesMade = true;
    FindTallies(names, complete, tablesMade);
    const bool underWay = Named(names, kProgressTable);
    const bool resuming = underWay && tablesMade;
    if (complete && !underWay)
        return true;
    if (counted)
        *counted = true;
    TellProgress(0);
    // A step's commit need not wait for the disk: a program killed keeps what it committed
    // all the same, and after a power cut the count goes on from an earlier step (the
    // progress row is written with the counts it stands for). The file's setting is back
    // once the count is done.
    Run(db, "PRAGMA synchronous = NORMAL");
    // The count walks each index once: a small page cache serves it as well as the program's
    // own and keeps the memory it takes low (the program's is back once it is done).
    const long long cacheSize = Number(db, "PRAGMA cache_size");
    Run(db, "PRAGMA cache_size = -2048");
    int stage = kTestsStage;
    Key last;
    // Counts that were partly kept (an object dropped by hand) are never trusted: made whole
    // again from the rows, unless a count of ours was under way.
    bool ok = resuming && ReadProgress(db, stage, last);
    if (!ok) {
        ok = StartCount(db, part);
        stage = kTestsStage;
        last = LowestKey(db);
    }
    CountProgress progress;
    WholeListTests wholeList;
    while (ok && stage <= kWordsStage) {
        if (stage == kWordsStage)
            wholeList = ReadWholeListTests(db);
        progress.Start(db, stage, last);
        while (ok && CountStep(db, stage, last, wholeList, ok))
            progress.Step();
        if (!ok)
            break;
        if (++stage <= kWordsStage) {
            last = LowestKey(db);
            ok = Run(db, "BEGIN IMMEDIATE") && SaveProgress(db, stage, last) && Run(db, "COMMIT");
        }
    }
    ok = ok && FinishCount(db, part);
    Run(db, "DROP TABLE IF EXISTS temp.WHOLE_LIST_TESTS");
    Run(db, "PRAGMA synchronous = FULL");
    Run(db, "PRAGMA cache_size = " + std::to_string(cacheSize));
    TellProgress(1000);
    if (ok)
        return true;
    error = sqlite3_errmsg(db);
    return false;
}

namespace {
// The statements of the schema that make, fill and keep a table derived from other tables
// (the whole-list tests' first tries, the number of lists), with what they make (kind and
// name).
struct DerivedPart {
    // The table, then its filling, then its indexes (made once from the rows, not kept up row
    // by row while they are written) and the triggers.
    std::vector<std::string> statements;
    std::vector<std::pair<std::string, std::string>> objects;
};

DerivedPart MakeDerivedPart(const std::string& table)
{
    DerivedPart p;
    std::vector<std::pair<int, std::string>> ranked;
    for (const std::string& statement : SchemaStatements()) {
        if (statement.find(table) == std::string::npos)
            continue;
        std::string kind;
        std::string name;
        const bool makes = CreatedObject(statement, kind, name);
        if (makes)
            p.objects.emplace_back(kind, name);
        ranked.emplace_back(!makes ? 1 : kind == "TABLE" ? 0 : 2, statement);
    }
    std::stable_sort(ranked.begin(), ranked.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    for (auto& statement : ranked)
        p.statements.push_back(std::move(statement.second));
    return p;
}

bool AddMissingDerived(sqlite3* db, const DerivedPart& part, std::string& error)
{
    const SchemaNameSet names = SchemaNames(db);
    if (std::all_of(part.objects.begin(), part.objects.end(),
                    [&names](const auto& object) { return Named(names, object.second); }))
        return true;
    // Made whole again when a part is missing: a table whose triggers were not all there may
    // have missed a change. One transaction: a program killed meanwhile leaves the file as it
    // was, and the next opening makes them again.
    bool ok = Run(db, "BEGIN IMMEDIATE");
    for (auto it = part.objects.rbegin(); ok && it != part.objects.rend(); ++it)
        if (it->first != "INDEX")
            ok = Run(db, "DROP " + it->first + " IF EXISTS " + it->second);
    for (size_t i = 0; ok && i < part.statements.size(); ++i)
        ok = Run(db, part.statements[i]);
    if (ok && Run(db, "COMMIT"))
        return true;
    error = sqlite3_errmsg(db);
    Run(db, "ROLLBACK");
    return false;
}
} // namespace

bool AddMissingFirstTries(sqlite3* db, std::string& error)
{
    static const DerivedPart part = MakeDerivedPart(kFirstTriesTable);
    return AddMissingDerived(db, part, error);
}

bool AddMissingListTotal(sqlite3* db, std::string& error)
{
    static const DerivedPart part = MakeDerivedPart(kListTotalTable);
    return AddMissingDerived(db, part, error);
}

bool AddMissingColumns(sqlite3* db)
{
    // Adding a column with a constant default fills every existing row with it at once.
    if (!HasColumn(db, "OPTIONS", "SPEAK_WORDS"))
        sqlite3_exec(
            db, "ALTER TABLE OPTIONS ADD COLUMN SPEAK_WORDS TEXT COLLATE NOCASE DEFAULT 'TRUE'",
            nullptr, nullptr, nullptr);
    // Every statement that counts a list's tests names this column: the file must have it.
    if (!HasColumn(db, "TESTS", "PRACTICE_OF") &&
        sqlite3_exec(db, "ALTER TABLE TESTS ADD COLUMN PRACTICE_OF INTEGER", nullptr, nullptr,
                     nullptr) != SQLITE_OK)
        return false;
    // Likewise: the statements that count a list's tests leave unfinished ones out.
    if (!HasColumn(db, "TESTS", "UNFINISHED") &&
        sqlite3_exec(db, "ALTER TABLE TESTS ADD COLUMN UNFINISHED INTEGER", nullptr, nullptr,
                     nullptr) != SQLITE_OK)
        return false;
    return true;
}

void AddMissingTables(sqlite3* db)
{
    for (const char* table : kStandAloneTables) {
        if (Exists(db, table))
            continue;
        for (const std::string& statement : SchemaStatements()) {
            std::string kind;
            std::string name;
            if (CreatedObject(statement, kind, name) && kind == "TABLE" && name == table)
                Run(db, statement);
        }
    }
}
