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

// Copies a file over another through a side file (".copying.part" beside the target) and an
// atomic rename, so a failed copy (full or read-only disk) leaves the target as it was.
// Returns whether the copy is in place.
bool CopyFileReplacing(const QString& from, const QString& to);

// One save's change of a recording file, undone unless the rows it belongs to are written:
// the file it replaces or removes is kept aside (".replaced.part" beside it) until Commit, and
// put back when the change is dropped without Commit (the row write failed). One change per
// object. A crash before Commit keeps the change; the next start removes the file kept aside.
class RecordingReplacement {
public:
    RecordingReplacement() = default;
    ~RecordingReplacement();
    RecordingReplacement(const RecordingReplacement&) = delete;
    RecordingReplacement& operator=(const RecordingReplacement&) = delete;

    // Puts a copy of `from` at `target`; false, with the target as it was, when it fails.
    bool Replace(const QString& from, const QString& target);
    // Removes `target`; false, with the target as it was, when it fails.
    bool Remove(const QString& target);
    // The rows are written: the change stays and the file kept aside goes.
    void Commit();

private:
    bool KeepAside(const QString& target);
    void Undo();

    QString target_; // set while a change waits for Commit
    QString aside_;  // the replaced file, "" when there was none
};

// The mark file inside the recordings folder.
QString SoundChangeMarkPath();

// At start-up, before any window uses the folder: removes the word editor's working copy and
// the side files of interrupted copies, and, when a change was interrupted, every recording
// that no word uses. Only names this program makes are touched: upper-case word names with
// ".wav", "Temp.wav", ".copying.part" and ".replaced.part"; anything else in the folder stays.
// Returns the names of the files it removed.
QStringList CleanUpSoundFolder();

// Test hook: when the environment variable QUILLBY_TEST_CRASH_AT names this step, the process
// ends at once as if killed, so tests can stop the program between two steps of a change.
void CrashPoint(const char* step);
