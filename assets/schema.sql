-- The Quillby database: six tables, no declared relations (the program keeps them), and
-- the tallies of stored answers at the end, kept by the database itself.
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
-- The main window's search by test date: the newest list of a date, found at once.
CREATE INDEX LISTS_TEST_DATE ON LISTS (TEST_DATE, LIST_ID);
-- The lists whose key the main window cannot show, usually none: found, and left out of its
-- count of lists, without walking every list at each start.
CREATE INDEX LISTS_DAMAGED_KEYS ON LISTS (LIST_ID) WHERE LIST_ID IS NULL OR LIST_ID < 1
    OR LIST_ID > 2147483647 OR LIST_ID <> CAST(LIST_ID AS INTEGER);

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
    PRACTICE_OF   INTEGER,
    -- 1 for a test the program never finished (killed, crashed), stored as far as it went at
    -- the next start; NULL for a test that ended. Kept out of a list's history.
    UNFINISHED    INTEGER
);
CREATE UNIQUE INDEX TESTS_TEST_ID ON TESTS (TEST_ID);
CREATE INDEX TESTS_LIST_ID ON TESTS (LIST_ID);
-- A list's tests in time order, ties as they were stored: its past tests are read without a
-- sort, however many there are.
CREATE INDEX TESTS_LIST_TIME ON TESTS (LIST_ID, START_TIME);
-- Tests whose key or start time is not in the form the program stores: a list's past tests
-- are read a page at a time unless it has one, which this index finds at once.
CREATE INDEX TESTS_ODD ON TESTS (LIST_ID)
    WHERE (typeof(TEST_ID) <> 'integer' OR TEST_ID < 1 OR TEST_ID > 2147483647
    OR typeof(START_TIME) <> 'text'
    OR typeof(PRACTICE_OF) NOT IN ('null', 'integer')
    OR PRACTICE_OF < 1 OR PRACTICE_OF > 2147483647);
-- A list's practice rounds and tests never finished: with its whole-list tests (one row each
-- in LIST_FIRST_TRIES) they make the number of its past tests, counted without a walk of them
-- all.
CREATE INDEX TESTS_NOT_WHOLE ON TESTS (LIST_ID, PRACTICE_OF, UNFINISHED)
    WHERE PRACTICE_OF IS NOT NULL OR UNFINISHED IS NOT NULL;

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
-- up, with what its row needs, so that a test the program never finished is found at the next
-- start and stored as far as it went.
CREATE TABLE RUNNING_TESTS (
    TEST_ID       INTEGER PRIMARY KEY,
    LIST_ID       INTEGER,
    MOVE_ON_AFTER INTEGER,
    START_TIME    DATETIME,
    PRACTICE_OF   INTEGER
);

-- Running tallies of the stored tests' answers (a test is stored once its TESTS row is
-- written; its answers are stored as they are typed, before it). The triggers below keep
-- them, whatever statement adds, deletes or changes the rows, so that a list's past tests and
-- hardest words are read from a row per test and per word however many answers lie behind
-- them. A file without them gains them when the program opens it: every statement below that
-- names a tally runs there, the last ones counting them from the rows already stored (in a new
-- file they find nothing to count).

-- Each stored test's answers right at the first attempt, and the words it asked.
CREATE TABLE TEST_TALLIES (
    TEST_ID     INTEGER NOT NULL PRIMARY KEY,
    FIRST_TRY   INTEGER NOT NULL,
    WORDS_ASKED INTEGER NOT NULL
) WITHOUT ROWID;

-- Each word's wrong answers in whole-list tests (practice rounds stay out of a list's
-- figures): in how many tests, and how many in all.
CREATE TABLE WORD_TALLIES (
    WORD_ID      INTEGER NOT NULL PRIMARY KEY,
    TESTS_MISSED INTEGER NOT NULL,
    MISSES       INTEGER NOT NULL
) WITHOUT ROWID;

