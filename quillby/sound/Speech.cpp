// The computer's voice, forwarded to the sound module (SoundModule.h) like recording and
// playback. Before the module is loaded, speech counts as available unless the module is
// known not to load: the Pronounce buttons are then as with no engine.
#include "Speech.h"

#include "AudioModule.h"
#include "SoundModule.h"

void SpeakWord(const QString& text)
{
    const QString word = text.trimmed();
    if (word.isEmpty())
        return;
    if (const QuillbyAudioTable* module = AudioModule())
        module->speakWord(word);
}

bool SpeechAvailable()
{
    if (const QuillbyAudioTable* module = LoadedAudioModule())
        return module->speechAvailable();
    return AudioModuleMayLoad();
}

void WarmUpSpeech()
{
    LoadAudioModuleAhead(true);
}

void StopSpeaking()
{
    if (const QuillbyAudioTable* module = LoadedAudioModule())
        module->stopSpeaking();
}

bool IsSpeaking()
{
    const QuillbyAudioTable* module = LoadedAudioModule();
    return module && module->isSpeaking();
}

void SetSpeechEngineForTesting(const QString& engine)
{
    if (const QuillbyAudioTable* module = AudioModule())
        module->setSpeechEngineForTesting(engine);
}
