#pragma once
#include <QString>

struct sqlite3;

// The one connection to the database file. Open takes the connection string
// "Provider=...;Data Source=<path>;" and opens the file at Data Source read-write; it never
// creates the file. Every failure raises DbError.
class Connection {
public:
    Connection() = default;
    ~Connection();
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    void Open(const QString& connectionString);
    void Close();
    bool IsOpen() const { return db_ != nullptr; }
    QString FilePath() const { return path_; }

    // Runs one statement (after the date-literal rewrite). Throws DbError on failure,
    // and when the connection is not open.
    void Execute(const QString& sql);

    sqlite3* Handle() const { return db_; }

    // The value of "Data Source=" in a connection string, "" when absent.
    static QString DataSource(const QString& connectionString);
    // Date literals #m/d/yyyy# become 'yyyy-mm-dd' so that they compare with stored ISO dates.
    static QString RewriteDateLiterals(const QString& sql);

private:
    sqlite3* db_ = nullptr;
    QString path_;
};
