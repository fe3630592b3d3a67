#include "AudioHarness.h"
#include "GuiTestSupport.h"

// The editors as they behave on a machine without any audio server.
int main(int argc, char** argv)
{
    UseNoAudioServer();
    return RunGuiTests(argc, argv);
}