-- Each wrong spelling of a word in whole-list tests, letter case kept, and how often it was
-- typed; the index ranks a word's spellings.
CREATE TABLE GUESS_TALLIES (
    WORD_ID INTEGER NOT NULL,
    GUESS   TEXT COLLATE BINARY NOT NULL,
    TIMES   INTEGER NOT NULL,
    PRIMARY KEY (WORD_ID, GUESS)
) WITHOUT ROWID;
CREATE INDEX GUESS_TALLIES_RANK ON GUESS_TALLIES (WORD_ID, TIMES DESC, GUESS);
-- Rows whose count has run out, about to be deleted: found without reading the others.
CREATE INDEX WORD_TALLIES_SPENT ON WORD_TALLIES (WORD_ID) WHERE MISSES <= 0;
CREATE INDEX GUESS_TALLIES_SPENT ON GUESS_TALLIES (WORD_ID, GUESS) WHERE TIMES <= 0;

-- A test stored: its tally from the answers it already has, and a whole-list test's wrong
-- answers added to its words'.
CREATE TRIGGER TESTS_TALLY_ADD AFTER INSERT ON TESTS WHEN NEW.TEST_ID IS NOT NULL
BEGIN
    INSERT OR REPLACE INTO TEST_TALLIES (TEST_ID, FIRST_TRY, WORDS_ASKED)
        SELECT NEW.TEST_ID,
               COUNT(CASE WHEN ATTEMPT_NUMBER = 1 AND RESULT = 'CORRECT' THEN 1 END),
               COUNT(DISTINCT WORD_ID)
        FROM WORD_ATTEMPTS WHERE TEST_ID = NEW.TEST_ID;
    INSERT INTO WORD_TALLIES (WORD_ID, TESTS_MISSED, MISSES)
        SELECT WORD_ID, 1, COUNT(*) FROM WORD_ATTEMPTS
        WHERE NEW.PRACTICE_OF IS NULL AND TEST_ID = NEW.TEST_ID AND RESULT = 'INCORRECT'
          AND WORD_ID IS NOT NULL
        GROUP BY WORD_ID
        ON CONFLICT (WORD_ID) DO UPDATE
            SET TESTS_MISSED = TESTS_MISSED + 1, MISSES = MISSES + excluded.MISSES;
    INSERT INTO GUESS_TALLIES (WORD_ID, GUESS, TIMES)
        SELECT WORD_ID, IFNULL(GUESS, '') COLLATE BINARY, COUNT(*) FROM WORD_ATTEMPTS
        WHERE NEW.PRACTICE_OF IS NULL AND TEST_ID = NEW.TEST_ID AND RESULT = 'INCORRECT'
          AND WORD_ID IS NOT NULL
        GROUP BY 1, 2
        ON CONFLICT (WORD_ID, GUESS) DO UPDATE SET TIMES = TIMES + excluded.TIMES;
END;

-- A test deleted: its tally goes, and a whole-list test's wrong answers still stored are
-- taken off its words' (answers deleted before their test were taken off one by one). The
-- answers are counted in one pass per tally, adding negative counts, and what is spent goes
-- through the indexes of spent rows: a list of years of tests is deleted without a temporary
-- table per test.
CREATE TRIGGER TESTS_TALLY_REMOVE AFTER DELETE ON TESTS WHEN OLD.TEST_ID IS NOT NULL
BEGIN
    DELETE FROM TEST_TALLIES WHERE TEST_ID = OLD.TEST_ID
        AND NOT EXISTS (SELECT 1 FROM TESTS WHERE TEST_ID = OLD.TEST_ID);
    INSERT INTO WORD_TALLIES (WORD_ID, TESTS_MISSED, MISSES)
        SELECT WORD_ID, -1, -COUNT(*) FROM WORD_ATTEMPTS
        WHERE OLD.PRACTICE_OF IS NULL AND TEST_ID = OLD.TEST_ID AND RESULT = 'INCORRECT'
          AND WORD_ID IS NOT NULL
        GROUP BY WORD_ID
        ON CONFLICT (WORD_ID) DO UPDATE SET TESTS_MISSED = TESTS_MISSED + excluded.TESTS_MISSED,
            MISSES = MISSES + excluded.MISSES;
    INSERT INTO GUESS_TALLIES (WORD_ID, GUESS, TIMES)
        SELECT WORD_ID, IFNULL(GUESS, '') COLLATE BINARY, -COUNT(*) FROM WORD_ATTEMPTS
        WHERE OLD.PRACTICE_OF IS NULL AND TEST_ID = OLD.TEST_ID AND RESULT = 'INCORRECT'
          AND WORD_ID IS NOT NULL
        GROUP BY 1, 2
        ON CONFLICT (WORD_ID, GUESS) DO UPDATE SET TIMES = TIMES + excluded.TIMES;
    DELETE FROM WORD_TALLIES WHERE MISSES <= 0;
    DELETE FROM GUESS_TALLIES WHERE TIMES <= 0;
