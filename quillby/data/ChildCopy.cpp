#include "ChildCopy.h"

#include "Connection.h"
#include "DatabaseFileLock.h"
#include "DbError.h"
#include "DataFolder.h"
#include "Globals.h"
#include "Ids.h"
#include "Recordset.h"
#include "SoundFolder.h"
#include "WavFiles.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

const QString kWavSuffix = QStringLiteral(".wav");

QString ListFilter(int32_t listId) { return QStringLiteral(" WHERE LIST_ID = %1 ").arg(listId); }

void CopyListRow(Connection& from, Connection& to, int32_t listId, int32_t newId)
{
    Recordset source(QStringLiteral(" SELECT * FROM LISTS ") + ListFilter(listId), from);
    if (source.Eof())
        throw DbError(QString(), QCoreApplication::translate(
                                     "Children", "The list is no longer in the database."));
    Recordset target;
    target.OpenToAppend(QStringLiteral(" SELECT * FROM LISTS ") + ListFilter(newId), to);
    target.AddNew();
    target.SetField(QStringLiteral("LIST_ID"), newId);
    for (const char* column : {"WEEK_START", "WEEK_END", "TEST_DATE"})
        target.SetField(QString::fromLatin1(column), source.Field(QString::fromLatin1(column)));
    // A new list for the other child: made now, to be offered when its date has passed.
    target.SetField(QStringLiteral("CREATED_DATE"), Variant(QDateTime::currentDateTime()));
    target.SetField(QStringLiteral("STATUS"), Variant("CREATED"));
    target.Update();
}

// Copies the words' rows; returns their texts for the recordings.
QStringList CopyWordRows(Connection& from, Connection& to, int32_t listId, int32_t newListId)
{
    QStringList words;
    Recordset source(QStringLiteral(" SELECT * FROM WORDS ") + ListFilter(listId) +
                         QStringLiteral(" ORDER BY WORD_ID "),
                     from);
    Recordset target;
    target.OpenToAppend(QStringLiteral(" SELECT * FROM WORDS ") + ListFilter(newListId), to);
    for (; !source.Eof(); source.MoveNext()) {
        target.AddNew();
        target.SetField(QStringLiteral("WORD_ID"), GetNextID(to, IdCode::WORD_ID));
        target.SetField(QStringLiteral("LIST_ID"), newListId);
        for (const char* column : {"WORD", "DEFINITION", "SENTENCE", "CASE_SENSITIVE"})
            target.SetField(QString::fromLatin1(column), source.Field(QString::fromLatin1(column)));
        target.Update();
        words << source.Field(QStringLiteral("WORD")).toText();
    }
    return words;
}

// Copies the words' recordings that the other child lacks, before the rows are written, so
// that a crash leaves at worst a file no word uses (tidied at that child's next start).
void CopyRecordings(const QStringList& words, const QString& fromWavs, const QString& toWavs,
                    QStringList& copied)
{
    QDir().mkpath(toWavs);
    for (const QString& word : words) {
        if (!WordCanHaveRecording(word))
            continue;
        const QString name = word.toUpper() + kWavSuffix;
        const QString source = fromWavs + QLatin1Char('/') + name;
        const QString target = toWavs + QLatin1Char('/') + name;
        if (!QFileInfo(source).isFile() || QFileInfo::exists(target) || copied.contains(target))
            continue;
        if (!CopyFileReplacing(source, target))
            throw DbError(QString(), QCoreApplication::translate(
                                         "Children", "The recording %1 could not be copied to %2.")
                                         .arg(source, toWavs));
        copied << target;
    }
}
} // namespace

QString CopyListToChild(Connection& from, const QString& fromWavs, int32_t listId,
                        const QString& childFolder, const QString& childName)
{
    const QString database = childFolder + QStringLiteral("/Quillby.mdb");
    // Held while copying: a Quillby started for that child now waits its turn.
    DatabaseFileLock lock;
    if (lock.Take(database) == DatabaseFileLock::Result::HeldElsewhere)
        return QCoreApplication::translate("Children",
                                           "Quillby is open for %1. Please close it first.")
            .arg(childName);
    QStringList copied;
    Connection to;
    try {
        to.Open(ConnectionStringFor(childFolder));
        Transaction change(to);
        const int32_t newListId = GetNextID(to, IdCode::LIST_ID);
        CopyListRow(from, to, listId, newListId);
        const QStringList words = CopyWordRows(from, to, listId, newListId);
        const QString toWavs = childFolder + QStringLiteral("/Wavs");
        CopyRecordings(words, fromWavs, toWavs, copied);
        change.Commit();
    } catch (const DbError& e) {
        for (const QString& file : copied)
            QFile::remove(file);
        return QCoreApplication::translate("Children", "The list was not copied to %1.\r%2")
            .arg(childName, e.message());
    }
    to.Close();
    return {};
}

QString CopyProgramListToChild(int32_t listId, const QString& childFolder, const QString& childName)
{
    return CopyListToChild(Globals::DbConnection(), Globals::WavPath, listId, childFolder,
                           childName);
}
