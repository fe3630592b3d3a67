#include "AudioHarness.h"
#include "EditorFixture.h"

// The editors as they behave on a machine without any audio server.
int main(int argc, char** argv)
{
    UseNoAudioServer();
    return RunEditorTests(argc, argv);
}
