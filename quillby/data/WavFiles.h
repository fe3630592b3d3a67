#pragma once
#include <QString>

// The sound file of a word: WavPath + "/" + the word in upper case + ".wav", so words of equal
// text (in any letter case) share one recording. Returns "" when the text cannot name a file
// safely inside WavPath (empty, a path separator, a control character, "." or "..", a name too
// long for the file system): such a word has no recording.
QString WordWavFile(const QString& word);
bool WordCanHaveRecording(const QString& word);

// The word editor's working copy: AppPath + "/Temp.wav".
QString TempWavPath();

// Removes a file; a missing file or an empty path is no error.
void DeleteFileQuietly(const QString& path);
