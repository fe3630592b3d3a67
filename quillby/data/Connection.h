#pragma once
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

struct sqlite3;
struct sqlite3_stmt;
class QTimer;

// The one connection to the database file. Open takes the connection string
// "Provider=...;Data Source=<path>;" and opens the file at Data Source read-write; it never
// creates the file. Every failure raises DbError.
class Connection {
public:
    Connection();
    ~Connection();
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    // Also gives a file made by an earlier version the indexes of the current schema.
    void Open(const QString& connectionString);
    // Refreshes the query planner's statistics where this run found them missing or stale
    // (PRAGMA optimize), moves the write-ahead log into the file, then closes.
    void Close();
    bool IsOpen() const { return db_ != nullptr; }
    QString FilePath() const { return path_; }

    // Runs one statement (after the date-literal rewrite). Throws DbError on failure,
    // and when the connection is not open.
    void Execute(const QString& sql);

    // The number of rows a SELECT returns, counted by SQLite without building a snapshot.
    // The statement is sent exactly as given, wrapped in "SELECT COUNT(*) FROM (...)".
    // filter, when given, is a condition on the statement's rows counted by SQLite as well;
    // the statement itself is what observers are told.
    long long CountRows(const QString& sql, const QString& filter = QString());

    // True when the statement returns a row, with its "?" parameters bound to the texts in
    // order (no text is spliced into SQL).
    bool AnyRow(const QString& sql, const QStringList& texts);

    sqlite3* Handle() const { return db_; }

    // Called with every statement text handed to Execute, CountRows or a Recordset, exactly
    // as the caller built it (before the date-literal rewrite). Used to check statements.
    using StatementListener = std::function<void(const QString&)>;
    void SetStatementListener(StatementListener listener) { listener_ = std::move(listener); }
    void NotifyStatement(const QString& sql) const
    {
        if (listener_)
            listener_(sql);
    }

    // Throws DbError (naming the statement) when the connection is not open.
    void RequireOpen(const QString& sql) const;
    // The last failure SQLite reported, in plain words naming the file.
    QString LastError() const;

    // A compiled statement, reset for reuse when it goes out of scope.
    class Query {
    public:
        Query(sqlite3_stmt* stmt, bool owned) : stmt_(stmt), owned_(owned) {}
        Query(Query&& other) noexcept : stmt_(other.stmt_), owned_(other.owned_)
        {
            other.stmt_ = nullptr;
        }
        Query(const Query&) = delete;
        Query& operator=(const Query&) = delete;
        ~Query();
        sqlite3_stmt* get() const { return stmt_; }

    private:
        sqlite3_stmt* stmt_;
        bool owned_;
    };
    // Compiles one statement (date literals already rewritten). Whole numbers compared with
    // "=" are bound as parameters, so statements that differ only in an identifier share one
    // compiled form from a small cache. Failures throw DbError naming `shownSql`.
    Query Prepare(const QString& sql, const QString& shownSql);

    // The value of "Data Source=" in a connection string, "" when absent. A value in double
    // or single quotes is read to its closing quote, a doubled quote inside standing for one.
    static QString DataSource(const QString& connectionString);
    // A value as a connection string holds it: in double quotes (inner ones doubled) when it
    // holds ';' or a quote or begins or ends with a blank, else as it is.
    static QString QuoteValue(const QString& value);
    // Date literals #m/d/yyyy# become 'yyyy-mm-dd' so that they compare with stored ISO dates.
    static QString RewriteDateLiterals(const QString& sql);
    // Words sort as the desktop's language sorts them: "ORDER BY WORD" (the words' own
    // column) is sent with the collation LocaleCollation, which each connection registers.
    static QString WithWordOrder(const QString& sql);
    // Letter case counts only between words that are otherwise equal ("cat" before "Dog",
    // "zebra" before "Zebra"); in German "Äpfel" comes before "apple" and "über" before
    // "zebra". No index uses it: an index must not depend on the desktop that wrote it.
    static constexpr const char* LocaleCollation = "LOCALE";

    // Moves every change of the write-ahead log into the database file itself, so that a copy
    // of the file alone holds it. Done at open (after a crash the log still holds the last
    // changes), at close, and when the program has been idle for a moment after a change.
    // False when something (another program reading the file) kept it from finishing; without
    // waitForReaders it never waits for one.
    bool Checkpoint(bool waitForReaders = true);

    // Commits made while one lives return as soon as the write-ahead log holds them, unsynced,
    // and arm no idle checkpoint, so that the log is neither synced nor restarted (a restart
    // syncs its header). A killed program keeps every such commit all the same; a power cut
    // may lose the last ones until the next ordinary commit, whose sync of the log takes in
    // everything before it.
    class RelaxedSync {
    public:
        explicit RelaxedSync(Connection& connection);
        ~RelaxedSync();
        RelaxedSync(const RelaxedSync&) = delete;
        RelaxedSync& operator=(const RelaxedSync&) = delete;

    private:
        Connection& connection_;
        bool was_;
    };

private:
    static int AfterCommit(void* self, sqlite3* db, const char* schema, int frames);
    // Moves the log into the file once the program has been idle a moment; false when there
    // is no event loop to wait in.
    bool ArmIdleCheckpoint();
    void Configure();
    void RegisterLocaleCollation();
    void VerifyQuillbyDatabase();
    // Makes the indexes of the built-in schema that the file lacks and drops retired ones.
    // withTallies false leaves out the tallies' indexes: a missing one tells that the tallies
    // must be counted again.
    void UpgradeSchema(bool withTallies = true);
    QStringList IndexNames() const; // upper case

    sqlite3* db_ = nullptr;
    bool ready_ = false; // opened, checked and configured
    bool relaxed_ = false; // a RelaxedSync lives
    QString path_;
    StatementListener listener_;
    std::unordered_map<std::string, sqlite3_stmt*> cache_;
    std::unique_ptr<QTimer> idleCheckpoint_;
};

// Groups several statements into one all-or-nothing change: committed by Commit(), rolled
// back when the scope ends without it (an exception left the block).
class Transaction {
public:
    explicit Transaction(Connection& connection);
    ~Transaction();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;
    void Commit();

private:
    Connection& connection_;
    bool open_ = false;
};
