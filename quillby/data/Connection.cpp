#include "Connection.h"

#include "DbError.h"
#include "SchemaText.h"
#include "SchemaUpgrade.h"
#include "StartLooks.h"
#include "TextCursor.h"

#include <QCollator>
#include <QCoreApplication>
#include <QDate>
#include <QFileInfo>
#include <QLocale>
#include <QRegularExpression>
#include <QStringList>
#include <QTimer>
#include <algorithm>
#include <cctype>
#include <memory>
#include <string>
#include <string_view>
#include <sqlite3.h>

namespace {
// A locked file makes a statement wait this long for the lock, then fail with a message.
constexpr int kBusyTimeoutMs = 2000;

const QStringList& QuillbyTables()
{
    static const QStringList tables = {QStringLiteral("LISTS"),   QStringLiteral("WORDS"),
                                       QStringLiteral("TESTS"),   QStringLiteral("WORD_ATTEMPTS"),
                                       QStringLiteral("OPTIONS"), QStringLiteral("IDS")};
    return tables;
}

QString Describe(sqlite3* db, const QString& path)
{
    const QString reported = QString::fromUtf8(sqlite3_errmsg(db));
    int code = sqlite3_extended_errcode(db) & 0xff;
    // A reset or roll-back after the failure may have replaced the code, not the message.
    if (reported == QString::fromUtf8(sqlite3_errstr(SQLITE_FULL)))
        code = SQLITE_FULL;
    switch (code) {
    case SQLITE_FULL:
        return QCoreApplication::translate(
                   "Connection", "The disk is full, so nothing more could be stored in the "
                                 "database %1. Make some room on the disk and try again.")
            .arg(path);
    case SQLITE_IOERR:
        return QCoreApplication::translate("Connection",
                                           "The disk could not read or write the database %1 (%2).")
            .arg(path, reported);
    default:
        return QCoreApplication::translate("Connection", "The database %1 reported: %2")
            .arg(path, reported);
    }
}

// Finalizes a prepared statement whatever way the scope is left.
struct StatementGuard {
    sqlite3_stmt* stmt = nullptr;
    ~StatementGuard() { sqlite3_finalize(stmt); }
};

// Runs every statement of a text; returns the SQLite result of the first failure.
int RunAll(sqlite3* db, const QByteArray& utf8)
{
    const char* tail = utf8.constData();
    while (tail && *tail) {
        StatementGuard guard;
        const char* next = nullptr;
        int rc = sqlite3_prepare_v2(db, tail, -1, &guard.stmt, &next);
        if (rc != SQLITE_OK)
            return rc;
        tail = next;
        if (!guard.stmt)
            continue; // blanks or a comment only
        while ((rc = sqlite3_step(guard.stmt)) == SQLITE_ROW) {
        }
        if (rc != SQLITE_DONE)
            return rc;
    }
    return SQLITE_OK;
}

// Indexes of earlier versions that a wider one replaced (under another name, or the same).
const char* const kRetiredIndexes[] = {"LISTS_TEST_DATE", "WORD_ATTEMPTS_WORD_ID"};

// An index's definition stripped of what does not change it (blanks, letter case).
QString IndexShape(const QString& create)
{
    QString shape;
    shape.reserve(create.size());
    for (const QChar c : create)
        if (!c.isSpace() && c != QLatin1Char(';'))
            shape += c.toUpper();
    return shape;
}

// The definition stored for the index name, "" when there is none.
QString StoredIndexSql(sqlite3* db, const QString& name)
{
    sqlite3_stmt* stmt = nullptr;
    QString sql;
    if (sqlite3_prepare_v2(db, "SELECT sql FROM sqlite_master WHERE type = 'index' AND name = ?"
                               " COLLATE NOCASE", -1, &stmt, nullptr) == SQLITE_OK) {
        const QByteArray utf8 = name.toUtf8();
        sqlite3_bind_text(stmt, 1, utf8.constData(), -1, SQLITE_TRANSIENT);
        if (sqlite3_step(stmt) == SQLITE_ROW && sqlite3_column_text(stmt, 0))
            sql = QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(stmt, 0)));
    }
    sqlite3_finalize(stmt);
    return sql;
}

