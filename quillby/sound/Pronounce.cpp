#include "Pronounce.h"

#include "Options.h"
#include "Sound.h"
#include "Speech.h"
#include "WavFiles.h"
#include "WavReader.h"

namespace {
// An empty or damaged file is no recording: the word falls back to the voice.
bool RecordingExists(const QString& recording)
{
    return !recording.isEmpty() && WavFileHasSound(recording);
}
} // namespace

bool WillSpeakWords()
{
    return SpeechAvailable() && SpeakWordsSetting();
}

bool CanPlayOrSpeakWord(const QString& word, const QString& recording)
{
    if (RecordingExists(recording))
        return true;
    return !word.trimmed().isEmpty() && WillSpeakWords();
}

bool CanPlayOrSpeakWord(const QString& word)
{
    return CanPlayOrSpeakWord(word, WordWavFile(word));
}

void PlayOrSpeakWord(const QString& word, const QString& recording)
{
    StopSpeaking();
    if (!RecordingExists(recording) && !word.trimmed().isEmpty() && WillSpeakWords()) {
        SpeakWord(word);
        return;
    }
    if (!recording.isEmpty())
        PlayWave(recording);
}

void PlayOrSpeakWord(const QString& word)
{
    PlayOrSpeakWord(word, WordWavFile(word));
}
