#include "WavFiles.h"

#include "Globals.h"

#include <QFile>

namespace {
// Longest file name most file systems accept, in bytes.
constexpr qsizetype kMaxFileNameBytes = 255;
const QString kWavSuffix = QStringLiteral(".wav");
} // namespace

bool WordCanHaveRecording(const QString& word)
{
    if (word.isEmpty() || word == QLatin1String(".") || word == QLatin1String(".."))
        return false;
    for (const QChar c : word) {
        if (c == QLatin1Char('/') || c == QLatin1Char('\\') || c.category() == QChar::Other_Control)
            return false;
    }
    return (word.toUpper() + kWavSuffix).toUtf8().size() <= kMaxFileNameBytes;
}

QString WordWavFile(const QString& word)
{
    if (Globals::WavPath.isEmpty() || !WordCanHaveRecording(word))
        return {};
    return Globals::WavPath + QLatin1Char('/') + word.toUpper() + kWavSuffix;
}

QString TempWavPath()
{
    return Globals::DataPath + QStringLiteral("/Temp.wav");
}

void DeleteFileQuietly(const QString& path)
{
    if (!path.isEmpty())
        QFile::remove(path);
}