END;

-- An answer stored to a test already stored.
CREATE TRIGGER WORD_ATTEMPTS_TALLY_ADD AFTER INSERT ON WORD_ATTEMPTS
WHEN EXISTS (SELECT 1 FROM TESTS WHERE TEST_ID = NEW.TEST_ID)
BEGIN
    INSERT INTO TEST_TALLIES (TEST_ID, FIRST_TRY, WORDS_ASKED)
        SELECT NEW.TEST_ID,
               CASE WHEN NEW.ATTEMPT_NUMBER = 1 AND NEW.RESULT = 'CORRECT' THEN 1 ELSE 0 END,
               CASE WHEN NEW.WORD_ID IS NOT NULL AND NOT EXISTS
                   (SELECT 1 FROM WORD_ATTEMPTS WHERE WORD_ID = NEW.WORD_ID
                      AND TEST_ID = NEW.TEST_ID AND _rowid_ <> NEW._rowid_) THEN 1 ELSE 0 END
        WHERE TRUE
        ON CONFLICT (TEST_ID) DO UPDATE SET FIRST_TRY = FIRST_TRY + excluded.FIRST_TRY,
            WORDS_ASKED = WORDS_ASKED + excluded.WORDS_ASKED;
    INSERT INTO WORD_TALLIES (WORD_ID, TESTS_MISSED, MISSES)
        SELECT NEW.WORD_ID, NOT EXISTS (SELECT 1 FROM WORD_ATTEMPTS WHERE WORD_ID = NEW.WORD_ID
                   AND TEST_ID = NEW.TEST_ID AND RESULT = 'INCORRECT' AND _rowid_ <> NEW._rowid_), 1
        WHERE NEW.RESULT = 'INCORRECT' AND NEW.WORD_ID IS NOT NULL
          AND EXISTS (SELECT 1 FROM TESTS WHERE TEST_ID = NEW.TEST_ID AND PRACTICE_OF IS NULL)
        ON CONFLICT (WORD_ID) DO UPDATE
            SET TESTS_MISSED = TESTS_MISSED + excluded.TESTS_MISSED, MISSES = MISSES + 1;
    INSERT INTO GUESS_TALLIES (WORD_ID, GUESS, TIMES)
        SELECT NEW.WORD_ID, IFNULL(NEW.GUESS, '') COLLATE BINARY, 1
        WHERE NEW.RESULT = 'INCORRECT' AND NEW.WORD_ID IS NOT NULL
          AND EXISTS (SELECT 1 FROM TESTS WHERE TEST_ID = NEW.TEST_ID AND PRACTICE_OF IS NULL)
        ON CONFLICT (WORD_ID, GUESS) DO UPDATE SET TIMES = TIMES + 1;
END;

