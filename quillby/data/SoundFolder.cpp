#include "SoundFolder.h"

#include "Connection.h"
#include "Globals.h"
#include "Recordset.h"
#include "WavFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <csignal>
#include <exception>
#include <filesystem>
#include <system_error>

namespace {
int g_markDepth = 0;

const QString kCopySide = QStringLiteral(".copying.part");
const QString kReplacedSide = QStringLiteral(".replaced.part");

std::filesystem::path FsPath(const QString& path)
{
    return std::filesystem::path(QFile::encodeName(path).toStdString());
}

QString SideFile(const QString& beside, const QString& name)
{
    return QFileInfo(beside).absolutePath() + QLatin1Char('/') + name;
}

// Renames over an existing file in one step (QFile::rename refuses an existing target).
bool RenameReplacing(const QString& from, const QString& to)
{
    std::error_code error;
    std::filesystem::rename(FsPath(from), FsPath(to), error);
    return !error;
}

// The upper-case texts of all words: the names of the recordings in use. Read only after an
// interrupted change, so a normal start never walks the words.
QSet<QString> RecordingNamesInUse()
{
    QSet<QString> names;
    Recordset rs(QStringLiteral("SELECT WORD FROM WORDS"), Globals::DbConnection());
    for (; !rs.Eof(); rs.MoveNext())
        names.insert(rs.Field(QStringLiteral("WORD")).toText().toUpper());
    return names;
}

bool IsRecordingName(const QString& fileName)
{
    if (!fileName.endsWith(QStringLiteral(".wav")))
        return false;
    const QString text = fileName.chopped(4);
    return !text.isEmpty() && text == text.toUpper() && WordCanHaveRecording(text);
}
} // namespace

bool CopyFileReplacing(const QString& from, const QString& to)
{
    // The side file has a short name of its own: the target's may be as long as allowed.
    const QString side = SideFile(to, kCopySide);
    QFile::remove(side);
    if (!QFile::copy(from, side) || !RenameReplacing(side, to)) {
        QFile::remove(side);
        return false;
    }
    return true;
}

RecordingReplacement::~RecordingReplacement()
{
    if (!target_.isEmpty())
        Undo();
}

// A second name for the target's file, so the target itself never goes missing meanwhile.
bool RecordingReplacement::KeepAside(const QString& target)
{
    aside_.clear();
    if (!QFileInfo(target).isFile())
        return true;
    const QString aside = SideFile(target, kReplacedSide);
    QFile::remove(aside);
    std::error_code error;
    std::filesystem::create_hard_link(FsPath(target), FsPath(aside), error);
    if (error && !QFile::copy(target, aside))
        return false;
    aside_ = aside;
    return true;
}

bool RecordingReplacement::Replace(const QString& from, const QString& target)
{
    if (!KeepAside(target))
        return false;
    if (!CopyFileReplacing(from, target)) {
        if (!aside_.isEmpty())
            QFile::remove(aside_);
        return false;
    }
    target_ = target;
    return true;
}

bool RecordingReplacement::Remove(const QString& target)
{
    if (!QFileInfo(target).isFile())
        return true;
    if (!KeepAside(target))
        return false;
    if (!QFile::remove(target)) {
        QFile::remove(aside_);
        return false;
    }
    target_ = target;
    return true;
}

void RecordingReplacement::Commit()
{
    if (!aside_.isEmpty())
        QFile::remove(aside_);
    target_.clear();
    aside_.clear();
}

void RecordingReplacement::Undo()
{
    if (aside_.isEmpty())
        QFile::remove(target_);
    else
        RenameReplacing(aside_, target_);
    target_.clear();
    aside_.clear();
}

QString SoundChangeMarkPath()
{
    return Globals::WavPath + QStringLiteral("/.changing");
}

SoundChangeMark::SoundChangeMark()
{
    if (g_markDepth++ == 0)
        QFile(SoundChangeMarkPath()).open(QIODevice::WriteOnly);
}

SoundChangeMark::~SoundChangeMark()
{
    // A change that failed midway keeps the mark: the next start tidies what it left.
    if (--g_markDepth == 0 && std::uncaught_exceptions() == 0)
        QFile::remove(SoundChangeMarkPath());
}

QStringList CleanUpSoundFolder()
{
    QStringList removed;
    const QDir folder(Globals::WavPath);
    for (const QString& side : {TempWavPath(), folder.filePath(kCopySide),
                                folder.filePath(kReplacedSide),
                                Globals::DataPath + QLatin1Char('/') + kCopySide}) {
        if (QFileInfo(side).isFile() && QFile::remove(side))
            removed << QFileInfo(side).fileName();
    }
    if (!QFile::exists(SoundChangeMarkPath()))
        return removed;
    const QSet<QString> inUse = RecordingNamesInUse();
    for (const QString& name : folder.entryList(QDir::Files)) {
        if (IsRecordingName(name) && !inUse.contains(name.chopped(4)) &&
            QFile::remove(folder.filePath(name)))
            removed << name;
    }
    QFile::remove(SoundChangeMarkPath());
    return removed;
}

void CrashPoint(const char* step)
{
    const QByteArray wanted = qgetenv("QUILLBY_TEST_CRASH_AT");
    if (!wanted.isEmpty() && wanted == step)
        std::raise(SIGKILL);
}
