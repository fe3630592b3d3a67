-- The Quillby database: six tables, no declared relations (the program keeps them).
-- Dates are ISO text: DATE 'yyyy-mm-dd', DATETIME 'yyyy-mm-dd hh:mm:ss'.
-- Text compares and sorts without regard to letter case.
-- Every index here is also made, when missing, in an existing database when the program opens
-- it; an index that is no longer wanted is dropped there too (the program's list of retired
-- indexes), so a file made by any earlier version gets this shape without losing a row.

CREATE TABLE LISTS (
    LIST_ID      INTEGER,
    WEEK_START   DATE,
    WEEK_END     DATE,
    TEST_DATE    DATE,
    CREATED_DATE DATETIME,
    STATUS       TEXT COLLATE NOCASE
);
CREATE UNIQUE INDEX LISTS_LIST_ID ON LISTS (LIST_ID);
-- The lists still to be offered as old ones: those not ignored, by test date.
CREATE INDEX LISTS_PAST_DUE ON LISTS (TEST_DATE) WHERE STATUS <> 'IGNORED';

CREATE TABLE WORDS (
    WORD_ID        INTEGER,
    LIST_ID        INTEGER,
    WORD           TEXT COLLATE NOCASE,
    DEFINITION     TEXT COLLATE NOCASE,
    SENTENCE       TEXT COLLATE NOCASE,
    CASE_SENSITIVE TEXT COLLATE NOCASE
);
CREATE UNIQUE INDEX WORDS_WORD_ID ON WORDS (WORD_ID);
CREATE INDEX WORDS_LIST_ID ON WORDS (LIST_ID);
-- Whether another word (in any letter case) still plays a recording.
CREATE INDEX WORDS_WORD ON WORDS (WORD);

CREATE TABLE TESTS (
    TEST_ID       INTEGER,
    LIST_ID       INTEGER,
    MOVE_ON_AFTER INTEGER,
    START_TIME    DATETIME,
    END_TIME      DATETIME,
    -- A practice round of the missed words: the TEST_ID of the test whose missed words it
    -- asked. NULL for a test of the whole list, the only kind that counts in a list's history.
    PRACTICE_OF   INTEGER
);
CREATE UNIQUE INDEX TESTS_TEST_ID ON TESTS (TEST_ID);
CREATE INDEX TESTS_LIST_ID ON TESTS (LIST_ID);

CREATE TABLE WORD_ATTEMPTS (
    TEST_ID        INTEGER,
    LIST_ID        INTEGER,
    WORD_ID        INTEGER,
    GUESS          TEXT COLLATE NOCASE,
    RESULT         TEXT COLLATE NOCASE,
    ATTEMPT_NUMBER INTEGER
);
CREATE INDEX WORD_ATTEMPTS_TEST ON WORD_ATTEMPTS (TEST_ID, ATTEMPT_NUMBER, RESULT);
-- A word's attempts, and its attempts in one test, counted from the index alone.
CREATE INDEX WORD_ATTEMPTS_WORD ON WORD_ATTEMPTS (WORD_ID, TEST_ID, RESULT, ATTEMPT_NUMBER);
CREATE INDEX WORD_ATTEMPTS_LIST_ID ON WORD_ATTEMPTS (LIST_ID);
-- The wrong answers alone, by word: a list's hardest words and their misspellings are
-- counted from this index without reading the right answers or the rows.
CREATE INDEX WORD_ATTEMPTS_MISSES ON WORD_ATTEMPTS (WORD_ID, RESULT, GUESS COLLATE BINARY, TEST_ID)
    WHERE RESULT = 'INCORRECT';

CREATE TABLE OPTIONS (
    SKIP_TEST_SETUP        TEXT COLLATE NOCASE,
    PRONOUNCE              TEXT COLLATE NOCASE,
    SHOW_DEFINITION        TEXT COLLATE NOCASE,
    SHOW_CONTEXT           TEXT COLLATE NOCASE,
    TEST_ORDER             TEXT COLLATE NOCASE,
    MOVE_ON_AFTER          INTEGER,
    REVEAL_ANSWERS         TEXT COLLATE NOCASE,
    REQUIRE_ECHO           TEXT COLLATE NOCASE,
    CLEAR_WRONG_ANSWER     TEXT COLLATE NOCASE,
    PLAY_CORRECT_SOUND     TEXT COLLATE NOCASE,
    PLAY_INCORRECT_SOUND   TEXT COLLATE NOCASE,
    MESSAGE_TIME           INTEGER,
    TEST_DAY               TEXT COLLATE NOCASE,
    PROMPT_TO_DELETE_LISTS TEXT COLLATE NOCASE,
    SPEAK_WORDS            TEXT COLLATE NOCASE DEFAULT 'TRUE'
);

CREATE TABLE IDS (
    CODE  TEXT COLLATE NOCASE,
    VALUE INTEGER
);
CREATE UNIQUE INDEX IDS_CODE ON IDS (CODE);

-- Tests under way: a test's number is here from its first answer until it is stored or given
-- up, so the answers of a test the program never finished can be found at the next start.
CREATE TABLE RUNNING_TESTS (
    TEST_ID INTEGER PRIMARY KEY
);
