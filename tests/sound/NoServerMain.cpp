#include "Sound.h"

#include <QCoreApplication>
#include <gtest/gtest.h>

// Every test here runs as if no audio server were there: the socket named does not exist,
// and naming one also keeps the audio library from starting a server of its own.
int main(int argc, char** argv)
{
    qputenv("PULSE_SERVER", "unix:/nonexistent/quillby-no-audio-server");
    qunsetenv("QUILLBY_TEST_MIC_FIFO");
    testing::InitGoogleTest(&argc, argv);
    QCoreApplication app(argc, argv);
    InitSound();
    const int result = RUN_ALL_TESTS();
    StopPlaying();
    CloseRecorder();
    return result;
}
