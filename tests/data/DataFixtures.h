#pragma once
// Rows and raw reads for the data-layer suites. Rows are written through Recordset, the way
// the windows write them; raw reads go straight to SQLite to see what is really stored.
#include "Connection.h"
#include "Globals.h"
#include "Recordset.h"
#include "TestDb.h"

#include <QDate>
#include <QDateTime>
#include <QStringList>
#include <gtest/gtest.h>
#include <memory>
#include <QFile>
#include <QProcess>
#include <sqlite3.h>
#include <unistd.h>

inline Connection& Db()
{
    return Globals::DbConnection();
}

inline void AddList(int32_t listId, const QDate& testDate, const QString& status = "CREATED")
{
    Recordset rs(QStringLiteral(" SELECT * FROM LISTS  WHERE LIST_ID = %1 ").arg(listId), Db());
    rs.AddNew();
    rs.SetField("LIST_ID", listId);
    rs.SetField("WEEK_START", testDate.addDays(-4));
    rs.SetField("WEEK_END", testDate);
    rs.SetField("TEST_DATE", testDate);
    rs.SetField("CREATED_DATE", QDateTime(testDate.addDays(-5), QTime(18, 30, 5)));
    rs.SetField("STATUS", status);
    rs.Update();
}

inline void AddWord(int32_t wordId, int32_t listId, const QString& word)
{
    Recordset rs(QStringLiteral(" SELECT * FROM WORDS  WHERE WORD_ID = %1 ").arg(wordId), Db());
    rs.AddNew();
    rs.SetField("WORD_ID", wordId);
    rs.SetField("LIST_ID", listId);
    rs.SetField("WORD", word);
    rs.SetField("DEFINITION", QString());
    rs.SetField("SENTENCE", QString());
    rs.SetField("CASE_SENSITIVE", "FALSE");
    rs.Update();
}

inline void AddTest(int32_t testId, int32_t listId)
{
    Recordset rs(QStringLiteral(" SELECT * FROM TESTS  WHERE TEST_ID = %1 ").arg(testId), Db());
    rs.AddNew();
    rs.SetField("TEST_ID", testId);
    rs.SetField("LIST_ID", listId);
    rs.SetField("MOVE_ON_AFTER", 3);
    rs.SetField("START_TIME", QDateTime(QDate(2004, 6, 3), QTime(16, 0, 0)));
    rs.SetField("END_TIME", QDateTime(QDate(2004, 6, 3), QTime(16, 5, 0)));
    rs.Update();
}

// Every value of a raw query, row by row, columns joined with "|".
inline QStringList Raw(const QString& sql)
{
    QStringList rows;
    sqlite3_stmt* stmt = nullptr;
    EXPECT_EQ(sqlite3_prepare_v2(Db().Handle(), sql.toUtf8().constData(), -1, &stmt, nullptr),
              SQLITE_OK)
        << sql.toStdString();
    while (stmt && sqlite3_step(stmt) == SQLITE_ROW) {
        QStringList values;
        for (int i = 0; i < sqlite3_column_count(stmt); ++i)
            values << QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(stmt, i)));
        rows << values.join('|');
    }
    sqlite3_finalize(stmt);
    return rows;
}

inline int RawCount(const QString& sql)
{
    const QStringList rows = Raw(QStringLiteral("SELECT COUNT(*) FROM (%1)").arg(sql));
    return rows.isEmpty() ? -1 : rows.first().toInt();
}

// Collects the statements the data layer sends while it lives.
class StatementLog {
public:
    StatementLog()
    {
        Db().SetStatementListener([this](const QString& sql) { statements << sql; });
    }
    ~StatementLog() { Db().SetStatementListener(nullptr); }
    QStringList statements;
};

// Makes a file unwritable even for the super-user (immutable) while it lives.
class ReadOnlyFile {
public:
    explicit ReadOnlyFile(const QString& path) : path_(path)
    {
        QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
        if (geteuid() == 0)
            immutable_ = QProcess::execute("chattr", {"+i", path}) == 0;
    }
    ~ReadOnlyFile()
    {
        if (immutable_)
            QProcess::execute("chattr", {"-i", path_});
        QFile::setPermissions(path_, QFile::ReadOwner | QFile::WriteOwner);
    }
    bool effective() const { return geteuid() != 0 || immutable_; }

private:
    QString path_;
    bool immutable_ = false;
};