-- An answer of a stored test deleted.
CREATE TRIGGER WORD_ATTEMPTS_TALLY_REMOVE AFTER DELETE ON WORD_ATTEMPTS
WHEN EXISTS (SELECT 1 FROM TESTS WHERE TEST_ID = OLD.TEST_ID)
BEGIN
    UPDATE TEST_TALLIES SET
        FIRST_TRY = FIRST_TRY
            - CASE WHEN OLD.ATTEMPT_NUMBER = 1 AND OLD.RESULT = 'CORRECT' THEN 1 ELSE 0 END,
        WORDS_ASKED = WORDS_ASKED - CASE WHEN OLD.WORD_ID IS NOT NULL AND NOT EXISTS
            (SELECT 1 FROM WORD_ATTEMPTS WHERE WORD_ID = OLD.WORD_ID AND TEST_ID = OLD.TEST_ID)
            THEN 1 ELSE 0 END
        WHERE TEST_ID = OLD.TEST_ID;
    UPDATE WORD_TALLIES SET MISSES = MISSES - 1,
        TESTS_MISSED = TESTS_MISSED - NOT EXISTS (SELECT 1 FROM WORD_ATTEMPTS
            WHERE WORD_ID = OLD.WORD_ID AND TEST_ID = OLD.TEST_ID AND RESULT = 'INCORRECT')
        WHERE WORD_ID = OLD.WORD_ID AND OLD.RESULT = 'INCORRECT'
          AND EXISTS (SELECT 1 FROM TESTS WHERE TEST_ID = OLD.TEST_ID AND PRACTICE_OF IS NULL);
    UPDATE GUESS_TALLIES SET TIMES = TIMES - 1
        WHERE WORD_ID = OLD.WORD_ID AND GUESS = IFNULL(OLD.GUESS, '') COLLATE BINARY
          AND OLD.RESULT = 'INCORRECT'
          AND EXISTS (SELECT 1 FROM TESTS WHERE TEST_ID = OLD.TEST_ID AND PRACTICE_OF IS NULL);
    DELETE FROM WORD_TALLIES WHERE WORD_ID = OLD.WORD_ID AND MISSES <= 0;
    DELETE FROM GUESS_TALLIES WHERE WORD_ID = OLD.WORD_ID
        AND GUESS = IFNULL(OLD.GUESS, '') COLLATE BINARY AND TIMES <= 0;
END;

-- Rows changed in place (the program only adds and deletes them): the tallies they touch are
-- counted again from the rows.
CREATE TRIGGER WORD_ATTEMPTS_TALLY_CHANGE AFTER UPDATE OF TEST_ID, WORD_ID, GUESS, RESULT,
    ATTEMPT_NUMBER ON WORD_ATTEMPTS
BEGIN
    DELETE FROM TEST_TALLIES WHERE TEST_ID IN (OLD.TEST_ID, NEW.TEST_ID);
    INSERT INTO TEST_TALLIES (TEST_ID, FIRST_TRY, WORDS_ASKED)
        SELECT T.TEST_ID,
               (SELECT COUNT(*) FROM WORD_ATTEMPTS A WHERE A.TEST_ID = T.TEST_ID
                  AND A.ATTEMPT_NUMBER = 1 AND A.RESULT = 'CORRECT'),
               (SELECT COUNT(DISTINCT A.WORD_ID) FROM WORD_ATTEMPTS A WHERE A.TEST_ID = T.TEST_ID)
        FROM (SELECT DISTINCT TEST_ID FROM TESTS WHERE TEST_ID IN (OLD.TEST_ID, NEW.TEST_ID)) T;
    DELETE FROM WORD_TALLIES WHERE WORD_ID IN (OLD.WORD_ID, NEW.WORD_ID);
    INSERT INTO WORD_TALLIES (WORD_ID, TESTS_MISSED, MISSES)
        SELECT WORD_ID, COUNT(DISTINCT TEST_ID), COUNT(*) FROM WORD_ATTEMPTS
        WHERE WORD_ID IN (OLD.WORD_ID, NEW.WORD_ID) AND RESULT = 'INCORRECT'
          AND TEST_ID IN (SELECT TEST_ID FROM TESTS WHERE PRACTICE_OF IS NULL)
        GROUP BY WORD_ID;
    DELETE FROM GUESS_TALLIES WHERE WORD_ID IN (OLD.WORD_ID, NEW.WORD_ID);
    INSERT INTO GUESS_TALLIES (WORD_ID, GUESS, TIMES)
        SELECT WORD_ID, IFNULL(GUESS, '') COLLATE BINARY, COUNT(*) FROM WORD_ATTEMPTS
        WHERE WORD_ID IN (OLD.WORD_ID, NEW.WORD_ID) AND RESULT = 'INCORRECT'
          AND TEST_ID IN (SELECT TEST_ID FROM TESTS WHERE PRACTICE_OF IS NULL)
        GROUP BY 1, 2;
