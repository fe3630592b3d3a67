#pragma once
#include <QString>
#include <QStringList>

// Keeping the recordings folder consistent with the WORDS rows across crashes.
//
// Every change that touches both rows and sound files orders its steps so that a crash leaves
// at worst an extra file, never a word without its recording, and holds a SoundChangeMark
// while it runs. A mark still on disk at the next start (the program died midway) makes
// CleanUpSoundFolder look for recordings that no word uses.
class SoundChangeMark {
public:
    SoundChangeMark();
    ~SoundChangeMark();
    SoundChangeMark(const SoundChangeMark&) = delete;
    SoundChangeMark& operator=(const SoundChangeMark&) = delete;
};

// The mark file inside the recordings folder.
QString SoundChangeMarkPath();

// At start-up, before any window uses the folder: removes the word editor's working copy and
// the side files of interrupted copies, and, when a change was interrupted, every recording
// that no word uses. Only names this program makes are touched: upper-case word names with
// ".wav", "Temp.wav" and ".copying.part"; anything else in the folder stays. Returns the names
// of the files it removed.
QStringList CleanUpSoundFolder();

// Test hook: when the environment variable QUILLBY_TEST_CRASH_AT names this step, the process
// ends at once as if killed, so tests can stop the program between two steps of a change.
void CrashPoint(const char* step);