// The name (in capitals) and the CREATE statement of an index; empty for any other statement.
// Read by hand: over the schema's long triggers, regular expressions and QString splits cost
// more than all the rest of the opening's checks.
std::pair<QString, QString> IndexStatement(std::string_view statement)
{
    constexpr std::string_view blanks = " \t\r\n";
    std::vector<std::string_view> words; // the first five are enough
    for (size_t at = statement.find_first_not_of(blanks);
         at != std::string_view::npos && words.size() < 5;
         at = statement.find_first_not_of(blanks, at)) {
        const size_t end = std::min(statement.find_first_of(blanks, at), statement.size());
        words.push_back(statement.substr(at, end - at));
        at = end;
    }
    const auto is = [&words](size_t at, std::string_view word) {
        return at < words.size() && words[at].size() == word.size() &&
               std::equal(word.begin(), word.end(), words[at].begin(), [](char a, char b) {
                   return a == std::toupper(static_cast<unsigned char>(b));
               });
    };
    const size_t at = is(1, "UNIQUE") ? 2 : 1;
    if (!is(0, "CREATE") || !is(at, "INDEX") || !is(at + 2, "ON"))
        return {};
    const std::string_view name = words[at + 1];
    if (!std::all_of(name.begin(), name.end(), [](char c) {
            return std::isalnum(static_cast<unsigned char>(c)) || c == '_';
        }))
        return {};
    return {QString::fromLatin1(name.data(), qsizetype(name.size())).toUpper(),
            QString::fromUtf8(statement.data(), qsizetype(statement.size())).simplified()};
}

// Name -> CREATE statement of every index in the built-in schema, read once: the schema is
// part of the program.
const std::vector<std::pair<QString, QString>>& SchemaIndexes()
{
    static const std::vector<std::pair<QString, QString>> indexes = [] {
        std::vector<std::pair<QString, QString>> found;
        const std::string_view text(kQuillbySchemaText);
        std::string statement; // the text since the last ';', comments left out
        for (size_t at = 0; at < text.size();) {
            size_t stop = at; // std::string_view::find_first_of asks each character apart
            while (stop < text.size() && text[stop] != '-' && text[stop] != ';')
                ++stop;
            statement.append(text.substr(at, stop - at));
            if (stop == text.size())
                break;
            if (text[stop] == ';') {
                if (auto index = IndexStatement(statement); !index.first.isEmpty())
                    found.push_back(std::move(index));
                statement.clear();
                at = stop + 1;
            } else if (text.compare(stop, 2, "--") == 0) {
                at = std::min(text.find('\n', stop), text.size()); // the line's end stays
            } else {
                statement += '-';
                at = stop + 1;
            }
        }
        return found;
    }();
    return indexes;
}

// Lets the query planner estimate rows from a bounded sample (a few milliseconds on any size
// of file) whenever it (re)gathers its statistics.
constexpr const char* kAnalysisLimit = "PRAGMA analysis_limit = 400;";

constexpr size_t kMaxCachedStatements = 64;

// Quiet time after a change before the log is moved into the file: a run of answers or of
// saved words is moved once, after its last change.
constexpr int kIdleCheckpointMs = 300;
// A log this long is moved at once, as SQLite's own automatic checkpoint would.
constexpr int kCheckpointFrames = 1000;
// The desktop language's order of words: letters first (case and accents aside), then letter
// case, then the characters themselves, so that no two different words ever tie. The locale
// is taken when the connection opens; its collation data is loaded at the first sort, not
// at start-up.
struct WordCollators {
    QLocale locale;
    std::unique_ptr<QCollator> letters;
    std::unique_ptr<QCollator> cased;
    void Load()
    {
        letters = std::make_unique<QCollator>(locale);
        letters->setCaseSensitivity(Qt::CaseInsensitive);
        cased = std::make_unique<QCollator>(locale);
        cased->setCaseSensitivity(Qt::CaseSensitive);
    }
};

