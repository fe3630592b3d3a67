#pragma once
#include "MessageBoxes.h"

#include <QString>

// The main() of a window test program: the offscreen platform unless one is set, the sound
// back end chosen before any audio object exists, and every audio stream closed before the
// application object goes (Qt's audio engine must outlive them).
int RunGuiTests(int argc, char** argv);
// The same with the sound module loaded from `soundModule` instead of the build's.
int RunGuiTestsWithSoundModule(int argc, char** argv, const QString& soundModule);

class QWidget;
// What a screen reader announces as the control's name.
QString SpokenName(QWidget* control);

// With QUILLBY_SHOTS_DARK set: the Fusion style with a dark palette, to look at the windows as
// a user of a dark desktop sees them.
void UseDarkPaletteIfAsked();
