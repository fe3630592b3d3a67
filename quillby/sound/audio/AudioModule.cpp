// The sound module's one entry point: the table of its functions for the program.
#include "AudioModule.h"

#include "Audio.h"

namespace {
const QuillbyAudioTable kTable{
    sizeof(QuillbyAudioTable),
    audio::StartRecording,
    audio::StopRecording,
    audio::CloseRecorder,
    audio::PlayWave,
    audio::StopPlaying,
    audio::IsPlaying,
    audio::SpeakWord,
    audio::SpeechAvailable,
    audio::WarmUpSpeech,
    audio::StopSpeaking,
    audio::IsSpeaking,
    audio::ReleaseAudio,
    audio::SetSpeechEngineForTesting,
    audio::UseQtPlaybackForTesting,
    audio::RecordingCutShort,
    audio::RecordingBroke,
};
} // namespace

extern "C" Q_DECL_EXPORT const QuillbyAudioTable* QuillbyAudioFunctions()
{
    return &kTable;
}
