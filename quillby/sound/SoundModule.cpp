#include "SoundModule.h"

#include "AudioModule.h"
#include "Modules.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <condition_variable>
#include <cstdio>
#include <mutex>
#include <thread>

namespace {

const QString kModule = QStringLiteral("quillby_audio");

enum class State { NotLoaded, Loading, Loaded, Failed };

// Never destroyed: a worker may still be loading while the process ends.
struct Loader {
    std::mutex mutex;
    std::condition_variable finished;
    State state = State::NotLoaded;
    const QuillbyAudioTable* table = nullptr;
    bool warmSpeech = false; // make the voice ready once loaded
};

Loader& TheLoader()
{
    static Loader* loader = new Loader;
    return *loader;
}

// Loads the module on the calling thread; null, said on stderr, when it cannot be had.
const QuillbyAudioTable* Load()
{
    QString error;
    const auto functions = reinterpret_cast<QuillbyAudioFunctionsFunction>(
        ModuleFunction(kModule, "QuillbyAudioFunctions", &error));
    const QuillbyAudioTable* table = functions ? functions() : nullptr;
    if (functions && (!table || table->size != sizeof(QuillbyAudioTable))) {
        error = QStringLiteral("%1 belongs to another build").arg(ModulePath(kModule));
        table = nullptr;
    }
    if (!table)
        std::fprintf(stderr, "Quillby: sound is off, its module could not be loaded: %s\n",
                     qPrintable(error));
    return table;
}

// Ends a load begun by Begin (on any thread) and wakes whoever waits for it.
void Finish(const QuillbyAudioTable* table)
{
    Loader& loader = TheLoader();
    bool warmSpeech = false;
    {
        const std::lock_guard lock(loader.mutex);
        loader.table = table;
        loader.state = table ? State::Loaded : State::Failed;
        warmSpeech = std::exchange(loader.warmSpeech, false);
    }
    loader.finished.notify_all();
    QCoreApplication* app = QCoreApplication::instance();
    if (table && warmSpeech && app)
        QMetaObject::invokeMethod(app, [table] { table->warmUpSpeech(); }, Qt::QueuedConnection);
}

} // namespace

const QuillbyAudioTable* AudioModule()
{
    Loader& loader = TheLoader();
    {
        std::unique_lock lock(loader.mutex);
        if (loader.state != State::NotLoaded) {
            loader.finished.wait(lock, [&] { return loader.state != State::Loading; });
            return loader.table;
        }
        loader.state = State::Loading;
    }
    const QuillbyAudioTable* table = Load();
    Finish(table);
    return table;
}

const QuillbyAudioTable* LoadedAudioModule()
{
    Loader& loader = TheLoader();
    const std::lock_guard lock(loader.mutex);
    return loader.state == State::Loaded ? loader.table : nullptr;
}

const QuillbyAudioTable* FinishedAudioModule()
{
    Loader& loader = TheLoader();
    std::unique_lock lock(loader.mutex);
    loader.finished.wait(lock, [&] { return loader.state != State::Loading; });
    return loader.table;
}

void LoadAudioModuleAhead(bool speech)
{
    Loader& loader = TheLoader();
    const QuillbyAudioTable* loaded = nullptr;
    {
        const std::lock_guard lock(loader.mutex);
        switch (loader.state) {
        case State::Failed:
            return;
        case State::Loaded:
            loaded = loader.table;
            break;
        case State::Loading:
            loader.warmSpeech = loader.warmSpeech || speech;
            return;
        case State::NotLoaded:
            loader.warmSpeech = speech;
            loader.state = State::Loading;
            std::thread([] { Finish(Load()); }).detach();
            return;
        }
    }
    if (speech)
        loaded->warmUpSpeech();
}

bool AudioModuleMayLoad()
{
    Loader& loader = TheLoader();
    {
        const std::lock_guard lock(loader.mutex);
        if (loader.state != State::NotLoaded)
            return loader.state != State::Failed;
    }
    return QFileInfo::exists(ModulePath(kModule));
}

void SetSoundModulePath(const QString& path) { SetModulePathForTesting(kModule, path); }

void UseQtPlaybackForTesting(bool qt)
{
    if (const QuillbyAudioTable* module = AudioModule())
        module->useQtPlaybackForTesting(qt);
}