END;

-- A test given another number or turned into (or out of) a practice round: its answers are
-- touched in place, so that the trigger above counts their tallies again.
CREATE TRIGGER TESTS_TALLY_CHANGE AFTER UPDATE OF TEST_ID, PRACTICE_OF ON TESTS
BEGIN
    DELETE FROM TEST_TALLIES WHERE TEST_ID = OLD.TEST_ID
        AND NOT EXISTS (SELECT 1 FROM TESTS WHERE TEST_ID = OLD.TEST_ID);
    UPDATE WORD_ATTEMPTS SET TEST_ID = TEST_ID WHERE TEST_ID IN (OLD.TEST_ID, NEW.TEST_ID);
    INSERT OR IGNORE INTO TEST_TALLIES (TEST_ID, FIRST_TRY, WORDS_ASKED)
        SELECT NEW.TEST_ID, 0, 0 WHERE NEW.TEST_ID IS NOT NULL;
END;

INSERT INTO TEST_TALLIES (TEST_ID, FIRST_TRY, WORDS_ASKED)
    SELECT T.TEST_ID,
           COUNT(CASE WHEN A.ATTEMPT_NUMBER = 1 AND A.RESULT = 'CORRECT' THEN 1 END),
           COUNT(DISTINCT A.WORD_ID)
    FROM (SELECT DISTINCT TEST_ID FROM TESTS WHERE TEST_ID IS NOT NULL) T
    LEFT JOIN WORD_ATTEMPTS A ON A.TEST_ID = T.TEST_ID
    GROUP BY T.TEST_ID;
INSERT INTO WORD_TALLIES (WORD_ID, TESTS_MISSED, MISSES)
    SELECT WORD_ID, COUNT(DISTINCT TEST_ID), COUNT(*) FROM WORD_ATTEMPTS
    WHERE RESULT = 'INCORRECT' AND WORD_ID IS NOT NULL
      AND TEST_ID IN (SELECT TEST_ID FROM TESTS WHERE PRACTICE_OF IS NULL)
    GROUP BY WORD_ID;
INSERT INTO GUESS_TALLIES (WORD_ID, GUESS, TIMES)
    SELECT WORD_ID, IFNULL(GUESS, '') COLLATE BINARY, COUNT(*) FROM WORD_ATTEMPTS
    WHERE RESULT = 'INCORRECT' AND WORD_ID IS NOT NULL
      AND TEST_ID IN (SELECT TEST_ID FROM TESTS WHERE PRACTICE_OF IS NULL)
    GROUP BY 1, 2;

-- Each whole-list test of a list (practice rounds and unfinished tests stay out) with its
-- answers right at the first attempt, in the order of the list's past tests (start time, then
-- the test's row): a list's scores and their average are read from one index in order,
-- without a lookup per test. TEST_ROWID is the TESTS row's _rowid_ when it was stored, only
-- to order tests that started in the same second. The triggers below keep it as tests and
-- answers come, go and change, in the statement that changes them; a file without it gains it
-- when the program opens it, filled from the tests' tallies by the last statement here.
CREATE TABLE LIST_FIRST_TRIES (
    TEST_ID    INTEGER,
    LIST_ID    INTEGER,
    START_TIME DATETIME,
    TEST_ROWID INTEGER,
    FIRST_TRY  INTEGER NOT NULL
);
CREATE INDEX LIST_FIRST_TRIES_ORDER ON LIST_FIRST_TRIES (LIST_ID, START_TIME, TEST_ROWID,
    FIRST_TRY);
CREATE INDEX LIST_FIRST_TRIES_TEST ON LIST_FIRST_TRIES (TEST_ID);

