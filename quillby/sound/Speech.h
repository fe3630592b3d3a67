#pragma once
#include <QString>

// Speaking a word with the computer's voice. The voice is made ready on first use (or on
// WarmUpSpeech), never during start-up. A word is rendered in memory and played like a
// recording, so speech behaves as playback does: silent without a sound server, and heard
// again once a server is back. An engine that cannot be had turns speech off for the rest of
// the session, silently: the calls below then do nothing and SpeechAvailable answers false.

// Renders the word (a few milliseconds) and starts playing it; returns without waiting for
// the sound. Like any new sound it stops the one playing, a word being said included.
void SpeakWord(const QString& text);
// False once the engine is known to be missing.
bool SpeechAvailable();
// Makes the voice ready a moment later (its module loaded on a worker thread, then the voice
// from the event loop), so that the first word is quick.
void WarmUpSpeech();
// Stops the word being said, if it still plays.
void StopSpeaking();
// True from SpeakWord until its word has been played out or stopped.
bool IsSpeaking();

// Chooses the engine by name ("" for the one built in, "flite") and forgets an earlier
// failure; for tests, which also name engines that do not exist.
void SetSpeechEngineForTesting(const QString& engine);
