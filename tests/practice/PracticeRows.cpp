#include "PracticeRows.h"

#include "Globals.h"
#include "Options.h"

// Temporary messages off and pronunciation on, whatever the defaults say.
void PracticeRows::OpenFolder()
{
    folder = std::make_unique<TestAppFolder>();
    Globals::MessageTime = 0;
    SetSetting(Opt::PRONOUNCE, QStringLiteral("TRUE"));
    // The desktop's voice is for the tests about it; the others hear recordings only.
    SetSetting(Opt::SPEAK_WORDS, QStringLiteral("FALSE"));
}

void PracticeRows::CloseFolder() { folder.reset(); }

TestSettings Quiet(int moveOnAfter, const QString& order)
{
    TestSettings s;
    s.TestOrder = order;
    s.MoveOnAfter = moveOnAfter;
    s.RevealAnswers = false;
    s.ForceEcho = false;
    s.PlayCorrectSound = false;
    s.PlayIncorrectSound = false;
    return s;
}
