#pragma once
#include <QDate>
#include <QDateTime>
#include <QString>
#include <cstdint>
#include <vector>

// The rows earlier sessions of the program would have left, written straight into the test
// database (Globals::DbConnection(), see TestDb.h) through the record-set layer, so that any
// text is stored as typed. Every suite makes its rows with these.
//
// The forms without an identifier take the next one of the IDS counter, as the program does;
// the forms whose first argument is the row's own identifier leave the counter alone.

// A list of the week of 7-13 December 2026, tested on Friday the 11th, status "ACTIVE".
int32_t AddList();
// A list tested on `testDate`, its week the four days before, made five days before it.
int32_t AddList(int32_t listId, const QDate& testDate,
                const QString& status = QStringLiteral("CREATED"));

// What a word holds besides its text.
struct WordFields {
    QString definition = QStringLiteral("a definition");
    QString sentence = QStringLiteral("a sentence");
    bool caseSensitive = false;
};
int32_t AddWord(int32_t listId, const QString& text, const WordFields& fields = {});
int32_t AddWord(int32_t wordId, int32_t listId, const QString& text, const WordFields& fields = {});

// A finished test of five minutes on 8 December 2026 that moved on after three tries.
int32_t AddTest(int32_t listId);
int32_t AddTest(int32_t testId, int32_t listId);
int32_t AddTest(int32_t listId, int32_t moveOnAfter, const QDateTime& start, const QDateTime& end);

void AddAttempt(int32_t testId, int32_t listId, int32_t wordId, const QString& guess, bool correct,
                int32_t number);

// One stored answer, as the results read it.
struct AttemptRow {
    int32_t wordId = 0;
    QString guess;
    QString result;
    int32_t number = 0;
    bool operator==(const AttemptRow&) const = default;
};
// The answers of a test in the order they were stored.
std::vector<AttemptRow> Attempts(int32_t testId);

// A column of the one OPTIONS row, which is made with the program's defaults when missing.
void SetSetting(const char* column, const QString& value);
// A value of the OPTIONS row as text ("" when there is no row).
QString Setting(const char* column);
// The settings row with the defaults but for these three.
void AddOptionsRow(int messageTime = 0, const QString& promptToDelete = QStringLiteral("TRUE"),
                   const QString& testDay = QStringLiteral("Fridays"));

// Runs one statement on the test database.
void Exec(const QString& sql);
// The number of rows a query returns.
int StoredRowCount(const QString& sql);

// Every new row of the table fails as on a full disk, until AllowInserts.
void RefuseInserts(const char* table);
void AllowInserts();
