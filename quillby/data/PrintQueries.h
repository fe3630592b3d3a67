#pragma once
#include "WordQueries.h"

#include <QByteArray>
#include <QDate>
#include <QDateTime>
#include <QString>
#include <QStringList>
#include <map>
#include <cstdint>
#include <vector>

// What is read for printing a list and for exporting a list's answers.

// A list's dates and its words in creation (WORD_ID) order.
struct ListSheet {
    QDate weekStart;
    QDate weekEnd;
    QDate testDate;
    std::vector<WordDetails> words;
};
// Throws DbError.
ListSheet ReadListSheet(int32_t listId);

// One stored answer of a list's test, for a spreadsheet.
struct AnswerRow {
    int test = 0;    // the test's number among the list's tests, oldest first
    QDateTime start; // when the test started
    QString word;
    int attempt = 0;
    QString typed;
    QString result; // "CORRECT" or "INCORRECT", as stored
};
// Every answer of every test of the list (unfinished tests and practice rounds included), by
// test, word order of answering and attempt. Throws DbError.
std::vector<AnswerRow> ReadListAnswers(int32_t listId);

// The wrong answers of one test, by WORD_ID, in the order they were typed. Throws DbError.
std::map<int32_t, QStringList> ReadWrongSpellings(int32_t testId);

// When each test of a list started and ended, by TEST_ID. Throws DbError.
struct TestTimes {
    QDateTime start;
    QDateTime end;
};
std::map<int32_t, TestTimes> ReadTestTimes(int32_t listId);

// The answers as UTF-8 CSV with a heading line ("test,date,word,attempt,typed,result"), a
// byte-order mark so spreadsheets read the letters right, fields quoted where they need it
// and a field that begins like a formula made plain text.
QByteArray AnswersCsv(const std::vector<AnswerRow>& rows);
