// Speech through Qt TextToSpeech. One engine for the session, made on first use.
#include "Speech.h"

#include "AudioDevices.h"
#include "Sound.h"

#include <QCoreApplication>
#include <QPointer>
#include <QTextToSpeech>
#include <QTimer>

namespace {

// The offline engine is preferred: it needs no daemon and answers at once. Any other
// installed engine is taken when it is missing.
constexpr const char* kPreferredEngine = "flite";

struct Speaker {
    QPointer<QTextToSpeech> engine;
    bool failed = false;
    bool speaking = false;
    bool engineChosen = false; // set by the test hook
    QString chosenEngine;
};

Speaker& TheSpeaker()
{
    static Speaker speaker;
    return speaker;
}

void Fail()
{
    Speaker& s = TheSpeaker();
    s.failed = true;
    s.speaking = false;
    if (s.engine)
        s.engine->deleteLater();
    s.engine = nullptr;
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
    if (state == QTextToSpeech::Error) {
        Fail();
        return;
    }
    s.speaking = state == QTextToSpeech::Speaking;
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
    auto* engine = new QTextToSpeech(name);
    if (engine->state() == QTextToSpeech::Error) {
        delete engine;
        s.failed = true;
        return nullptr;
    }
    QObject::connect(engine, &QTextToSpeech::stateChanged, engine, &OnStateChanged);
    s.engine = engine;
    return engine;
}

} // namespace

void ReleaseSpeech()
{
    Speaker& s = TheSpeaker();
    if (!s.engine)
        return;
    s.engine->disconnect();
    delete s.engine.data();
    s.engine = nullptr;
    s.speaking = false;
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
    engine->stop();
    engine->say(word);
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
    if (s.engine)
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
