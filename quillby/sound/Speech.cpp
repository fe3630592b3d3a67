// Speech through Qt TextToSpeech. One engine for the session, made on first use.
#include "Speech.h"

#include "AudioDevices.h"
#include "Sound.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QThread>
#include <QTextToSpeech>
#include <QTimer>

namespace {

// The offline engine is preferred: it needs no daemon and answers at once. Any other
// installed engine is taken when it is missing.
constexpr const char* kPreferredEngine = "flite";

// After the engine's last sign of work its synthesis thread may still be finishing a word
// that was cut off; the engine counts as idle only once it has been quiet this long.
constexpr qint64 kQuietMs = 400;
constexpr qint64 kMaxWaitForQuietMs = 2000;

struct Speaker {
    QTextToSpeech* engine = nullptr;
    bool failed = false;   // speech is off for the session; a failed engine is kept idle
    bool speaking = false;
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

void OnStateChanged(QTextToSpeech::State state)
{
    Speaker& s = TheSpeaker();
    s.lastActivityMs = NowMs();
    s.speaking = state == QTextToSpeech::Speaking;
    s.spoke = s.spoke || s.speaking;
    // Once a word has been heard, an error (a word cut off, a hiccup of the sound server)
    // spoils that word only. An engine that fails before its first word (no output device,
    // no voice) would fail every word. (The engine's own error reason is not reliable here.)
    if (state == QTextToSpeech::Error && !s.spoke)
        Fail();
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

// Stops the word being spoken and lets the engine go quiet, for at most a moment.
void WaitUntilQuiet()
{
    Speaker& s = TheSpeaker();
    if (s.engine->state() == QTextToSpeech::Speaking)
        s.engine->stop();
    const qint64 deadline = NowMs() + kMaxWaitForQuietMs;
    auto quiet = [&s] {
        return s.engine->state() != QTextToSpeech::Speaking &&
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
    // sound server call into its freed output stream, and the process crashes. It is stopped
    // and given time to go quiet, because ending the process while it synthesises aborts in
    // the sound library; an idle engine left to the process's end is harmless.
    QTextToSpeech* engine = s.engine;
    engine->disconnect();
    QObject::connect(engine, &QTextToSpeech::stateChanged, engine,
                     [](QTextToSpeech::State) { TheSpeaker().lastActivityMs = NowMs(); });
    WaitUntilQuiet();
    engine->disconnect();
    s.engine = nullptr;
    s.speaking = false;
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
    TheSpeaker().lastActivityMs = NowMs();
    engine->say(word); // cuts off a word still being spoken
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
    Speaker& s = TheSpeaker();
    if (s.engine && s.engine->state() == QTextToSpeech::Speaking)
        s.engine->stop();
    s.speaking = false;
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
