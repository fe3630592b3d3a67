#include "AudioHarness.h"
#include "Sound.h"
#include "SoundModule.h"

#include <QCoreApplication>
#include <cstdio>
#include <cstdlib>
#include <gtest/gtest.h>

// test_sound runs against whatever audio server the environment names (scripts/with-audio.sh
// in make test); test_sound_noserver is built from this same file with
// QUILLBY_TEST_NO_AUDIO_SERVER, so every one of its tests runs as if none were there.
int main(int argc, char** argv)
{
#ifdef QUILLBY_TEST_NO_AUDIO_SERVER
    UseNoAudioServer();
#endif
    testing::InitGoogleTest(&argc, argv);
    QCoreApplication app(argc, argv);
    InitSound();
    SetSoundModulePath(QStringLiteral(QUILLBY_AUDIO_MODULE));
    const int result = RUN_ALL_TESTS();
    StopPlaying();
    CloseRecorder();
    // The verdict is in. Qt's connection to the sound server is torn down among the static
    // destructors, where the sound library now and then aborts on its own assertion
    // ("io_events_please_scan") after every test has passed; nothing of ours is left to tear
    // down, so the process ends here with the tests' result.
    std::fflush(nullptr);
    std::_Exit(result);
}