-- A whole-list test stored: its row, with the first tries of the answers it already has.
CREATE TRIGGER TESTS_FIRST_TRIES_ADD AFTER INSERT ON TESTS
WHEN NEW.PRACTICE_OF IS NULL AND NEW.UNFINISHED IS NULL
BEGIN
    INSERT INTO LIST_FIRST_TRIES (TEST_ID, LIST_ID, START_TIME, TEST_ROWID, FIRST_TRY)
        VALUES (NEW.TEST_ID, NEW.LIST_ID, NEW.START_TIME, NEW._rowid_,
            (SELECT COUNT(*) FROM WORD_ATTEMPTS WHERE TEST_ID = NEW.TEST_ID
               AND ATTEMPT_NUMBER = 1 AND RESULT = 'CORRECT'));
END;

-- A test deleted: one row of its key and place goes (the one of its row when there are
-- several, which only a file with duplicate keys has).
CREATE TRIGGER TESTS_FIRST_TRIES_REMOVE AFTER DELETE ON TESTS
WHEN OLD.PRACTICE_OF IS NULL AND OLD.UNFINISHED IS NULL
BEGIN
    DELETE FROM LIST_FIRST_TRIES WHERE _rowid_ = (SELECT _rowid_ FROM LIST_FIRST_TRIES
        WHERE TEST_ID IS OLD.TEST_ID AND LIST_ID IS OLD.LIST_ID
          AND START_TIME IS OLD.START_TIME
        ORDER BY TEST_ROWID IS OLD._rowid_ DESC LIMIT 1);
END;

-- A test changed in place (another key, list, time or kind): its row goes and comes again as
-- the test now is.
CREATE TRIGGER TESTS_FIRST_TRIES_CHANGE AFTER UPDATE ON TESTS
WHEN OLD.TEST_ID IS NOT NEW.TEST_ID OR OLD.LIST_ID IS NOT NEW.LIST_ID
  OR OLD.START_TIME IS NOT NEW.START_TIME OR OLD.PRACTICE_OF IS NOT NEW.PRACTICE_OF
  OR OLD.UNFINISHED IS NOT NEW.UNFINISHED OR OLD._rowid_ IS NOT NEW._rowid_
BEGIN
    DELETE FROM LIST_FIRST_TRIES WHERE _rowid_ = (SELECT _rowid_ FROM LIST_FIRST_TRIES
        WHERE OLD.PRACTICE_OF IS NULL AND OLD.UNFINISHED IS NULL
          AND TEST_ID IS OLD.TEST_ID AND LIST_ID IS OLD.LIST_ID
          AND START_TIME IS OLD.START_TIME
        ORDER BY TEST_ROWID IS OLD._rowid_ DESC LIMIT 1);
    INSERT INTO LIST_FIRST_TRIES (TEST_ID, LIST_ID, START_TIME, TEST_ROWID, FIRST_TRY)
        SELECT NEW.TEST_ID, NEW.LIST_ID, NEW.START_TIME, NEW._rowid_,
            (SELECT COUNT(*) FROM WORD_ATTEMPTS WHERE TEST_ID = NEW.TEST_ID
               AND ATTEMPT_NUMBER = 1 AND RESULT = 'CORRECT')
        WHERE NEW.PRACTICE_OF IS NULL AND NEW.UNFINISHED IS NULL;
END;

