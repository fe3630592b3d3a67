#include "BackupFile.h"

#include "SoundFolder.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QStringList>
#include <QUrl>
#include <filesystem>
#include <sqlite3.h>
#include <system_error>

namespace {
constexpr int kBusyTimeoutMs = 5000;
// A backup reads and writes each page about once, so a page cache larger than a few index
// paths only adds to the memory of the program while the day's backup runs beside its start
// (SQLite's default is 2 MiB for each of the two files open).
constexpr const char* kSmallPageCache = "PRAGMA cache_size = -256";
const QString kRestoringName = QStringLiteral("restoring.part");

// One SQLite connection, closed whatever way the scope is left.
class Db {
public:
    Db() = default;
    ~Db() { sqlite3_close_v2(db_); }
    Db(const Db&) = delete;
    Db& operator=(const Db&) = delete;
    bool Open(const QString& path, int flags)
    {
        const int rc = sqlite3_open_v2(QFile::encodeName(path).constData(), &db_,
                                       flags | SQLITE_OPEN_NOMUTEX, nullptr);
        if (rc != SQLITE_OK)
            return false;
        sqlite3_busy_timeout(db_, kBusyTimeoutMs);
        Run(kSmallPageCache);
        return true;
    }
    sqlite3* get() const { return db_; }
    int Code() const { return db_ ? sqlite3_extended_errcode(db_) & 0xff : SQLITE_CANTOPEN; }
    QString Message() const
    {
        return db_ ? QString::fromUtf8(sqlite3_errmsg(db_)) : QStringLiteral("out of memory");
    }
    bool Run(const char* sql)
    {
        return sqlite3_exec(db_, sql, nullptr, nullptr, nullptr) == SQLITE_OK;
    }

private:
    sqlite3* db_ = nullptr;
};

class Statement {
public:
    Statement(sqlite3* db, const char* sql) { sqlite3_prepare_v2(db, sql, -1, &stmt_, nullptr); }
    ~Statement() { sqlite3_finalize(stmt_); }
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;
    sqlite3_stmt* get() const { return stmt_; }
    bool Ok() const { return stmt_ != nullptr; }
    bool Row() { return stmt_ && sqlite3_step(stmt_) == SQLITE_ROW; }
    QString Text(int column) const
    {
        return QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(stmt_, column)));
    }
    long long Number(int column) const { return sqlite3_column_int64(stmt_, column); }
    QByteArray Blob(int column) const
    {
        const auto* data = static_cast<const char*>(sqlite3_column_blob(stmt_, column));
        return QByteArray(data, sqlite3_column_bytes(stmt_, column));
    }

private:
    sqlite3_stmt* stmt_ = nullptr;
};

QString Sha256(const QByteArray& bytes)
{
    return QString::fromLatin1(QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex());
}

// A write that failed, in words a parent can act on.
QString WriteFailure(int code, const QString& path, const QString& detail)
{
    if (code == SQLITE_FULL)
        return QCoreApplication::translate(
                   "BackupFile",
                   "The disk is full: the backup %1 could not be written. Make some room on the "
                   "disk or choose another place, and try again.")
            .arg(QDir::toNativeSeparators(path));
    if (code == SQLITE_READONLY || code == SQLITE_CANTOPEN || code == SQLITE_PERM)
        return QCoreApplication::translate(
                   "BackupFile",
                   "The backup %1 could not be written: its folder is read-only or missing. "
                   "Choose another place and try again.")
            .arg(QDir::toNativeSeparators(path));
    return QCoreApplication::translate("BackupFile", "The backup %1 could not be written (%2).")
        .arg(QDir::toNativeSeparators(path), detail);
}

QString NotABackup(const QString& path)
{
    return QCoreApplication::translate("BackupFile",
                                       "%1 is not a Quillby backup. Nothing was changed.")
        .arg(QDir::toNativeSeparators(path));
}