int CompareWords(void* collators, int size1, const void* text1, int size2, const void* text2)
{
    auto* c = static_cast<WordCollators*>(collators);
    if (!c->letters)
        c->Load();
    const QStringView a(static_cast<const char16_t*>(text1), size1 / 2);
    const QStringView b(static_cast<const char16_t*>(text2), size2 / 2);
    int order = c->letters->compare(a, b);
    if (order == 0)
        order = c->cased->compare(a, b);
    if (order == 0)
        order = a.compare(b);
    return order < 0 ? -1 : order > 0 ? 1 : 0;
}

// Replaces each whole number that follows "=" (outside quotes) with "?" and collects it.
std::string Parameterize(const QString& sql, std::vector<long long>& numbers)
{
    QString out;
    out.reserve(sql.size());
    const qsizetype n = sql.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = sql[i];
        if (c == QLatin1Char('\'') || c == QLatin1Char('"')) {
            qsizetype end = sql.indexOf(c, i + 1);
            while (end >= 0 && end + 1 < n && sql[end + 1] == c)
                end = sql.indexOf(c, end + 2);
            if (end < 0)
                end = n - 1;
            out += sql.mid(i, end - i + 1);
            i = end;
            continue;
        }
        out += c;
        if (c != QLatin1Char('='))
            continue;
        qsizetype j = i + 1;
        while (j < n && sql[j] == QLatin1Char(' '))
            ++j;
        qsizetype k = j < n && sql[j] == QLatin1Char('-') ? j + 1 : j;
        const qsizetype digits = k;
        while (k < n && sql[k].isDigit() && sql[k].unicode() < 128)
            ++k;
        const bool ends = k == n || sql[k] == QLatin1Char(' ') || sql[k] == QLatin1Char(')');
        bool ok = false;
        const long long value = sql.mid(j, k - j).toLongLong(&ok);
        if (k > digits && ends && ok && k - digits < 18) {
            numbers.push_back(value);
            out += sql.mid(i + 1, j - i - 1) + QLatin1Char('?');
            i = k - 1;
        }
    }
    return out.toStdString();
}

// The time of '#m/d/yyyy h:mm[:ss] [AM|PM]#', from its blanks before the hour on; false (the
// literal is left as it is) when it is none.
bool ReadLiteralTime(TextCursor& at, QTime& time)
{
    if (!at.Blanks())
        return false;
    int hour = at.Number(1, 2);
    const int minute = hour >= 0 && at.Take(QLatin1StringView(":")) ? at.Number(2, 2) : -1;
    int second = 0;
    if (minute >= 0 && at.Take(QLatin1StringView(":")))
        second = at.Number(2, 2);
    if (minute < 0 || second < 0)
        return false;
    at.Blanks();
    if (at.Take(QLatin1StringView("PM"))) {
        hour += hour < 12 ? 12 : 0;
    } else if (at.Take(QLatin1StringView("AM"))) {
        hour = hour == 12 ? 0 : hour;
    }
    time = QTime(hour, minute, second);
    return true;
}

