// Speech with the Flite synthesiser, in this process: a word is rendered to samples in memory
// and played through the player, as a recording is. Nothing of the speech engine talks to the
// sound server, so a server that dies or restarts while a word is said costs that word only:
// the player closes the dead stream, and the next word opens a stream on whatever server (or
// none) is there then.
#include "Audio.h"

#include "WavReader.h"

#include <QCoreApplication>
#include <QTimer>

extern "C" {
#include <flite/flite.h>
// The voice library's entry point; its header is not installed.
cst_voice* register_cmu_us_kal16(const char* voxdir);
}

namespace audio {

namespace {

constexpr const char* kEngineName = "flite";

struct Speaker {
    cst_voice* voice = nullptr; // registered on first use, kept for the session
    bool failed = false;        // speech is off for the session
    int sound = 0;              // the player's number for the word being said
    bool engineChosen = false;  // set by the test hook
    QString chosenEngine;
};

Speaker& TheSpeaker()
{
    static Speaker speaker;
    return speaker;
}

// The voice, registered when needed; nullptr when speech is off for the session.
cst_voice* Voice()
{
    Speaker& s = TheSpeaker();
    if (s.failed)
        return nullptr;
    if (s.engineChosen && s.chosenEngine != QLatin1String(kEngineName)) {
        s.failed = true;
        return nullptr;
    }
    if (s.voice)
        return s.voice;
    flite_init();
    s.voice = register_cmu_us_kal16(nullptr);
    s.failed = s.voice == nullptr;
    return s.voice;
}

// The word as 16-bit samples; empty when the synthesiser gives nothing.
WavSound Synthesise(cst_voice* voice, const QString& word)
{
    WavSound sound;
    cst_wave* wave = flite_text_to_wave(word.toUtf8().constData(), voice);
    if (!wave)
        return sound;
    const int channels = cst_wave_num_channels(wave);
    const int frames = cst_wave_num_samples(wave);
    if (channels > 0 && frames > 0 && cst_wave_sample_rate(wave) > 0) {
        sound.format.setSampleFormat(QAudioFormat::Int16);
        sound.format.setSampleRate(cst_wave_sample_rate(wave));
        sound.format.setChannelCount(channels);
        sound.samples = QByteArray(reinterpret_cast<const char*>(cst_wave_samples(wave)),
                                   qsizetype(frames) * channels * qsizetype(sizeof(short)));
    }
    delete_wave(wave);
    return sound;
}

} // namespace

void ReleaseSpeech()
{
    // The word's stream belongs to the player, which closes it; the voice is plain memory.
    TheSpeaker().sound = 0;
}

void SpeakWord(const QString& text)
{
    const QString word = text.trimmed();
    if (word.isEmpty())
        return;
    cst_voice* voice = Voice();
    if (!voice)
        return;
    const WavSound sound = Synthesise(voice, word);
    if (sound.samples.isEmpty()) {
        StopPlaying(); // one sound at a time, even when this one is silent
        return;
    }
    TheSpeaker().sound = PlaySamples(sound);
}

bool SpeechAvailable()
{
    const Speaker& s = TheSpeaker();
    if (s.failed)
        return false;
    return !s.engineChosen || s.chosenEngine == QLatin1String(kEngineName);
}

void WarmUpSpeech()
{
    if (TheSpeaker().voice || TheSpeaker().failed || !QCoreApplication::instance())
        return;
    QTimer::singleShot(0, QCoreApplication::instance(), [] { Voice(); });
}

void StopSpeaking()
{
    Speaker& s = TheSpeaker();
    if (IsPlayingSound(s.sound))
        StopPlaying();
    s.sound = 0;
}

bool IsSpeaking()
{
    return IsPlayingSound(TheSpeaker().sound);
}

void SetSpeechEngineForTesting(const QString& engine)
{
    StopSpeaking();
    Speaker& s = TheSpeaker();
    s.failed = false;
    s.engineChosen = !engine.isEmpty();
    s.chosenEngine = engine;
}

} // namespace audio