QString Damaged(const QString& path, const QString& detail)
{
    return QCoreApplication::translate(
               "BackupFile", "The backup %1 is damaged or incomplete (%2). Nothing was changed.")
        .arg(QDir::toNativeSeparators(path), detail);
}

// The recordings Quillby keeps: the .wav files of the folder (the working copy and side files
// of interrupted copies have other names).
QStringList RecordingNames(const QString& wavFolder)
{
    return QDir(wavFolder).entryList({QStringLiteral("*.wav")}, QDir::Files, QDir::Name);
}

bool ReadWhole(const QString& path, QByteArray& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    bytes = file.readAll();
    return file.error() == QFileDevice::NoError;
}

// Writes a file through a side file and a rename: a failure leaves no half-written file under
// the final name.
bool WriteWhole(const QString& path, const QByteArray& bytes)
{
    QFile file(path + QStringLiteral(".part"));
    const bool written = file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() &&
                         file.flush();
    file.close();
    if (!written || !QFile::rename(file.fileName(), path)) {
        QFile::remove(file.fileName());
        return false;
    }
    return true;
}

// Removes a side file SQLite wrote and what SQLite keeps beside it. A program killed while it
// wrote one leaves them: the journal, or the write-ahead log and its index that a copy of the
// database (which uses one) has until it is switched back to a journal.
void RemoveWithSqliteSides(const QString& path)
{
    for (const QString& side :
         {QString(), QStringLiteral("-journal"), QStringLiteral("-wal"), QStringLiteral("-shm")})
        QFile::remove(path + side);
}

bool RenameReplacing(const QString& from, const QString& to)
{
    std::error_code error;
    std::filesystem::rename(QFile::encodeName(from).toStdString(),
                            QFile::encodeName(to).toStdString(), error);
    return !error;
}

// Pages copied between two looks at a backup's stop (4 MiB of 4 KiB pages).
constexpr int kCopyStepPages = 1024;
// Virtual machine steps of SQLite between two looks at the stop while a backup is checked.
constexpr int kCheckSteps = 100000;

bool Stopped(const BackupStop& stop) { return stop && stop(); }

// Copies the whole database into `dest`: one consistent snapshot, so the program may go on
// writing meanwhile. Without a stop, in one step with a read transaction of its own. With one,
// in steps between which it is asked; the source's read transaction is then held across
// them, for a write of the program between two steps would otherwise restart the copy (and
// go on restarting it while someone works).
bool CopyDatabase(sqlite3* from, sqlite3* dest, const BackupStop& stop = {})
{
    const bool held = stop && sqlite3_exec(from, "BEGIN; SELECT COUNT(*) FROM sqlite_master;",
                                           nullptr, nullptr, nullptr) == SQLITE_OK;
    sqlite3_backup* backup = sqlite3_backup_init(dest, "main", from, "main");
    int rc = backup ? SQLITE_OK : SQLITE_ERROR;
    while (backup && (rc == SQLITE_OK || rc == SQLITE_BUSY || rc == SQLITE_LOCKED)) {
        if (Stopped(stop)) {
            rc = SQLITE_INTERRUPT;
            break;
        }
        rc = sqlite3_backup_step(backup, held ? kCopyStepPages : -1);
        if (rc == SQLITE_BUSY || rc == SQLITE_LOCKED)
            sqlite3_sleep(20);
    }
    const bool finished = backup && sqlite3_backup_finish(backup) == SQLITE_OK;
    if (held)
        sqlite3_exec(from, "COMMIT", nullptr, nullptr, nullptr);
    return finished && rc == SQLITE_DONE;
}

