#pragma once
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

// The main window's grid: every list, newest first, with its test date. The word and test
// counts of the rows on screen are read afterwards in blocks with SELECT_LIST_COUNTS (the
// counts CountListWords and CountListTests would give), so that start-up does not count the
// words and tests of years of lists nobody is looking at.
inline constexpr const char* SELECT_LIST_GRID = " SELECT LIST_ID, TEST_DATE FROM LISTS  ORDER BY LIST_ID DESC ";
// Followed by a parenthesised list of LIST_ID numbers.
inline constexpr const char* SELECT_LIST_COUNTS =
    " SELECT LIST_ID,"
    " (SELECT COUNT(*) FROM WORDS WHERE WORDS.LIST_ID = LISTS.LIST_ID) AS WORD_COUNT,"
    " (SELECT COUNT(*) FROM TESTS WHERE TESTS.LIST_ID = LISTS.LIST_ID) AS TEST_COUNT"
    " FROM LISTS  WHERE LIST_ID IN ";
} // namespace Sql
