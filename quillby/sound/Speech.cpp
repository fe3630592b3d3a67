// Speech through Qt TextToSpeech. One engine for the session, made on first use.
#include "Speech.h"

#include "AudioDevices.h"
#include "Sound.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QThread>
#include <QTextToSpeech>
#include <QTimer>
#include <utility>

namespace {

// The offline engine is preferred: it needs no daemon and answers at once. Any other
// installed engine is taken when it is missing.
constexpr const char* kPreferredEngine = "flite";

// After the engine's last sign of work its synthesis thread may still be finishing a word
// that was cut off; the engine counts as idle only once it has been quiet this long.
constexpr qint64 kQuietMs = 400;
constexpr qint64 kMaxWaitForQuietMs = 2000;
// A word the engine has taken but never reported on counts as done after this long.
constexpr qint64 kLostWordMs = 5000;

struct Speaker {
    QTextToSpeech* engine = nullptr;
    bool failed = false;   // speech is off for the session; a failed engine is kept idle
    bool speaking = false;
    bool busy = false;     // a word was handed over and has not ended yet
    QString pending;       // the word to say when the one being spoken ends
    bool spoke = false;    // the engine has begun a word at least once
    qint64 lastActivityMs = 0;
    bool engineChosen = false; // set by the test hook
    QString chosenEngine;
};

Speaker& TheSpeaker()
{
    static Speaker speaker;
    return speaker;
}

qint64 NowMs()
{
    return QDeadlineTimer::current().deadline();
}

void Fail()
{
    Speaker& s = TheSpeaker();
    s.failed = true;
    s.speaking = false;
}

QString EngineName()
{
    const Speaker& s = TheSpeaker();
    if (s.engineChosen)
        return s.chosenEngine;
    const QStringList installed = QTextToSpeech::availableEngines();
    if (installed.contains(QLatin1String(kPreferredEngine)))
        return QString::fromLatin1(kPreferredEngine);
    return installed.value(0);
}

// Hands a word to the engine. The engine is never interrupted: stopping or replacing a word
// while it is being synthesised crashes the engine now and then, so a new word waits for the
// current one (a word lasts about a second) and only the newest waiting word is said.
void Say(const QString& word)
{
    Speaker& s = TheSpeaker();
    s.busy = true;
    s.lastActivityMs = NowMs();
    s.engine->say(word);
}

bool Busy()
{
    const Speaker& s = TheSpeaker();
    return s.busy && NowMs() - s.lastActivityMs < kLostWordMs;
}

void OnStateChanged(QTextToSpeech::State state)
{
    Speaker& s = TheSpeaker();
    s.lastActivityMs = NowMs();
    s.speaking = state == QTextToSpeech::Speaking;
    s.spoke = s.spoke || s.speaking;
    // Once a word has been heard, an error (a hiccup of the sound server) spoils that word
    // only. An engine that fails before its first word (no output device, no voice) would
    // fail every word. (The engine's own error reason is not reliable here.)
    if (state == QTextToSpeech::Error && !s.spoke)
        Fail();
    if (state == QTextToSpeech::Speaking)
        return;
    s.busy = false;
    if (!s.failed && !s.pending.isEmpty())
        Say(std::exchange(s.pending, QString()));
}

// The engine, started when needed; nullptr when speech is off for the session.
QTextToSpeech* Engine()
{
    Speaker& s = TheSpeaker();
    if (s.failed || !QCoreApplication::instance())
        return nullptr;
    if (s.engine)
        return s.engine;
    const QString name = EngineName();
    if (name.isEmpty() || !QTextToSpeech::availableEngines().contains(name)) {
        s.failed = true;
        return nullptr;
    }
    InitSound(); // the engine plays through Qt Multimedia, which must be set up first
    s.engine = new QTextToSpeech(name);
    s.lastActivityMs = NowMs();
    if (s.engine->state() == QTextToSpeech::Error) {
        s.failed = true;
        return nullptr;
    }
    QObject::connect(s.engine, &QTextToSpeech::stateChanged, s.engine, &OnStateChanged);
    return s.engine;
}

// Drops the waiting word and lets the engine finish its word, for at most a moment.
void WaitUntilQuiet()
{
    Speaker& s = TheSpeaker();
    s.pending.clear();
    const qint64 deadline = NowMs() + kMaxWaitForQuietMs;
    auto quiet = [&s] {
        return !Busy() && s.engine->state() != QTextToSpeech::Speaking &&
               NowMs() - s.lastActivityMs >= kQuietMs;
    };
    while (!quiet() && NowMs() < deadline) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(10);
    }
}

} // namespace

void ReleaseSpeech()
{
    Speaker& s = TheSpeaker();
    if (!s.engine)
        return;
    // The engine is only ever let go of, never deleted: deleting it, even idle, lets the
    // sound server call into its freed output stream, and the process crashes. It is given
    // time to finish its word, because ending the process while it synthesises aborts in the
    // sound library; an idle engine left to the process's end is harmless.
    WaitUntilQuiet();
    s.engine->disconnect();
    s.engine = nullptr;
    s.speaking = false;
    s.busy = false;
    s.spoke = false;
    NoteStreamClosed();
}

void SpeakWord(const QString& text)
{
    const QString word = text.trimmed();
    if (word.isEmpty())
        return;
    QTextToSpeech* engine = Engine();
    if (!engine)
        return;
    StopPlaying(); // one sound at a time, as with recordings
    if (Busy())
        TheSpeaker().pending = word;
    else
        Say(word);
}

bool SpeechAvailable()
{
    Speaker& s = TheSpeaker();
    if (s.failed)
        return false;
    if (s.engine)
        return true;
    // Without starting anything: is there an engine to start? The plugin list is read once.
    static const bool anyInstalled = !QTextToSpeech::availableEngines().isEmpty();
    return s.engineChosen ? QTextToSpeech::availableEngines().contains(s.chosenEngine)
                          : anyInstalled;
}

void WarmUpSpeech()
{
    if (TheSpeaker().engine || TheSpeaker().failed || !QCoreApplication::instance())
        return;
    QTimer::singleShot(0, QCoreApplication::instance(), [] { Engine(); });
}

void StopSpeaking()
{
    // The word being spoken is left to end by itself (see Say); the waiting one is dropped.
    TheSpeaker().pending.clear();
}

bool IsSpeaking()
{
    const Speaker& s = TheSpeaker();
    return s.engine && s.speaking;
}

void SetSpeechEngineForTesting(const QString& engine)
{
    ReleaseSpeech();
    Speaker& s = TheSpeaker();
    s.failed = false;
    s.engineChosen = !engine.isEmpty();
    s.chosenEngine = engine;
}