bool AddRecordings(Db& dest, const QString& wavFolder, QHash<QString, QString>& hashes,
                   const BackupStop& stop)
{
    if (!dest.Run("BEGIN"))
        return false;
    Statement insert(dest.get(), "INSERT INTO BACKUP_RECORDINGS (NAME, SIZE, SHA256, DATA) "
                                 "VALUES (?, ?, ?, ?)");
    if (!insert.Ok())
        return false;
    for (const QString& name : RecordingNames(wavFolder)) {
        if (Stopped(stop))
            return false;
        QByteArray bytes;
        if (!ReadWhole(QDir(wavFolder).filePath(name), bytes))
            continue; // removed meanwhile: it belongs to no word any more
        const QByteArray utf8 = name.toUtf8();
        const QString hash = Sha256(bytes);
        const QByteArray hashText = hash.toLatin1();
        sqlite3_bind_text(insert.get(), 1, utf8.constData(), int(utf8.size()), SQLITE_STATIC);
        sqlite3_bind_int64(insert.get(), 2, bytes.size());
        sqlite3_bind_text(insert.get(), 3, hashText.constData(), -1, SQLITE_STATIC);
        sqlite3_bind_blob(insert.get(), 4, bytes.constData(), int(bytes.size()), SQLITE_STATIC);
        if (sqlite3_step(insert.get()) != SQLITE_DONE)
            return false;
        sqlite3_reset(insert.get());
        hashes.insert(name, hash);
    }
    return dest.Run("COMMIT");
}

bool AddBackupTables(Db& dest)
{
    const QByteArray info =
        QStringLiteral("CREATE TABLE BACKUP_INFO (FORMAT INTEGER, MADE_BY TEXT, MADE_AT TEXT);"
                       "CREATE TABLE BACKUP_RECORDINGS (NAME TEXT PRIMARY KEY, SIZE INTEGER, "
                       "SHA256 TEXT, DATA BLOB);"
                       "INSERT INTO BACKUP_INFO VALUES (%1, '%2', '%3');")
            .arg(kBackupFormat)
            .arg(QStringLiteral(QUILLBY_VERSION),
                 QDateTime::currentDateTime().toString(Qt::ISODate))
            .toUtf8();
    return dest.Run(info.constData());
}

// The checks every backup passes before it is trusted; fills the summary and the recordings'
// hashes as stored.
struct BackupCheck {
    BackupSummary summary;
    QHash<QString, QString> hashes;
    QString error;
    BackupStop stop; // asked while the file is read; none for a backup about to be restored
    bool Run(const QString& path);

private:
    bool CheckFile(const QString& path);
    bool CheckInfo(Db& db, const QString& path);
    bool CheckRecordings(Db& db, const QString& path);
    void Count(Db& db);
};

bool BackupCheck::CheckFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        error = QCoreApplication::translate("BackupFile",
                                            "The backup %1 cannot be read. Nothing was changed.")
                    .arg(QDir::toNativeSeparators(path));
        return false;
    }
    // Backups are written without a write-ahead log; a file that uses one (a copy of the
    // database itself) is no backup.
    const QByteArray start = file.read(20);
    if (!start.startsWith(QByteArray("SQLite format 3", 16)) || start.size() < 20 ||
        start[18] == 2) {
        error = NotABackup(path);
        return false;
    }
    // The header's page size and count say how long the file must be: a copy cut short
    // (a full stick, an interrupted download) is found here even where its pages still parse.
    file.seek(16);
    const QByteArray header = file.read(84);
    if (header.size() < 84) {
        error = Damaged(path, QCoreApplication::translate("BackupFile", "the file is cut short"));
        return false;
    }
    const auto byte = [&](int at) { return quint32(quint8(header[at - 16])); };
    quint32 pageSize = (byte(16) << 8) | byte(17);
    if (pageSize == 1)
        pageSize = 65536;
    const quint32 pages = (byte(28) << 24) | (byte(29) << 16) | (byte(30) << 8) | byte(31);
    if (pageSize < 512 || qint64(pageSize) * pages > file.size()) {
        error = Damaged(path, QCoreApplication::translate("BackupFile", "the file is cut short"));
        return false;
    }
    return true;
}

