#pragma once
#include "TestDb.h"
#include "TestOptions.h"

#include <QDateTime>
#include <QString>
#include <memory>
#include <vector>

// One stored answer, as the results read it.
struct AttemptRow {
    int32_t wordId = 0;
    QString guess;
    QString result;
    int32_t number = 0;
    bool operator==(const AttemptRow&) const = default;
};

// A fresh application folder with a real database holding the default settings row, and the
// rows earlier sessions of the program would have left, made straight in the database.
class PracticeRows {
protected:
    void OpenFolder();
    void CloseFolder();

    int32_t AddList();
    int32_t AddWord(int32_t listId, const QString& text, bool caseSensitive = false,
                    const QString& definition = QStringLiteral("a definition"),
                    const QString& sentence = QStringLiteral("a sentence"));
    int32_t AddStoredTest(int32_t listId, int32_t moveOnAfter, const QDateTime& start,
                          const QDateTime& end);
    void AddAttempt(int32_t testId, int32_t listId, int32_t wordId, const QString& guess,
                    bool correct, int32_t number);
    void SetSetting(const char* column, const QString& value);
    QString Setting(const char* column) const;
    int CountRows(const QString& sql) const;
    std::vector<AttemptRow> Attempts(int32_t testId) const;
    // Every new row of the table fails as on a full disk, until AllowInserts.
    void RefuseInserts(const char* table);
    void AllowInserts();

    std::unique_ptr<TestAppFolder> folder;
};

// The settings of a quiet test: no reveal, no sounds.
TestSettings Quiet(int moveOnAfter = 3, const QString& order = QStringLiteral("ALPHABETICAL"));