// '#m/d/yyyy#' or '#m/d/yyyy h:mm:ss [AM|PM]#' inside the two '#' signs.
QString IsoFromLiteral(const QString& inner)
{
    TextCursor at(inner);
    at.Blanks();
    const int month = at.Number(1, 2);
    const int day = month >= 0 && at.Take(QLatin1StringView("/")) ? at.Number(1, 2) : -1;
    const int year = day >= 0 && at.Take(QLatin1StringView("/")) ? at.Number(4, 4) : -1;
    if (year < 0)
        return {};
    TextCursor afterDate = at;
    QTime time;
    const bool timed = ReadLiteralTime(at, time);
    if (!timed)
        at = afterDate;
    at.Blanks();
    const QDate date(year, month, day);
    if (!at.AtEnd() || !date.isValid() || (timed && !time.isValid()))
        return {};
    if (!timed)
        return date.toString(QStringLiteral("yyyy-MM-dd"));
    return date.toString(QStringLiteral("yyyy-MM-dd ")) + time.toString(QStringLiteral("HH:mm:ss"));
}
// Where the value of "Data Source =" begins (at the start or after a ';', blanks around its
// words aside); -1 without one.
qsizetype DataSourceValueAt(const QString& text)
{
    for (qsizetype key = 0; key >= 0;) {
        TextCursor at(text, key);
        at.Blanks();
        if (at.Take(QLatin1StringView("Data Source"))) {
            at.Blanks();
            if (at.Take(QLatin1StringView("="))) {
                at.Blanks();
                return at.At();
            }
        }
        key = text.indexOf(QLatin1Char(';'), key);
        if (key >= 0)
            ++key;
    }
    return -1;
}
} // namespace

Connection::Connection() = default;

Connection::~Connection()
{
    Close();
}

QString Connection::DataSource(const QString& connectionString)
{
    const qsizetype start = DataSourceValueAt(connectionString);
    if (start < 0)
        return QString();
    const QChar quote = start < connectionString.size() ? connectionString[start] : QChar();
    if (quote != QLatin1Char('"') && quote != QLatin1Char('\''))
        return connectionString.mid(start).section(QLatin1Char(';'), 0, 0).trimmed();
    // A quoted value runs to its closing quote; a doubled quote inside stands for one.
    QString value;
    for (qsizetype i = start + 1; i < connectionString.size(); ++i) {
        if (connectionString[i] != quote) {
            value += connectionString[i];
            continue;
        }
        if (i + 1 < connectionString.size() && connectionString[i + 1] == quote) {
            value += quote;
            ++i;
            continue;
        }
        break;
    }
    return value;
}

