#include "AudioHarness.h"
#include "WavWriter.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <csignal>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

namespace {

QByteArray ReadAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteRaw(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

QByteArray Ramp(int count)
{
    QByteArray samples(count, Qt::Uninitialized);
    for (int i = 0; i < count; ++i)
        samples[i] = char(i % 256);
    return samples;
}

// The files in a folder, so a test sees temporary files left behind.
QStringList Entries(const QString& folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System);
}

} // namespace

TEST(WavWriter, HeaderIsEightBitMono11025Pcm)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("WORD.wav");
    ASSERT_TRUE(WriteWavFile(path, Ramp(1000)));

    const QByteArray bytes = ReadAll(path);
    ASSERT_EQ(bytes.size(), 44 + 1000);
    const QByteArray expectedHeader = QByteArray::fromHex(
        "52494646" "0c040000" "57415645"                 // "RIFF", 36 + 1000, "WAVE"
        "666d7420" "10000000" "0100" "0100"              // "fmt ", 16, PCM, mono
        "112b0000" "112b0000" "0100" "0800"              // 11025 Hz, 11025 bytes/s, align 1, 8 bits
        "64617461" "e8030000");                          // "data", 1000
    EXPECT_EQ(bytes.left(44).toHex(), expectedHeader.toHex());
    EXPECT_EQ(bytes.mid(44), Ramp(1000));

    const SoxInfo info = ReadSoxInfo(path);
    ASSERT_TRUE(info.valid) << "soxi could not read the file";
    EXPECT_EQ(info.channels, 1);
    EXPECT_EQ(info.rate, 11025);
    EXPECT_EQ(info.bits, 8);
    EXPECT_EQ(info.samples, 1000);
    EXPECT_TRUE(info.encoding.contains("Unsigned")) << info.encoding.toStdString();
}

TEST(WavWriter, OddSampleCountIsPaddedWithOneSilentSample)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("ODD.wav");
    ASSERT_TRUE(WriteWavFile(path, Ramp(1001)));

    const QByteArray bytes = ReadAll(path);
    ASSERT_EQ(bytes.size(), 44 + 1002);
    EXPECT_EQ(bytes.mid(4, 4).toHex(), QByteArray::fromHex("0e040000").toHex()); // 36 + 1002
    EXPECT_EQ(bytes.mid(40, 4).toHex(), QByteArray::fromHex("ea030000").toHex()); // 1002
    EXPECT_EQ(quint8(bytes.back()), 0x80);
    EXPECT_EQ(ReadSoxInfo(path).samples, 1002);
}

TEST(WavWriter, ReplacesAnEarlierFileAndLeavesNoTemporaryFile)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("BEE.wav");
    WriteRaw(path, QByteArray(5000, 'x'));
    ASSERT_TRUE(WriteWavFile(path, Ramp(10)));
    EXPECT_EQ(ReadAll(path).size(), 44 + 10);
    EXPECT_EQ(Entries(dir.path()), QStringList{"BEE.wav"});
}

TEST(WavWriter, PathWithBlanksAndAccents)
{
    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkpath("My Quillby/Wavs"));
    const QString path = dir.filePath(QString::fromUtf8("My Quillby/Wavs/CAFÉ AU LAIT.wav"));
    ASSERT_TRUE(WriteWavFile(path, Ramp(20)));
    EXPECT_EQ(ReadSoxInfo(path).samples, 20);
}

TEST(WavWriter, MissingFolderFailsAndMakesNothing)
{
    QTemporaryDir dir;
    EXPECT_FALSE(WriteWavFile(dir.filePath("no such folder/WORD.wav"), Ramp(10)));
    EXPECT_TRUE(Entries(dir.path()).isEmpty());
}

// A full disk: the file size limit makes the write fail part way, as ENOSPC would.
TEST(WavWriter, FailedWriteKeepsTheEarlierFile)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("THEIR.wav");
    ASSERT_TRUE(WriteWavFile(path, Ramp(300)));
    const QByteArray earlier = ReadAll(path);

    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 4096;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const bool written = WriteWavFile(path, Ramp(100000));
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_FALSE(written);
    EXPECT_EQ(ReadAll(path), earlier);
    EXPECT_EQ(Entries(dir.path()), QStringList{"THEIR.wav"});
}

TEST(WavWriter, ReadOnlyFolderKeepsTheEarlierFile)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "root writes into read-only folders; the full-disk case covers this";
    QTemporaryDir dir;
    const QString path = dir.filePath("WORD.wav");
    ASSERT_TRUE(WriteWavFile(path, Ramp(300)));
    const QByteArray earlier = ReadAll(path);
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner);
    const bool written = WriteWavFile(path, Ramp(600));
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    EXPECT_FALSE(written);
    EXPECT_EQ(ReadAll(path), earlier);
}
