#pragma once
#include <QString>

// "Pronounce this word", the same for every window: the word's recording when there is one
// (a recording always wins), otherwise the desktop's voice when the setting "Speak words that
// have no recording" is on and an engine works. With the setting off, or no engine, a word
// without a recording is exactly as before: no voice, and the callers keep their Pronounce
// buttons disabled.

// Whether words without a recording are spoken now: the stored setting and a working engine.
bool WillSpeakWords();

// Whether a Pronounce button for this word has something to play: the recording file holds
// sound (an empty or damaged file counts as none), or the word (not blank) would be spoken.
bool CanPlayOrSpeakWord(const QString& word, const QString& recording);
// The same for the word's own recording, WordWavFile(word).
bool CanPlayOrSpeakWord(const QString& word);

// Plays the recording when the file exists; otherwise speaks the word when WillSpeakWords,
// and else plays the recording path as PlayWave always has. Returns at once.
void PlayOrSpeakWord(const QString& word, const QString& recording);
// The same for the word's own recording, WordWavFile(word).
void PlayOrSpeakWord(const QString& word);
