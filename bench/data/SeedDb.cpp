#include "SeedDb.h"

#include "DbMaker.h"

#include <QCryptographicHash>
#include <QDate>
#include <QDir>
#include <QFile>
#include <sqlite3.h>
#include <stdexcept>

namespace {
void Check(sqlite3* db, int rc, const char* what)
{
    if (rc != SQLITE_OK && rc != SQLITE_DONE && rc != SQLITE_ROW)
        throw std::runtime_error(std::string(what) + ": " + sqlite3_errmsg(db));
}

// One prepared INSERT, reused for every row.
class Insert {
public:
    Insert(sqlite3* db, const char* sql) : db_(db)
    {
        Check(db, sqlite3_prepare_v2(db, sql, -1, &stmt_, nullptr), sql);
    }
    ~Insert() { sqlite3_finalize(stmt_); }
    Insert& Int(int i, long long v)
    {
        sqlite3_bind_int64(stmt_, i, v);
        return *this;
    }
    Insert& Text(int i, const QString& v)
    {
        const QByteArray utf8 = v.toUtf8();
        sqlite3_bind_text(stmt_, i, utf8.constData(), int(utf8.size()), SQLITE_TRANSIENT);
        return *this;
    }
    void Run()
    {
        Check(db_, sqlite3_step(stmt_), "insert");
        sqlite3_reset(stmt_);
    }

private:
    sqlite3* db_;
    sqlite3_stmt* stmt_ = nullptr;
};

QString Iso(const QDate& d)
{
    return d.toString(QStringLiteral("yyyy-MM-dd"));
}

void Fill(sqlite3* db, const SeedSize& size)
{
    Insert list(db, "INSERT INTO LISTS VALUES (?, ?, ?, ?, ?, 'IGNORED')");
    Insert word(db, "INSERT INTO WORDS VALUES (?, ?, ?, ?, ?, 'FALSE')");
    Insert test(db, "INSERT INTO TESTS (TEST_ID, LIST_ID, MOVE_ON_AFTER, START_TIME, END_TIME) "
                    "VALUES (?, ?, 3, ?, ?)");
    Insert attempt(db, "INSERT INTO WORD_ATTEMPTS VALUES (?, ?, ?, ?, ?, ?)");
    const QDate firstFriday(2004, 6, 4);
    for (int l = 1; l <= size.lists; ++l) {
        const QDate testDate = firstFriday.addDays(7 * (l - 1) - 7 * size.lists);
        list.Int(1, l)
            .Text(2, Iso(testDate.addDays(-4)))
            .Text(3, Iso(testDate))
            .Text(4, Iso(testDate))
            .Text(5, Iso(testDate.addDays(-5)) + QStringLiteral(" 19:30:00"))
            .Run();
        const long long firstWord = (long long)(l - 1) * size.wordsPerList + 1;
        for (int w = 0; w < size.wordsPerList; ++w) {
            const QString text = QStringLiteral("word%1x%2").arg(l).arg(w + 1);
            word.Int(1, firstWord + w).Int(2, l).Text(3, text)
                .Text(4, QStringLiteral("What %1 means, in a few words.").arg(text))
                .Text(5, QStringLiteral("A sentence that uses %1 in context.").arg(text)).Run();
        }
        for (int t = 0; t < size.testsPerList; ++t) {
            const long long testId = (long long)(l - 1) * size.testsPerList + t + 1;
            const QString day = Iso(testDate.addDays(-(t % 4)));
            test.Int(1, testId).Int(2, l).Text(3, day + QStringLiteral(" 16:00:00"))
                .Text(4, day + QStringLiteral(" 16:06:00")).Run();
            for (int w = 0; size.attempts && w < size.wordsPerList; ++w) {
                const bool right = (w + t) % 5 != 0;
                attempt.Int(1, testId).Int(2, l).Int(3, firstWord + w)
                    .Text(4, right ? QStringLiteral("word") : QStringLiteral("wrod"))
                    .Text(5, right ? QStringLiteral("CORRECT") : QStringLiteral("INCORRECT"))
                    .Int(6, 1).Run();
            }
            for (int e = 0; size.attempts && e < size.extraAttemptsPerTest; ++e) {
                attempt.Int(1, testId)
                    .Int(2, l)
                    .Int(3, firstWord + e % size.wordsPerList)
                    .Text(4, QStringLiteral("word"))
                    .Text(5, QStringLiteral("CORRECT"))
                    .Int(6, 2)
                    .Run();
            }
        }
    }
    Insert ids(db, "INSERT INTO IDS VALUES (?, ?)");
    ids.Text(1, QStringLiteral("LIST_ID")).Int(2, size.lists).Run();
    ids.Text(1, QStringLiteral("WORD_ID")).Int(2, (long long)size.lists * size.wordsPerList).Run();
    ids.Text(1, QStringLiteral("TEST_ID")).Int(2, (long long)size.lists * size.testsPerList).Run();
    Check(db, sqlite3_exec(db, "INSERT INTO OPTIONS VALUES ('FALSE', 'TRUE', 'TRUE', 'TRUE', "
                               "'Alphabetical', 3, 'TRUE', 'TRUE', 'FALSE', 'TRUE', 'TRUE', 6, "
                               "'Fridays', 'TRUE', 'TRUE')",
                           nullptr, nullptr, nullptr),
          "options");
}

QString CacheFile(const SeedSize& size)
{
    QFile schema(QStringLiteral(QUILLBY_SCHEMA_PATH));
    schema.open(QIODevice::ReadOnly);
    const QByteArray shape = QStringLiteral("seed-v2 %1 %2 %3 %4 %5")
                                 .arg(size.lists)
                                 .arg(size.wordsPerList)
                                 .arg(size.testsPerList)
                                 .arg(size.extraAttemptsPerTest)
                                 .arg(size.attempts)
                                 .toLatin1();
    const QByteArray hash =
        QCryptographicHash::hash(schema.readAll() + shape, QCryptographicHash::Sha1).toHex();
    return QStringLiteral(QUILLBY_BENCH_CACHE_DIR) + QStringLiteral("/Quillby-large-") +
           QString::fromLatin1(hash.left(10)) + QStringLiteral(".mdb");
}
} // namespace

