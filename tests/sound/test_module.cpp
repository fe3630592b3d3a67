// The sound module loaded on first use: a module that is missing or broken leaves sound off,
// silently and without a crash, and says so once; a module loaded on a worker thread while
// the main thread asks for a sound serves both. Each case runs in a process of its own (a
// module once loaded stays loaded), through gtest's death-test machinery.
#include "AudioHarness.h"
#include "AudioModule.h"
#include "Sound.h"
#include "SoundModule.h"
#include "Speech.h"
#include "WavWriter.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <gtest/gtest.h>
#include <unistd.h>

namespace {

constexpr const char* kSoundOff = "sound is off, its module could not be loaded";

// A short 8-bit tone file, as the program's recordings are.
QString ToneFile(const QTemporaryDir& dir)
{
    const QString path = dir.filePath(QStringLiteral("TONE.wav"));
    QByteArray samples(kWavSampleRate / 2, Qt::Uninitialized);
    for (qsizetype i = 0; i < samples.size(); ++i)
        samples[i] = char(i % 25 < 12 ? 40 : 216);
    WriteWavFile(path, samples);
    return path;
}

// The child's own stderr while what the program says there is written to a file.
int realStderr = STDERR_FILENO;

// Fails the process with what went wrong; the parent sees it on stderr and in the exit code.
void Check(bool condition, const char* what)
{
    if (condition)
        return;
    dprintf(realStderr, "FAILED: %s\n", what);
    std::_Exit(1);
}

// Runs `run` with the program's stderr caught, then passes it on; returns what it said.
QByteArray CatchStderr(const std::function<void()>& run)
{
    std::fflush(stderr);
    realStderr = dup(STDERR_FILENO);
    FILE* caught = std::tmpfile();
    Check(caught && realStderr >= 0, "stderr can be caught");
    dup2(fileno(caught), STDERR_FILENO);
    run();
    std::fflush(stderr);
    dup2(realStderr, STDERR_FILENO);
    QFile file;
    Check(file.open(caught, QIODevice::ReadOnly) && file.seek(0), "the caught stderr is read");
    const QByteArray said = file.readAll();
    std::fwrite(said.constData(), 1, size_t(said.size()), stderr);
    return said;
}

// Everything a window may ask of sound, with no module to be had: silent, at once, and the
// recording indicator runs as with no device.
void EverySoundIsSilent(const QTemporaryDir& dir)
{
    PrepareSound();
    WarmUpSpeech();
    PlayWave(ToneFile(dir));
    Check(!IsPlaying(), "nothing plays");
    SpeakWord(QStringLiteral("owl"));
    Check(!IsSpeaking(), "no word is said");
    Check(!SpeechAvailable(), "speech counts as unavailable once the module failed");
    StartRecording();
    Check(IsRecording(), "the recording indicator runs as with no device");
    const QString recording = dir.filePath(QStringLiteral("OWL.wav"));
    Check(StopRecording(recording), "an empty recording is no failure");
    Check(!QFile::exists(recording), "no recording file is written");
    CloseRecorder();
    StopSpeaking();
    StopPlaying();
    Check(!LoadedAudioModule(), "no module is loaded");
    ReleaseSound();
}

struct ModuleCase {
    const char* name;
    // Run in the child process, with the build's module named unless the case names another.
    std::function<void(const QTemporaryDir&)> run;
    // What the child's stderr holds: the notice once, or no notice at all.
    bool noticed;
};

void PrintTo(const ModuleCase& c, std::ostream* os) { *os << c.name; }

const ModuleCase kCases[] = {
    {"MissingModule",
     [](const QTemporaryDir& dir) {
         SetSoundModulePath(dir.filePath(QStringLiteral("plugins/libquillby_audio.so")));
         Check(!SpeechAvailable(), "Pronounce is as without an engine before any sound");
         EverySoundIsSilent(dir);
     },
     true},
    {"ModuleThatIsNoLibrary",
     [](const QTemporaryDir& dir) {
         const QString path = dir.filePath(QStringLiteral("libquillby_audio.so"));
         QFile file(path);
         Check(file.open(QIODevice::WriteOnly) && file.write("not a library") > 0, "made");
         file.close();
         SetSoundModulePath(path);
         EverySoundIsSilent(dir);
     },
     true},
    {"LoadedAheadWhileTheMainThreadPlays",
     [](const QTemporaryDir& dir) {
         const QString tone = ToneFile(dir);
         PrepareSound();
         PlayWave(tone); // waits for the worker's load, never loads twice
         Check(LoadedAudioModule() != nullptr, "the module is loaded");
         Check(IsPlaying() == HaveServer(), "the tone plays where a server is");
         Check(RunEventsUntil([] { return !IsPlaying(); }, 15000), "the tone ends");
         ReleaseSound();
     },
     false},
    {"LoadedAheadWhileTheMainThreadSpeaks",
     [](const QTemporaryDir&) {
         WarmUpSpeech();
         SpeakWord(QStringLiteral("elephant"));
         Check(SpeechAvailable(), "the voice works");
         Check(IsSpeaking() == HaveServer(), "the word is said where a server is");
         Check(RunEventsUntil([] { return !IsSpeaking(); }, 15000), "the word ends");
         ReleaseSound();
     },
     false},
    {"LoadedAheadWhileTheMainThreadRecords",
     [](const QTemporaryDir& dir) {
         PrepareSound();
         StartRecording();
         Check(IsRecording(), "recording");
         RunEventsFor(300);
         const QString recording = dir.filePath(QStringLiteral("OWL.wav"));
         Check(StopRecording(recording), "the recording is kept or there was none");
         ReleaseSound();
     },
     false},
    {"ReadyAheadThenPlayedOnItsOwnThreads",
     [](const QTemporaryDir& dir) {
         const QString tone = ToneFile(dir);
         PrepareSound();
         Check(RunEventsUntil([] { return LoadedAudioModule() != nullptr; }, 30000),
               "the worker loads the module");
         for (int i = 0; i < 3; ++i) {
             PlayWave(tone);
             Check(IsPlaying() == HaveServer(), "each tone plays where a server is");
         }
         Check(RunEventsUntil([] { return !IsPlaying(); }, 15000), "the last tone ends");
         ReleaseSound();
     },
     false},
};

class SoundModule : public testing::TestWithParam<ModuleCase> {};

} // namespace

TEST_P(SoundModule, FailsSilentlyOrServesEveryThread)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    const ModuleCase& c = GetParam();
    const auto child = [&c] {
        QTemporaryDir dir;
        Check(dir.isValid(), "a temporary folder");
        const QByteArray said = CatchStderr([&] { c.run(dir); });
        Check(said.count(kSoundOff) == (c.noticed ? 1 : 0),
              "the notice is said once, and only when sound is off");
        std::fflush(nullptr);
        std::_Exit(0);
    };
    EXPECT_EXIT(child(), testing::ExitedWithCode(0), c.noticed ? kSoundOff : "");
}

INSTANTIATE_TEST_SUITE_P(Ways, SoundModule, testing::ValuesIn(kCases),
                         [](const testing::TestParamInfo<ModuleCase>& info) {
    return std::string(info.param.name);
});