-- An answer right at the first attempt stored or deleted (an answer before its test is
-- stored finds no row: the test's row counts it when it comes).
CREATE TRIGGER WORD_ATTEMPTS_FIRST_TRIES_ADD AFTER INSERT ON WORD_ATTEMPTS
WHEN NEW.ATTEMPT_NUMBER = 1 AND NEW.RESULT = 'CORRECT'
BEGIN
    UPDATE LIST_FIRST_TRIES SET FIRST_TRY = FIRST_TRY + 1 WHERE TEST_ID = NEW.TEST_ID;
END;
CREATE TRIGGER WORD_ATTEMPTS_FIRST_TRIES_REMOVE AFTER DELETE ON WORD_ATTEMPTS
WHEN OLD.ATTEMPT_NUMBER = 1 AND OLD.RESULT = 'CORRECT'
BEGIN
    UPDATE LIST_FIRST_TRIES SET FIRST_TRY = FIRST_TRY - 1 WHERE TEST_ID = OLD.TEST_ID;
END;

-- An answer changed in place: the first tries of the tests it left and joined are counted
-- again.
CREATE TRIGGER WORD_ATTEMPTS_FIRST_TRIES_CHANGE AFTER UPDATE OF TEST_ID, RESULT,
    ATTEMPT_NUMBER ON WORD_ATTEMPTS
BEGIN
    UPDATE LIST_FIRST_TRIES SET FIRST_TRY = (SELECT COUNT(*) FROM WORD_ATTEMPTS A
            WHERE A.TEST_ID = LIST_FIRST_TRIES.TEST_ID AND A.ATTEMPT_NUMBER = 1
              AND A.RESULT = 'CORRECT')
        WHERE TEST_ID IN (OLD.TEST_ID, NEW.TEST_ID);
END;

INSERT INTO LIST_FIRST_TRIES (TEST_ID, LIST_ID, START_TIME, TEST_ROWID, FIRST_TRY)
    SELECT T.TEST_ID, T.LIST_ID, T.START_TIME, T._rowid_, IFNULL(A.FIRST_TRY, 0)
    FROM TESTS T LEFT JOIN TEST_TALLIES A ON A.TEST_ID = T.TEST_ID
    WHERE T.PRACTICE_OF IS NULL AND T.UNFINISHED IS NULL;

-- How many rows LISTS has, in one row (ONE = 1) kept by the two triggers below inside the
-- statement that adds or deletes a list: the main window knows how many lists it shows
-- without walking every page of their key index (more than a megabyte for 100,000 lists) at
-- each start. A file without it gains it when the program opens it, counted by the last
-- statement here (which, run again, counts again rather than adding a second row).
CREATE TABLE LIST_TOTAL (
    ONE   INTEGER PRIMARY KEY CHECK (ONE = 1),
    LISTS INTEGER NOT NULL
);
CREATE TRIGGER LISTS_TOTAL_ADD AFTER INSERT ON LISTS
BEGIN
    UPDATE LIST_TOTAL SET LISTS = LISTS + 1 WHERE ONE = 1;
END;
CREATE TRIGGER LISTS_TOTAL_REMOVE AFTER DELETE ON LISTS
BEGIN
    UPDATE LIST_TOTAL SET LISTS = LISTS - 1 WHERE ONE = 1;
END;
INSERT OR REPLACE INTO LIST_TOTAL (ONE, LISTS) SELECT 1, COUNT(*) FROM LISTS;

-- Where the main window and the editors were when they were last closed, by window name: the
-- position and size of the window's inside on the desktop, and "TRUE" when it filled the
-- screen (maximized; the position and size are then those it returns to). A file without
-- this table gains it, empty, when the program opens it.
CREATE TABLE WINDOW_PLACES (
    FORM_NAME TEXT COLLATE NOCASE NOT NULL PRIMARY KEY,
    LEFT_PX   INTEGER NOT NULL,
    TOP_PX    INTEGER NOT NULL,
    WIDTH_PX  INTEGER NOT NULL,
    HEIGHT_PX INTEGER NOT NULL,
    MAXIMIZED TEXT COLLATE NOCASE NOT NULL DEFAULT 'FALSE'
) WITHOUT ROWID;

-- The children who practise on this computer, each with a data folder of their own. Only the
-- first child's file holds rows: the first child (FOLDER '', the data folder itself) and the
-- others (FOLDER 'Children/<name>', inside it). LAST_USED says whom the next start offers
-- first. A file without this table gains it, empty, when the program opens it: the family has
-- one child.
CREATE TABLE CHILDREN (
    CHILD_NAME TEXT COLLATE NOCASE NOT NULL PRIMARY KEY,
    FOLDER     TEXT NOT NULL,
    LAST_USED  DATETIME
) WITHOUT ROWID;
