#include "EditorFixture.h"

#include <QtGlobal>

// The editors as they behave on a machine without any audio server: the socket named does
// not exist, and naming one also keeps the audio library from starting a server of its own.
int main(int argc, char** argv)
{
    qputenv("PULSE_SERVER", "unix:/nonexistent/quillby-no-audio-server");
    qunsetenv("QUILLBY_TEST_MIC_FIFO");
    return RunEditorTests(argc, argv);
}
