#pragma once
#include <QString>
#include <cstdint>

// The fixed fragments that statements are joined from, exactly as the program has always
// sent them: their leading and trailing blanks stay in the statement (" SELECT * FROM LISTS "
// + " WHERE LIST_ID = " + "7" + " " gives " SELECT * FROM LISTS  WHERE LIST_ID = 7 ").
namespace Sql {
inline constexpr const char* SELECT_LISTS = " SELECT * FROM LISTS ";
inline constexpr const char* SELECT_WORDS = " SELECT * FROM WORDS ";
inline constexpr const char* SELECT_WORDS_NO_LEADING_BLANK = "SELECT * FROM WORDS ";
inline constexpr const char* SELECT_TESTS = " SELECT * FROM TESTS ";
inline constexpr const char* SELECT_WORD_ATTEMPTS = " SELECT * FROM WORD_ATTEMPTS ";
inline constexpr const char* SELECT_OPTIONS = " SELECT * FROM OPTIONS ";
inline constexpr const char* SELECT_IDS = " SELECT * FROM IDS ";

inline constexpr const char* WHERE_LIST_ID = " WHERE LIST_ID = ";
inline constexpr const char* WHERE_WORD_ID = " WHERE WORD_ID = ";
inline constexpr const char* WHERE_TEST_ID = " WHERE TEST_ID = ";
inline constexpr const char* WHERE_CODE = " WHERE CODE = '";
inline constexpr const char* CODE_END = "' ";
inline constexpr const char* VALUE_END = " ";

inline constexpr const char* AND_TEST_ID = " AND TEST_ID = ";
inline constexpr const char* AND_ATTEMPT_NUMBER = " AND ATTEMPT_NUMBER = ";
inline constexpr const char* AND_FIRST_ATTEMPT = " AND ATTEMPT_NUMBER = 1 ";
inline constexpr const char* AND_CORRECT = " AND RESULT = 'CORRECT' ";
inline constexpr const char* AND_INCORRECT = " AND RESULT = 'INCORRECT' ";

inline constexpr const char* WHERE_TEST_DATE_BEFORE = " WHERE TEST_DATE < #";
inline constexpr const char* DATE_END = "# ";
inline constexpr const char* AND_NOT_IGNORED = " AND STATUS <> 'IGNORED' ";

inline constexpr const char* ORDER_BY_LIST_ID_DESC = " ORDER BY LIST_ID DESC ";
inline constexpr const char* ORDER_BY_WORD_ID = " ORDER BY WORD_ID ";
inline constexpr const char* ORDER_BY_WORD = " ORDER BY WORD ";
inline constexpr const char* ORDER_BY_ATTEMPT_NUMBER = " ORDER BY ATTEMPT_NUMBER ";
inline constexpr const char* ORDER_BY_START_TIME = " ORDER BY START_TIME ";

inline constexpr const char* DELETE_LISTS = " DELETE FROM LISTS ";
inline constexpr const char* DELETE_WORDS = " DELETE FROM WORDS ";
inline constexpr const char* DELETE_TESTS = " DELETE FROM TESTS ";
inline constexpr const char* DELETE_WORD_ATTEMPTS = " DELETE FROM WORD_ATTEMPTS ";

inline constexpr const char* UPDATE_LISTS = " UPDATE LISTS ";
inline constexpr const char* SET_STATUS_IGNORED = " SET STATUS = 'IGNORED' ";

// The main window's grid: lists with their test dates and the counts CountListWords and
// CountListTests give. Followed by " WHERE LIST_ID = " + id + " ", or, for the next block of
// rows, by WHERE_LIST_ID_UP_TO + the newest LIST_ID the grid shows (the first block) or
// WHERE_LIST_ID_BELOW + the last LIST_ID read, then " " + " ORDER BY LIST_ID DESC " + LIMIT.
inline constexpr const char* SELECT_LIST_GRID_ROWS =
    " SELECT _rowid_ AS ROW_NUMBER, LIST_ID, TEST_DATE,"
    " (SELECT COUNT(*) FROM WORDS WHERE WORDS.LIST_ID = LISTS.LIST_ID) AS WORD_COUNT,"
    " (SELECT COUNT(*) FROM TESTS WHERE TESTS.LIST_ID = LISTS.LIST_ID"
    " AND TESTS.PRACTICE_OF IS NULL AND TESTS.UNFINISHED IS NULL) AS TEST_COUNT"
    " FROM LISTS ";
// The same rows without their counts (they show blank), when the counts cannot be read.
inline constexpr const char* SELECT_LIST_GRID_ROWS_UNCOUNTED =
    " SELECT _rowid_ AS ROW_NUMBER, LIST_ID, TEST_DATE, NULL AS WORD_COUNT, NULL AS TEST_COUNT"
    " FROM LISTS ";
inline constexpr const char* WHERE_LIST_ID_UP_TO = " WHERE LIST_ID <= ";
inline constexpr const char* WHERE_LIST_ID_BELOW = " WHERE LIST_ID < ";
// The lists a walk down the key index never reaches: an empty LIST_ID, or one that sorts above
// every identifier (text, a blob, a number too large). A view names them as damaged.
inline constexpr const char* SELECT_LISTS_OUT_OF_KEY_RANGE =
    " SELECT _rowid_ AS ROW_NUMBER, LIST_ID FROM LISTS "
    " WHERE LIST_ID IS NULL OR LIST_ID > 2147483647 ";
// The newest usable key: a damaged LIST_ID (text, too large) is never the start of the grid.
inline constexpr const char* MAX_LIST_ID =
    " SELECT LIST_ID AS LAST_ID FROM LISTS  WHERE LIST_ID BETWEEN 1 AND 2147483647 "
    " ORDER BY LIST_ID DESC LIMIT 1 ";
// The lists the grid shows, all of them found in the key index alone: a whole-number key from 1
// up to the newest list the grid started from. Followed by that LIST_ID + " ".
inline constexpr const char* WHERE_GRID_KEY_UP_TO =
    " WHERE LIST_ID = CAST(LIST_ID AS INTEGER) AND LIST_ID BETWEEN 1 AND ";
// How many rows the grid has, counted in the key index. Followed by WHERE_GRID_KEY_UP_TO.
inline constexpr const char* COUNT_GRID_LISTS = " SELECT COUNT(*) AS LIST_COUNT FROM LISTS ";
// The same count without walking the lists: all of them (as LIST_TOTAL keeps it; counted
// when its row is missing), less those of LISTS_DAMAGED_KEYS (an index of the few damaged
// keys) and the whole keys above the newest. Followed by the newest list's LIST_ID +
// " ) AS LIST_COUNT ".
inline constexpr const char* COUNT_GRID_LISTS_QUICKLY =
    " SELECT IFNULL((SELECT LISTS FROM LIST_TOTAL WHERE ONE = 1), (SELECT COUNT(*) FROM LISTS)) "
    " - (SELECT COUNT(*) FROM LISTS "
    " WHERE LIST_ID IS NULL OR LIST_ID < 1 OR LIST_ID > 2147483647 "
    " OR LIST_ID <> CAST(LIST_ID AS INTEGER)) - (SELECT COUNT(*) FROM LISTS "
    " WHERE LIST_ID <= 2147483647 AND LIST_ID = CAST(LIST_ID AS INTEGER) AND LIST_ID > ";
// The key of the row at an offset from the top (DESC) or the bottom (ASC) of the grid, read
// from the key index. Followed by WHERE_GRID_KEY_UP_TO + newest + the order + LIMIT/OFFSET.
inline constexpr const char* SELECT_GRID_KEY = " SELECT LIST_ID FROM LISTS ";
inline constexpr const char* ORDER_BY_LIST_ID_ASC = " ORDER BY LIST_ID ";
// Lists whose key the grid cannot show (empty, text, a fraction, below 1, too large), read
// from the index LISTS_DAMAGED_KEYS, whose condition this one must stay word for word.
inline constexpr const char* SELECT_LISTS_WITH_DAMAGED_KEYS =
    " SELECT _rowid_ AS ROW_NUMBER, LIST_ID FROM LISTS "
    " WHERE LIST_ID IS NULL OR LIST_ID < 1 OR LIST_ID > 2147483647 "
    " OR LIST_ID <> CAST(LIST_ID AS INTEGER) ";
// The newest list of a test date, for the main window's search by date. Followed by
// "#m/d/yyyy# " + " AND LIST_ID BETWEEN 1 AND " + newest + " " + ORDER_BY_LIST_ID_DESC + LIMIT 1.
inline constexpr const char* SELECT_LIST_OF_TEST_DATE =
    " SELECT LIST_ID FROM LISTS  WHERE LIST_ID = CAST(LIST_ID AS INTEGER) AND TEST_DATE = #";
inline constexpr const char* AND_LIST_ID_UP_TO = " AND LIST_ID BETWEEN 1 AND ";

// The tests of a list with each one's first-try hits (GetTestScore's count) and the number of
// words it asked, from the tallies the database keeps, and the test a practice round practised.
// Followed by " WHERE LIST_ID = " + id + " " + " ORDER BY START_TIME ".
inline constexpr const char* SELECT_TESTS_WITH_FIRST_TRY =
    " SELECT TESTS._rowid_ AS ROW_NUMBER, TESTS.TEST_ID AS TEST_ID, START_TIME,"
    " IFNULL(TEST_TALLIES.FIRST_TRY, 0) AS FIRST_TRY, PRACTICE_OF, UNFINISHED,"
    " IFNULL(TEST_TALLIES.WORDS_ASKED, 0) AS WORDS_ASKED"
    " FROM TESTS LEFT JOIN TEST_TALLIES ON TEST_TALLIES.TEST_ID = TESTS.TEST_ID ";

// The words of a list with each one's wrong answers in one test, in one statement. Followed
// by the TEST_ID, CLOSE_MISSES, then " WHERE LIST_ID = " + id + " " + " ORDER BY WORD ".
inline constexpr const char* SELECT_WORDS_WITH_MISSES =
    " SELECT _rowid_ AS ROW_NUMBER, WORD_ID, WORD,"
    " (SELECT COUNT(*) FROM WORD_ATTEMPTS WHERE WORD_ATTEMPTS.WORD_ID = WORDS.WORD_ID "
    " AND TEST_ID = ";
inline constexpr const char* CLOSE_MISSES = "  AND RESULT = 'INCORRECT' ) AS MISSES FROM WORDS ";
// Practice rounds of missed words (TESTS.PRACTICE_OF names the test practised). A list's
// history, its test count and its averages are those of its whole-list tests only.
// The words of a test that were not right at the first attempt; + test id + CLOSE_SUBQUERY.
inline constexpr const char* AND_MISSED_IN_TEST =
    " AND WORD_ID IN (SELECT WORD_ID FROM WORD_ATTEMPTS WHERE ATTEMPT_NUMBER = 1 "
    " AND RESULT = 'INCORRECT'  AND TEST_ID = ";
// The words a test asked; + test id + CLOSE_SUBQUERY.
inline constexpr const char* AND_ASKED_IN_TEST =
    " AND WORD_ID IN (SELECT WORD_ID FROM WORD_ATTEMPTS WHERE TEST_ID = ";
inline constexpr const char* CLOSE_SUBQUERY = " ) ";
// The number of words a test asked: + test id + " ".
inline constexpr const char* SELECT_WORDS_ASKED =
    " SELECT DISTINCT WORD_ID FROM WORD_ATTEMPTS  WHERE TEST_ID = ";

// statement + where + id + " ", e.g. " SELECT * FROM LISTS  WHERE LIST_ID = 7 ".
inline QString Where(const char* statement, const char* where, int32_t id)
{
    return QString::fromLatin1(statement) + QString::fromLatin1(where) + QString::number(id) +
           QString::fromLatin1(VALUE_END);
}
} // namespace Sql
