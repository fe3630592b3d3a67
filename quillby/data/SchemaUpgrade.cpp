#include "SchemaUpgrade.h"

#include "SchemaText.h"

#include <algorithm>
#include <regex>
#include <sqlite3.h>
#include <string>
#include <unordered_map>
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

// The statements of the schema, comments left out, each whole (a trigger with its body).
std::vector<std::string> SchemaStatements()
{
    const std::string text =
        std::regex_replace(std::string(kQuillbySchemaText), std::regex("--[^\n]*"), "");
    std::vector<std::string> statements;
    std::string current;
    for (const char c : text) {
        current += c;
        if (c == ';' && sqlite3_complete(current.c_str())) {
            statements.push_back(current);
            current.clear();
        }
    }
    return statements;
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
        const std::regex create(R"(CREATE\s+(TABLE|INDEX|TRIGGER)\s+(\w+))");
        for (const std::string& statement : SchemaStatements()) {
            if (statement.find("_TALL") == std::string::npos)
                continue;
            p.statements.push_back(statement);
            std::smatch m;
            const bool makes = std::regex_search(statement, m, create);
            p.kinds.push_back(makes ? m[1].str() : std::string());
            if (makes)
                p.objects.emplace_back(m[1].str(), m[2].str());
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

// The whole-list tests whose keys are whole numbers, in order: the walk of the answers looks
// a wrong answer's test up here instead of in the temporary table.
using WholeListKeys = std::vector<long long>;

WholeListKeys ReadWholeListKeys(sqlite3* db)
{
    WholeListKeys keys;
    Statement read(db, "SELECT TEST_ID FROM temp.WHOLE_LIST_TESTS");
    while (read.Step() == SQLITE_ROW)
        if (sqlite3_column_type(read.Raw(), 0) == SQLITE_INTEGER)
            keys.push_back(sqlite3_column_int64(read.Raw(), 0));
    std::sort(keys.begin(), keys.end());
    return keys;
}

// What one walk of the answers of a step counts: each test's first tries and words asked,
// each word's wrong answers in whole-list tests (and in how many such tests).
struct WalkCounts {
    struct Test {
        long long firstTries = 0;
        long long words = 0;
    };
    struct Word {
        long long testsMissed = 0;
        long long misses = 0;
    };
    std::unordered_map<long long, Test> tests;
    std::vector<std::pair<long long, Word>> words; // in word order
};

// Reads the step's answers from the index of answers by word, in its order (each (word, test)
// pair's answers in a row); false when a key is not a whole number.
bool WalkAnswers(sqlite3* db, const Key& last, const Key& end, const WholeListKeys& wholeList,
                 WalkCounts& counts, bool& ok)
{
    Statement walk(db, "SELECT WORD_ID, TEST_ID, ATTEMPT_NUMBER = 1 AND RESULT = 'CORRECT',"
                       " RESULT = 'INCORRECT' FROM WORD_ATTEMPTS"
                       " WHERE WORD_ID > ?1 AND WORD_ID <= ?2 ORDER BY WORD_ID, TEST_ID");
    walk.Bind(1, last).Bind(2, end);
    long long word = 0;
    long long test = 0;
    long long missedTest = 0;
    bool any = false;
    int rc;
    while ((rc = walk.Step()) == SQLITE_ROW) {
        sqlite3_stmt* row = walk.Raw();
        if (sqlite3_column_type(row, 1) == SQLITE_NULL)
            continue; // an answer of no test belongs to no tally
        if (sqlite3_column_type(row, 0) != SQLITE_INTEGER ||
            sqlite3_column_type(row, 1) != SQLITE_INTEGER)
            return false;
        const long long rowWord = sqlite3_column_int64(row, 0);
        const long long rowTest = sqlite3_column_int64(row, 1);
        const bool newWord = !any || rowWord != word;
        WalkCounts::Test& testCounts = counts.tests[rowTest];
        if (newWord || rowTest != test)
            ++testCounts.words;
        testCounts.firstTries += sqlite3_column_int(row, 2);
        if (sqlite3_column_int(row, 3) &&
            std::binary_search(wholeList.begin(), wholeList.end(), rowTest)) {
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
        any = true;
    }
    ok = rc == SQLITE_DONE;
    return true;
}

// Adds a step's counts to the stored tests' tallies (in key order, each page of them visited
// once; a test never stored has no row and gets none) and writes its words' tallies.
bool WriteWalkCounts(sqlite3* db, const WalkCounts& counts)
{
    std::vector<std::pair<long long, WalkCounts::Test>> tests(counts.tests.begin(),
                                                               counts.tests.end());
    std::sort(tests.begin(), tests.end(),
              [](const auto& a, const auto& b) { return a.first < b.first; });
    sqlite3_stmt* add = nullptr;
    bool ok = sqlite3_prepare_v2(db, "UPDATE TEST_TALLIES SET FIRST_TRY = FIRST_TRY + ?2,"
                                     " WORDS_ASKED = WORDS_ASKED + ?3 WHERE TEST_ID = ?1",
                                 -1, &add, nullptr) == SQLITE_OK;
    for (size_t i = 0; ok && i < tests.size(); ++i) {
        sqlite3_bind_int64(add, 1, tests[i].first);
        sqlite3_bind_int64(add, 2, tests[i].second.firstTries);
        sqlite3_bind_int64(add, 3, tests[i].second.words);
        ok = sqlite3_step(add) == SQLITE_DONE;
        sqlite3_reset(add);
    }
    sqlite3_finalize(add);
    sqlite3_stmt* put = nullptr;
    ok = ok && sqlite3_prepare_v2(db, "INSERT INTO WORD_TALLIES (WORD_ID, TESTS_MISSED, MISSES)"
                                      " VALUES (?1, ?2, ?3)",
                                  -1, &put, nullptr) == SQLITE_OK;
    for (size_t i = 0; ok && i < counts.words.size(); ++i) {
        sqlite3_bind_int64(put, 1, counts.words[i].first);
        sqlite3_bind_int64(put, 2, counts.words[i].second.testsMissed);
        sqlite3_bind_int64(put, 3, counts.words[i].second.misses);
        ok = sqlite3_step(put) == SQLITE_DONE;
        sqlite3_reset(put);
    }
    sqlite3_finalize(put);
    return ok;
}

// The first two statements of a step of the answers stage (each test's first tries and words
// asked, each word's wrong answers), counted from one walk of the index of answers by word
// and written with a statement prepared once: a third of the work of grouping and sorting
// them in SQL. False, with nothing written, when a key is not a whole number: the statements
// then count the step.
bool CountStepByWalk(sqlite3* db, const Key& last, const Key& end, const WholeListKeys& wholeList,
                     bool& ok)
{
    WalkCounts counts;
    if (!WalkAnswers(db, last, end, wholeList, counts, ok))
        return false;
    ok = ok && WriteWalkCounts(db, counts);
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

// The whole-list tests, for the word stage: read once per opening, not once per step.
bool ListWholeListTests(sqlite3* db)
{
    return Run(db, "DROP TABLE IF EXISTS temp.WHOLE_LIST_TESTS") &&
           Run(db, "CREATE TEMP TABLE WHOLE_LIST_TESTS (TEST_ID PRIMARY KEY) WITHOUT ROWID") &&
           Run(db, "INSERT OR IGNORE INTO temp.WHOLE_LIST_TESTS SELECT TEST_ID FROM TESTS"
                   " WHERE PRACTICE_OF IS NULL AND TEST_ID IS NOT NULL");
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

// One step of a stage in its own transaction; false at the end of the stage or on failure.
bool CountStep(sqlite3* db, int stage, Key& last, const WholeListKeys& wholeList, bool& ok)
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
    if (!ok || end.empty())
        return false;
    ok = Run(db, "BEGIN IMMEDIATE");
    const bool walked = stage == kWordsStage && CountStepByWalk(db, last, end, wholeList, ok);
    for (size_t i = walked ? 2 : 0; ok && i < text.step.size(); ++i) {
        Statement step(db, text.step[i]);
        ok = step.Bind(1, last).Bind(2, end).Run();
    }
    ok = ok && SaveProgress(db, stage, end) && Run(db, "COMMIT");
    if (!ok) {
        Run(db, "ROLLBACK");
        return false;
    }
    last = std::move(end);
    return true;
}

// Makes the tally tables and indexes afresh (dropping whatever was partly there) and the
// progress row at the start, in one transaction.
bool StartCount(sqlite3* db, const TallyPart& part)
{
    if (!Run(db, "BEGIN IMMEDIATE"))
        return false;
    bool ok = true;
    for (auto it = part.objects.rbegin(); ok && it != part.objects.rend(); ++it)
        if (it->first != "INDEX")
            ok = Run(db, "DROP " + it->first + " IF EXISTS " + it->second);
    for (size_t i = 0; ok && i < part.statements.size(); ++i)
        if (part.kinds[i] == "TABLE" || part.kinds[i] == "INDEX")
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

// The triggers, made once every tally is counted, and the progress row dropped with them.
bool FinishCount(sqlite3* db, const TallyPart& part)
{
    if (!Run(db, "BEGIN IMMEDIATE"))
        return false;
    bool ok = true;
    for (size_t i = 0; ok && i < part.statements.size(); ++i)
        if (part.kinds[i] == "TRIGGER")
            ok = Run(db, part.statements[i]);
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
// Whether the tallies are all there, and whether their tables and indexes are (a count under
// way fills them; its triggers come last).
void FindTallies(sqlite3* db, bool& complete, bool& tablesMade)
{
    complete = tablesMade = true;
    for (const auto& object : Tallies().objects) {
        const bool exists = Exists(db, object.second);
        complete = complete && exists;
        tablesMade = tablesMade && (exists || object.first == "TRIGGER");
    }
}
} // namespace

bool TalliesToCount(const std::string& path)
{
    sqlite3* db = nullptr;
    bool toCount = false;
    if (sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READONLY | SQLITE_OPEN_NOMUTEX,
                        nullptr) == SQLITE_OK &&
        Exists(db, "WORD_ATTEMPTS")) {
        bool complete = true;
        bool tablesMade = true;
        FindTallies(db, complete, tablesMade);
        toCount = !complete || Exists(db, kProgressTable);
    }
    sqlite3_close(db);
    return toCount;
}

bool AddMissingTallies(sqlite3* db, std::string& error)
{
    const TallyPart& part = Tallies();
    bool complete = true;
    bool tablesMade = true;
    FindTallies(db, complete, tablesMade);
    const bool resuming = Exists(db, kProgressTable) && tablesMade;
    if (complete && !Exists(db, kProgressTable))
        return true;
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
    WholeListKeys wholeList;
    while (ok && stage <= kWordsStage) {
        if (stage == kWordsStage) {
            ok = ListWholeListTests(db);
            wholeList = ReadWholeListKeys(db);
        }
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
    const std::regex create(R"(CREATE\s+TABLE\s+(\w+))");
    for (const char* table : kStandAloneTables) {
        if (Exists(db, table))
            continue;
        for (const std::string& statement : SchemaStatements()) {
            std::smatch m;
            if (std::regex_search(statement, m, create) && m[1].str() == table)
                Run(db, statement);
        }
    }
}
