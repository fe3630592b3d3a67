#include "Sound.h"

#include <QCoreApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);
    QCoreApplication app(argc, argv);
    InitSound();
    const int result = RUN_ALL_TESTS();
    StopPlaying();
    CloseRecorder();
    return result;
}