bool BackupCheck::CheckInfo(Db& db, const QString& path)
{
    Statement info(db.get(), "SELECT FORMAT, MADE_BY, MADE_AT FROM BACKUP_INFO");
    if (!info.Ok()) {
        error = sqlite3_errcode(db.get()) == SQLITE_CORRUPT ||
                        sqlite3_errcode(db.get()) == SQLITE_NOTADB
                    ? Damaged(path, db.Message())
                    : NotABackup(path);
        return false;
    }
    if (!info.Row()) {
        error = NotABackup(path);
        return false;
    }
    if (info.Number(0) > kBackupFormat) {
        error = QCoreApplication::translate(
                    "BackupFile",
                    "The backup %1 was made by a later version of Quillby (%2). This Quillby "
                    "cannot read it; install that version to restore it. Nothing was changed.")
                    .arg(QDir::toNativeSeparators(path), info.Text(1));
        return false;
    }
    summary.madeBy = info.Text(1);
    summary.madeAt = QDateTime::fromString(info.Text(2), Qt::ISODate);
    for (const char* table : {"LISTS", "WORDS", "TESTS", "WORD_ATTEMPTS", "OPTIONS", "IDS"}) {
        const QByteArray probe = QByteArray("SELECT COUNT(*) FROM ") + table;
        Statement count(db.get(), probe.constData());
        if (!count.Row()) {
            error = NotABackup(path);
            return false;
        }
    }
    return true;
}

bool BackupCheck::CheckRecordings(Db& db, const QString& path)
{
    Statement rows(db.get(), "SELECT NAME, SIZE, SHA256, DATA FROM BACKUP_RECORDINGS");
    if (!rows.Ok()) {
        error = NotABackup(path);
        return false;
    }
    while (rows.Row()) {
        const QByteArray data = rows.Blob(3);
        const QString name = rows.Text(0);
        if (data.size() != rows.Number(1) || Sha256(data) != rows.Text(2) ||
            name.contains(QLatin1Char('/')) || !name.endsWith(QStringLiteral(".wav"))) {
            error = Damaged(
                path,
                QCoreApplication::translate("BackupFile", "the recording %1 is damaged").arg(name));
            return false;
        }
        hashes.insert(name, rows.Text(2));
    }
    summary.recordings = int(hashes.size());
    return true;
}

void BackupCheck::Count(Db& db)
{
    Statement lists(db.get(), "SELECT COUNT(*) FROM LISTS");
    summary.lists = lists.Row() ? int(lists.Number(0)) : 0;
    // Older files lack the columns of practice rounds and unfinished tests: every test counts.
    Statement tests(db.get(), "SELECT COUNT(*) FROM TESTS WHERE PRACTICE_OF IS NULL "
                              "AND UNFINISHED IS NULL");
    Statement all(db.get(), "SELECT COUNT(*) FROM TESTS");
    summary.tests = tests.Ok() ? (tests.Row() ? int(tests.Number(0)) : 0)
                               : (all.Row() ? int(all.Number(0)) : 0);
}

bool BackupCheck::Run(const QString& path)
{
    if (!CheckFile(path))
        return false;
    Db db;
    // Read-only and immutable: a backup on a read-only medium opens without a journal.
    const QString uri = QStringLiteral("file:%1?immutable=1")
                            .arg(QString::fromUtf8(QUrl::toPercentEncoding(path, "/")));
    if (!db.Open(uri, SQLITE_OPEN_READONLY | SQLITE_OPEN_URI)) {
        error = Damaged(path, db.Message());
        return false;
    }
    if (stop) // SQLite interrupts the statement running when this answers non-zero
        sqlite3_progress_handler(
            db.get(), kCheckSteps,
            [](void* stop) { return Stopped(*static_cast<BackupStop*>(stop)) ? 1 : 0; }, &stop);
    Statement integrity(db.get(), "PRAGMA integrity_check(1)");
    if (!integrity.Row() || integrity.Text(0) != QLatin1String("ok")) {
        const QString detail = integrity.Ok() ? integrity.Text(0) : db.Message();
        if (db.Code() == SQLITE_NOTADB) {
            error = NotABackup(path);
            return false;
        }
        error = Damaged(path, detail.isEmpty() ? db.Message() : detail);
        return false;
    }
    if (!CheckInfo(db, path) || !CheckRecordings(db, path))
        return false;
    Count(db);
    return true;
}

