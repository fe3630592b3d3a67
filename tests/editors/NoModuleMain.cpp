#include "GuiTestSupport.h"

#include <QDir>

// The editors of an installation whose sound module is missing.
int main(int argc, char** argv)
{
    return RunGuiTestsWithSoundModule(
        argc, argv, QDir::temp().filePath(QStringLiteral("no-such-folder/libquillby_audio.so")));
}
