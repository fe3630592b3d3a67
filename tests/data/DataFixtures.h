#pragma once
// Raw reads for the data-layer suites: they go straight to SQLite to see what is really
// stored. The rows themselves are made with the fixtures every suite uses (TestRows.h).
#include "Connection.h"
#include "Globals.h"
#include "Recordset.h"
#include "TestDb.h"
#include "TestRows.h"

#include <QDate>
#include <QDateTime>
#include <QStringList>
#include <gtest/gtest.h>
#include <memory>
#include <sqlite3.h>

inline Connection& Db()
{
    return Globals::DbConnection();
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