// The backup copy ready to go into the database: its own tables gone, and its pages the size
// of the database's (a database in write-ahead mode cannot change its page size).
bool PrepareForRestore(const QString& copy, int pageSize, QString& detail)
{
    Db db;
    if (!db.Open(copy, SQLITE_OPEN_READWRITE)) {
        detail = db.Message();
        return false;
    }
    const QByteArray steps = QByteArray("PRAGMA journal_mode = DELETE; "
                                        "DROP TABLE BACKUP_INFO; DROP TABLE BACKUP_RECORDINGS; "
                                        "PRAGMA page_size = ") +
                             QByteArray::number(pageSize) + "; VACUUM;";
    if (!db.Run(steps.constData())) {
        detail = db.Message();
        return false;
    }
    return true;
}

int PageSize(sqlite3* db)
{
    Statement size(db, "PRAGMA page_size");
    return size.Row() ? int(size.Number(0)) : 4096;
}

// Writes the backup's recordings into an empty staging folder.
bool StageRecordings(const QString& backupPath, const QString& staging)
{
    QDir(staging).removeRecursively();
    if (!QDir().mkpath(staging))
        return false;
    Db db;
    if (!db.Open(backupPath, SQLITE_OPEN_READONLY))
        return false;
    Statement rows(db.get(), "SELECT NAME, DATA FROM BACKUP_RECORDINGS");
    while (rows.Row())
        if (!WriteWhole(QDir(staging).filePath(rows.Text(0)), rows.Blob(1)))
            return false;
    return rows.Ok();
}

// Puts the staged recordings in place of the folder's: recordings the backup lacks go, the
// others are replaced one rename each; files of other names stay.
bool SwapRecordings(const QString& staging, const QString& wavFolder)
{
    QDir().mkpath(wavFolder);
    const QStringList restored = RecordingNames(staging);
    bool ok = true;
    for (const QString& name : RecordingNames(wavFolder))
        if (!restored.contains(name))
            ok = QFile::remove(QDir(wavFolder).filePath(name)) && ok;
    for (const QString& name : restored)
        ok = RenameReplacing(QDir(staging).filePath(name), QDir(wavFolder).filePath(name)) && ok;
    QDir(staging).removeRecursively();
    return ok;
}

bool CopyInto(const QString& copy, const QString& databasePath, QString& detail)
{
    Db from;
    Db dest;
    if (!from.Open(copy, SQLITE_OPEN_READONLY) || !dest.Open(databasePath, SQLITE_OPEN_READWRITE)) {
        detail = from.get() && from.Code() != SQLITE_OK ? from.Message() : dest.Message();
        return false;
    }
    if (!CopyDatabase(from.get(), dest.get())) {
        detail = dest.Message();
        return false;
    }
    return true;
}
} // namespace

