#pragma once
#include <QString>

// Speaking a word with the desktop's text-to-speech. The engine starts on first use (or on
// WarmUpSpeech), never during start-up; it speaks asynchronously. An engine that is missing,
// fails to start or reports an error turns speech off for the rest of the session, silently:
// the calls below then do nothing and SpeechAvailable answers false.

// Starts speaking text and returns at once. A word asked for while another is being spoken
// follows it (words are short); of several waiting, only the newest is said.
void SpeakWord(const QString& text);
// False once the engine is known to be missing or broken, or when no engine is installed.
bool SpeechAvailable();
// Starts the engine a moment later, from the event loop, so that the first word is quick.
void WarmUpSpeech();
// Drops the word waiting to be spoken; the word being spoken ends by itself.
void StopSpeaking();
// True from SpeakWord until the engine has finished or stopped the word.
bool IsSpeaking();

// Chooses the engine by its plugin name ("" for the preferred one) and forgets an earlier
// engine and its failure; for tests, which also name engines that do not exist.
void SetSpeechEngineForTesting(const QString& engine);
