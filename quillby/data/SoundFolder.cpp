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

namespace {
int g_markDepth = 0;

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
    for (const QString& side : {TempWavPath(), folder.filePath(QStringLiteral(".copying.part")),
                                Globals::DataPath + QStringLiteral("/.copying.part")}) {
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