bool WriteBackup(const QString& databasePath, const QString& wavFolder, const QString& target,
                 QString& error, const BackupStop& askStop)
{
    // Once it answered true, the stop is not asked again.
    bool stopped = false;
    const BackupStop stop =
        askStop ? BackupStop([&] { return stopped = stopped || askStop(); }) : BackupStop();
    const QString part = target + QStringLiteral(".part");
    const auto removePart = [&part] { RemoveWithSqliteSides(part); };
    removePart();
    Db source;
    if (!source.Open(databasePath, SQLITE_OPEN_READONLY)) {
        error = QCoreApplication::translate("BackupFile", "The database %1 cannot be read (%2).")
                    .arg(QDir::toNativeSeparators(databasePath), source.Message());
        return false;
    }
    QHash<QString, QString> written;
    bool ok = false;
    {
        Db dest;
        ok = dest.Open(part, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE) &&
             CopyDatabase(source.get(), dest.get(), stop) &&
             dest.Run("PRAGMA journal_mode = DELETE") && AddBackupTables(dest) &&
             AddRecordings(dest, wavFolder, written, stop);
        if (!ok)
            error = WriteFailure(dest.Code(), target, dest.Message());
    }
    BackupCheck check;
    check.stop = stop;
    if (ok && (!check.Run(part) || check.hashes != written)) {
        error = QCoreApplication::translate(
                    "BackupFile", "The backup %1 did not read back as it was written (%2).")
                    .arg(QDir::toNativeSeparators(target), check.error);
        ok = false;
    }
    if (ok && !RenameReplacing(part, target)) {
        error = WriteFailure(SQLITE_CANTOPEN, target, QString());
        ok = false;
    }
    if (!ok)
        removePart();
    if (!ok && stopped)
        error = QCoreApplication::translate("BackupFile", "The backup was stopped before its end.");
    return ok;
}

bool ReadBackupSummary(const QString& backupPath, BackupSummary& summary, QString& error)
{
    BackupCheck check;
    if (!check.Run(backupPath)) {
        error = check.error;
        return false;
    }
    summary = check.summary;
    return true;
}

bool RestoreBackup(const QString& databasePath, const QString& wavFolder, const QString& backupPath,
                   const QString& safetyBackup, QString& error)
{
    BackupCheck check;
    if (!check.Run(backupPath)) {
        error = check.error;
        return false;
    }
    // Everything the restore needs is made beside the data first, where a full or read-only
    // folder shows before anything is replaced.
    const QString copy = QFileInfo(safetyBackup).absolutePath() + QLatin1Char('/') + kRestoringName;
    const QString staging = wavFolder + QStringLiteral(".restoring");
    const auto cleanUp = [&] {
        RemoveWithSqliteSides(copy);
        QDir(staging).removeRecursively();
    };
    QString detail;
    RemoveWithSqliteSides(copy);
    int pageSize = 4096;
    {
        Db live;
        if (live.Open(databasePath, SQLITE_OPEN_READONLY))
            pageSize = PageSize(live.get());
    }
    if (!QDir().mkpath(QFileInfo(copy).absolutePath()) || !QFile::copy(backupPath, copy) ||
        !PrepareForRestore(copy, pageSize, detail) || !StageRecordings(backupPath, staging)) {
        cleanUp();
        error = QCoreApplication::translate(
                    "BackupFile",
                    "The backup could not be unpacked beside your data in %1: the folder is "
                    "read-only or full. Nothing was changed.")
                    .arg(QDir::toNativeSeparators(QFileInfo(databasePath).absolutePath()));
        return false;
    }
    if (!WriteBackup(databasePath, wavFolder, safetyBackup, detail)) {
        cleanUp();
        error = QCoreApplication::translate(
                    "BackupFile",
                    "Your current data could not be kept as a backup first, so nothing was "
                    "changed. %1")
                    .arg(detail);
        return false;
    }
    if (!CopyInto(copy, databasePath, detail)) {
        cleanUp();
        error = QCoreApplication::translate(
                    "BackupFile", "The database could not be replaced (%1). Nothing was changed.")
                    .arg(detail);
        return false;
    }
    // A crash from here on leaves recordings that no word uses: the next start tidies them.
    SoundChangeMark mark;
    const bool swapped = SwapRecordings(staging, wavFolder);
    cleanUp();
    if (!swapped) {
        error = QCoreApplication::translate(
                    "BackupFile",
                    "The lists were restored, but some recordings could not be put in place in "
                    "%1. Your data before the restore is in the backup %2.")
                    .arg(QDir::toNativeSeparators(wavFolder),
                         QDir::toNativeSeparators(safetyBackup));
        return false;
    }
    return true;
}