QString SeedLargeDatabase(const QString& folder, const SeedSize& size)
{
    const QString path = folder + QStringLiteral("/Quillby.mdb");
    if (QFile::exists(path))
        throw std::runtime_error("seeding needs a new file: " + path.toStdString() + " exists");
    std::string error;
    if (MakeDatabaseFile(QUILLBY_SCHEMA_PATH, path.toStdString(), error) != MakeResult::Created)
        throw std::runtime_error("cannot make " + path.toStdString() + ": " + error);
    sqlite3* db = nullptr;
    Check(db, sqlite3_open_v2(path.toUtf8().constData(), &db, SQLITE_OPEN_READWRITE, nullptr),
          "open");
    try {
        Check(db, sqlite3_exec(db, "PRAGMA journal_mode = OFF; PRAGMA synchronous = OFF; BEGIN",
                               nullptr, nullptr, nullptr),
              "begin");
        Fill(db, size);
        Check(db, sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr), "commit");
    } catch (...) {
        sqlite3_close(db);
        QFile::remove(path);
        throw;
    }
    sqlite3_close(db);
    return path;
}

QString CopyLargeDatabase(const QString& folder, const SeedSize& size)
{
    const QString cache = CacheFile(size);
    if (!QFile::exists(cache)) {
        const QString work = QStringLiteral(QUILLBY_BENCH_CACHE_DIR) + QStringLiteral("/seeding");
        QDir(work).removeRecursively();
        QDir().mkpath(work);
        const QString seeded = SeedLargeDatabase(work, size);
        if (!QFile::rename(seeded, cache))
            throw std::runtime_error("cannot keep the seeded database in " + cache.toStdString());
        QDir(work).removeRecursively();
    }
    const QString path = folder + QStringLiteral("/Quillby.mdb");
    QFile::remove(path + QStringLiteral("-wal"));
    QFile::remove(path + QStringLiteral("-shm"));
    QFile::remove(path);
    if (!QFile::copy(cache, path))
        throw std::runtime_error("cannot copy the seeded database to " + path.toStdString());
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup |
                                    QFile::ReadOther);
    return path;
}