QString Connection::QuoteValue(const QString& value)
{
    // Unquoted, a value ends at its first ';' and loses its outer blanks.
    const bool plain = !value.contains(QLatin1Char(';')) && !value.contains(QLatin1Char('"')) &&
                       !value.contains(QLatin1Char('\'')) && value.trimmed() == value;
    if (plain)
        return value;
    QString quoted = value;
    quoted.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

QString Connection::RewriteDateLiterals(const QString& sql)
{
    QString out;
    out.reserve(sql.size());
    for (qsizetype i = 0; i < sql.size(); ++i) {
        const QChar c = sql[i];
        if (c == QLatin1Char('\'') || c == QLatin1Char('"')) {
            // Quoted text and names are copied untouched ('' and "" stay inside).
            qsizetype end = sql.indexOf(c, i + 1);
            while (end >= 0 && end + 1 < sql.size() && sql[end + 1] == c)
                end = sql.indexOf(c, end + 2);
            if (end < 0)
                end = sql.size() - 1;
            out += sql.mid(i, end - i + 1);
            i = end;
            continue;
        }
        if (c == QLatin1Char('#')) {
            const qsizetype end = sql.indexOf(QLatin1Char('#'), i + 1);
            if (end > i) {
                const QString iso = IsoFromLiteral(sql.mid(i + 1, end - i - 1));
                if (!iso.isEmpty()) {
                    out += QLatin1Char('\'') + iso + QLatin1Char('\'');
                    i = end;
                    continue;
                }
            }
        }
        out += c;
    }
    return out;
}

QString Connection::WithWordOrder(const QString& sql)
{
    static const QRegularExpression orderByWord(
        QStringLiteral(R"(\bORDER BY WORD\b(?!\s+COLLATE))"),
        QRegularExpression::CaseInsensitiveOption);
    if (!sql.contains(QLatin1String("ORDER BY WORD"), Qt::CaseInsensitive))
        return sql;
    QString out = sql;
    return out.replace(orderByWord, QStringLiteral("ORDER BY WORD COLLATE ") +
                                        QLatin1String(LocaleCollation));
}

void Connection::Open(const QString& connectionString)
{
    Close();
    const QString path = DataSource(connectionString);
    if (path.isEmpty())
        throw DbError(QString(),
                      QCoreApplication::translate(
                          "Connection", "The connection string names no database file: %1")
                          .arg(connectionString));
    const QFileInfo info(path);
    if (!info.exists())
        throw DbError(QString(), QCoreApplication::translate("Connection",
                                                             "The database file %1 does not exist.")
                                     .arg(path));
    if (info.isDir())
        throw DbError(QString(), QCoreApplication::translate("Connection",
                                                             "%1 is a folder, not a database file.")
                                     .arg(path));

    // The handle the start's looks read the file through, when there is one: it has read the
    // schema already.
    sqlite3* db = TakeStartLook(path.toUtf8().toStdString());
    // A connection is only ever used by the thread that opened it, so SQLite need not lock it
    // for every value read.
    const int rc = db ? SQLITE_OK
                      : sqlite3_open_v2(path.toUtf8().constData(), &db,
                                        SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX, nullptr);
    if (rc != SQLITE_OK) {
        const QString message = db ? Describe(db, path)
                                   : QCoreApplication::translate(
                                         "Connection", "The database %1 cannot be opened.")
                                         .arg(path);
        sqlite3_close(db);
        throw DbError(QString(), message);
    }
    db_ = db;
    path_ = path;
    try {
        RegisterLocaleCollation();
        if (sqlite3_db_readonly(db_, "main") == 1)
            throw DbError(QString(), QCoreApplication::translate(
                                         "Connection", "The database file %1 is read-only: nothing "
                                                       "could be stored in it.")
                                         .arg(path));
        sqlite3_busy_timeout(db_, kBusyTimeoutMs);
        VerifyQuillbyDatabase();
        Configure();
        // The answers' indexes first: counting the tallies of an old file reads through them.
        UpgradeSchema(false);
        std::string error;
        bool counted = false;
        if (!AddMissingColumns(db_))
            error = sqlite3_errmsg(db_);
        else if (AddMissingTallies(db_, error, &counted) && // each sets the error when it fails
                 AddMissingFirstTries(db_, error))
            // After the tallies: an old file has no trigger at all until they are counted.
            AddMissingListTotal(db_, error);
        if (!error.empty())
            throw DbError(QString(), QStringLiteral("The database %1 could not be brought up "
                                                    "to date (%2).")
                                         .arg(path_, QString::fromStdString(error)));
        UpgradeSchema();
        // The log an old file's count of its tallies left is moved into the file once the
        // program is idle, after the main window is painted, not while the user waits.
        if (!counted || !ArmIdleCheckpoint())
            Checkpoint();
        sqlite3_wal_hook(db_, &Connection::AfterCommit, this);
        AddMissingTables(db_);
        // Newer SQLite versions also check every table's statistics when the connection
        // opens, as they recommend for long-lived connections (older ones ignore the flag).
        RunAll(db_, QByteArray(kAnalysisLimit) + " PRAGMA optimize = 0x10002;");
        ready_ = true;
    } catch (...) {
        Close();
        throw;
    }
}

void Connection::VerifyQuillbyDatabase()
{
    const QString probe = QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table'");
    StatementGuard guard;
    int rc = sqlite3_prepare_v2(db_, probe.toUtf8().constData(), -1, &guard.stmt, nullptr);
    QStringList found;
    if (rc == SQLITE_OK) {
        while ((rc = sqlite3_step(guard.stmt)) == SQLITE_ROW)
            found << QString::fromUtf8(
                reinterpret_cast<const char*>(sqlite3_column_text(guard.stmt, 0)));
    }
    if (rc != SQLITE_DONE) {
        throw DbError(QString(),
                      QCoreApplication::translate(
                          "Connection", "The file %1 cannot be read as a Quillby database "
                                        "(%2).")
                          .arg(path_, QString::fromUtf8(sqlite3_errmsg(db_))));
    }
    for (const QString& table : QuillbyTables()) {
        if (!found.contains(table, Qt::CaseInsensitive))
            throw DbError(QString(), QCoreApplication::translate(
                                         "Connection", "The file %1 is not a Quillby database: it "
                                                       "has no table %2.")
                                         .arg(path_, table));
    }
}

void Connection::Configure()
{
    // Write-ahead log with full sync: every stored change is on disk when its statement
    // returns, at the cost of one sync per change.
    // A page cache of 16 MiB (filled only as pages are read) keeps what one window read for
    // the next: the past tests, their results and the hardest words read different indexes of
    // the same answers, and the default 2 MiB could not hold them together.
    // Sorts and the temporary tables of the tallies' triggers stay in memory: each one made
    // in a temporary file cost more than the statement around it.
    const QByteArray pragmas = "PRAGMA journal_mode = WAL; PRAGMA synchronous = FULL; "
                               "PRAGMA cache_size = -16384; PRAGMA temp_store = MEMORY;";
    if (RunAll(db_, pragmas) != SQLITE_OK)
        throw DbError(QString(),
                      QCoreApplication::translate(
                          "Connection", "The database %1 cannot be made ready for writing; "
                                        "its folder may be read-only, full or in use (%2).")
                          .arg(path_, QString::fromUtf8(sqlite3_errmsg(db_))));
}

void Connection::RegisterLocaleCollation()
{
    // The desktop's language as it is now (QLocale's default): a connection keeps its order.
    auto* collators = new WordCollators;
    const auto destroy = [](void* c) { delete static_cast<WordCollators*>(c); };
    if (sqlite3_create_collation_v2(db_, LocaleCollation, SQLITE_UTF16_ALIGNED, collators,
                                    CompareWords, destroy) != SQLITE_OK) {
        destroy(collators); // SQLite leaves it to the caller when the call fails
        throw DbError(QString(), Describe(db_, path_));
    }
}

QStringList Connection::IndexNames() const
{
    QStringList names;
    StatementGuard guard;
    if (sqlite3_prepare_v2(db_, "SELECT name FROM sqlite_master WHERE type = 'index'", -1,
                           &guard.stmt, nullptr) != SQLITE_OK)
        return names;
    while (sqlite3_step(guard.stmt) == SQLITE_ROW)
        names << QString::fromUtf8(
                     reinterpret_cast<const char*>(sqlite3_column_text(guard.stmt, 0)))
                     .toUpper();
    return names;
}

void Connection::UpgradeSchema(bool withTallies)
{
    QStringList present = IndexNames();
    QStringList changes;
    const auto& schema = SchemaIndexes();
    // A retired name the schema uses again for a wider index is dropped only while it still
    // holds the earlier definition (and then made anew below), not at every opening.
    for (const char* retired : kRetiredIndexes) {
        const QString name = QString::fromLatin1(retired);
        const auto again = std::find_if(schema.begin(), schema.end(),
                                        [&name](const auto& index) { return index.first == name; });
        if (!present.contains(name) ||
            (again != schema.end() &&
             IndexShape(StoredIndexSql(db_, name)) == IndexShape(again->second)))
            continue;
        changes << QStringLiteral("DROP INDEX %1").arg(name);
        present.removeAll(name);
    }
    for (const auto& [name, create] : schema)
        // The first tries' indexes come with their table (AddMissingFirstTries).
        if (!present.contains(name) && (withTallies || !create.contains(QLatin1String("_TALL"))) &&
            !create.contains(QLatin1String(kFirstTriesTable)))
            changes << create;
    if (changes.isEmpty())
        return;
    // Indexes only make lookups faster: a file where one cannot be made (an old file with
    // duplicate keys, a full disk) still opens, and the next start tries again.
    if (RunAll(db_, "BEGIN IMMEDIATE") != SQLITE_OK)
        return;
    for (const QString& change : changes)
        RunAll(db_, change.toUtf8());
    if (RunAll(db_, "COMMIT") != SQLITE_OK)
        RunAll(db_, "ROLLBACK");
}

void Connection::Close()
{
    for (auto& entry : cache_)
        sqlite3_finalize(entry.second);
    cache_.clear();
    idleCheckpoint_.reset();
    if (db_ && ready_) {
        // Years of lists are never analysed by anyone else: the planner's statistics are
        // refreshed here for the tables this run used, when they are missing or out of date.
        RunAll(db_, QByteArray(kAnalysisLimit) + " PRAGMA optimize;");
        Checkpoint();
    }
    ready_ = false;
    if (db_) {
        sqlite3_close_v2(db_);
        db_ = nullptr;
    }
    path_.clear();
}

bool Connection::Checkpoint(bool waitForReaders)
{
    if (!db_)
        return false;
    // Truncating also leaves an empty log beside the file, which says plainly that the file
    // holds everything; it waits for readers as a statement does, which only opening and
    // closing can afford.
    const int mode = waitForReaders ? SQLITE_CHECKPOINT_TRUNCATE : SQLITE_CHECKPOINT_PASSIVE;
    int logged = 0;
    int moved = 0;
    const int rc = sqlite3_wal_checkpoint_v2(db_, "main", mode, &logged, &moved);
    return rc == SQLITE_OK && moved == logged;
}

int Connection::AfterCommit(void* self, sqlite3* db, const char* schema, int frames)
{
    auto* connection = static_cast<Connection*>(self);
    if (frames >= kCheckpointFrames) {
        sqlite3_wal_checkpoint_v2(db, schema, SQLITE_CHECKPOINT_PASSIVE, nullptr, nullptr);
        return SQLITE_OK;
    }
    if (connection->relaxed_) {
        // The next ordinary commit syncs the log and arms the checkpoint again.
        if (connection->idleCheckpoint_)
            connection->idleCheckpoint_->stop();
        return SQLITE_OK;
    }
    connection->ArmIdleCheckpoint(); // with no event loop, the next open or close does it
    return SQLITE_OK;
}

bool Connection::ArmIdleCheckpoint()
{
    if (!QCoreApplication::instance())
        return false;
    if (!idleCheckpoint_) {
        idleCheckpoint_ = std::make_unique<QTimer>();
        idleCheckpoint_->setSingleShot(true);
        idleCheckpoint_->setInterval(kIdleCheckpointMs);
        QObject::connect(idleCheckpoint_.get(), &QTimer::timeout, [this] { Checkpoint(false); });
    }
    idleCheckpoint_->start(); // again from the start after each change
    return true;
}

Connection::RelaxedSync::RelaxedSync(Connection& connection)
    : connection_(connection), was_(connection.relaxed_)
{
    if (!was_ && connection_.db_ &&
        RunAll(connection_.db_, "PRAGMA synchronous = NORMAL") == SQLITE_OK)
        connection_.relaxed_ = true;
}

Connection::RelaxedSync::~RelaxedSync()
{
    if (was_ || !connection_.relaxed_)
        return;
    connection_.relaxed_ = false;
    if (connection_.db_)
        RunAll(connection_.db_, "PRAGMA synchronous = FULL");
}

void Connection::RequireOpen(const QString& sql) const
{
    if (!db_)
        throw DbError(sql, QCoreApplication::translate("Connection", "The database is not open."));
}

QString Connection::LastError() const
{
    return Describe(db_, path_);
}

void Connection::Execute(const QString& sql)
{
    RequireOpen(sql);
    NotifyStatement(sql);
    if (RunAll(db_, RewriteDateLiterals(sql).toUtf8()) != SQLITE_OK)
        throw DbError(sql, Describe(db_, path_));
}

long long Connection::CountRows(const QString& sql, const QString& filter)
{
    RequireOpen(sql);
    NotifyStatement(sql);
    QString count = QStringLiteral("SELECT COUNT(*) FROM (") + RewriteDateLiterals(sql) +
                    QStringLiteral(")");
    if (!filter.isEmpty())
        count += QStringLiteral(" WHERE ") + filter;
    const Query query = Prepare(count, sql);
    if (sqlite3_step(query.get()) != SQLITE_ROW)
        throw DbError(sql, Describe(db_, path_));
    return sqlite3_column_int64(query.get(), 0);
}

bool Connection::AnyRow(const QString& sql, const QStringList& texts)
{
    RequireOpen(sql);
    NotifyStatement(sql);
    const Query query = Prepare(sql, sql);
    for (int i = 0; i < texts.size(); ++i) {
        const QByteArray utf8 = texts[i].toUtf8();
        sqlite3_bind_text(query.get(), i + 1, utf8.constData(), int(utf8.size()), SQLITE_TRANSIENT);
    }
    const int rc = sqlite3_step(query.get());
    if (rc != SQLITE_ROW && rc != SQLITE_DONE)
        throw DbError(sql, Describe(db_, path_));
    return rc == SQLITE_ROW;
}

Connection::Query::~Query()
{
    if (!stmt_)
        return;
    if (owned_) {
        sqlite3_finalize(stmt_);
    } else {
        sqlite3_reset(stmt_);
    }
}

Connection::Query Connection::Prepare(const QString& sql, const QString& shownSql)
{
    RequireOpen(shownSql);
    std::vector<long long> numbers;
    const std::string text = Parameterize(WithWordOrder(sql), numbers);
    sqlite3_stmt* stmt = nullptr;
    bool owned = false;
    const auto cached = cache_.find(text);
    if (cached != cache_.end() && !sqlite3_stmt_busy(cached->second)) {
        stmt = cached->second;
        sqlite3_clear_bindings(stmt);
    } else {
        if (sqlite3_prepare_v2(db_, text.c_str(), int(text.size()), &stmt, nullptr) != SQLITE_OK ||
            !stmt) {
            sqlite3_finalize(stmt);
            throw DbError(shownSql, Describe(db_, path_));
        }
        if (cached == cache_.end()) {
            if (cache_.size() >= kMaxCachedStatements) {
                for (auto& entry : cache_)
                    sqlite3_finalize(entry.second);
                cache_.clear();
            }
            cache_.emplace(text, stmt);
        } else {
            owned = true; // the cached one is in use further up the stack
        }
    }
    Query query(stmt, owned);
    for (size_t i = 0; i < numbers.size(); ++i)
        sqlite3_bind_int64(stmt, int(i) + 1, numbers[i]);
    return query;
}

Transaction::Transaction(Connection& connection) : connection_(connection)
{
    connection_.RequireOpen(QStringLiteral("BEGIN"));
    // Inside an enclosing transaction this one simply takes part in it.
    if (!sqlite3_get_autocommit(connection_.Handle()))
        return;
    if (RunAll(connection_.Handle(), "BEGIN IMMEDIATE") != SQLITE_OK)
        throw DbError(QStringLiteral("BEGIN IMMEDIATE"),
                      Describe(connection_.Handle(), connection_.FilePath()));
    open_ = true;
}

Transaction::~Transaction()
{
    if (open_ && connection_.Handle())
        RunAll(connection_.Handle(), "ROLLBACK");
}

void Transaction::Commit()
{
    if (!open_)
        return;
    if (RunAll(connection_.Handle(), "COMMIT") != SQLITE_OK) {
        const QString message = Describe(connection_.Handle(), connection_.FilePath());
        throw DbError(QStringLiteral("COMMIT"), message);
    }
    open_ = false;
}
