// A word spoken into the test microphone goes through Record, Stop and Save of the word
// editor and plays back through Pronounce of the list editor. Needs the private audio server
// of scripts/with-audio.sh; skipped without it.
#include "EditorFixture.h"

#include "AudioHarness.h"
#include "Globals.h"
#include "Sound.h"
#include "WavFiles.h"

#include <QFile>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>

using WithAudioServer = EditorTest;

TEST_F(WithAudioServer, SpokenWordIsRecordedStoredAndPlayedBack)
{
    if (TestMicFifo().isEmpty())
        GTEST_SKIP() << "no test audio server (run under scripts/with-audio.sh)";
    const QByteArray spoken = SpokenWord(QStringLiteral("elephant"));
    ASSERT_FALSE(spoken.isEmpty()) << "espeak-ng and sox make the spoken word";
    const double spokenSeconds = RawSeconds(spoken);

    const int32_t list = AddList();
    CallerSpy spy;
    auto* editor = OpenWordEditor(list, 0, &spy);
    Type(editor, "elephant", "a large grey animal");
    Click(editor->cmdRecord);
    ASSERT_TRUE(editor->IsRecording());
    MicFeeder feeder(spoken);
    ASSERT_TRUE(feeder.Start());
    ASSERT_TRUE(RunEventsUntil([&] { return feeder.Finished(); }, 30000));
    EXPECT_TRUE(feeder.Succeeded());
    RunEventsFor(300);
    Click(editor->cmdStop);
    ASSERT_TRUE(QFile::exists(TempWavPath()));
    Save(editor);
    ASSERT_EQ(spy.added.size(), 1u);

    const QString stored = Wav("ELEPHANT");
    const SoxInfo info = ReadSoxInfo(stored);
    ASSERT_TRUE(info.valid) << "soxi reads " << stored.toStdString();
    EXPECT_EQ(info.channels, 1);
    EXPECT_EQ(info.rate, 11025);
    EXPECT_EQ(info.bits, 8);
    const double seconds = double(info.samples) / 11025.0;
    EXPECT_GT(seconds, spokenSeconds * 0.8) << "the whole word is there";
    EXPECT_LT(seconds, spokenSeconds + 3.0) << "and not much more than the time recorded";
    EXPECT_GT(PeakOf8BitWav(stored), 10) << "it holds sound, not silence";

    // Pronounce in the list editor plays it into the speaker.
    auto* listEditor = OpenListEditor(list);
    ASSERT_TRUE(listEditor->cmdPronounce->isEnabled());
    SinkListener listener;
    ASSERT_TRUE(listener.Start());
    listEditor->cmdPronounce->click();
    EXPECT_TRUE(RunEventsUntil([] { return !IsPlaying(); }, int(seconds * 1000) + 15000))
        << "the word never ended";
    EXPECT_GT(listener.StopAndPeak(), 1000);
}

namespace {
// A tiny file system of its own, filled to the last byte: a full disk. Needs the right to
// mount (root); empty path otherwise.
class FullDisk {
public:
    FullDisk()
    {
        if (!dir_.isValid() || !Run({"mount", "-t", "tmpfs", "-o", "size=64k", "tmpfs",
                                     dir_.path()}))
            return;
        mounted_ = true;
        QFile fill(dir_.filePath("fill"));
        if (fill.open(QIODevice::WriteOnly)) {
            const QByteArray block(4096, '\0');
            while (fill.write(block) == block.size() && fill.flush()) {
            }
        }
    }
    ~FullDisk()
    {
        if (mounted_)
            Run({"umount", dir_.path()});
    }
    QString path() const { return mounted_ ? dir_.path() : QString(); }

private:
    static bool Run(const QStringList& command)
    {
        QProcess p;
        p.start(command.front(), command.mid(1));
        return p.waitForFinished(10000) && p.exitStatus() == QProcess::NormalExit &&
               p.exitCode() == 0;
    }
    QTemporaryDir dir_;
    bool mounted_ = false;
};
} // namespace

// A word recorded while the disk is full: Stop says the recording failed, and saving keeps
// the word's earlier recording instead of storing an empty one or removing it.
TEST_F(WithAudioServer, ARecordingOnAFullDiskIsReportedAndNothingIsLost)
{
    if (TestMicFifo().isEmpty())
        GTEST_SKIP() << "no test audio server (run under scripts/with-audio.sh)";
    FullDisk disk;
    if (disk.path().isEmpty())
        GTEST_SKIP() << "no right to mount a small file system";
    const QByteArray spoken = SpokenWord(QStringLiteral("owl"));
    ASSERT_FALSE(spoken.isEmpty()) << "espeak-ng and sox make the spoken word";

    const int32_t list = AddList();
    const int32_t owl = AddWord(list, "owl");
    const QByteArray voice = WriteRecording(Wav("OWL"), Samples(400, 10));
    CallerSpy spy;
    auto* editor = OpenWordEditor(list, owl, &spy);
    // The working file lives in the data folder; here that folder is the full disk.
    const QString dataPath = Globals::DataPath;
    Globals::DataPath = disk.path();
    Click(editor->cmdRecord);
    MicFeeder feeder(spoken);
    ASSERT_TRUE(feeder.Start());
    ASSERT_TRUE(RunEventsUntil([&] { return feeder.Finished(); }, 30000));
    RunEventsFor(300);
    Click(editor->cmdStop);

    EXPECT_EQ(messages, QStringList{frmEditWord::RecordingFailedMessage(TempWavPath())});
    EXPECT_FALSE(QFile::exists(TempWavPath())) << "no empty working file is kept";
    messages.clear();
    Save(editor);
    Globals::DataPath = dataPath;
    EXPECT_TRUE(messages.isEmpty()) << messages.join("|").toStdString();
    EXPECT_EQ(StoredText(owl), "owl");
    EXPECT_EQ(FileBytes(Wav("OWL")), voice) << "the earlier recording stays";
    EXPECT_EQ(WavFolderEntries(), QStringList{"OWL.wav"});
}
